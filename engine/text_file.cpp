#include "engine/text_file.h"

#include <cerrno>
#include <cstdio>

bool ReadTextFile(const std::string& path, std::string* content, bool* missing) {
  if (missing) *missing = false;
  content->clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (missing) *missing = (errno == ENOENT);
    return false;
  }
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content->append(chunk, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines, bool* missing) {
  std::string content;
  if (!ReadTextFile(path, &content, missing)) return false;
  ForEachTextLine(content, [&](std::string_view line) { lines->emplace_back(line); });
  return true;
}
