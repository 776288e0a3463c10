// Statistics reset (ResetStats0): opens a scoring run. Records the contestant,
// the dates and the own country, finds the host version, empties the store,
// reads the contest mode, runs the Cabrillo header dialog for an export,
// decides whether to start the user-interface thread and starts the bad-QSO
// file anew. Returns 1.
//
// The header dialog and the header values belong to the reports, above the
// engine: the caller hands their preparation in as `openExport`, which the
// reset runs at its place in the order when the host asks for an export.
#ifndef STATS_ENGINE_STATISTICS_RESET_H_
#define STATS_ENGINE_STATISTICS_RESET_H_

#include <functional>

#include "engine/host_args.h"

struct ContestState;
class Settings;
class WindowSide;

int ResetStatistics(ContestState& state, Settings& settings, WindowSide& windows,
                    const ResetArgs& args, const std::function<void()>& openExport);

#endif  // STATS_ENGINE_STATISTICS_RESET_H_
