#include "reports/cabrillo_header.h"

#include "engine/window_side.h"
#include "plugin/plugin_state.h"
#include "plugin/settings.h"
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

int PrepareExport(PluginState& state, Settings& settings, WindowSide& windows,
                  const std::string& ownCall, const COleDateTime& first,
                  const COleDateTime& last) {
  CabrilloLog& log = state.m_cabrillo;
  log.m_callsign = ownCall;
  log.m_firstDay = first;
  log.m_lastDay = last;
  log.m_fileBase = FileBaseFromCall(ownCall);

  // Only a missing key starts with the own call: an operator who emptied the
  // field keeps it empty.
  log.m_operators = settings.ReadOr("Operators", ownCall);
  log.m_name = settings.Read("Name");
  log.m_address = settings.Read("Address");
  log.m_addressCity = settings.Read("Address_City");
  log.m_addressStateProvince = settings.Read("Address_St_Prov");
  log.m_addressPostalCode = settings.Read("Address_PostalCode");
  log.m_addressCountry = settings.Read("Address_Country");
  log.m_claimed = settings.Read("Claimed");

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

  log.m_email = settings.Read("Email");
  log.m_club = settings.Read("Club");
  log.m_soapbox = SoapboxStoredToDialog(settings.Read("SoapBox"));

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

  settings.Write("Operators", log.m_operators);
  settings.Write("Name", log.m_name);
  settings.Write("Address", log.m_address);
  settings.Write("Address_City", log.m_addressCity);
  settings.Write("Address_St_Prov", log.m_addressStateProvince);
  settings.Write("Address_PostalCode", log.m_addressPostalCode);
  settings.Write("Address_Country", log.m_addressCountry);
  settings.Write("Category", log.m_categoryOperator);
  settings.Write("Category_Overlay", log.m_categoryOverlay);
  settings.Write("Contest", log.m_contest);
  settings.Write("Email", log.m_email);
  settings.Write("Club", log.m_club);
  settings.Write("SoapBox", log.m_soapbox);

  log.m_soapbox = SoapboxStoredToFile(log.m_soapbox);
  log.m_qsoLines.clear();
  return 1;
}
