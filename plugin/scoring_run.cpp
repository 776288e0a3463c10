#include "plugin/scoring_run.h"

#include "engine/statistics_reset.h"
#include "plugin/plugin_state.h"
#include "reports/cabrillo_header.h"

int OpenScoringRun(PluginState& state, Settings& settings, WindowSide& windows,
                   const ResetArgs& args) {
  return ResetStatistics(state, settings, windows, args, [&] {
    PrepareExport(state, state.m_cabrillo, settings, windows, args.contestant, args.firstDay,
                  args.lastDay);
  });
}
