// CabrilloLog: the header values of the Cabrillo file, its base name and the
// formatted QSO lines of one export.
//
// An export run formats the QSO lines afresh (m_qsoLines emptied, then AddQsoLine
// for every stored QSO in store order) and writes the file with WriteLog. The
// report texts and the CONTEST line follow the contest mode (isCw), not the
// QSO's mode or the contest name of the dialog.
#ifndef STATS_REPORTS_CABRILLO_LOG_H_
#define STATS_REPORTS_CABRILLO_LOG_H_

#include <string>
#include <vector>

#include "engine/ole_date_time.h"

struct CInfo;

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

// Formats the QSO line of `qso` (own call from log.m_callsign, CR LF at its
// end) and appends it to log.m_qsoLines.
void AddQsoLine(CabrilloLog& log, const CInfo& qso, int isCw);

// Writes "<m_fileBase>.cbr" in the current folder: the header, the QSO lines
// and the end line. The file is written aside and put in place only once it is
// complete, so a failed export leaves an earlier file as it was. Returns the
// message for the operator: "File produced: <name>" or, when the file could
// not be written, "File not produced: <name>".
std::string WriteLog(const CabrilloLog& log, int isCw, int claimedScore,
                     const std::string& hostVersion);

#endif  // STATS_REPORTS_CABRILLO_LOG_H_
