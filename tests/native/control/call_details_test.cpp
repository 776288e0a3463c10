// The call-details update against a recording host and recording windows:
// the rows and titles for a typed call, the band from the frequency, "<SP1>",
// the zone window's marks and resets, the continent pages, the host's errors.
#include "ui/control/call_details.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "control/recording_details_fakes.h"

namespace {

using Row = std::vector<std::string>;

CInfo Qso(const std::string& call, const std::string& band, const std::string& prefix, int zone,
          int hour, int minute, const std::string& mode = "CW") {
  CInfo q;
  q.m_call = call;
  q.m_band = band;
  q.m_mode = mode;
  q.m_prefix = prefix;
  q.m_zone = zone;
  q.m_time = COleDateTime::FromParts(2016, 11, 26, hour, minute, 0);
  return q;
}

class CallDetailsTest : public ::testing::Test {
 protected:
  CallDetailsTest() {
    state->m_isCw = 1;
    state->m_contestYear = "2016";
    for (int b = 0; b < kBandCount; ++b) state->m_bandInfoRows[b] = {state->m_bands[b], "-", "-", "-", "-"};
  }

  void Update(const std::string& call, double hertz = 14025000) {
    host.entryField = call;
    host.hertz = hertz;
    UpdateCallDetails(lock, *state, memory, host, windows);
  }

  const Row& RowOf(int band) const { return state->m_bandInfoRows[band]; }
  std::string Title(DetailsWindow w) { return windows.titles[w]; }

  std::mutex lock;
  std::unique_ptr<ContestState> state = std::make_unique<ContestState>();
  CallDetailsMemory memory;
  FakeHostLink host;
  RecordingDetailsWindows windows;
};

const Row kEmptyRow20 = {"20m", "   -", "   -", " -", "   -"};

TEST(CallDetailsRules, BandFromWholeMegahertz) {
  const struct { double hertz; int band; } cases[] = {
      {1800000, 0},  {1999999, 0},  {2000000, -1}, {3500000, 1},  {7000000, 2},
      {10100000, -1}, {14025000, 3}, {14999999, 3}, {18100000, -1}, {21000000, 4},
      {28500000, 5},  {29000000, -1}, {0, -1},      {-14025000, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(BandOfFrequency(c.hertz), c.band) << c.hertz;
}

TEST(CallDetailsRules, ZoneTexts) {
  const struct { const char* prefix; int zone; const char* text; } cases[] = {
      {"DL", 3, "03"}, {"DL", 14, "14"}, {"K", 4, "04"}, {"VE", 4, "04"},
      {"K", 14, "014"}, {"KH6", 31, "31"}, {"DL", 0, "00"},
  };
  for (const auto& c : cases) EXPECT_EQ(ZoneText(c.prefix, c.zone), c.text) << c.prefix << c.zone;
}

// One update each, from a log where Q1ABC was worked on 20 m twice (the
// second a dupe) and on 40 m, and a K station in zone 4 on 15 m.
TEST_F(CallDetailsTest, RowsAndTitlesForTheTypedCall) {
  state->m_qsoStore.Append(Qso("Q1ABC", "20m", "DL", 14, 0, 12));
  state->m_qsoStore.Append(Qso("Q1ABC", "40m", "DL", 3, 1, 5));
  state->m_qsoStore.Append(Qso("OTHER", "20m", "DL", 15, 2, 0));
  CInfo dupe = Qso("Q1ABC", "20m", "DL", 15, 9, 59);
  dupe.m_dupe = dupe.m_invalid = 1;
  state->m_qsoStore.Append(dupe);
  state->m_qsoStore.Append(Qso("K1XX", "15m", "K", 4, 23, 1));

  const struct {
    const char* call;
    Row row20, row40, row15;
    const char* multiplierTitle;
  } cases[] = {
      {"Q1ABC", {"20m", "CW", "09:59", "15", "   -"}, {"40m", "CW", "01:05", "03", "   -"},
       {"15m", "   -", "   -", " -", "   -"}, "CQ-WW-CW worked with Q1ABC"},
      {"NEW1", kEmptyRow20, {"40m", "   -", "   -", " -", "   -"},
       {"15m", "   -", "   -", " -", "   -"}, "CQ-WW-CW worked with NEW1"},
      {"K1XX", kEmptyRow20, {"40m", "   -", "   -", " -", "   -"},
       {"15m", "CW", "23:01", "04", "   -"}, "CQ-WW-CW worked with K1XX"},
      // Exact comparison: another case is another call.
      {"q1abc", kEmptyRow20, {"40m", "   -", "   -", " -", "   -"},
       {"15m", "   -", "   -", " -", "   -"}, "CQ-WW-CW worked with q1abc"},
  };
  for (const auto& c : cases) {
    Update(c.call);
    EXPECT_EQ(RowOf(3), c.row20) << c.call;
    EXPECT_EQ(RowOf(2), c.row40) << c.call;
    EXPECT_EQ(RowOf(4), c.row15) << c.call;
    EXPECT_EQ(Title(DetailsWindow::kMultiplier), c.multiplierTitle);
    // A call typed: the extended window keeps whatever title it had.
    EXPECT_EQ(Title(DetailsWindow::kExtendedMultiplier), "");
    EXPECT_EQ(memory.m_enteredCall, c.call);
    EXPECT_EQ(state->m_detailsIdle.load(), 1);
  }
}

TEST_F(CallDetailsTest, EmptyCallTitlesBothMultiplierWindowsWithTheBand) {
  state->m_isCw = 0;
  state->m_qsoStore.Append(Qso("Q1ABC", "40m", "DL", 14, 0, 12, "SSB"));
  Update("", 7100000);
  EXPECT_EQ(Title(DetailsWindow::kMultiplier), "CQ-WW-SSB 2016  DXCC worked on 40m");
  EXPECT_EQ(Title(DetailsWindow::kExtendedMultiplier), "CQ-WW-SSB 2016  DXCC worked on 40m");
  for (int b = 0; b < kBandCount; ++b)
    EXPECT_EQ(RowOf(b), (Row{state->m_bands[b], "   -", "   -", " -", "   -"}));
  EXPECT_EQ(memory.m_currentBand, 2);
}

TEST_F(CallDetailsTest, CallOfOneOrTwoCharactersOnlyOpensTheWindows) {
  state->m_qsoStore.Append(Qso("DL1AB", "20m", "DL", 14, 0, 12));
  for (const char* call : {"D", "DL"}) {
    state->m_detailsIdle = 0;
    Update(call);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"entry 5"}));
    EXPECT_EQ(RowOf(3), (Row{"20m", "-", "-", "-", "-"}));
    EXPECT_TRUE(windows.titles.empty());
    EXPECT_TRUE(windows.zoneColours.empty());
    EXPECT_EQ(state->m_detailsIdle.load(), 1);
    host.calls.clear();
  }
  EXPECT_EQ(windows.openRequests, 2);
  Update("DL1");
  EXPECT_EQ(Title(DetailsWindow::kMultiplier), "CQ-WW-CW worked with DL1");
  EXPECT_EQ(Title(DetailsWindow::kZoneSearch), "CQ Zone on 20m");
}

TEST_F(CallDetailsTest, FrequencyOutsideTheBandsKeepsTheRowsAndTheLastBand) {
  state->m_qsoStore.Append(Qso("Q1ABC", "20m", "DL", 14, 0, 12));
  Update("", 21050000);
  ASSERT_EQ(memory.m_currentBand, 4);
  windows.titles.clear();
  windows.zoneColours.clear();
  const int boxWrites = windows.boxStateWrites;
  Update("Q1ABC", 10100000);
  EXPECT_EQ(RowOf(3), (Row{"20m", "CW", "00:12", "14", "   -"}));
  EXPECT_EQ(Title(DetailsWindow::kMultiplier), "CQ-WW-CW worked with Q1ABC");
  EXPECT_EQ(memory.m_currentBand, 4);
  EXPECT_EQ(windows.titles.count(DetailsWindow::kZoneSearch), 0u);
  EXPECT_TRUE(windows.zoneColours.empty());
  EXPECT_EQ(windows.boxStateWrites, boxWrites);
  EXPECT_EQ(host.Sent("<SP1>"), 2);
  EXPECT_EQ(state->m_detailsIdle.load(), 1);
}

// The reference is the frequency of the last "<SP1>", not of the last update.
TEST_F(CallDetailsTest, Sp1WhenTheRadioMovedMoreThan300Hertz) {
  const struct { double hertz; bool sends; } steps[] = {
      {14025000, true}, {14025300, false}, {14025150, false}, {14025301, true},
      {14025001, false}, {14025000, true}, {14024700, false}, {14024699, true},
  };
  int sent = 0;
  for (const auto& s : steps) {
    Update("Q1ABC", s.hertz);
    sent += s.sends;
    EXPECT_EQ(host.Sent("<SP1>"), sent) << s.hertz;
  }
}

TEST_F(CallDetailsTest, BandChangeResetsEveryZoneAndMarksTheNewBand) {
  state->m_bandZones[3] = {3, 14, 15};
  state->m_bandZones[4] = {5, 14};
  Update("", 14025000);
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{3, 14, 15}));
  windows.zoneColours.clear();

  Update("", 21025000);
  EXPECT_EQ(Title(DetailsWindow::kZoneSearch), "CQ Zone on 15m");
  ASSERT_EQ(windows.zoneColours.size(), 42u);
  for (int z = 1; z <= kZoneCount; ++z) EXPECT_EQ(windows.zoneColours[z - 1], std::to_string(z) + " open");
  EXPECT_EQ(windows.zoneColours[40], "5 worked");
  EXPECT_EQ(windows.zoneColours[41], "14 worked");
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{5, 14}));
  ZoneFlags expected{};
  expected[4] = expected[13] = 1;
  EXPECT_EQ(windows.flags, expected);
  EXPECT_EQ(memory.m_zoneSearchBand, 4);
}

TEST_F(CallDetailsTest, SameBandOnlyAddsNewZonesOnceAndIgnoresOthers) {
  state->m_bandZones[3] = {14, 14, 0, 41, 40, 4000000000u};
  Update("", 14025000);
  EXPECT_EQ(std::vector<std::string>(windows.zoneColours.end() - 2, windows.zoneColours.end()),
            (std::vector<std::string>{"14 worked", "40 worked"}));
  windows.zoneColours.clear();
  state->m_bandZones[3].push_back(1);
  Update("", 14025000);
  EXPECT_EQ(windows.zoneColours, (std::vector<std::string>{"1 worked"}));
  EXPECT_EQ(windows.titles[DetailsWindow::kZoneSearch], "CQ Zone on 20m");
}

// A zone window opened again (or first on 160 m) shows its band at once.
TEST_F(CallDetailsTest, NewZoneWindowIsBroughtUpToDateOnTheSameBand) {
  state->m_bandZones[0] = {7};
  Update("", 1830000);
  EXPECT_EQ(Title(DetailsWindow::kZoneSearch), "CQ Zone on 160m");
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{7}));

  windows = RecordingDetailsWindows();
  windows.opening = 2;
  windows.flags[6] = 1;  // the flag window survived with its marks
  Update("", 1830000);
  EXPECT_EQ(Title(DetailsWindow::kZoneSearch), "CQ Zone on 160m");
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{7}));
}

TEST_F(CallDetailsTest, RemovalResetThenUpdateMarksTheBandAgain) {
  state->m_bandZones[3] = {3, 14};
  Update("", 14025000);
  state->m_bandZones[3] = {14};  // the removal took zone 3 away
  ResetZoneDisplays(windows);
  EXPECT_EQ(windows.WorkedZones(), std::vector<int>{});
  EXPECT_EQ(windows.flags, ZoneFlags{});
  Update("", 14025000);
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{14}));
}

TEST_F(CallDetailsTest, ContinentPagesShowTheBandsCountries) {
  state->m_bandCountries[3] = {"UA2/f", "3Y", "E4", "DL", "Q9Q"};
  Update("", 14025000);
  EXPECT_EQ(windows.boxStates, BoxStatesForWorked(state->m_bandCountries[3]));
  state->m_bandCountries[3] = {"DL"};
  Update("Q1ABC", 14025000);  // every update rewrites them, call or not
  EXPECT_EQ(windows.boxStates, BoxStatesForWorked({"DL"}));
}

TEST_F(CallDetailsTest, MissingWindowsAreLeftAlone) {
  for (auto& w : windows.open) w.second = false;
  state->m_bandZones[3] = {3};
  state->m_bandCountries[3] = {"DL"};
  Update("Q1ABC", 14025000);
  EXPECT_TRUE(windows.titles.empty());
  EXPECT_TRUE(windows.zoneColours.empty());
  EXPECT_EQ(windows.boxStateWrites, 0);
  EXPECT_EQ(windows.infoRepaints, 0);
  EXPECT_EQ(state->m_detailsIdle.load(), 1);

  // The zone window without its flag window still colours each zone once.
  windows.open[DetailsWindow::kZoneSearch] = true;
  state->m_bandZones[3] = {3, 3};
  Update("", 21025000);
  Update("", 14025000);
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{3}));
  EXPECT_EQ(std::count(windows.zoneColours.begin(), windows.zoneColours.end(), "3 worked"), 1);
}

// A keystroke while an update runs posts the next one (the call check clears
// the flag as it posts); that update must not be forgotten, or the windows
// would keep the call the operator has typed past. Whatever the update's end.
TEST_F(CallDetailsTest, AKeystrokeDuringTheUpdateKeepsItsPost) {
  struct Case {
    const char* name;
    std::string call;
    bool refuseFrequency;
  };
  for (const Case& c : {Case{"a full update", "Q1ABC", false}, Case{"a short call", "Q1", false},
                        Case{"a refused frequency", "Q1ABC", true}}) {
    SCOPED_TRACE(c.name);
    state->m_detailsIdle = 0;  // the message of this update was posted
    host.refuseFrequency = c.refuseFrequency;
    host.whileReading = [this] {
      EXPECT_EQ(state->m_detailsIdle.load(), 1) << "the next keystroke may post";
      state->m_detailsIdle = 0;  // it does
    };
    Update(c.call);
    EXPECT_EQ(state->m_detailsIdle.load(), 0) << "the posted update is still waiting";
    host.whileReading = nullptr;
    Update(c.call);
    EXPECT_EQ(state->m_detailsIdle.load(), 1);
  }
}

TEST_F(CallDetailsTest, WithoutHostNothingHappensButTheUpdateFinishes) {
  host.connected = false;
  state->m_detailsIdle = 0;
  Update("Q1ABC");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(windows.openRequests, 0);
  EXPECT_TRUE(windows.titles.empty());
  EXPECT_EQ(state->m_detailsIdle.load(), 1);
}

// A refused call ends the update quietly where it happened, and marks it
// finished so that the next keystroke tries again.
TEST_F(CallDetailsTest, HostErrorsEndTheUpdateAndMarkItFinished) {
  state->m_qsoStore.Append(Qso("Q1ABC", "20m", "DL", 14, 0, 12));
  state->m_bandZones[3] = {14};

  state->m_detailsIdle = 0;
  memory.m_enteredCall = "OLD";
  host.refuseEntryField = true;
  Update("Q1ABC");
  EXPECT_EQ(host.calls, (std::vector<std::string>{"entry 5"}));
  EXPECT_EQ(memory.m_enteredCall, "");
  EXPECT_EQ(RowOf(3)[1], "-");
  EXPECT_EQ(state->m_detailsIdle.load(), 1);
  host.refuseEntryField = false;

  // The rows and the call's title are done before the frequency.
  state->m_detailsIdle = 0;
  host.refuseFrequency = true;
  Update("Q1ABC");
  EXPECT_EQ(RowOf(3)[1], "CW");
  EXPECT_EQ(Title(DetailsWindow::kMultiplier), "CQ-WW-CW worked with Q1ABC");
  EXPECT_EQ(memory.m_currentBand, -1);
  EXPECT_TRUE(windows.zoneColours.empty());
  EXPECT_EQ(state->m_detailsIdle.load(), 1);
  host.refuseFrequency = false;

  // A refused "<SP1>" is sent again by the next update.
  state->m_detailsIdle = 0;
  host.refuseCommands = true;
  Update("Q1ABC");
  EXPECT_EQ(memory.m_sp1Frequency, 0);
  EXPECT_TRUE(windows.zoneColours.empty());
  EXPECT_EQ(state->m_detailsIdle.load(), 1);
  host.refuseCommands = false;
  Update("Q1ABC");
  EXPECT_EQ(host.Sent("<SP1>"), 2);
  EXPECT_EQ(memory.m_sp1Frequency, 14025000);
  EXPECT_EQ(windows.WorkedZones(), (std::vector<int>{14}));
}

}  // namespace
