// RejectedQsos: the lines of the QSOs that intake rejected (wrong band, wrong
// mode, no number), kept in memory beside the bad-QSO file.
//
// The report's "Bad QSO" count comes from here, not from the file: another
// program may hold the file so that lines or a removal never reach it, and
// the count must tell the truth all the same. Intake adds, removal takes out
// by the same rule it applies to the file, and a statistics reset empties it,
// so that whenever the file could be written its rejected lines are these.
#ifndef STATS_ENGINE_REJECTED_QSOS_H_
#define STATS_ENGINE_REJECTED_QSOS_H_

#include <string>
#include <vector>

class RejectedQsos {
 public:
  void Add(const std::string& line) { m_lines.push_back(line); }

  // Drops every line that a removal of `call` at `timeKey` drops from the file.
  void RemoveMatching(const std::string& call, const std::string& timeKey);

  void Clear() { m_lines.clear(); }
  int Count() const { return static_cast<int>(m_lines.size()); }

 private:
  std::vector<std::string> m_lines;
};

#endif  // STATS_ENGINE_REJECTED_QSOS_H_
