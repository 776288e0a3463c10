#include "reports/cabrillo_log.h"

#include "engine/qso.h"
#include "engine/replace_file.h"
#include "reports/cabrillo_fields.h"
#include "reports/text_format.h"

namespace {

const char kQsoLineCw[] = "QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n";
const char kQsoLineSsb[] = "QSO: %5i %2s %s %-13s 59  %-5s  %-12s  59  %s\r\n";
const char kQsoTimePattern[] = "%Y-%m-%d %H%M";

const char kExtension[] = ".cbr";
const char kProduced[] = "File produced: ";
const char kNotProduced[] = "File not produced: ";

const char* ModeCode(const std::string& mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  return "??";
}

// A four-character zone such as "1405" is written "01 05"; anything else as
// it was logged.
std::string ReceivedExchange(const std::string& exch) {
  if (exch.size() != 4) return exch;
  return std::string("0") + exch[0] + ' ' + exch.substr(2);
}

std::string FileText(const CabrilloLog& log, int isCw, int claimedScore,
                     const std::string& hostVersion) {
  std::string t;
  t += "START-OF-LOG: 3.0\r\n";
  for (const CabrilloField& field : kCabrilloFields) {
    if (!field.fileTag) continue;
    t += field.fileTag;
    switch (field.fileValue) {
      case FileValue::kMember: t += log.*field.member; break;
      case FileValue::kContestName: t += isCw ? "CQ-WW-CW" : "CQ-WW-SSB"; break;
      case FileValue::kClaimedScore: t += std::to_string(claimedScore); break;
      case FileValue::kCreator: t += hostVersion; break;
    }
    t += "\r\n";
  }
  for (const std::string& line : log.m_qsoLines) t += line;
  t += "END-OF-LOG:\r\n";
  return t;
}

}  // namespace

void AddQsoLine(CabrilloLog& log, const CInfo& qso, int isCw) {
  log.m_qsoLines.push_back(StringPrintf(
      isCw ? kQsoLineCw : kQsoLineSsb, static_cast<int>(qso.m_freqKhz), ModeCode(qso.m_mode),
      qso.m_time.Format(kQsoTimePattern).c_str(), log.m_callsign.c_str(),
      qso.m_exchSent.c_str(), qso.m_call.c_str(), ReceivedExchange(qso.m_exchRcvd).c_str()));
}

std::string WriteLog(const CabrilloLog& log, int isCw, int claimedScore,
                     const std::string& hostVersion) {
  const std::string name = log.m_fileBase + kExtension;
  // An earlier file is replaced only by a complete new one.
  if (!ReplaceFileContents(name, FileText(log, isCw, claimedScore, hostVersion)))
    return kNotProduced + name;
  return kProduced + name;
}
