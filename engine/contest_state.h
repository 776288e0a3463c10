// ContestState: the engine's own data, alive from the loading of the library
// to its unloading: the run data a statistics reset records, the QSO store,
// the per-band tables, the bad-QSO file's one writer and the count of the
// rejected QSOs kept beside it.
//
// The engine's functions take this and nothing of the plug-in around it; the
// plug-in's state adds what the reports and the windows keep, and the lock.
#ifndef STATS_ENGINE_CONTEST_STATE_H_
#define STATS_ENGINE_CONTEST_STATE_H_

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "engine/bad_qso_file.h"
#include "engine/contest_rules.h"
#include "engine/qso_store.h"
#include "engine/rejected_qsos.h"

constexpr int kBandCount = 6;

struct ContestState {
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

  // No WM_CALL_DETAILS is waiting; the call check clears it when it posts one
  // and the window thread sets it again when it has handled it.
  std::atomic<int> m_detailsIdle{1};

  // Log data.
  QsoStore m_qsoStore;
  std::vector<std::string> m_workedBands;  // distinct bands, band-list spelling
  const CContestRules m_bands{"160m", "80m", "40m", "20m", "15m", "10m"};
  const CContestRules m_modes{"CW", "SSB"};

  // Per-band tables, indexed 0 (160 m) .. 5 (10 m).
  std::array<std::vector<std::string>, kBandCount> m_bandInfoRows;
  std::array<std::vector<std::string>, kBandCount> m_bandCountries;
  std::array<std::vector<unsigned>, kBandCount> m_bandZones;
};

#endif  // STATS_ENGINE_CONTEST_STATE_H_
