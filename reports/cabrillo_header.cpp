#include "reports/cabrillo_header.h"

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "engine/window_side.h"
#include "reports/cabrillo_fields.h"
#include "reports/cabrillo_log.h"
#include "reports/cabrillo_text.h"

namespace {

// Start values that every export begins with, whatever was stored before.
const char kContestCw[] = "CQ-WW-CW";
const char kContestSsb[] = "CQ-WW-SSB";
const char kCategoryOperator[] = "SINGLE-OP";
const char kCategoryOverlay[] = "NONE";
const char kCategoryModeCw[] = "CW";
const char kCategoryModeSsb[] = "SSB";
const char kCategoryBand[] = "ALL";
const char kCategoryPower[] = "HIGH";
const char kCategoryTransmitter[] = "ONE";
const char kLocation[] = "DX";
const char kCategoryStation[] = "FIXED";
const char kCategoryAssisted[] = "NON-ASSISTED";

}  // namespace

int PrepareExport(ContestState& state, CabrilloLog& log, Settings& settings,
                  WindowSide& windows, const std::string& ownCall, const COleDateTime& first,
                  const COleDateTime& last) {
  log.m_callsign = ownCall;
  log.m_firstDay = first;
  log.m_lastDay = last;
  log.m_fileBase = FileBaseFromCall(ownCall);

  for (const CabrilloField& field : kCabrilloFields) {
    if (field.storage != FieldStorage::kReadWrite && field.storage != FieldStorage::kReadOnly)
      continue;
    // Only a missing Operators key starts with the own call: an operator who
    // emptied the field keeps it empty.
    const std::string fallback =
        field.member == &CabrilloLog::m_operators ? ownCall : std::string();
    log.*field.member = settings.ReadOr(field.settingsKey, fallback);
  }
  log.m_soapbox = SoapboxStoredToDialog(log.m_soapbox);

  log.m_contest = state.m_isCw ? kContestCw : kContestSsb;
  log.m_categoryOperator = kCategoryOperator;
  log.m_categoryOverlay = kCategoryOverlay;
  log.m_categoryMode = state.m_isCw ? kCategoryModeCw : kCategoryModeSsb;
  log.m_categoryBand = kCategoryBand;
  log.m_categoryPower = kCategoryPower;
  log.m_categoryTransmitter = kCategoryTransmitter;
  log.m_location = kLocation;
  log.m_categoryStation = kCategoryStation;
  log.m_categoryAssisted = kCategoryAssisted;

  // The dialog edits the header values only: what it cannot show is kept.
  const CabrilloLog shown = log;
  if (!windows.RunHeaderDialog(log)) {
    state.m_exportMode = 0;
    return 0;
  }
  log.m_claimed = shown.m_claimed;
  log.m_fileBase = shown.m_fileBase;
  log.m_firstDay = shown.m_firstDay;
  log.m_lastDay = shown.m_lastDay;
  log.m_soapbox = SoapboxDialogToStored(log.m_soapbox);

  for (int position = 0; const CabrilloField* field = StoredFieldInOrder(position); ++position)
    settings.Write(field->settingsKey, log.*field->member);

  log.m_soapbox = SoapboxStoredToFile(log.m_soapbox);
  log.m_qsoLines.clear();
  return 1;
}
