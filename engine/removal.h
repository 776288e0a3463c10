// QSO removal (RemoveData0): takes the first matching record out of the store
// and its zone out of its band's zone list, resets the zone displays, drops the
// QSO's lines from the bad-QSO file and asks the windows to refresh. Returns 1.
#ifndef STATS_ENGINE_REMOVAL_H_
#define STATS_ENGINE_REMOVAL_H_

#include "engine/host_args.h"

struct ContestState;
class WindowSide;

int RemoveQso(ContestState& state, WindowSide& windows, const QsoArgs& qso);

#endif  // STATS_ENGINE_REMOVAL_H_
