#include "reports/cabrillo_text.h"

#include <cstring>

namespace {

const char kFallbackBase[] = "YRTA";
const char kStoredCr[] = "<CR>";
const char kStoredLf[] = "<LF>";
const char kFileLineBreak[] = "\r\nSOAPBOX: ";

bool IsForbiddenInFileName(unsigned char c) {
  return c < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr;
}

// The white space that trimming removes (the C locale's isspace).
bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
  return text;
}

std::string FileBaseFromCall(const std::string& ownCall) {
  // White space is trimmed from the ends, tabs and line ends included, as it
  // always was; only what is left inside must still become "_".
  std::string base = ownCall;
  for (char& c : base)
    if (!IsWhiteSpace(c) && IsForbiddenInFileName(static_cast<unsigned char>(c))) c = '_';
  std::size_t first = 0;
  std::size_t last = base.size();
  while (first < last && IsWhiteSpace(base[first])) ++first;
  while (last > first && IsWhiteSpace(base[last - 1])) --last;
  base = base.substr(first, last - first);
  for (char& c : base)
    if (IsForbiddenInFileName(static_cast<unsigned char>(c))) c = '_';
  return base.empty() ? kFallbackBase : base;
}

std::string SoapboxStoredToDialog(const std::string& stored) {
  return ReplaceAll(ReplaceAll(stored, kStoredCr, "\r"), kStoredLf, "\n");
}

std::string SoapboxDialogToStored(const std::string& dialog) {
  return ReplaceAll(ReplaceAll(dialog, "\r", kStoredCr), "\n", kStoredLf);
}

std::string SoapboxStoredToFile(const std::string& stored) {
  return ReplaceAll(ReplaceAll(stored, kStoredCr, kFileLineBreak), kStoredLf, "");
}
