// The stand-in host's command line. See Usage() for the options.
#ifndef STATS_TOOLS_HOST_HOST_OPTIONS_H_
#define STATS_TOOLS_HOST_HOST_OPTIONS_H_

#include <string>
#include <vector>

namespace host {

// A change of one logged QSO (--edit N:field=value,...). Fields: call, zone
// (received exchange), sent (sent exchange), freq (kHz; the band follows),
// mode, time (hhmm). Without a field the received zone moves to the next one.
struct QsoEdit {
  int number = 0;  // 1-based position in the log
  std::vector<std::pair<std::string, std::string>> changes;
};

struct HostOptions {
  std::string logPath;
  std::string dllPath;  // empty: Stats.dll beside the program
  std::string folder = "host-run";
  std::string ctyPath = "/usr/share/hamradio-files/cty.dat";
  std::string hostVersion = "2.20";
  bool html = false;
  std::string mode;  // "cw", "ssb", or empty: from the log
  bool ui = false;
  bool decorated = false;
  bool reload = false;       // AddData0 back to back, as when the host reloads a log
  int resultEvery = 1;       // 0: only at the end
  std::vector<int> removals;
  std::vector<QsoEdit> edits;
  int removeSpread = 0;
  int probeCalls = 0;
  int keystrokeCalls = 0;    // with --ui: calls typed, each keystroke waited for
  int extraResults = 0;
  bool exportLog = false;
  bool confirmHeader = true;
  bool automationOnMainThread = false;
  std::string reportFile;
  std::string expectReport;
  std::string expectBadQso;
  std::string expectCabrillo;
  bool quiet = false;
  bool timingOnly = false;

  // --serve: the automation object alone, for a client to call.
  bool serve = false;
  double serveFrequency = 14025000.0;
  std::string serveEntry;
};

const char* Usage();

// False with `error` on an unknown option or a bad value.
bool ParseOptions(int argc, char** argv, HostOptions& options, std::string* error);

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_OPTIONS_H_
