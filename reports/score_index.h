// ScoreIndex: the score kept up to date QSO by QSO, so that the host's request
// for the result after every QSO costs the same at 50,000 QSOs as at 50.
//
// It watches the store (as its observer) and keeps, per band text: the counted
// QSOs, points and dupes; for every country and every zone that is a
// multiplier (score_rules.h) the counted QSOs that carry it, by sequence
// number, so that the first occurrence in store order is always known; and the times of the counted QSOs in the order of the
// date scale, one list per point value, for the rate windows. Summarise then
// reads the figures the scoring pass would compute (ComputeScore in
// scoring.h stays the reference and gives the same answer for every store).
//
// Points depend on the operator's own station, which a statistics reset sets
// before the log is fed. The index scores with the station of its last
// reading; a reading with another station rebuilds it from the store once. A
// clear (every reset) leaves it to be built at the first reading, so that a
// host reloading a whole log pays for the index once, not QSO by QSO. Any
// failure inside an update (memory) marks the index for a rebuild instead of
// leaving it wrong, and so does a reading of a store it does not watch.
#ifndef STATS_REPORTS_SCORE_INDEX_H_
#define STATS_REPORTS_SCORE_INDEX_H_

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/qso_store.h"
#include "reports/score_rules.h"
#include "reports/scoring.h"

class ScoreIndex : public QsoStoreObserver {
 public:
  ScoreIndex() = default;
  // The order maps point into the index's own entries: it is not copied.
  ScoreIndex(const ScoreIndex&) = delete;
  ScoreIndex& operator=(const ScoreIndex&) = delete;

  void Appended(const CInfo& record, std::uint64_t sequence) override;
  void Removing(const CInfo& record, std::uint64_t sequence) override;
  void Clearing() override;

  // What one reading needs beside the store. `listed` is the band list as the
  // scoring pass orders it, every name once; `countryLists` and `zoneLists`
  // give, per listed band, the lists to rebuild (null: none).
  struct Reading {
    std::string ownPrefix;
    std::string ownContinent;
    bool countRates = true;  // false in export runs
    const std::vector<std::string>* listed = nullptr;
    std::vector<std::vector<std::string>*> countryLists;
    std::vector<std::vector<unsigned>*> zoneLists;
  };

  // Fills rows, totals, dupes, the rates and lastQsoPoints of `s`, and
  // rebuilds the given lists, as the scoring pass does for `store`.
  void Summarise(const QsoStore& store, const Reading& reading, ScoreSummary* s);

 private:
  struct Occurrences {
    std::vector<std::uint64_t> sequences;  // rising
  };
  struct Band {
    std::string name;
    int qsos = 0;
    int points = 0;
    int dupes = 0;
    std::vector<std::pair<std::uint64_t, int>> counted;  // (sequence, points), rising
    std::unordered_map<std::string, Occurrences> countries;
    std::array<Occurrences, kLastCqZone + 1> zones;  // by zone number
    // Keys by the sequence of their first occurrence: the lists' order.
    std::map<std::uint64_t, const std::string*> countryOrder;
    std::map<std::uint64_t, unsigned> zoneOrder;
    // Times of the counted QSOs by point value, in the date scale's order;
    // a time that is no point on the scale (NaN) lies in no window and is left out.
    std::array<std::vector<double>, 4> times;
  };

  Band* Find(const std::string& name);
  Band& FindOrAdd(const std::string& name);
  void Add(const CInfo& record, std::uint64_t sequence);
  void Remove(const CInfo& record, std::uint64_t sequence);
  void Rebuild(const QsoStore& store);

  std::deque<Band> m_bands;  // a deque: the order maps point into its elements
  Band* m_lastBand = nullptr;
  std::string m_ownPrefix;
  std::string m_ownContinent;
  bool m_stale = true;  // no reading yet, or an update failed
};

#endif  // STATS_REPORTS_SCORE_INDEX_H_
