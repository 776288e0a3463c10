#include "reports/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace {

void AppendV(std::string& out, const char* format, std::va_list args) {
  std::va_list measure;
  va_copy(measure, args);
  const int needed = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (needed <= 0) return;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(needed) + 1);
  std::vsnprintf(&out[start], static_cast<std::size_t>(needed) + 1, format, args);
  out.resize(start + static_cast<std::size_t>(needed));
}

}  // namespace

std::string StringPrintf(const char* format, ...) {
  std::string out;
  std::va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
  return out;
}

void AppendPrintf(std::string& out, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
}
