// The log generator, read back through the Cabrillo reader and checked against
// the country file: what the plug-in will see of it.
#include "tools/loggen/log_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/cabrillo/cabrillo_reader.h"
#include "tools/cty/cty_file.h"

namespace {

const std::string kFolder = STATS_HAMRADIO_FILES;

class LogGenerator : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_cty = new CtyFile;
    s_calls = new std::vector<std::string>(ReadCallList(kFolder + "/MASTER.SCP"));
    s_ready = s_cty->Load(kFolder + "/cty.dat", nullptr) && !s_calls->empty();
  }
  static void TearDownTestSuite() {
    delete s_cty;
    delete s_calls;
  }
  void SetUp() override {
    if (!s_ready) GTEST_SKIP() << "installed cty.dat or MASTER.SCP not usable in " << kFolder;
  }

  static std::string Generate(const LogGeneratorOptions& options, LogGeneratorCounts* counts = nullptr) {
    std::string out, error;
    EXPECT_TRUE(GenerateLog(options, *s_cty, *s_calls, out, counts, &error)) << error;
    return out;
  }

  static CtyFile* s_cty;
  static std::vector<std::string>* s_calls;
  static bool s_ready;
};
CtyFile* LogGenerator::s_cty = nullptr;
std::vector<std::string>* LogGenerator::s_calls = nullptr;
bool LogGenerator::s_ready = false;

bool IsContestBand(const std::string& band) {
  for (const char* b : {"160m", "80m", "40m", "20m", "15m", "10m"})
    if (band == b) return true;
  return false;
}

TEST_F(LogGenerator, SameSeedSameBytes) {
  LogGeneratorOptions options;
  options.seed = 42;
  options.qsos = 500;
  const std::string a = Generate(options);
  EXPECT_EQ(a, Generate(options));
  options.seed = 43;
  EXPECT_NE(a, Generate(options));
}

struct ModeCase {
  bool cw;
  const char* ownCall;
  const char* contest;
  const char* rst;
  const char* ownZone;
  int firstDay, firstMonth, lastDay, lastMonth;
  int localOffset;  // hours from UTC the generator assumes for the continent
};

const ModeCase kModes[] = {
    {true, "", "CQ-WW-CW", "599", "15", 28, 11, 29, 11, 1},       // OK1XYZ
    {false, "", "CQ-WW-SSB", "59", "05", 31, 10, 1, 11, -5},      // K1XYZ
    {true, "DL1ABC", "CQ-WW-CW", "599", "14", 28, 11, 29, 11, 1},
};

TEST_F(LogGenerator, LogReadsBackAsThePluginWillSeeIt) {
  for (const ModeCase& mode : kModes) {
    SCOPED_TRACE(mode.contest + std::string(" ") + mode.ownCall);
    LogGeneratorOptions options;
    options.cw = mode.cw;
    options.ownCall = mode.ownCall;
    options.seed = 7;
    options.qsos = 3000;
    LogGeneratorCounts counts;
    const std::string text = Generate(options, &counts);

    // Every line ends CR LF.
    std::size_t bareLf = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++bareLf;
    EXPECT_EQ(bareLf, 0u);

    const CabrilloFile log = ParseCabrillo(text);
    EXPECT_TRUE(log.errors.empty()) << log.errors.front().line << ": " << log.errors.front().message;
    EXPECT_EQ(log.version, "3.0");
    EXPECT_EQ(log.Tag("CONTEST"), mode.contest);
    const std::string own = log.Tag("CALLSIGN");
    ASSERT_EQ(log.qsos.size(), 3000u);
    EXPECT_EQ(counts.qsos, 3000);

    int warc = 0, missingZone = 0, otherMode = 0, dupes = 0;
    std::set<std::pair<std::string, std::string>> worked;
    int previous = -1, longGaps = 0;
    std::vector<int> perHour(48, 0);
    for (const CabrilloQso& q : log.qsos) {
      SCOPED_TRACE(q.line);
      EXPECT_EQ(q.sentCall, own);
      EXPECT_EQ(q.exchSent, mode.ownZone);
      ASSERT_TRUE((q.day == mode.firstDay && q.month == mode.firstMonth) ||
                  (q.day == mode.lastDay && q.month == mode.lastMonth));
      EXPECT_EQ(q.year, 2026);
      const int minute = (q.day == mode.firstDay ? 0 : 1440) + q.hour * 60 + q.minute;
      EXPECT_GE(minute, previous);
      if (previous >= 0 && minute - previous >= 120) ++longGaps;
      previous = minute;
      ++perHour[minute / 60];

      const std::string contestMode = mode.cw ? "CW" : "SSB";
      if (!IsContestBand(q.band)) {
        ++warc;
        continue;
      }
      if (q.mode != contestMode) {
        ++otherMode;
        EXPECT_EQ(q.rstRcvd, mode.cw ? "59" : "599");
        continue;
      }
      EXPECT_EQ(q.rstRcvd, mode.rst);
      EXPECT_EQ(q.rstSent, mode.rst);
      if (q.exchRcvd.empty()) {
        ++missingZone;
        continue;
      }
      CtyResolution country;
      ASSERT_TRUE(s_cty->Resolve(q.call, country)) << q.call;
      char zone[8];
      std::snprintf(zone, sizeof zone, "%02d", country.cqZone);
      EXPECT_EQ(q.exchRcvd, zone) << q.call;
      if (!worked.insert({q.call, q.band}).second) ++dupes;

      // Band plan by the station's local time; a stretch lasts an hour at most.
      const int localHour = ((minute / 60 + mode.localOffset) % 24 + 24) % 24;
      if (localHour >= 1 && localHour < 5) {
        EXPECT_TRUE(q.band != "15m" && q.band != "10m") << q.band << " at local " << localHour;
      }
      if (localHour >= 10 && localHour < 14) {
        EXPECT_TRUE(q.band == "20m" || q.band == "15m" || q.band == "10m")
            << q.band << " at local " << localHour;
      }
    }
    EXPECT_EQ(warc, counts.warcBand);
    EXPECT_EQ(missingZone, counts.missingZone);
    EXPECT_EQ(otherMode, counts.otherMode);
    EXPECT_EQ(warc, 3);
    EXPECT_EQ(missingZone, 3);
    EXPECT_EQ(otherMode, 3);
    EXPECT_EQ(dupes, counts.dupes);
    EXPECT_GE(dupes, 30);  // about 2% of 3000
    EXPECT_LE(dupes, 90);
    EXPECT_GE(longGaps, 2);  // a sleep each night

    // Bursts: the busiest hour well above the mean of the hours on the air.
    int onAirHours = 0, busiest = 0;
    for (int n : perHour) {
      if (n) ++onAirHours;
      busiest = std::max(busiest, n);
    }
    ASSERT_GT(onAirHours, 0);
    EXPECT_GT(busiest * onAirHours, 3000 * 3 / 2);
  }
}

TEST_F(LogGenerator, RefusesWhatCannotMakeALog) {
  std::string out, error;
  LogGeneratorOptions options;
  options.ownCall = "Q1ABC";
  EXPECT_FALSE(GenerateLog(options, *s_cty, *s_calls, out, nullptr, &error));
  EXPECT_NE(error.find("Q1ABC"), std::string::npos);

  options = LogGeneratorOptions();
  options.startYear = 2026;
  options.startMonth = 2;
  options.startDay = 30;
  EXPECT_FALSE(GenerateLog(options, *s_cty, *s_calls, out, nullptr, &error));

  options = LogGeneratorOptions();
  options.qsos = 10;
  const std::vector<std::string> nowhere = {"Q1AA", "Q2BB", "K1ABC/MM"};
  EXPECT_FALSE(GenerateLog(options, *s_cty, nowhere, out, nullptr, &error));
  EXPECT_FALSE(GenerateLog(options, *s_cty, {"OK1XYZ"}, out, nullptr, &error));  // only the own call
}

TEST_F(LogGenerator, TinyCallListRepeatsInsteadOfHanging) {
  LogGeneratorOptions options;
  options.qsos = 200;
  LogGeneratorCounts counts;
  std::string out, error;
  ASSERT_TRUE(GenerateLog(options, *s_cty, {"DL1AA", "K1AR"}, out, &counts, &error)) << error;
  EXPECT_EQ(ParseCabrillo(out).qsos.size(), 200u);
  EXPECT_GT(counts.dupes, 100);
}

TEST_F(LogGenerator, ZeroQsosIsAnEmptyLog) {
  LogGeneratorOptions options;
  options.qsos = 0;
  const CabrilloFile log = ParseCabrillo(Generate(options));
  EXPECT_TRUE(log.qsos.empty());
  EXPECT_TRUE(log.errors.empty());
  EXPECT_EQ(log.Tag("CALLSIGN"), "OK1XYZ");
}

}  // namespace
