// The Win32 side of the file operations, for the DLL.
#include "engine/file_system.h"

#include <windows.h>

#include <cstring>

namespace {

struct SearchHandle {
  HANDLE handle;
  ~SearchHandle() {
    if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
  }
};

}  // namespace

std::vector<std::string> FindFiles(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  SearchHandle search{FindFirstFileA(pattern.c_str(), &found)};
  if (search.handle == INVALID_HANDLE_VALUE) return names;
  do {
    // The folder's own entries are no files of it (the POSIX side agrees).
    if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0)
      continue;
    names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.handle, &found));
  return names;
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
