// The host's thread and the window thread on one PluginState, each running its
// own operations as fast as it can: intake, call check, removal and the report
// on one side; the control window's mode switches (which rename and restart the
// bad-QSO file), on-top toggles, position saves, window openings and the info
// button's copy of the state on the other. Meant for ThreadSanitizer
// (tools/tsan.sh): any access outside the state's lock shows as a race. Without it, it still checks that the answers
// stay those of the rules whatever the other thread does.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "control/recording_control_fakes.h"
#include "engine/call_check.h"
#include "engine/engine_fixture.h"
#include "engine/intake.h"
#include "engine/removal.h"
#include "plugin/plugin_state.h"
#include "reports/memory_settings.h"
#include "reports/result_report.h"
#include "ui/control/control_window_logic.h"
#include "ui/windows/info_button_picture.h"

namespace {

// A 20 m CW QSO with one of fifty calls: dupes, removals and re-adds.
QsoArgs StressQso(int i) {
  QsoArgs qso = Qso("K" + std::to_string(i % 50) + "XY", "20m", "CW");
  qso.prefix = "K";
  qso.continent = "NA";
  qso.exchRcvd = "5";
  return qso;
}

TEST(TwoThreadStress, HostCallsAndWindowHandlersShareTheStateUnderItsLock) {
  TempFolder folder;
  PluginState state;
  state.m_contestYear = "2026";
  state.m_fileDate = "29_11_2026";
  state.m_badQsoPath = "BadQSO_ZerodEZIDEDOVE_29_11_2026.txt";
  state.m_ownContinent = "EU";
  state.m_ownPrefix = "DL";
  state.m_isCw = 1;

  std::atomic<bool> hostDone{false};
  int windowRounds = 0;
  std::thread windowThread([&] {
    // Everything of the window side lives on its own thread.
    MemorySettings settings;
    settings.values = {{"setup_view_multiplier", "1"}, {"setup_not_work_zone", "1"}};
    Journal journal;
    RecordingHostLink host{journal};
    RecordingToolWindows tools{journal};
    RecordingView view{journal};
    WindowMemory memory;
    ControlWindowLogic logic{state.m_lock, state, memory, settings, host, tools, view};
    logic.LoadSettings();
    logic.GreetHost();
    while (!hostDone) {
      if (windowRounds % 2) logic.OnModeCw(); else logic.OnModeSsb();
      logic.OnWindowOnTop();
      logic.OpenWantedWindows();
      logic.SavePosition(windowRounds, -windowRounds);
      // The info button's paint: the current band's countries, sorted in place.
      TakeInfoButtonData(state.m_lock, std::string(), 3, state.m_bandInfoRows,
                         state.m_bandCountries);
      state.m_detailsIdle = 1;  // the update ends
      journal.clear();
      ++windowRounds;
    }
    logic.CloseToolWindows();
  });

  MemorySettings hostSettings;
  RecordingWindowSide windows;
  windows.controlWindow = true;
  int accepted = 0;
  for (int i = 0; i < 400; ++i) {
    std::lock_guard<std::mutex> hold(state.m_lock);
    state.m_badQsoFile.Release();
    CallCheckArgs check;
    check.call = StressQso(i).call;
    check.mode = "CW";
    check.prefix = "K";
    check.zone = 5;
    check.band = check.band2 = "20m";
    check.hasBand2 = true;
    char zone[100] = {};
    check.zoneOut = zone;
    const int answer = CheckCall(state, windows, check);
    EXPECT_TRUE(answer == 0 || answer == 1 || answer == 2 || answer == 4) << answer;
    // The mode switches may reject a QSO as the wrong mode; the dupes go to
    // the bad-QSO file, which the other thread keeps restarting.
    accepted += AddQso(state, StressQso(i));
    if (i % 9 == 8) RemoveQso(state, windows, StressQso(i - 4));
    if (i % 50 == 0) {
      int out = 0;
      GetResult(state, state, hostSettings, windows, &out);
    }
  }
  hostDone = true;
  windowThread.join();
  state.m_badQsoFile.Release();
  EXPECT_GT(windowRounds, 0);
  EXPECT_GT(accepted, 0);
}

}  // namespace
