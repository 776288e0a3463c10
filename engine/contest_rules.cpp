#include "engine/contest_rules.h"

namespace {
char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

CContestRules::CContestRules(std::initializer_list<const char*> names) {
  for (const char* n : names) m_names.emplace_back(n);
}

int CContestRules::IndexOf(const std::string& text) const {
  for (std::size_t i = 0; i < m_names.size(); ++i)
    if (EqualsIgnoreCase(m_names[i], text)) return static_cast<int>(i);
  return -1;
}
