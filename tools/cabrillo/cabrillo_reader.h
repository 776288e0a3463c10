// Cabrillo 3.0 reader for CQ WW logs: the header tags and the QSO lines, as a
// stand-in host needs them to hand each QSO to the plug-in.
//
// Lines are "TAG: value" (CR LF or LF ends; tags compared without regard to
// case); a UTF-8 byte-order mark before the first line is skipped. "QSO:" lines of the CQ WW template have whitespace-separated fields:
//   QSO: freq mo date time mycall rst exch call rst exch [t]
// with the frequency in kHz (a fraction is dropped), mode "CW" or "PH" (other
// modes kept as written, so the plug-in rejects them), date "yyyy-mm-dd" and
// time "hhmm" in UTC. An exchange written as "-" stands for a missing one and
// is read as the empty text. "X-QSO:" lines are left out, as the Cabrillo rules
// want. A QSO line that does not fit the template is not dropped silently: it
// lands in `errors` with its line number and the reading goes on.
//
// The band is derived from the frequency, not read: contest bands get the
// plug-in's names "160m" to "10m"; other amateur bands their own ("60m", "30m",
// "17m", "12m", "6m", "2m"); anything else "?m".
#ifndef STATS_TOOLS_CABRILLO_CABRILLO_READER_H_
#define STATS_TOOLS_CABRILLO_CABRILLO_READER_H_

#include <string>
#include <utility>
#include <vector>

struct CabrilloQso {
  unsigned freqKhz = 0;  // as in the file
  std::string band;      // from freqKhz, see BandOfKhz
  std::string mode;      // "CW", "SSB" (from "PH"), or the file's text
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  std::string sentCall;
  std::string rstSent;
  std::string exchSent;  // own CQ zone as logged; empty for "-"
  std::string call;
  std::string rstRcvd;
  std::string exchRcvd;  // received CQ zone as logged; empty for "-"
  std::string transmitter;  // the optional last field, empty when absent
  int line = 0;             // line number in the file, from 1
  std::string text;         // the line as written, blanks around it dropped
};

struct CabrilloError {
  int line = 0;
  std::string message;
};

struct CabrilloFile {
  std::string version;  // START-OF-LOG value, "3.0"
  std::vector<std::pair<std::string, std::string>> tags;  // upper-cased tag, value, in file order
  std::vector<CabrilloQso> qsos;
  std::vector<CabrilloError> errors;

  // First value of a tag ("CALLSIGN", "CONTEST"), empty when absent.
  std::string Tag(const std::string& name) const;
};

// Parses file content. Problems go to `errors`; a text without
// "START-OF-LOG:" gets one error for that but is read all the same.
CabrilloFile ParseCabrillo(const std::string& text);

// Reads and parses a file. False only when it cannot be read.
bool ReadCabrilloFile(const std::string& path, CabrilloFile& out);

// Band name of a frequency in kHz, as described above.
std::string BandOfKhz(unsigned khz);

#endif  // STATS_TOOLS_CABRILLO_CABRILLO_READER_H_
