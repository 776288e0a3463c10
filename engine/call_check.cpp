#include "engine/call_check.h"

#include <cstdio>

#include "engine/contest_rules.h"
#include "engine/window_side.h"
#include "engine/contest_state.h"

namespace {

// Countries whose CQ zone the prefix alone does not tell.
bool SpansSeveralZones(const std::string& prefix) {
  for (const char* p : {"VK", "VE", "K", "UA9", "BY"})
    if (prefix == p) return true;
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CheckCall(ContestState& state, WindowSide& windows, const CallCheckArgs& args) {
  int idle = 1;
  if (windows.HasControlWindow() && state.m_detailsIdle.compare_exchange_strong(idle, 0))
    windows.PostCallDetails();

  const int notValid =
      (state.m_hostVersion == "2.19" || state.m_hostVersion == "2.20") ? 1 : 4;
  if (args.hasBand2 && !EqualsIgnoreCase(args.band, args.band2)) return notValid;
  const int band = state.m_bands.IndexOf(args.band);
  if (band < 0) return notValid;
  if (args.mode != (state.m_isCw ? "CW" : "SSB")) return notValid;
  if (args.prefix.empty()) return 1;

  // Stored bands are in the band list's spelling; compare in that spelling.
  const std::string& bandName = state.m_bands[band];
  if (state.m_qsoStore.HasCallOnBand(args.call, bandName)) return 0;
  const int answer = state.m_qsoStore.HasPrefixOnBand(bandName, args.prefix) ? 1 : 2;

  if (args.zoneOut) {
    if (SpansSeveralZones(args.prefix))
      std::snprintf(args.zoneOut, 100, "%i?", args.zone);
    else
      std::snprintf(args.zoneOut, 100, "%i", args.zone);
  }
  return answer;
}

int IsValidExchange(const std::string& exchange, const std::string& prefix, int forceInvalid) {
  if (forceInvalid != 0) return 0;
  if (exchange.size() == 2 && IsDigit(exchange[0]) && IsDigit(exchange[1]))
    return ((exchange[0] - '0') * 10 + (exchange[1] - '0')) <= 40 ? 1 : 0;
  if (exchange.size() == 1 && IsDigit(exchange[0])) {
    const int d = exchange[0] - '0';
    if (prefix == "VE") return (d >= 1 && d <= 5) ? 1 : 0;
    if (prefix == "K") return (d >= 3 && d <= 5) ? 1 : 0;
    return 0;
  }
  return 0;
}
