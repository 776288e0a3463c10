// QsoStore: the plug-in's copy of the contest log, CInfo records by value in
// intake order. An index is a position in that order; removing a record moves
// every later one down by one. Every search over it answers as a scan in index
// order would (first match wins).
#ifndef STATS_ENGINE_QSO_STORE_H_
#define STATS_ENGINE_QSO_STORE_H_

#include <cstddef>
#include <vector>

#include "engine/qso.h"

class QsoStore {
 public:
  int GetCount() const { return static_cast<int>(m_records.size()); }
  bool IsEmpty() const { return m_records.empty(); }

  // Record i, 0 <= i < count; any other index throws std::out_of_range.
  const CInfo& At(int i) const { return m_records.at(static_cast<std::size_t>(i)); }

  void Append(const CInfo& record) { m_records.push_back(record); }
  void RemoveAt(int i) { At(i); m_records.erase(m_records.begin() + i); }
  void Clear() { m_records.clear(); }

  std::vector<CInfo>::const_iterator begin() const { return m_records.begin(); }
  std::vector<CInfo>::const_iterator end() const { return m_records.end(); }

 private:
  std::vector<CInfo> m_records;
};

#endif  // STATS_ENGINE_QSO_STORE_H_
