// PrepareExport: fills the Cabrillo header from the own call and the saved
// settings, lets the operator confirm it in the header dialog, and stores the
// confirmed values. Returns 1 on OK; otherwise 0 with export mode ended.
#ifndef STATS_REPORTS_CABRILLO_HEADER_H_
#define STATS_REPORTS_CABRILLO_HEADER_H_

#include <string>

#include "engine/ole_date_time.h"

struct CabrilloLog;
struct ContestState;
class Settings;
class WindowSide;

int PrepareExport(ContestState& state, CabrilloLog& log, Settings& settings, WindowSide& windows,
                  const std::string& ownCall, const COleDateTime& first,
                  const COleDateTime& last);

#endif  // STATS_REPORTS_CABRILLO_HEADER_H_
