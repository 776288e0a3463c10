// QsoStore: the plug-in's copy of the contest log, CInfo records by value in
// intake order. An index is a position in that order; removing a record moves
// every later one down by one.
//
// Every search answers exactly as a scan of the records in index order would
// (first match wins). The store keeps a count of its records per (call, band),
// split by mode, and per (band, prefix), all compared byte for byte, so that the
// questions asked on every typed character and every logged QSO ("is there
// one?") take constant time however long the log grows. Records are reachable
// only read-only, so the counts cannot fall out of step with them. A deque
// holds them: growing it moves no record.
#ifndef STATS_ENGINE_QSO_STORE_H_
#define STATS_ENGINE_QSO_STORE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <deque>
#include <vector>

#include "engine/qso.h"

class QsoStore {
 public:
  int GetCount() const { return static_cast<int>(m_records.size()); }
  bool IsEmpty() const { return m_records.empty(); }

  // Record i, 0 <= i < count; any other index throws std::out_of_range.
  const CInfo& At(int i) const { return m_records.at(static_cast<std::size_t>(i)); }

  void Append(CInfo record);
  // Removes record i (std::out_of_range for any other index).
  void RemoveAt(int i);
  void Clear();

  // Whether some record has this m_call, m_band and m_mode (the dupe rule).
  bool HasCallOnBandInMode(const std::string& call, const std::string& band,
                           const std::string& mode) const;
  // Whether some record has this m_call and m_band, whatever its mode.
  bool HasCallOnBand(const std::string& call, const std::string& band) const;
  // Whether some record on `band` has this m_prefix.
  bool HasPrefixOnBand(const std::string& band, const std::string& prefix) const;

  // The index of the first record with this call, mode, band and time (the
  // date value's own equality), or -1.
  int FindFirst(const std::string& call, const std::string& mode, const std::string& band,
                const COleDateTime& time) const;

  // The index of the last record with this m_call and m_band, whatever its
  // mode, or -1. Asked for each band on every typed character, so it answers
  // from the counts without a scan.
  int FindLast(const std::string& call, const std::string& band) const;

  std::deque<CInfo>::const_iterator begin() const { return m_records.begin(); }
  std::deque<CInfo>::const_iterator end() const { return m_records.end(); }

 private:
  // The records of one call on one band. Nearly always all in one mode (the
  // contest's), which is counted inline; other modes, if any, beside it.
  struct CallOnBand {
    int total = 0;
    std::string mode;
    int inMode = 0;
    std::unordered_map<std::string, int> otherModes;
    std::vector<std::uint64_t> serials;  // of its records, ascending
  };
  void Count(const CInfo& record, std::uint64_t serial, int change);

  std::deque<CInfo> m_records;
  // Every record's serial, given in append order, so ascending: a serial's
  // place here is its record's index.
  std::deque<std::uint64_t> m_serials;
  std::uint64_t m_nextSerial = 0;
  std::unordered_map<std::string, CallOnBand> m_byCallBand;
  std::unordered_map<std::string, int> m_byBandPrefix;
};

#endif  // STATS_ENGINE_QSO_STORE_H_
