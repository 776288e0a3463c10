#include "reports/scoring.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "log_fixture.h"
#include "plugin/plugin_state.h"
#include "support/temp_folder.h"

using fixture::At;
using fixture::Log;
using fixture::OwnStation;
using fixture::Qso;

namespace {

// The two ways to the score, which must agree: the full pass and the index.
struct Scorer {
  const char* name;
  ScoreSummary (*score)(PluginState& state);
};
const Scorer kScorers[] = {
    {"full pass", [](PluginState& state) { return ComputeScore(state); }},
    {"score index", [](PluginState& state) { return CurrentScore(state, state.m_scoreIndex); }},
};

struct PointsCase {
  const char* ownPrefix;
  const char* ownContinent;
  const char* prefix;
  const char* continent;
  int points;
};

TEST(QsoPoints, FollowTheContestRules) {
  const PointsCase cases[] = {
      {"DL", "EU", "DL", "EU", 0},  // own country
      {"DL", "EU", "F", "EU", 1},   // same continent
      {"DL", "EU", "JA", "AS", 3},  // other continent
      {"JA", "AS", "UA9", "AS", 1},
      {"K", "NA", "VE", "NA", 2},   // North America: two points
      {"VE", "NA", "K", "NA", 2},
      {"K", "NA", "XE", "NA", 2},
      {"K", "NA", "K", "NA", 0},
      {"K", "NA", "DL", "EU", 3},
      {"K", "SA", "LU", "SA", 1},   // own prefix K alone gives no extra point
      {"DL", "EU", "dl", "EU", 1},  // exact comparisons
      {"DL", "EU", "F", "eu", 3},
  };
  for (const PointsCase& c : cases) {
    PluginState state;
    OwnStation(state, c.ownPrefix, c.ownContinent);
    const CInfo qso = Qso({"X1X", c.prefix, c.continent, "20m"});
    EXPECT_EQ(QsoPoints(c.ownPrefix, c.ownContinent, qso), c.points)
        << c.ownPrefix << "/" << c.ownContinent << " works " << c.prefix << "/" << c.continent;
  }
}

TEST(ComputeScore, CountsPointsAndMultipliersPerBand) {
  TempFolder folder;
  PluginState state;
  OwnStation(state, "DL", "EU");
  Log(state, {"DL1A", "DL", "EU", "20m", "14"});   // 0 points, still a country
  Log(state, {"F5B", "F", "EU", "20m", "14"});     // 1
  Log(state, {"F6C", "F", "EU", "20m", "14"});     // 1, same country and zone
  Log(state, {"JA1D", "JA", "AS", "20m", "25"});   // 3
  Log(state, {"JA1D", "JA", "AS", "20m", "25", At(12, 0), 1});  // dupe
  Log(state, {"F5B", "F", "EU", "15m", "14"});     // same country on another band
  Log(state, {"UA9E", "UA9", "AS", "15m", "17"});
  Log(state, {"UA9F", "UA9", "AS", "15m", "18"});
  Log(state, {"", "W", "NA", "15m", "5", At(12, 0), 1});  // no call: ignored
  Log(state, {"", "W", "NA", "15m", "5"});

  const ScoreSummary s = ComputeScore(state);
  ASSERT_EQ(s.rows.size(), 2u);
  EXPECT_EQ(s.rows[0].band, "20m");
  EXPECT_EQ(s.rows[0].qsos, 4);
  EXPECT_EQ(s.rows[0].points, 5);
  EXPECT_EQ(s.rows[0].countries, 3);
  EXPECT_EQ(s.rows[0].zones, 2);
  EXPECT_EQ(s.rows[1].band, "15m");
  EXPECT_EQ(s.rows[1].qsos, 3);
  EXPECT_EQ(s.rows[1].points, 7);
  EXPECT_EQ(s.rows[1].countries, 2);
  EXPECT_EQ(s.rows[1].zones, 3);
  EXPECT_EQ(s.totalQsos, 7);
  EXPECT_EQ(s.totalPoints, 12);
  EXPECT_EQ(s.totalCountries, 5);
  EXPECT_EQ(s.totalZones, 5);
  EXPECT_EQ(s.dupes, 1);
  EXPECT_EQ(s.score, 12 * 10);

  EXPECT_EQ(state.m_bandCountries[3], (std::vector<std::string>{"DL", "F", "JA"}));
  EXPECT_EQ(state.m_bandZones[3], (std::vector<unsigned>{14, 25}));
  EXPECT_EQ(state.m_bandCountries[4], (std::vector<std::string>{"F", "UA9"}));
  EXPECT_EQ(state.m_bandZones[4], (std::vector<unsigned>{14, 17, 18}));
}

struct MultiplierCase {
  const char* name;
  const char* prefix;    // as the host resolved the call; empty: it could not
  const char* exchange;  // the received exchange as logged
  int countries;         // with one JA QSO in zone 25 already on the band
  int zones;
};

// A call the host could not place, or an exchange that is no CQ zone, is
// still a QSO with its points, but no multiplier.
TEST(Scoring, OnlyPlacedCountriesAndTheFortyCqZonesAreMultipliers) {
  const MultiplierCase cases[] = {
      {"new country, new zone", "UA9", "17", 2, 2},
      {"unresolved call", "", "17", 1, 2},
      {"zone 1", "UA9", "1", 2, 2},
      {"zone 40", "UA9", "40", 2, 2},
      {"zone 0", "UA9", "0", 2, 1},
      {"zone 41", "UA9", "41", 2, 1},
      {"zone 999", "UA9", "999", 2, 1},
      {"zone -1", "UA9", "-1", 2, 1},
      {"text, read as 0", "UA9", "xx", 2, 1},
      {"unresolved, no zone", "", "0", 1, 1},
  };
  for (const MultiplierCase& c : cases) {
    for (const Scorer& way : kScorers) {
      TempFolder folder;
      PluginState state;
      OwnStation(state, "DL", "EU");
      Log(state, {"JA1A", "JA", "AS", "10m", "25"});
      Log(state, {"X1X", c.prefix, "AS", "10m", c.exchange});
      const ScoreSummary s = way.score(state);
      EXPECT_EQ(s.totalQsos, 2) << c.name << ", " << way.name;
      EXPECT_EQ(s.totalPoints, 6) << c.name << ", " << way.name;
      EXPECT_EQ(s.totalCountries, c.countries) << c.name << ", " << way.name;
      EXPECT_EQ(s.totalZones, c.zones) << c.name << ", " << way.name;
      EXPECT_EQ(s.score, 6 * (c.countries + c.zones)) << c.name << ", " << way.name;
      // The windows list what counted, nothing else.
      EXPECT_EQ(static_cast<int>(state.m_bandCountries[5].size()), c.countries)
          << c.name << ", " << way.name;
      EXPECT_EQ(static_cast<int>(state.m_bandZones[5].size()), c.zones)
          << c.name << ", " << way.name;
    }
  }
}

// Eleven QSOs with one country and zones 0, 41, 999, -1, text and 1 to 3.
TEST(Scoring, ZonesOutsideOneToFortyAddNothingHoweverMany) {
  for (const Scorer& way : kScorers) {
    TempFolder folder;
    PluginState state;
    OwnStation(state, "DL", "EU");
    for (const char* zone : {"0", "41", "999", "-1", "xx", "1", "2", "3", "1", "41", "0"})
      Log(state, {"JA1A", "JA", "AS", "10m", zone});
    const ScoreSummary s = way.score(state);
    EXPECT_EQ(s.score, 33 * (1 + 3)) << way.name;
    EXPECT_EQ(state.m_bandZones[5], (std::vector<unsigned>{1, 2, 3})) << way.name;
  }
}

TEST(ComputeScore, ListsBandsFrom160To10AndRebuildsOnlyTheirLists) {
  TempFolder folder;
  PluginState state;
  OwnStation(state, "DL", "EU");
  Log(state, {"K1A", "K", "NA", "10m", "5"});
  Log(state, {"K1B", "K", "NA", "160m", "5"});
  Log(state, {"K1C", "K", "NA", "40m", "5"});
  Log(state, {"K1D", "K", "NA", "80m", "5"});
  Log(state, {"K1E", "K", "NA", "15m", "5"});
  // A band whose QSOs were all removed stays listed; another band's lists were
  // left from earlier and belong to no listed band.
  state.m_workedBands.push_back("20m");
  state.m_bandCountries[3] = {"OLD"};
  state.m_bandZones[3] = {7};
  state.m_workedBands.erase(state.m_workedBands.begin() + 2);  // 40m unlisted
  state.m_bandCountries[2] = {"KEPT"};

  const ScoreSummary s = ComputeScore(state);
  std::vector<std::string> order;
  for (const BandScore& row : s.rows) order.push_back(row.band);
  const std::vector<std::string> expected = {"160m", "80m", "20m", "15m", "10m"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(state.m_workedBands, expected);
  EXPECT_EQ(s.rows[2].qsos, 0);
  EXPECT_EQ(s.rows[2].countries, 0);
  EXPECT_TRUE(state.m_bandCountries[3].empty());
  EXPECT_TRUE(state.m_bandZones[3].empty());
  EXPECT_EQ(state.m_bandCountries[2], std::vector<std::string>{"KEPT"});
  EXPECT_EQ(s.totalQsos, 4);  // the unlisted 40 m QSO is not scored
}

TEST(ComputeScore, EmptyStoreScoresNothing) {
  TempFolder folder;
  PluginState state;
  state.m_workedBands = {"20m"};
  const ScoreSummary s = ComputeScore(state);
  ASSERT_EQ(s.rows.size(), 1u);
  EXPECT_EQ(s.rows[0].qsos, 0);
  EXPECT_EQ(s.score, 0);
  EXPECT_EQ(s.lastQsoPoints, 0);
  EXPECT_EQ(s.hourQsos + s.hourPoints + s.tenMinQsos + s.tenMinPoints, 0);
  EXPECT_EQ(s.badQsos, 0);
}

// The count is intake's, not the file's: a file that another program holds,
// or that was never written, changes nothing.
TEST(Scoring, BadQsosAreTheRejectedQsosIntakeCounted) {
  for (const Scorer& way : kScorers) {
    TempFolder folder;
    PluginState state;
    OwnStation(state, "DL", "EU");
    state.m_badQsoPath = "BadQSO_ZerodEZIDEDOVE_27_10_2024.txt";
    TempFolder::Write(state.m_badQsoPath, "head\r\nrej 1\r\nrej 2\r\nrej 3\r\ndupe\r\n");
    Log(state, {"F5A", "F", "EU", "20m"});
    Log(state, {"F5A", "F", "EU", "20m", "14", At(12, 0), 1});
    state.m_rejectedQsos.Add("QSO:  7000  RTTY ...");
    state.m_rejectedQsos.Add("QSO:  5000  CW ...");
    const ScoreSummary s = way.score(state);
    EXPECT_EQ(s.badQsos, 2) << way.name;
    EXPECT_EQ(s.dupes, 1) << way.name;
  }
}

TEST(ComputeScore, RatesCountTheReferenceBandInTheLastHourAndTenMinutes) {
  TempFolder folder;
  PluginState state;
  OwnStation(state, "DL", "EU");
  Log(state, {"JA1A", "JA", "AS", "20m", "25", At(10, 59, 40)});  // 60 min 20 s back
  Log(state, {"F5B", "F", "EU", "20m", "14", At(11, 30)});        // 1 point
  Log(state, {"JA1C", "JA", "AS", "20m", "25", At(11, 55)});      // 3 points
  Log(state, {"JA1D", "JA", "AS", "40m", "25", At(11, 58)});      // other band
  Log(state, {"DL1E", "DL", "EU", "20m", "14", At(12, 0)});       // reference, 0 points
  const ScoreSummary s = ComputeScore(state);
  EXPECT_EQ(s.hourQsos, 3);
  EXPECT_EQ(s.hourPoints, 4);
  EXPECT_EQ(s.tenMinQsos, 2);
  EXPECT_EQ(s.tenMinPoints, 3);
  EXPECT_EQ(s.lastQsoPoints, 0);
}

struct RateEdgeCase {
  const char* name;
  double secondsBefore;  // negative: after the reference
  bool inHour;
  bool inTenMinutes;
};

TEST(ComputeScore, RateWindowsRoundToTheSecond) {
  const RateEdgeCase cases[] = {
      {"59 min 59.4 s", 59 * 60 + 59.4, true, false},
      {"59 min 59.6 s", 59 * 60 + 59.6, false, false},
      {"9 min 59.4 s", 9 * 60 + 59.4, true, true},
      {"9 min 59.6 s", 9 * 60 + 59.6, true, false},
      {"at the reference", 0, true, true},
      {"after the reference", -3 * 3600, true, true},
  };
  for (const RateEdgeCase& c : cases) {
    TempFolder folder;
    PluginState state;
    OwnStation(state, "DL", "EU");
    Log(state, {"JA1A", "JA", "AS", "20m", "25", At(12, 0, -c.secondsBefore)});
    Log(state, {"DL1E", "DL", "EU", "20m", "14", At(12, 0)});  // reference, 0 points
    const ScoreSummary s = ComputeScore(state);
    EXPECT_EQ(s.hourQsos, c.inHour ? 2 : 1) << c.name;
    EXPECT_EQ(s.hourPoints, c.inHour ? 3 : 0) << c.name;
    EXPECT_EQ(s.tenMinQsos, c.inTenMinutes ? 2 : 1) << c.name;
    EXPECT_EQ(s.tenMinPoints, c.inTenMinutes ? 3 : 0) << c.name;
  }
}

TEST(ComputeScore, ASingleQsoCountsInBothWindows) {
  TempFolder folder;
  PluginState state;
  OwnStation(state, "DL", "EU");
  Log(state, {"JA1A", "JA", "AS", "20m", "25", At(12, 0)});
  const ScoreSummary s = ComputeScore(state);
  EXPECT_EQ(s.hourQsos, 1);
  EXPECT_EQ(s.tenMinQsos, 1);
  EXPECT_EQ(s.tenMinPoints, 3);
  EXPECT_EQ(s.lastQsoPoints, 3);
}

TEST(ComputeScore, LastPointsSkipATrailingDupeAndExportModeStopsRates) {
  for (int exportMode : {0, 1}) {
    TempFolder folder;
    PluginState state;
    OwnStation(state, "DL", "EU");
    state.m_exportMode = exportMode;
    Log(state, {"JA1A", "JA", "AS", "20m", "25", At(11, 58)});
    Log(state, {"F5B", "F", "EU", "20m", "14", At(11, 59)});
    Log(state, {"JA1A", "JA", "AS", "20m", "25", At(12, 0), 1});  // dupe, reference
    const ScoreSummary s = ComputeScore(state);
    EXPECT_EQ(s.lastQsoPoints, 1) << exportMode;
    EXPECT_EQ(s.dupes, 1);
    EXPECT_EQ(s.hourQsos, exportMode ? 0 : 2);
    EXPECT_EQ(s.tenMinPoints, exportMode ? 0 : 4);
  }
}

TEST(RateMinutesBetween, UsesTheDateScaleRuleBeforeTheEpoch) {
  // -1.25 is 1899-12-29 06:00 and -1.5 the same day's 12:00.
  EXPECT_EQ(RateMinutesBetween(-1.5, -1.25), 360);
  EXPECT_EQ(RateMinutesBetween(0.25, -1.75), 720);  // 12-29 18:00 to 12-30 06:00
  EXPECT_EQ(RateMinutesBetween(0.0, 1.0), -1440);
  EXPECT_EQ(RateMinutesBetween(1.0, 1.0 - 59.5 / 1440), 59);  // whole minutes
  // A time that is no number lies in no window.
  EXPECT_GE(RateMinutesBetween(1.0, std::nan("")), 60);
}

}  // namespace
