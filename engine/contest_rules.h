// CContestRules: a fixed list of names (the contest's bands or modes) with a
// membership test that ignores letter case.
//
// The position of a band in the band list is the band index used by every
// per-band table: 0 = "160m" ... 5 = "10m".
#ifndef STATS_ENGINE_CONTEST_RULES_H_
#define STATS_ENGINE_CONTEST_RULES_H_

#include <initializer_list>
#include <string>
#include <vector>

class CContestRules {
 public:
  CContestRules(std::initializer_list<const char*> names);

  // True when some entry equals text without regard to letter case.
  bool Contains(const std::string& text) const { return IndexOf(text) >= 0; }

  // Position of the entry equal to text without regard to case, or -1.
  int IndexOf(const std::string& text) const;

  int GetCount() const { return static_cast<int>(m_names.size()); }
  const std::string& operator[](int i) const { return m_names.at(i); }

 private:
  std::vector<std::string> m_names;
};

// ASCII case-insensitive equality; bytes above 127 compare exactly.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);

#endif  // STATS_ENGINE_CONTEST_RULES_H_
