// Small text helpers shared by the tools' readers of country and log files,
// and by the tests' messages.
#ifndef STATS_TOOLS_TEXT_UTILS_H_
#define STATS_TOOLS_TEXT_UTILS_H_

#include <string>

namespace tools_text {

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// ASCII letters in capitals; other bytes unchanged.
inline std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// Shows CR, LF and tab as escapes, so that a line-end difference can be seen.
// With `breakLines` each LF also ends the shown line, for texts of many lines.
inline std::string Visible(const std::string& text, bool breakLines = false) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += breakLines ? "\\n\n" : "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

}  // namespace tools_text

#endif  // STATS_TOOLS_TEXT_UTILS_H_
