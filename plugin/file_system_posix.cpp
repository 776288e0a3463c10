// The POSIX side of the file operations, for the native build: names match the
// way the Windows directory search matches them, without regard to letter case.
#include "engine/file_system.h"

#include <dirent.h>

#include <cstdio>
#include <cstring>

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// '*' any run of characters, '?' any one character, everything else itself.
bool Matches(const char* pattern, const char* name) {
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern && (*pattern == '?' || Fold(*pattern) == Fold(*name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

}  // namespace

std::vector<std::string> FindFiles(const std::string& pattern) {
  std::vector<std::string> names;
  std::size_t split = pattern.find_last_of("/\\");
  std::string folder = split == std::string::npos ? "." : pattern.substr(0, split + 1);
  std::string namePattern = split == std::string::npos ? pattern : pattern.substr(split + 1);
  for (char& c : folder)
    if (c == '\\') c = '/';
  if (namePattern.empty()) return names;

  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* entry = readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    if (Matches(namePattern.c_str(), entry->d_name)) names.emplace_back(entry->d_name);
  }
  closedir(dir);
  return names;
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}
