// The scoring pass: turns the QSO store into the contest score and the rates.
//
// ComputeScore recomputes everything from the store on every call. It leaves
// two things behind in the state: m_workedBands sorted from 160 m to 10 m, and,
// for every band that is listed there, the worked-country and worked-zone lists
// of that band rebuilt from the store (lists of bands not listed keep what they
// held). It writes nothing else; storing the score as the claimed score is
// the caller's step.
//
// Rules (score_rules.h), each comparison exact and case-sensitive: points by
// own country and continent; countries and zones count once per band; an
// empty country prefix (a call the host could not place) is no country, and
// only the CQ zones 1 to 40 are zones, whatever number the exchange held. A
// QSO counts when its call is not empty and it is not flagged invalid; a dupe
// adds only to `dupes`. The rejected QSOs are those intake keeps count of
// (m_rejectedQsos).
//
// Rates are taken on the band of the last stored QSO (the reference band): the
// QSOs less than 60 and less than 10 minutes, rounded to the second, before the
// reference time, which is the last QSO's time when the store holds at least
// two and day 0 otherwise. Export runs leave every rate counter at 0.
//
// CurrentScore gives the same summary and leaves the same state behind, read
// from the incremental score (score_index.h) that watches the store instead of
// a pass over it; the host asks for it after every QSO.
//
// Runs on the host's thread under the state's lock, like every exported call.
#ifndef STATS_REPORTS_SCORING_H_
#define STATS_REPORTS_SCORING_H_

#include <string>
#include <vector>

#include "reports/score_rules.h"

struct ContestState;
class ScoreIndex;

struct BandScore {
  std::string band;  // as stored in the band list
  int qsos = 0;
  int points = 0;
  int countries = 0;
  int zones = 0;
};

struct ScoreSummary {
  std::vector<BandScore> rows;  // one per entry of the sorted band list
  int totalQsos = 0;
  int totalPoints = 0;
  int totalCountries = 0;
  int totalZones = 0;
  int dupes = 0;    // stored duplicates on the listed bands
  int badQsos = 0;  // rejected QSOs, as intake and removal counted them
  int score = 0;    // totalPoints * (totalCountries + totalZones)
  int lastQsoPoints = 0;  // of the last counted QSO on the reference band
  int hourQsos = 0;
  int hourPoints = 0;
  int tenMinQsos = 0;
  int tenMinPoints = 0;
};

ScoreSummary ComputeScore(ContestState& state);
ScoreSummary CurrentScore(ContestState& state, ScoreIndex& scoreIndex);

// The date scale's own reading of a day count: before 1899-12-30 the fraction
// counts forward into the day, so -1.25 lies after -1.0 as 06:00 of that day.
double LinearDays(double days);

// Whole minutes between `reference` and `time` (days on the date scale),
// rounded to the nearest second first; negative when `time` is later. Values
// too far apart to be represented come back as the largest or smallest value.
long long RateMinutesBetween(double reference, double time);

#endif  // STATS_REPORTS_SCORING_H_
