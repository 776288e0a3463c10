// ReportState: what the reports keep from one call of the host to the next:
// the Cabrillo header record of the current export, the last claimed score,
// the report text the host reads until its next call, and the score index
// that keeps the score in step with the store (the plug-in's state makes it
// the store's observer).
#ifndef STATS_REPORTS_REPORT_STATE_H_
#define STATS_REPORTS_REPORT_STATE_H_

#include <string>

#include "reports/cabrillo_log.h"
#include "reports/score_index.h"

struct ReportState {
  int m_htmlReport = 0;  // set by setVersion, never cleared
  CabrilloLog m_cabrillo;
  int m_claimedScore = 0;
  std::string m_reportText;  // returned by GetResult0, valid until the next call
  ScoreIndex m_scoreIndex;
};

#endif  // STATS_REPORTS_REPORT_STATE_H_
