// PluginState: everything the plug-in remembers between two calls of the host,
// in one object that lives from the loading of the library to its unloading.
//
// Threads: the host's calling thread runs every exported function and is the
// only writer of the run data, the store and the per-band tables. The
// user-interface thread reads them while it updates its windows. Both take
// m_lock for the whole of one exported call or one window update, so each
// behaves as if it ran alone. m_detailsIdle is the one flag both threads write
// outside that rule, and it is atomic.
#ifndef STATS_PLUGIN_PLUGIN_STATE_H_
#define STATS_PLUGIN_PLUGIN_STATE_H_

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "engine/bad_qso_file.h"
#include "engine/contest_rules.h"
#include "engine/qso_store.h"
#include "engine/rejected_qsos.h"
#include "reports/cabrillo_log.h"

constexpr int kBandCount = 6;

struct PluginState {
  // Run data, written by every statistics reset.
  int m_exportMode = 0;
  std::string m_contestant;
  std::string m_startText;    // first day "%d.%m"
  std::string m_contestYear;  // first day "%Y"
  std::string m_endText;      // last day "%d.%m.%Y"
  std::string m_fileDate;     // last day "%d_%m_%Y"
  std::string m_ownPrefix;
  std::string m_ownContinent;
  int m_russianUi = 0;  // this run's own prefix is a Russian-speaking one
  int m_isCw = 0;       // contest mode: nonzero CW, 0 SSB
  std::string m_hostVersion;
  std::string m_badQsoPath;
  BadQsoFile m_badQsoFile;  // writes every line of the file at m_badQsoPath
  RejectedQsos m_rejectedQsos;  // the file's rejected lines, whatever befalls the file

  // Flags set outside a scoring run.
  int m_htmlReport = 0;                // set by setVersion, never cleared
  std::atomic<int> m_detailsIdle{1};   // no WM_CALL_DETAILS is waiting

  // Log data.
  QsoStore m_qsoStore;
  std::vector<std::string> m_workedBands;  // distinct bands, band-list spelling
  const CContestRules m_bands{"160m", "80m", "40m", "20m", "15m", "10m"};
  const CContestRules m_modes{"CW", "SSB"};

  // Per-band tables, indexed 0 (160 m) .. 5 (10 m).
  std::array<std::vector<std::string>, kBandCount> m_bandInfoRows;
  std::array<std::vector<std::string>, kBandCount> m_bandCountries;
  std::array<std::vector<unsigned>, kBandCount> m_bandZones;

  // Settings file.
  const std::string m_settingsSection = "Settings";
  const std::string m_settingsFile = "Plugins\\CQ-WW-CW-SSB.ini";

  // Reports.
  CabrilloLog m_cabrillo;
  int m_claimedScore = 0;
  std::string m_reportText;  // returned by GetResult0, valid until the next call

  // Serialises the host's calls with the user-interface thread's updates.
  std::mutex m_lock;
};

#endif  // STATS_PLUGIN_PLUGIN_STATE_H_
