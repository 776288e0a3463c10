#include "reports/score_rules.h"

#include "engine/qso.h"

namespace {
const char kNorthAmerica[] = "NA";
}  // namespace

int QsoPoints(const std::string& ownPrefix, const std::string& ownContinent, const CInfo& qso) {
  if (qso.m_prefix == ownPrefix) return 0;
  if (qso.m_continent != ownContinent) return 3;
  // The contest gives two points for another country of one's own continent
  // only in North America.
  return ownContinent == kNorthAmerica ? 2 : 1;
}

MultiplierKeys MultiplierKeysOf(const CInfo& qso) {
  MultiplierKeys keys;
  // The host hands over an empty prefix for a call it cannot place (a maritime
  // mobile, a prefix newer than its country data): that is no country, and the
  // call check already treats it so.
  keys.country = !qso.m_prefix.empty();
  // The exchange is stored as logged, but only the forty CQ zones are
  // multipliers; "0", "41" or text must not inflate the score.
  keys.zone = qso.m_zone >= kFirstCqZone && qso.m_zone <= kLastCqZone;
  return keys;
}
