// QSO intake (AddData0): checks band, mode, contest mode and exchanges in that
// order, writes a rejected QSO or a dupe to the bad-QSO file, and stores every
// accepted QSO (a dupe flagged). Returns 1 when stored, 0 when rejected.
#ifndef STATS_ENGINE_INTAKE_H_
#define STATS_ENGINE_INTAKE_H_

#include "engine/host_args.h"

struct PluginState;

int AddQso(PluginState& state, const QsoArgs& qso);

#endif  // STATS_ENGINE_INTAKE_H_
