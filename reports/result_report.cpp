#include "reports/result_report.h"

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "engine/window_side.h"
#include "reports/cabrillo_log.h"
#include "reports/report_state.h"
#include "reports/report_templates.h"
#include "reports/scoring.h"
#include "reports/text_format.h"

namespace {

using namespace report_text;

const char kClaimedKey[] = "Claimed";
const char kExportCaption[] = "Output";

// The host's texts go into the page as text, never as markup.
std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void RenderText(const ContestState& state, const ScoreSummary& s, std::string& out) {
  AppendPrintf(out, state.m_isCw ? kHeadingCw : kHeadingSsb, state.m_startText.c_str(),
               state.m_endText.c_str(), state.m_contestant.c_str());
  for (const BandScore& row : s.rows)
    AppendPrintf(out, kBandRow, row.band.c_str(), row.qsos, row.points, row.countries,
                 row.zones);
  AppendPrintf(out, kTotals, s.totalQsos, s.totalPoints, s.totalCountries, s.totalZones,
               s.dupes, s.badQsos);
  if (state.m_exportMode == 0 && !state.m_qsoStore.IsEmpty())
    AppendPrintf(out, kRates, s.hourQsos, s.tenMinQsos * 6, s.hourPoints, s.tenMinPoints * 6,
                 s.lastQsoPoints);
  AppendPrintf(out, kScore, s.totalPoints, s.totalCountries, s.totalZones, s.score);
  out += kCreditLine;
}

void RenderHtml(const ScoreSummary& s, std::string& out) {
  for (const BandScore& row : s.rows)
    AppendPrintf(out, kCountRow, HtmlEscape(row.band).c_str(), row.qsos, row.points,
                 row.countries, row.zones);
  AppendPrintf(out, kCountRow, kTotal, s.totalQsos, s.totalPoints, s.totalCountries,
               s.totalZones);
  AppendPrintf(out, kSingleRow, kDupe, s.dupes);
  AppendPrintf(out, kSingleRow, kBadQso, s.badQsos);
  AppendPrintf(out, kLastPointsRow, kLastQsoPoints, s.lastQsoPoints);
  AppendPrintf(out, kScoreRow, kScoreCaption, s.totalPoints, s.totalCountries, s.totalZones,
               s.score);
  AppendPrintf(out, kRateRow, kQsoRate, s.hourQsos, s.tenMinQsos * 6);
  AppendPrintf(out, kRateRow, kPointsRate, s.hourPoints, s.tenMinPoints * 6);
  out += kPageEnd;
}

// Formats every stored QSO afresh, writes the file and tells the operator.
void RunExport(const ContestState& state, ReportState& report, WindowSide& windows) {
  CabrilloLog& log = report.m_cabrillo;
  log.m_qsoLines.clear();
  for (const CInfo& qso : state.m_qsoStore) AddQsoLine(log, qso, state.m_isCw);
  const std::string message =
      WriteLog(log, state.m_isCw, report.m_claimedScore, state.m_hostVersion);
  windows.ShowMessage(message, kExportCaption, /*information=*/true);
}

}  // namespace

const char* GetResult(ContestState& state, ReportState& report, Settings& settings,
                      WindowSide& windows, int* out) {
  std::string& text = report.m_reportText;
  text.clear();
  const bool html = report.m_htmlReport != 0;
  const std::string title = StringPrintf(state.m_isCw ? kTitleCw : kTitleSsb,
                                         state.m_startText.c_str(), state.m_endText.c_str());
  if (html) {
    text += kPageHead;
    AppendPrintf(text, kTitleBlock, title.c_str(), HtmlEscape(state.m_contestant).c_str());
    AppendPrintf(text, kColumnHeads, kBand, kQsos, kPoints, kDxcc, kZone);
  }

  const ScoreSummary s = CurrentScore(state, report.m_scoreIndex);
  if (html)
    RenderHtml(s, text);
  else
    RenderText(state, s, text);

  report.m_claimedScore = s.score;
  // Written only when it changed: the host asks for a report after every QSO,
  // and each write replaces the whole settings file.
  const std::string claimed = std::to_string(s.score);
  if (settings.Read(kClaimedKey) != claimed) settings.Write(kClaimedKey, claimed);

  if (state.m_exportMode != 0) RunExport(state, report, windows);

  if (out) *out = -1;  // the host always passes one; a null must not crash it
  return text.c_str();
}
