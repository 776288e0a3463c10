// OpenScoringRun: ResetStatistics0 as the plug-in runs it, the engine's reset
// with the reports' Cabrillo header preparation as its export step.
#ifndef STATS_PLUGIN_SCORING_RUN_H_
#define STATS_PLUGIN_SCORING_RUN_H_

#include "engine/host_args.h"

struct PluginState;
class Settings;
class WindowSide;

int OpenScoringRun(PluginState& state, Settings& settings, WindowSide& windows,
                   const ResetArgs& args);

#endif  // STATS_PLUGIN_SCORING_RUN_H_
