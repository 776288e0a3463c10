#include "ui/control/control_window_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "control/recording_control_fakes.h"
#include "engine/contest_state.h"
#include "reports/memory_settings.h"
#include "support/temp_folder.h"

namespace {

using Keys = std::map<std::string, std::string>;

class ControlWindowTest : public ::testing::Test {
 protected:
  ControlWindowTest() {
    state.m_contestYear = "2026";
    state.m_fileDate = "29_11_2026";
  }

  Keys Written() const {
    Keys keys;
    for (const auto& w : settings.writes) keys[w.first] = w.second;
    return keys;
  }

  TempFolder folder;
  std::mutex lock;
  ContestState state;
  WindowMemory memory;
  MemorySettings settings;
  Journal journal;
  RecordingHostLink host{journal};
  RecordingToolWindows tools{journal};
  RecordingView view{journal};
  ControlWindowLogic logic{lock, state, memory, settings, host, tools, view};
};

// The start of a control window, from the settings it finds.
struct StartCase {
  const char* what;
  Keys keys;
  int russian;
  int x, y;
  const char* title;
  bool moved;
  std::vector<std::string> commands;
  const char* modeWritten;
};

TEST_F(ControlWindowTest, StartsFromTheSettings) {
  const std::string ru = "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8";
  const StartCase cases[] = {
      {"no settings file", {}, 0, 10, 400, "Setup CQ-WW-SSB-2026", false, {"host <MODE:SSB>"}, ""},
      {"saved 0 position, CW", {{"setup_cq_ww_x", "0"}, {"setup_cq_ww_y", "0"}, {"setup_mode_cw", "1"}},
       0, 10, 400, "Setup CQ-WW-CW-2026", false, {"host <MODE:CW>", "host <BAUDRATE:27>"}, "1"},
      {"saved position, SSB", {{"setup_cq_ww_x", "-5"}, {"setup_cq_ww_y", "123"},
       {"setup_mode_cw", "0"}, {"setup_mode_ssb", "1"}},
       0, -5, 123, "Setup CQ-WW-SSB-2026", false, {"host <MODE:SSB>"}, "0"},
      {"both modes set: CW wins", {{"setup_mode_cw", "1"}, {"setup_mode_ssb", "1"}},
       0, 10, 400, "Setup CQ-WW-CW-2026", false, {"host <MODE:CW>", "host <BAUDRATE:27>"}, "1"},
      {"Russian CW moves the labels", {{"setup_mode_cw", "1"}},
       1, 10, 400, nullptr, true, {"host <MODE:CW>", "host <BAUDRATE:27>"}, "1"},
      {"Russian SSB keeps them", {}, 1, 10, 400, nullptr, false, {"host <MODE:SSB>"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    settings.values = c.keys;
    settings.writes.clear();
    journal.clear();
    state.m_russianUi = c.russian;
    ControlWindowLogic fresh{lock, state, memory, settings, host, tools, view};

    const ScreenPoint at = fresh.LoadSettings();
    EXPECT_EQ(at.x, c.x);
    EXPECT_EQ(at.y, c.y);
    EXPECT_EQ(memory.m_lastWindow.x, c.x);
    EXPECT_EQ(memory.m_lastWindow.y, c.y);
    const bool cw = c.keys.count("setup_mode_cw") && c.keys.at("setup_mode_cw") == "1";
    const std::string title =
        c.title ? c.title : ru + (cw ? " CQ-WW-CW-2026" : " CQ-WW-SSB-2026");
    EXPECT_EQ(view.texts.title, title);
    EXPECT_EQ(view.texts.cp1251, c.russian == 1);
    EXPECT_EQ(view.texts.moveLabels, c.moved);
    EXPECT_EQ(fresh.m_viewZone, 1);
    EXPECT_EQ(Written(), (Keys{{"Mode", c.modeWritten}}));

    journal.clear();
    EXPECT_TRUE(fresh.GreetHost());
    EXPECT_EQ(journal, c.commands);
    EXPECT_EQ(memory.m_bandNames,
              (std::vector<std::string>{"160m", "80m", "40m", "20m", "15m", "10m"}));
  }
}

TEST_F(ControlWindowTest, StartReadsTheViewAndOnTopOptions) {
  settings.values = {{"setup_view_multiplier", "1"}, {"setup_view_multiplier_extended", "0"},
                     {"setup_not_work_zone", "1"}, {"setup_window_on_top", "1"},
                     {"setup_view_zone", "0"}};
  logic.LoadSettings();
  EXPECT_EQ(logic.m_viewMultiplier, 1);
  EXPECT_EQ(logic.m_viewMultiplierExtended, 0);
  EXPECT_EQ(logic.m_viewZoneSearch, 1);
  EXPECT_EQ(logic.m_viewZone, 1);  // always wanted, whatever the key says
  EXPECT_EQ(logic.m_windowOnTop, 1);
  EXPECT_EQ(memory.m_toolWindowsOnTop, 1);
  EXPECT_EQ(journal, (Journal{"texts Setup CQ-WW-SSB-2026", "refresh"}));
}

TEST_F(ControlWindowTest, RussianTextsAreInCodePage1251) {
  ControlTexts texts = ControlWindowTexts(true, true, "2016");
  EXPECT_EQ(texts.title, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 CQ-WW-CW-2016");
  EXPECT_EQ(texts.viewLabel, "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC");
  EXPECT_EQ(texts.modeLabel, "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8");
  texts = ControlWindowTexts(false, false, "2016");
  EXPECT_EQ(texts.title, "Setup CQ-WW-SSB-2016");
  EXPECT_EQ(texts.viewLabel, "View");
  EXPECT_EQ(texts.modeLabel, "Mode");
}

// A click on a mode box: only the settings decide whether it switches.
struct ModeCase {
  const char* what;
  Keys keys;
  bool clickCw;
  bool connected;
  bool refuse;
  Keys written;
  int isCw;
  const char* file;  // the bad-QSO file after the click
  Journal journal;
};

TEST_F(ControlWindowTest, ModeSwitches) {
  const char* kOld = "CQ WW SSB DX Contest UBN file \r\nQSO:  old line\r\n";
  const char* kCw = "CQ WW CW DX Contest UBN file \r\n";
  const char* kSsb = "CQ WW SSB DX Contest UBN file \r\n";
  const Keys toCw = {{"setup_mode_cw", "1"}, {"Mode", "1"}, {"setup_mode_ssb", "0"}};
  const Keys toSsb = {{"setup_mode_ssb", "1"}, {"Mode", "0"}, {"setup_mode_cw", "0"}};
  const ModeCase cases[] = {
      {"CW clicked while CW", {{"setup_mode_cw", "1"}}, true, true, false, {}, 7, kOld,
       {"refresh"}},
      {"SSB clicked while SSB", {{"setup_mode_ssb", "1"}}, false, true, false, {}, 7, kOld,
       {"refresh"}},
      {"SSB to CW", {{"setup_mode_ssb", "1"}}, true, true, false, toCw, 1, kCw,
       {"texts Setup CQ-WW-CW-2026", "refresh", "host <MODE:CW>"}},
      {"CW to SSB", {{"setup_mode_cw", "1"}}, false, true, false, toSsb, 0, kSsb,
       {"texts Setup CQ-WW-SSB-2026", "refresh", "host <MODE:SSB>"}},
      {"no host object", {}, true, false, false, toCw, 1, kCw,
       {"texts Setup CQ-WW-CW-2026", "refresh"}},
      {"host refuses: the plug-in still switched", {}, false, true, true, toSsb, 0, kSsb,
       {"texts Setup CQ-WW-SSB-2026", "refresh", "host <MODE:SSB> refused"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    settings.values = c.keys;
    settings.writes.clear();
    journal.clear();
    host.connected = c.connected;
    host.refuse = c.refuse;
    state.m_isCw = 7;
    state.m_badQsoPath = "BadQSO_ZerodEZIDEDOVE_29_11_2026.txt";
    TempFolder::Write(state.m_badQsoPath, kOld);

    bool ok = c.clickCw ? logic.OnModeCw() : logic.OnModeSsb();
    state.m_badQsoFile.Release();

    EXPECT_EQ(ok, !c.refuse);
    EXPECT_EQ(Written(), c.written);
    EXPECT_EQ(state.m_isCw, c.isCw);
    EXPECT_EQ(TempFolder::Read("BadQSO_ZerodEZIDEDOVE_29_11_2026.txt"), c.file);
    EXPECT_EQ(journal, c.journal);
    EXPECT_EQ(c.clickCw ? logic.m_modeCw : logic.m_modeSsb, 1);
  }
}

TEST_F(ControlWindowTest, ModeSwitchNamesTheFileAfterTheContestsLastDay) {
  state.m_fileDate = "30_11_2026";
  state.m_badQsoPath = "somewhere-else.txt";
  logic.OnModeCw();
  state.m_badQsoFile.Release();
  EXPECT_EQ(state.m_badQsoPath, "BadQSO_ZerodEZIDEDOVE_30_11_2026.txt");
  EXPECT_EQ(TempFolder::Read(state.m_badQsoPath), "CQ WW CW DX Contest UBN file \r\n");
}

// The view boxes follow whether the window exists, not the box's new state.
TEST_F(ControlWindowTest, ToggleFollowsWhetherTheWindowExists) {
  struct Case {
    ToolWindowKind window;
    bool existed;
    const char* key;
  } cases[] = {
      {ToolWindowKind::kMultiplier, false, "setup_view_multiplier"},
      {ToolWindowKind::kMultiplier, true, "setup_view_multiplier"},
      {ToolWindowKind::kExtendedMultiplier, false, "setup_view_multiplier_extended"},
      {ToolWindowKind::kExtendedMultiplier, true, "setup_view_multiplier_extended"},
      {ToolWindowKind::kZoneSearch, false, "setup_not_work_zone"},
      {ToolWindowKind::kZoneSearch, true, "setup_not_work_zone"},
      {ToolWindowKind::kZoneFlags, false, "setup_view_zone"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(Name(c.window)) + (c.existed ? " open" : " closed"));
    tools.open.clear();
    if (c.existed) tools.open.insert(c.window);
    settings.writes.clear();
    journal.clear();

    logic.OnToggle(c.window);

    EXPECT_EQ(tools.Exists(c.window), !c.existed);
    EXPECT_EQ(Written(), (Keys{{c.key, c.existed ? "0" : "1"}}));
    if (c.existed)
      EXPECT_EQ(journal, (Journal{std::string("close ") + Name(c.window)}));
    else
      EXPECT_EQ(journal, (Journal{std::string("open ") + Name(c.window), "post update"}));
  }
}

TEST_F(ControlWindowTest, WindowOnTopClosesTheToolWindowsAndKeepsTheirMembers) {
  settings.values = {{"setup_view_multiplier", "1"}, {"setup_view_multiplier_extended", "1"},
                     {"setup_not_work_zone", "1"}};
  logic.LoadSettings();
  tools.open = {ToolWindowKind::kZoneFlags, ToolWindowKind::kMultiplier, ToolWindowKind::kExtendedMultiplier,
                ToolWindowKind::kZoneSearch};
  journal.clear();
  settings.writes.clear();

  logic.OnWindowOnTop();

  EXPECT_EQ(journal, (Journal{"close extended", "close multiplier", "close zone flags",
                              "close zone search", "refresh", "post update"}));
  EXPECT_EQ(Written(), (Keys{{"setup_window_on_top", "1"}}));
  EXPECT_EQ(memory.m_toolWindowsOnTop, 1);
  EXPECT_EQ(logic.m_viewMultiplier + logic.m_viewMultiplierExtended + logic.m_viewZoneSearch, 3);

  // The update opens them again, the hidden zone flags first.
  journal.clear();
  EXPECT_TRUE(logic.OpenWantedWindows());
  EXPECT_EQ(journal, (Journal{"open zone flags hidden", "open multiplier", "open extended",
                              "open zone search"}));

  // Again, with nothing open: only the option changes, one update runs.
  tools.open.clear();
  journal.clear();
  logic.OnWindowOnTop();
  EXPECT_EQ(journal, (Journal{"refresh", "post update"}));
  EXPECT_EQ(memory.m_toolWindowsOnTop, 0);
}

TEST_F(ControlWindowTest, WithoutAHostTheUpdateOpensNothing) {
  settings.values = {{"setup_view_multiplier", "1"}};
  logic.LoadSettings();
  host.connected = false;
  journal.clear();
  settings.writes.clear();
  EXPECT_FALSE(logic.OpenWantedWindows());
  EXPECT_TRUE(journal.empty());
  EXPECT_TRUE(settings.writes.empty());
}

TEST_F(ControlWindowTest, OpenWantedWindowsSkipsTheOpenOnesAndWritesTheOthersKeys) {
  settings.values = {{"setup_view_multiplier", "1"}, {"setup_not_work_zone", "1"}};
  logic.LoadSettings();
  tools.open = {ToolWindowKind::kMultiplier};
  journal.clear();
  settings.writes.clear();
  logic.OpenWantedWindows();
  EXPECT_EQ(journal, (Journal{"open zone flags hidden", "open zone search"}));
  EXPECT_EQ(Written(), (Keys{{"setup_view_zone", "1"}, {"setup_not_work_zone", "1"}}));
}

TEST_F(ControlWindowTest, EndingClosesEveryToolWindowInOrder) {
  tools.open = {ToolWindowKind::kZoneFlags, ToolWindowKind::kMultiplier, ToolWindowKind::kExtendedMultiplier,
                ToolWindowKind::kZoneSearch};
  logic.CloseToolWindows();
  EXPECT_EQ(journal, (Journal{"close extended", "close zone search", "close zone flags",
                              "close multiplier"}));
  EXPECT_TRUE(tools.open.empty());
}

TEST_F(ControlWindowTest, PositionIsSavedOnlyWhenItMoved) {
  settings.values = {{"setup_cq_ww_x", "50"}, {"setup_cq_ww_y", "60"}};
  logic.LoadSettings();
  struct Case {
    int x, y;
    Keys written;
  } cases[] = {
      {50, 60, {}},
      {-20, 60, {{"setup_cq_ww_x", "-20"}}},
      {-20, 70, {{"setup_cq_ww_y", "70"}}},
      {1, 2, {{"setup_cq_ww_x", "1"}, {"setup_cq_ww_y", "2"}}},
  };
  for (const auto& c : cases) {
    settings.writes.clear();
    logic.SavePosition(c.x, c.y);
    EXPECT_EQ(Written(), c.written) << c.x << "," << c.y;
  }
  // A tool window saved its own position into the shared pair meanwhile.
  memory.m_lastWindow.x = 300;
  settings.writes.clear();
  logic.SavePosition(1, 2);
  EXPECT_EQ(Written(), (Keys{{"setup_cq_ww_x", "1"}}));
}

}  // namespace
