// Call check (CheckCall0) and exchange validation (IsValidExchg0), both asked
// while the operator enters a QSO.
//
// CheckCall answers 0 dupe on the band, 1 country already worked on the band
// (or no prefix given), 2 new country, 4 band or mode not valid (1 for hosts
// "2.19" and "2.20"). It writes the expected zone text into args.zoneOut (at
// most 100 bytes, terminator included) when it gets to the country test.
#ifndef STATS_ENGINE_CALL_CHECK_H_
#define STATS_ENGINE_CALL_CHECK_H_

#include <string>

#include "engine/host_args.h"

struct ContestState;
class WindowSide;

int CheckCall(ContestState& state, WindowSide& windows, const CallCheckArgs& args);

// 1 when `exchange` is a valid received CQ zone for a station of `prefix`,
// else 0; always 0 when forceInvalid is nonzero.
int IsValidExchange(const std::string& exchange, const std::string& prefix,
                    int forceInvalid);

#endif  // STATS_ENGINE_CALL_CHECK_H_
