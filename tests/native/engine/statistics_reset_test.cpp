// Statistics reset: run data, the emptied store, the contest mode, the
// bad-QSO file started anew, the "Start" alternation with its host-version
// gate, the export request and the own-country flags.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/intake.h"
#include "engine_fixture.h"
#include "plugin/scoring_run.h"

namespace {

namespace fs = std::filesystem;

class StatisticsResetTest : public EngineFixture {
 protected:
  static ResetArgs Run(const std::string& ownPrefix = "DL") {
    ResetArgs a;
    a.folderPrefix = "host/";
    a.contestant = "DL0ABC";
    a.firstDay = At(2026, 11, 28, 0, 0);
    a.lastDay = At(2026, 11, 29, 23, 59);
    a.ownPrefix = ownPrefix;
    a.ownContinent = "EU";
    return a;
  }
  // The host's settings file as the host leaves it, announcing `version`.
  static void HostIs(const std::string& version) {
    fs::create_directories("host");
    TempFolder::Write("host/Qalo2.ini", "");
    TempFolder::Write("Qalo2.ini", "[Main]\r\nQalo=" + version + "\r\n");
  }
  int Reset(const ResetArgs& args = Run()) { return OpenScoringRun(*state, settings, windows, args); }
};

TEST_F(StatisticsResetTest, RecordsTheRunAndStartsAnEmptyLog) {
  state->m_badQsoPath = "";
  state->m_isCw = 0;
  TempFolder::Write(kBadQsoFile, "CQ WW SSB DX Contest UBN file \r\nQSO:  old line\r\n");
  AddQso(*state, Qso("A1"));
  AddQso(*state, Qso("A2", "2m"));
  state->m_workedBands = {"20m"};
  state->m_bandZones[3] = {14};
  state->m_bandCountries[3] = {"DL"};
  state->m_bandInfoRows[2] = {"x"};

  EXPECT_EQ(1, Reset());
  EXPECT_EQ("28.11", state->m_startText);
  EXPECT_EQ("2026", state->m_contestYear);
  EXPECT_EQ("29.11.2026", state->m_endText);
  EXPECT_EQ("29_11_2026", state->m_fileDate);
  EXPECT_EQ("BadQSO_ZerodEZIDEDOVE_29_11_2026.txt", state->m_badQsoPath);
  EXPECT_EQ("DL0ABC", state->m_contestant);
  EXPECT_EQ("DL", state->m_ownPrefix);
  EXPECT_EQ("EU", state->m_ownContinent);
  EXPECT_EQ("Qalo", state->m_hostVersion);
  EXPECT_EQ(0, state->m_exportMode);
  EXPECT_EQ("CQ WW SSB DX Contest UBN file \r\n", BadQsos());
  EXPECT_TRUE(state->m_qsoStore.IsEmpty());
  EXPECT_EQ(0, state->m_rejectedQsos.Count());
  EXPECT_TRUE(state->m_workedBands.empty());
  const char* bands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  for (int b = 0; b < kBandCount; ++b)
    EXPECT_EQ((std::vector<std::string>{bands[b], "-", "-", "-", "-"}), state->m_bandInfoRows[b]);
  // The next report rebuilds these.
  EXPECT_EQ((std::vector<unsigned>{14}), state->m_bandZones[3]);
  EXPECT_EQ((std::vector<std::string>{"DL"}), state->m_bandCountries[3]);
}

TEST_F(StatisticsResetTest, ReadsTheContestModeAndStartsTheFileWithItsHeader) {
  const struct {
    const char* mode;  // nullptr: key missing
    int isCw;
    const char* header;
  } cases[] = {
      {nullptr, 0, "CQ WW SSB DX Contest UBN file \r\n"},
      {"0", 0, "CQ WW SSB DX Contest UBN file \r\n"},
      {"1", 1, "CQ WW CW DX Contest UBN file \r\n"},
      {"cw", 0, "CQ WW SSB DX Contest UBN file \r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode ? c.mode : "missing");
    fs::remove("Plugins/CQ-WW-CW-SSB.ini");
    if (c.mode) settings.Write("Mode", c.mode);
    state->m_isCw = 1 - c.isCw;
    Reset();
    EXPECT_EQ(c.isCw, state->m_isCw);
    EXPECT_EQ(c.header, BadQsos());
    EXPECT_EQ("0", settings.Read("setup_style"));
  }
}

TEST_F(StatisticsResetTest, StartAlternatesAndOpensTheWindowOnlyFromZero) {
  HostIs("2.20");
  settings.Write("Start", "0");
  Reset();
  EXPECT_EQ("2.20", state->m_hostVersion);
  EXPECT_EQ(1, windows.Count("start-ui"));
  EXPECT_EQ("1", settings.Read("Start"));

  Reset();
  EXPECT_EQ(1, windows.Count("start-ui"));
  EXPECT_EQ("0", settings.Read("Start"));

  windows.controlWindow = true;  // the window opened: "Start" stays where it is
  Reset();
  EXPECT_EQ(1, windows.Count("start-ui"));
  EXPECT_EQ("0", settings.Read("Start"));

  settings.Write("Start", "1");
  Reset();
  EXPECT_EQ("0", settings.Read("Start"));

  windows.controlWindow = false;
  fs::remove("Plugins/CQ-WW-CW-SSB.ini");  // a missing key reads as 0
  Reset();
  EXPECT_EQ(2, windows.Count("start-ui"));
  EXPECT_EQ("1", settings.Read("Start"));
}

TEST_F(StatisticsResetTest, OlderHostsGetNoWindowThread) {
  const struct {
    const char* version;  // nullptr: no host settings file, the fallback "Qalo"
    bool starts;
  } cases[] = {
      {"2.18", false}, {"2.17", false}, {"2.16", false}, {"2.15", false}, {"2.14", false},
      {"2.14R", false}, {"2.14r", true}, {"2.19", true},  {"2.20", true},  {"2.181", true},
      {" 2.18", true},  {"", true},      {nullptr, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version ? c.version : "no host file");
    fs::remove_all("host");
    if (c.version) HostIs(c.version);
    windows.requests.clear();
    settings.Write("Start", "0");
    Reset();
    EXPECT_EQ(c.version ? c.version : "Qalo", state->m_hostVersion);
    EXPECT_EQ(c.starts ? 1 : 0, windows.Count("start-ui"));
    EXPECT_EQ("1", settings.Read("Start"));  // alternates all the same
    Reset();
    EXPECT_EQ(c.starts ? 1 : 0, windows.Count("start-ui"));
    EXPECT_EQ("0", settings.Read("Start"));
  }
}

TEST_F(StatisticsResetTest, ExportRunsTheHeaderDialogAndNeverStartsTheThread) {
  HostIs("2.20");
  for (bool confirmed : {true, false}) {
    for (const char* start : {"0", "1"}) {
      SCOPED_TRACE(std::string(confirmed ? "OK, " : "cancel, ") + "Start " + start);
      windows.requests.clear();
      windows.headerDialog = [confirmed](CabrilloLog&) { return confirmed; };
      settings.Write("Start", start);
      ResetArgs exportRun = Run();
      exportRun.exportRequest = 5;
      Reset(exportRun);
      EXPECT_EQ(1, windows.Count("header-dialog"));
      EXPECT_EQ(0, windows.Count("start-ui"));
      EXPECT_EQ("0", settings.Read("Start"));
      EXPECT_EQ(confirmed ? 5 : 0, state->m_exportMode);
      EXPECT_EQ("CQ WW SSB DX Contest UBN file \r\n", BadQsos());
    }
  }
  windows.requests.clear();
  Reset();  // an ordinary run after the export ends its export mode
  EXPECT_EQ(0, state->m_exportMode);
  EXPECT_EQ(0, windows.Count("header-dialog"));
}

TEST_F(StatisticsResetTest, RussianTextsFollowEachRunsOwnPrefix) {
  const struct {
    const char* prefix;
    int russian;
  } runs[] = {
      {"K", 0}, {"DL", 0}, {"UA2/f", 1}, {"K", 0}, {"UA3", 0},
      {"UA", 1}, {"k", 0}, {"UA2", 1}, {"UA9", 1}, {"UN", 1},
      {"UR", 1}, {"EU", 1}, {"ua", 0}, {"UA2/F", 0}, {"", 0},
  };
  for (const auto& r : runs) {
    Reset(Run(r.prefix));
    EXPECT_EQ(r.russian, state->m_russianUi) << r.prefix;
  }
}

TEST_F(StatisticsResetTest, StrangeTextsAreTakenAsTheyCome) {
  ResetArgs a = Run(std::string(500, 'K'));
  a.contestant = std::string(1000, '\xF0');
  a.folderPrefix = std::string(300, 'x') + "/";
  a.firstDay = COleDateTime(0, COleDateTime::null);
  a.lastDay = COleDateTime(0, COleDateTime::invalid);
  EXPECT_EQ(1, Reset(a));
  EXPECT_EQ(a.contestant, state->m_contestant);
  EXPECT_EQ("", state->m_startText);
  EXPECT_EQ("Invalid DateTime", state->m_endText);
  EXPECT_EQ("BadQSO_ZerodEZIDEDOVE_Invalid DateTime.txt", state->m_badQsoPath);
  EXPECT_EQ(0, state->m_russianUi);
  EXPECT_EQ("Qalo", state->m_hostVersion);
}

}  // namespace
