// The contest's rules for one QSO, shared by the scoring pass and the
// incremental score so that both always score alike.
//
// Points, each comparison exact and case-sensitive: a QSO with the own country
// scores 0, one with another continent 3, one with another country of the own
// continent 1, or 2 when the own continent is North America ("NA").
#ifndef STATS_REPORTS_SCORE_RULES_H_
#define STATS_REPORTS_SCORE_RULES_H_

#include <string>

struct CInfo;

int QsoPointsFor(const std::string& ownPrefix, const std::string& ownContinent,
                 const CInfo& qso);

// Which of a counted QSO's two multiplier keys take part in the count of its
// band: its country prefix, its zone number. Each counts once per band, at its
// first occurrence in store order.
struct MultiplierKeys {
  bool country = false;
  bool zone = false;
};
MultiplierKeys MultiplierKeysOf(const CInfo& qso);

// A QSO the score ignores completely (no total, multiplier, rate or dupe).
inline bool IsIgnoredByScore(const std::string& call) { return call.empty(); }

#endif  // STATS_REPORTS_SCORE_RULES_H_
