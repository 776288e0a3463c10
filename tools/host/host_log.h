// HostLog: a Cabrillo log as the host holds it before it drives the plug-in.
// Every QSO is resolved the way the host resolves it from its own country
// data: the worked call to DXCC prefix, continent and CQ zone; the band from
// the frequency; the own call (header CALLSIGN, else the first QSO's sent call)
// to the own prefix and continent. For the call check the host also resolves
// every partial call the operator has typed on the way ("D", "DL", "DL1", ...);
// that is left until the call is typed, since a reload types nothing.
//
// A call the country file does not know gets an empty prefix and continent
// and zone 0, which is what the host hands over in that case.
#ifndef STATS_TOOLS_HOST_HOST_LOG_H_
#define STATS_TOOLS_HOST_HOST_LOG_H_

#include <string>
#include <utility>
#include <vector>

#include "tools/host/host_date.h"
#include "tools/host/plugin_library.h"

class CtyFile;

namespace host {

struct TypedCall {
  std::string text;    // the call as typed so far
  std::string prefix;  // its DXCC prefix, empty when it does not resolve
  int zone = 0;        // its CQ zone, 0 when it does not resolve
};

struct HostQso {
  PluginQso qso;
  int line = 0;                   // in the Cabrillo file
  std::vector<TypedCall> typing;  // one entry per typed character, made when
                                  // first needed (ResolveTyping)
};

struct HostLog {
  std::string ownCall;
  std::string ownPrefix;
  std::string ownContinent;
  bool cw = true;              // the contest's mode as the log names it
  bool modeFromContestTag = false;
  HostDate firstDay;           // day of the first QSO, 00:00
  HostDate lastDay;            // day of the last QSO, 00:00
  std::vector<HostQso> qsos;   // in log order
  std::vector<std::pair<std::string, std::string>> tags;
  std::vector<std::string> problems;  // reader errors, one text each
  // The QSOs whose call the country file could not resolve: their number in
  // the file and their line as written, in log order.
  std::vector<std::pair<int, std::string>> unresolved;
};

// Reads the log and resolves it with the country file `cty`. False with
// `error` when the file cannot be read; lines the reader could not take are in
// `problems`.
bool LoadHostLog(const std::string& path, const CtyFile& cty, HostLog& log, std::string* error);

// Resolves the typed prefixes of `call` into `out`.
void ResolveTyping(const CtyFile& cty, const std::string& call, std::vector<TypedCall>& out);

// The plug-in's settings a host operator would have typed into the Cabrillo
// header dialog before: the log's own header values, as "key", "value" pairs
// for the plug-in's settings file.
std::vector<std::pair<std::string, std::string>> HeaderSettings(const HostLog& log);

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_LOG_H_
