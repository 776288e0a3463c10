// Statistics reset (ResetStats0): opens a scoring run. Records the contestant,
// the dates and the own country, finds the host version, empties the store,
// reads the contest mode, runs the Cabrillo header dialog for an export,
// decides whether to start the user-interface thread and starts the bad-QSO
// file anew. Returns 1.
#ifndef STATS_ENGINE_STATISTICS_RESET_H_
#define STATS_ENGINE_STATISTICS_RESET_H_

#include "engine/host_args.h"

struct PluginState;
class Settings;
class WindowSide;

int ResetStatistics(PluginState& state, Settings& settings, WindowSide& windows,
                    const ResetArgs& args);

#endif  // STATS_ENGINE_STATISTICS_RESET_H_
