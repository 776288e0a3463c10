// The contest's rules for one QSO, shared by the scoring pass and the
// incremental score so that both always score alike.
#ifndef STATS_REPORTS_SCORE_RULES_H_
#define STATS_REPORTS_SCORE_RULES_H_

#include <string>

struct CInfo;

// The CQ zones, the only zone numbers that are multipliers.
constexpr int kFirstCqZone = 1;
constexpr int kLastCqZone = 40;

// QSO points of one QSO for the operator of that own country and continent,
// each comparison exact and case-sensitive: a QSO with the own country scores
// 0, one with another continent 3, one with another country of the own
// continent 1, or 2 when the own continent is North America ("NA").
int QsoPoints(const std::string& ownPrefix, const std::string& ownContinent, const CInfo& qso);

// Which of a counted QSO's two multiplier keys take part in the count of its
// band: its country prefix, its zone number. Each counts once per band, at its
// first occurrence in store order. An empty prefix (a call the host could not
// place) is no country, and only the CQ zones are zones; the QSO itself still
// counts with its points.
struct MultiplierKeys {
  bool country = false;
  bool zone = false;
};
MultiplierKeys MultiplierKeysOf(const CInfo& qso);

// A QSO the score ignores completely (no total, multiplier, rate or dupe).
inline bool IsIgnoredByScore(const std::string& call) { return call.empty(); }

#endif  // STATS_REPORTS_SCORE_RULES_H_
