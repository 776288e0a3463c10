// The score read from the incremental index must be the full pass's, and leave
// the same band list and per-band lists behind, after every step of a long mix
// of intakes, removals (of one of several equal records too) and resets, fed
// through the engine as the host feeds it. A small vocabulary makes repeats,
// dupes, shared countries and zones common; the times run out of order and
// include the date scale's negative days, NaN and the null value.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/intake.h"
#include "engine/removal.h"
#include "engine/statistics_reset.h"
#include "log_fixture.h"
#include "memory_settings.h"
#include "plugin/plugin_state.h"
#include "reports/score_index.h"
#include "reports/scoring.h"
#include "support/recording_window_side.h"
#include "support/temp_folder.h"

namespace {

struct Outcome {
  std::string summary;
  std::vector<std::string> bands;
  std::array<std::vector<std::string>, kBandCount> countries;
  std::array<std::vector<unsigned>, kBandCount> zones;
};

std::string Describe(const ScoreSummary& s) {
  std::ostringstream out;
  for (const BandScore& row : s.rows)
    out << row.band << ":" << row.qsos << "/" << row.points << "/" << row.countries << "/"
        << row.zones << " ";
  out << "total " << s.totalQsos << "/" << s.totalPoints << "/" << s.totalCountries << "/"
      << s.totalZones << " dupes " << s.dupes << " bad " << s.badQsos << " score " << s.score
      << " last " << s.lastQsoPoints << " hour " << s.hourQsos << "/" << s.hourPoints
      << " ten " << s.tenMinQsos << "/" << s.tenMinPoints;
  return out.str();
}

// Runs one of the two ways to the score on the state as it is, and puts the
// lists back afterwards, so that the other way starts from the same state.
template <typename Score>
Outcome ScoreAndRestore(PluginState& state, Score score) {
  const std::vector<std::string> bands = state.m_workedBands;
  const auto countries = state.m_bandCountries;
  const auto zones = state.m_bandZones;
  Outcome outcome;
  outcome.summary = Describe(score(state));
  outcome.bands = state.m_workedBands;
  outcome.countries = state.m_bandCountries;
  outcome.zones = state.m_bandZones;
  state.m_workedBands = bands;
  state.m_bandCountries = countries;
  state.m_bandZones = zones;
  return outcome;
}

ScoreSummary IndexedScore(PluginState& state) { return CurrentScore(state, state.m_scoreIndex); }

COleDateTime TimeOf(std::mt19937& random) {
  const int kind = std::uniform_int_distribution<int>(0, 19)(random);
  switch (kind) {
    case 0: return COleDateTime(-1.25);  // 1899-12-29 06:00
    case 1: return COleDateTime(-1.5);
    case 2: return COleDateTime(std::nan(""));
    case 3: return COleDateTime(0.0, COleDateTime::null);
    case 4: return COleDateTime(0.25);   // the same point of the scale as -0.25
    case 5: return COleDateTime(-0.25);
    default:
      // Two hours of a contest day, minute by minute, in any order.
      return COleDateTime(46000.5 + std::uniform_int_distribution<int>(0, 120)(random) / 1440.0);
  }
}

TEST(ScoreIndex, AnswersAsTheFullPassAfterEveryStep) {
  TempFolder folder;
  std::mt19937 random(20261213);
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  const std::vector<std::string> calls = {"DL1A", "F5B", "JA1C", "K1D", "UA9E", "VE3F", ""};
  const std::vector<std::string> bands = {"20m", "20M", "40m", "15m", "160M", "10m", "2m"};
  const std::vector<std::string> modes = {"CW", "CW", "CW", "SSB"};
  // An empty prefix and continent: a call the host could not place.
  const std::vector<std::string> prefixes = {"DL", "F", "JA", "K", "UA9", "VE", ""};
  const std::vector<std::string> continents = {"EU", "AS", "NA", ""};
  // The CQ zones at both ends and within, and exchanges that are no CQ zone.
  const std::vector<std::string> zones = {"14", "25", "5",   "05", "1",  "40", "0",
                                          "41", "63", "999", "-1", "xx", ""};
  const std::vector<std::string> owns = {"DL", "K", "JA"};

  auto state = std::make_unique<PluginState>();
  MemorySettings settings;
  RecordingWindowSide windows;
  auto reset = [&] {
    settings.values["Mode"] = "1";
    settings.values["Start"] = "1";
    ResetArgs args;
    args.contestant = "OE1XYZ";
    args.firstDay = COleDateTime(46000.0);
    args.lastDay = COleDateTime(46001.0);
    args.ownPrefix = pick(owns);
    args.ownContinent = args.ownPrefix == "K" ? "NA" : args.ownPrefix == "JA" ? "AS" : "EU";
    ResetStatistics(*state, settings, windows, args, [] {});
    state->m_exportMode = std::uniform_int_distribution<int>(0, 4)(random) == 0;
  };
  reset();

  std::vector<QsoArgs> logged;  // what the host has sent, equal QSOs included
  for (int step = 0; step < 4000; ++step) {
    const int action = std::uniform_int_distribution<int>(0, 99)(random);
    if (action < 62 || logged.empty()) {
      QsoArgs q;
      q.ownCall = "OE1XYZ";
      q.call = pick(calls);
      q.band = pick(bands);
      q.mode = pick(modes);
      q.prefix = pick(prefixes);
      q.continent = pick(continents);
      q.exchRcvd = pick(zones);
      q.exchSent = "15";
      q.rstSent = q.rstRcvd = "599";
      q.freqHz = 14025000;
      q.time = TimeOf(random);
      AddQso(*state, q);
      logged.push_back(q);
      // The same QSO again now and then: an equal record for removal to choose from.
      if (action % 5 == 0) {
        AddQso(*state, q);
        logged.push_back(q);
      }
    } else if (action < 97) {
      const std::size_t at =
          std::uniform_int_distribution<std::size_t>(0, logged.size() - 1)(random);
      RemoveQso(*state, windows, logged[at]);
      logged.erase(logged.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
      reset();
      logged.clear();
    }

    const Outcome full = ScoreAndRestore(*state, [](PluginState& s) { return ComputeScore(s); });
    const Outcome indexed = ScoreAndRestore(*state, IndexedScore);
    ASSERT_EQ(indexed.summary, full.summary) << "step " << step;
    ASSERT_EQ(indexed.bands, full.bands) << "step " << step;
    ASSERT_EQ(indexed.countries, full.countries) << "step " << step;
    ASSERT_EQ(indexed.zones, full.zones) << "step " << step;
    // The host's own order: the report, which sorts the band list for good.
    IndexedScore(*state);
  }
}

// The own station takes part in every QSO's points; a reading after it changed
// must not keep points scored for the earlier one.
TEST(ScoreIndex, RescoresWhenTheOwnStationChanges) {
  TempFolder folder;
  PluginState state;
  fixture::OwnStation(state, "DL", "EU");
  fixture::Log(state, {"F5B", "F", "EU", "20m"});
  EXPECT_EQ(IndexedScore(state).totalPoints, 1);
  fixture::OwnStation(state, "K", "NA");
  EXPECT_EQ(IndexedScore(state).totalPoints, 3);
  state.m_qsoStore.RemoveAt(0);
  EXPECT_EQ(IndexedScore(state).totalPoints, 0);
}

// An index that no plug-in state wired to the store hears nothing of its
// changes: it must not answer from what it saw at an earlier reading.
TEST(ScoreIndex, ReadsAStoreItDoesNotWatchAfresh) {
  TempFolder folder;
  ContestState state;
  ScoreIndex index;
  fixture::OwnStation(state, "DL", "EU");
  fixture::Log(state, {"F5B", "F", "EU", "20m", "14"});
  EXPECT_EQ(CurrentScore(state, index).totalQsos, 1);
  fixture::Log(state, {"JA1C", "JA", "AS", "20m", "25"});
  const ScoreSummary s = CurrentScore(state, index);
  EXPECT_EQ(s.totalQsos, 2);
  EXPECT_EQ(s.score, 4 * (2 + 2));
}

}  // namespace
