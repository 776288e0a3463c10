#include "engine/text_file.h"

#include <cerrno>
#include <cstdio>

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines, bool* missing) {
  if (missing) *missing = false;
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (missing) *missing = (errno == ENOENT);
    return false;
  }
  std::string content;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  if (!ok) return false;

  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const bool lineEnd = end != std::string::npos;
    if (!lineEnd) end = content.size();
    // A CR belongs to the line end only in front of its LF.
    std::size_t stop = end;
    if (lineEnd && stop > start && content[stop - 1] == '\r') --stop;
    lines->push_back(content.substr(start, stop - start));
    start = end + 1;
  }
  return true;
}
