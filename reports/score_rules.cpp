#include "reports/score_rules.h"

#include "engine/qso.h"

namespace {
const char kNorthAmerica[] = "NA";
}  // namespace

int QsoPointsFor(const std::string& ownPrefix, const std::string& ownContinent,
                 const CInfo& qso) {
  if (qso.m_prefix == ownPrefix) return 0;
  if (qso.m_continent != ownContinent) return 3;
  // The contest gives two points for another country of one's own continent
  // only in North America.
  return ownContinent == kNorthAmerica ? 2 : 1;
}

MultiplierKeys MultiplierKeysOf(const CInfo&) {
  // Every prefix (the empty one too) and every zone number the exchange gave
  // (0 for one that is no number) counts.
  MultiplierKeys keys;
  keys.country = true;
  keys.zone = true;
  return keys;
}
