#include "engine/statistics_reset.h"

#include "engine/bad_qso_file.h"
#include "engine/contest_state.h"
#include "engine/host_version.h"
#include "engine/settings.h"
#include "engine/window_side.h"

namespace {

// Hosts of these versions cannot live with the plug-in's own window thread.
bool HostRefusesUiThread(const std::string& version) {
  for (const char* v : {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"})
    if (version == v) return true;
  return false;
}

// The flag describes this run's own station, so each reset sets it afresh: a
// run from Germany after one from Russia must not keep the Russian texts.
void ClassifyOwnCountry(ContestState& state, const std::string& prefix) {
  int russian = 0;
  for (const char* p : {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"})
    if (prefix == p) russian = 1;
  state.m_russianUi = russian;
}

}  // namespace

int ResetStatistics(ContestState& state, Settings& settings, WindowSide& windows,
                    const ResetArgs& args, const std::function<void()>& openExport) {
  state.m_startText = args.firstDay.Format("%d.%m");
  state.m_contestYear = args.firstDay.Format("%Y");
  state.m_endText = args.lastDay.Format("%d.%m.%Y");

  DetectHostVersion(args.folderPrefix, state.m_hostVersion);

  state.m_ownPrefix = args.ownPrefix;
  ClassifyOwnCountry(state, args.ownPrefix);
  state.m_ownContinent = args.ownContinent;
  state.m_contestant = args.contestant;

  state.m_qsoStore.Clear();
  state.m_workedBands.clear();
  for (int b = 0; b < kBandCount; ++b)
    state.m_bandInfoRows[b] = {state.m_bands[b], "-", "-", "-", "-"};

  state.m_isCw = settings.ReadInt("Mode");
  settings.Write("setup_style", "0");

  state.m_exportMode = args.exportRequest;
  if (args.exportRequest != 0) {
    openExport();
    settings.Write("Start", "1");
  }

  // "Start" survives in the settings file: while no control window is open it
  // alternates from reset to reset, and only a reset that finds it at 0 opens
  // the window. An export has set it to 1 above, so it never opens one.
  if (settings.ReadInt("Start") != 0) {
    settings.Write("Start", "0");
  } else if (!windows.HasControlWindow()) {
    if (!HostRefusesUiThread(state.m_hostVersion)) windows.StartUiThread();
    settings.Write("Start", "1");
  }

  state.m_fileDate = args.lastDay.Format("%d_%m_%Y");
  state.m_badQsoPath = BadQsoFileName(state.m_fileDate);
  state.m_badQsoFile.Start(state.m_badQsoPath, state.m_isCw);
  state.m_rejectedQsos.Clear();
  return 1;
}
