// Synthetic CQ WW Cabrillo logs from real contest calls, reproducible from a
// seed: the same options, country file and call list give the same bytes on
// every platform (the generator uses its own random numbers and integer
// arithmetic only).
//
// The log covers the contest's 48 hours from 00:00 UTC of the first day. The
// operator sleeps a few hours each night (own local time from the continent)
// and takes short breaks; the rest is split into runs and search-and-pounce
// stretches of 10 to 60 minutes, each on one band chosen by the station's
// local time (low bands at night, high bands by day) with a rate of its own.
// Worked stations are drawn from the call list, favouring the own continent on
// the low bands; no call is worked twice on a band except as an intended dupe.
//
// Every QSO line carries RST 599 (CW) or 59 (SSB), the own zone as sent
// exchange and the worked call's CQ zone as the country file resolves it as
// received exchange, both two digits. About 2% of the QSOs repeat a call
// already worked on that band (dupes). Of every 1000 QSOs, one of each of
// these is one the plug-in must reject (at least one of each from 50 QSOs):
// a QSO on a WARC band (10115, 18080 or 24900 kHz), a QSO whose received zone
// is missing (written "-", which the reader takes as an empty exchange), and a
// QSO in the other mode (its sub-band and "PH" or "CW").
#ifndef STATS_TOOLS_LOGGEN_LOG_GENERATOR_H_
#define STATS_TOOLS_LOGGEN_LOG_GENERATOR_H_

#include <cstdint>
#include <string>
#include <vector>

class CtyFile;

struct LogGeneratorOptions {
  std::uint64_t seed = 1;
  int qsos = 3000;
  bool cw = true;
  std::string ownCall;  // empty: "OK1XYZ" for CW, "K1XYZ" for SSB
  // First contest day; 0: 28 Nov 2026 for CW, 31 Oct 2026 for SSB.
  int startYear = 0, startMonth = 0, startDay = 0;
};

// What a run wrote, for the generator's report and the tests.
struct LogGeneratorCounts {
  int qsos = 0;
  int dupes = 0;
  int warcBand = 0;
  int missingZone = 0;
  int otherMode = 0;
};

// The calls of a MASTER.SCP-style list: one call a line, '#' lines and blank
// lines skipped, upper-cased. Empty when the file cannot be read.
std::vector<std::string> ReadCallList(const std::string& path);

// Writes the whole log (CR LF line ends) into `out`. False, with `error`, when
// the own call does not resolve, no call of the list resolves, or an option is
// out of range (qsos below 0, a start date that is none).
bool GenerateLog(const LogGeneratorOptions& options, const CtyFile& cty,
                 const std::vector<std::string>& calls, std::string& out,
                 LogGeneratorCounts* counts, std::string* error);

#endif  // STATS_TOOLS_LOGGEN_LOG_GENERATOR_H_
