// CabrilloLog: the header values of the Cabrillo file, its base name and the
// formatted QSO lines of one export.
#ifndef STATS_REPORTS_CABRILLO_LOG_H_
#define STATS_REPORTS_CABRILLO_LOG_H_

#include <string>
#include <vector>

#include "engine/ole_date_time.h"

struct CabrilloLog {
  std::string m_callsign;
  std::string m_name;
  std::string m_address;
  std::string m_addressCity;
  std::string m_addressStateProvince;
  std::string m_addressPostalCode;
  std::string m_addressCountry;
  std::string m_claimed;   // shown in the dialog only
  std::string m_contest;   // shown and stored; the CONTEST line follows the mode
  std::string m_email;
  std::string m_club;
  std::string m_soapbox;   // file form: later lines already start "SOAPBOX: "
  std::string m_operators;
  std::string m_categoryOperator;
  std::string m_categoryStation;
  std::string m_categoryOverlay;  // shown and stored; not written to the file
  std::string m_categoryMode;
  std::string m_categoryBand;
  std::string m_categoryAssisted;
  std::string m_categoryTransmitter;
  std::string m_categoryPower;
  std::string m_location;
  std::string m_fileBase;  // file name without ".cbr"
  std::vector<std::string> m_qsoLines;
  COleDateTime m_firstDay;
  COleDateTime m_lastDay;
};

#endif  // STATS_REPORTS_CABRILLO_LOG_H_
