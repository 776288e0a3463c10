// CInfo: one QSO as the plug-in keeps it. A plain value type; the store holds
// copies in intake order.
//
// Invariants of a stored record: m_band is one of the six band names in the
// band list's own spelling, m_mode is the contest's mode, both exchanges are
// non-empty, and m_invalid == m_dupe.
#ifndef STATS_ENGINE_QSO_H_
#define STATS_ENGINE_QSO_H_

#include <cstdint>
#include <string>

#include "engine/ole_date_time.h"

struct CInfo {
  std::string m_call;       // worked station's call
  std::string m_prefix;     // its DXCC country prefix, as the host resolved it
  std::string m_continent;  // its continent, as the host gives it
  std::string m_band;       // "160m" .. "10m"
  std::string m_mode;       // "CW" or "SSB"
  std::string m_rstRcvd;
  std::string m_rstSent;
  std::string m_exchRcvd;   // received CQ zone as logged
  std::string m_exchSent;   // own CQ zone as logged
  std::int32_t m_zone = 0;     // m_exchRcvd as a decimal number (atoi rules)
  std::int32_t m_freqKhz = 0;  // frequency in Hz / 1000, rounded down
  std::int32_t m_invalid = 0;  // counts for no points or multipliers
  std::int32_t m_dupe = 0;     // repeats an earlier stored QSO
  COleDateTime m_time;         // day 0.0, valid, when new
};

#endif  // STATS_ENGINE_QSO_H_
