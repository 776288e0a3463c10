// The result report (GetResult0): runs the scoring pass, renders the report as
// tab-separated text or, once the host has called setVersion, as HTML, stores
// the claimed score, and in export mode writes the Cabrillo file. Stores -1
// through `out`. The returned text stays valid until the next call.
#ifndef STATS_REPORTS_RESULT_REPORT_H_
#define STATS_REPORTS_RESULT_REPORT_H_

struct ContestState;
struct ReportState;
class Settings;
class WindowSide;

const char* GetResult(ContestState& state, ReportState& report, Settings& settings,
                      WindowSide& windows, int* out);

#endif  // STATS_REPORTS_RESULT_REPORT_H_
