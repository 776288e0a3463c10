// Small fixtures for the report tests: QSO records built in one line, and
// times given as clock values on one contest day.
#ifndef STATS_TESTS_REPORTS_LOG_FIXTURE_H_
#define STATS_TESTS_REPORTS_LOG_FIXTURE_H_

#include <cstdlib>
#include <string>

#include "engine/qso.h"
#include "engine/contest_state.h"

namespace fixture {

// 2024-10-26 hh:mm:ss on the date scale.
inline COleDateTime At(int hour, int minute, double second = 0) {
  COleDateTime t = COleDateTime::FromParts(2024, 10, 26, hour, minute, 0);
  t.m_dt += second / 86400.0;
  return t;
}

struct QsoSpec {
  const char* call;
  const char* prefix;
  const char* continent;
  const char* band;
  const char* exchRcvd = "14";
  COleDateTime time = At(12, 0);
  int dupe = 0;
  int freqKhz = 14025;
  const char* mode = "CW";
  const char* exchSent = "14";
};

inline CInfo Qso(const QsoSpec& s) {
  CInfo q;
  q.m_call = s.call;
  q.m_prefix = s.prefix;
  q.m_continent = s.continent;
  q.m_band = s.band;
  q.m_mode = s.mode;
  q.m_rstRcvd = q.m_rstSent = std::string(s.mode) == "CW" ? "599" : "59";
  q.m_exchRcvd = s.exchRcvd;
  q.m_exchSent = s.exchSent;
  q.m_zone = std::atoi(s.exchRcvd);
  q.m_freqKhz = s.freqKhz;
  q.m_invalid = q.m_dupe = s.dupe;
  q.m_time = s.time;
  return q;
}

// Appends the QSO to the store and its band to the band list, as intake does.
inline void Log(ContestState& state, const QsoSpec& s) {
  const CInfo q = Qso(s);
  state.m_qsoStore.Append(q);
  for (const std::string& b : state.m_workedBands)
    if (b == q.m_band) return;
  state.m_workedBands.push_back(q.m_band);
}

inline void OwnStation(ContestState& state, const char* prefix, const char* continent) {
  state.m_ownPrefix = prefix;
  state.m_ownContinent = continent;
}

}  // namespace fixture

#endif  // STATS_TESTS_REPORTS_LOG_FIXTURE_H_
