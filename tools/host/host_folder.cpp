#include "tools/host/host_folder.h"

#include <windows.h>

#include <cstdio>

namespace host {

namespace {

bool MakeFolders(const std::string& path) {
  if (path.empty()) return true;
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::size_t cut = path.find_last_of("\\/");
  if (cut != std::string::npos && cut > 0 && path[cut - 1] != ':') {
    if (!MakeFolders(path.substr(0, cut))) return false;
  }
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& out) {
  out.clear();
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) out.append(buffer, got);
  std::fclose(file);
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && ok;
}

bool RemoveFolder(const std::string& folder) {
  const std::string prefix = folder + "\\";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((prefix + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveFolder(prefix + name);
      else DeleteFileA((prefix + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryA(folder.c_str()) != 0;
}

std::vector<std::string> FilesMatching(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

bool PrepareFolder(const FolderLayout& layout, PreparedFolder& out, std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    return false;
  };
  if (!MakeFolders(layout.folder)) return fail("cannot create the folder " + layout.folder);
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(layout.folder.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return fail("cannot resolve the folder " + layout.folder);
  out.fullPath = full;
  while (out.fullPath.size() > 3 &&
         (out.fullPath.back() == '\\' || out.fullPath.back() == '/'))
    out.fullPath.pop_back();
  out.folderPrefix = out.fullPath + "\\";

  for (const char* pattern : {"BadQSO_*.txt", "*.cbr"})
    for (const auto& name : FilesMatching(out.fullPath, pattern))
      DeleteFileA((out.folderPrefix + name).c_str());

  const std::string plugins = out.folderPrefix + "Plugins";
  if (!MakeFolders(plugins)) return fail("cannot create " + plugins);

  const std::string hostSettings = out.folderPrefix + "Qalo2.ini";
  if (!layout.hostVersion) {
    DeleteFileA(hostSettings.c_str());
  } else if (!WriteWholeFile(hostSettings, "[Qalo]\r\nQalo=" + *layout.hostVersion + "\r\n")) {
    return fail("cannot write Qalo2.ini");
  }

  const std::string pluginSettings = plugins + "\\CQ-WW-CW-SSB.ini";
  if (!layout.pluginSettingsFile) {
    DeleteFileA(pluginSettings.c_str());
  } else {
    std::string settings = "[Settings]\r\n";
    for (const auto& entry : layout.settings)
      settings += entry.first + "=" + entry.second + "\r\n";
    if (!WriteWholeFile(pluginSettings, settings))
      return fail("cannot write the plug-in's settings file");
  }

  out.dllPath.clear();
  if (layout.dllSource.empty()) return true;
  out.dllPath = plugins + "\\Stats.dll";
  if (!CopyFileA(layout.dllSource.c_str(), out.dllPath.c_str(), FALSE))
    return fail("cannot copy " + layout.dllSource + " to " + out.dllPath);
  return true;
}

}  // namespace host
