#include "engine/replace_file.h"

#include <cstdio>

#include "engine/file_system.h"

namespace {

// True only when every byte reached the file and it closed cleanly.
bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && flushed && closed;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  if (WriteWholeFile(temporary, text) && ReplaceFileWith(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}
