// Call check: the order of its tests and its answers, the zone text, the
// heartbeat post; and the exchange validation table.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/call_check.h"
#include "engine/intake.h"
#include "engine_fixture.h"

namespace {

class CallCheckTest : public EngineFixture {
 protected:
  CallCheckTest() {
    state->m_isCw = 1;
    state->m_hostVersion = "2.21";
    // W1AW (K) and DL1ABC (DL) on 20 m, JA1XX (JA) on 40 m.
    AddQso(*state, Stored("W1AW", "20m", "K"));
    AddQso(*state, Stored("DL1ABC", "20m", "DL"));
    AddQso(*state, Stored("JA1XX", "40m", "JA"));
  }
  static QsoArgs Stored(const char* call, const char* band, const char* prefix) {
    QsoArgs q = Qso(call, band, "CW");
    q.prefix = prefix;
    return q;
  }
  static CallCheckArgs Typed(const char* call, const char* band, const char* prefix,
                             int zone = 14) {
    CallCheckArgs a;
    a.call = call;
    a.mode = "CW";
    a.prefix = prefix;
    a.zone = zone;
    a.band = band;
    return a;
  }
  // Answer and zone text of one check; "untouched" when nothing was written.
  std::pair<int, std::string> Check(CallCheckArgs a) {
    char buffer[100];
    std::memset(buffer, 0, sizeof buffer);
    std::strcpy(buffer, "untouched");
    a.zoneOut = buffer;
    int answer = CheckCall(*state, windows, a);
    return {answer, buffer};
  }
};

TEST_F(CallCheckTest, AnswersInTheOrderOfItsTests) {
  const struct {
    const char* name;
    CallCheckArgs args;
    const char* version;
    int answer;
    const char* zone;
  } cases[] = {
      {"dupe on the band", Typed("W1AW", "20m", "K", 5), "2.21", 0, "untouched"},
      {"dupe, band in capitals", Typed("W1AW", "20M", "K", 5), "2.21", 0, "untouched"},
      {"country worked on the band", Typed("K2XX", "20m", "K", 5), "2.21", 1, "5?"},
      {"new country on the band", Typed("F5XX", "20m", "F", 14), "2.21", 2, "14"},
      {"country worked only elsewhere", Typed("JA2YY", "20m", "JA", 25), "2.21", 2, "25"},
      {"worked call on another band", Typed("W1AW", "40m", "K", 5), "2.21", 2, "5?"},
      {"call of other band's country", Typed("DL2ZZ", "40m", "DL"), "2.21", 2, "14"},
      {"no prefix comes before dupe", Typed("W1AW", "20m", ""), "2.21", 1, "untouched"},
      {"band not a contest band", Typed("F5XX", "2m", "F"), "2.21", 4, "untouched"},
      {"band empty", Typed("F5XX", "", "F"), "2.21", 4, "untouched"},
      {"band not valid, host 2.19", Typed("F5XX", "2m", "F"), "2.19", 1, "untouched"},
      {"band not valid, host 2.20", Typed("F5XX", "2m", "F"), "2.20", 1, "untouched"},
      {"band not valid, host 2.2", Typed("F5XX", "2m", "F"), "2.2", 4, "untouched"},
      {"band not valid, fallback host", Typed("F5XX", "2m", "F"), "Qalo", 4, "untouched"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    state->m_hostVersion = c.version;
    auto [answer, zone] = Check(c.args);
    EXPECT_EQ(c.answer, answer);
    EXPECT_EQ(c.zone, zone);
  }
}

TEST_F(CallCheckTest, ModeAndSecondBandMustFitTheRun) {
  const struct {
    const char* mode;
    bool hasBand2;
    const char* band2;
    const char* version;
    int answer;
  } cases[] = {
      {"CW", true, "20M", "2.21", 2},  {"CW", true, "20m", "2.21", 2},
      {"CW", true, "40m", "2.21", 4},  {"CW", true, "40m", "2.20", 1},
      {"CW", true, "", "2.21", 4},     {"SSB", false, "", "2.21", 4},
      {"SSB", false, "", "2.19", 1},   {"cw", false, "", "2.21", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " / " + c.band2 + " / " + c.version);
    state->m_hostVersion = c.version;
    CallCheckArgs a = Typed("F5XX", "20m", "F");
    a.mode = c.mode;
    a.hasBand2 = c.hasBand2;
    a.band2 = c.band2;
    EXPECT_EQ(c.answer, Check(a).first);
  }
  state->m_isCw = 0;
  CallCheckArgs ssb = Typed("F5XX", "20m", "F");
  ssb.mode = "SSB";
  EXPECT_EQ(2, Check(ssb).first);  // no SSB QSO is stored, but the mode is not compared
}

TEST_F(CallCheckTest, ZoneTextMarksCountriesOfSeveralZones) {
  const struct {
    const char* prefix;
    int zone;
    const char* text;
  } cases[] = {
      {"K", 5, "5?"},    {"VE", 4, "4?"},  {"VK", 30, "30?"}, {"UA9", 17, "17?"},
      {"BY", 24, "24?"}, {"DL", 14, "14"}, {"k", 5, "5"},     {"UA", 16, "16"},
      {"F", 0, "0"},     {"F", -2147483647 - 1, "-2147483648"},
      {"K", -2147483647 - 1, "-2147483648?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, Check(Typed("X1X", "10m", c.prefix, c.zone)).second) << c.prefix;
  }
  CallCheckArgs noBuffer = Typed("X1X", "10m", "K", 5);
  EXPECT_EQ(2, CheckCall(*state, windows, noBuffer));
}

TEST_F(CallCheckTest, WritesNothingBeyondTheHostsHundredBytes) {
  char buffer[120];
  std::memset(buffer, '#', sizeof buffer);
  CallCheckArgs a = Typed("X1X", "10m", "K", -2147483647 - 1);
  a.call = std::string(5000, '\xE9');
  a.zoneOut = buffer;
  EXPECT_EQ(2, CheckCall(*state, windows, a));
  EXPECT_STREQ("-2147483648?", buffer);
  for (int i = 100; i < 120; ++i) EXPECT_EQ('#', buffer[i]) << i;
}

TEST_F(CallCheckTest, LongAndEightBitTextsAreComparedWhole) {
  const std::string longCall = std::string(400, 'W') + "\xFF\x80";
  AddQso(*state, Stored(longCall.c_str(), "15m", "\xC4\xC4"));
  CallCheckArgs same = Typed("", "15m", "\xC4\xC4");
  same.call = longCall;
  EXPECT_EQ(0, Check(same).first);
  CallCheckArgs shorter = same;
  shorter.call = longCall.substr(0, 401);
  EXPECT_EQ(1, Check(shorter).first);
  CallCheckArgs strange = Typed("", "\xFF\xFF\xFF", "");
  strange.call = std::string(1000, '\x01');
  strange.band2 = std::string(1000, 'm');
  strange.hasBand2 = true;
  EXPECT_EQ(4, Check(strange).first);
}

TEST_F(CallCheckTest, HeartbeatPostsOnceUntilTheUpdateHasRun) {
  // Without a control window nothing is posted and the flag keeps its value.
  Check(Typed("F5XX", "20m", "F"));
  EXPECT_EQ(0, windows.Count("post"));
  EXPECT_EQ(1, state->m_detailsIdle.load());

  windows.controlWindow = true;
  Check(Typed("F5XX", "2m", "F"));  // before any test: even a bad band posts
  EXPECT_EQ(1, windows.Count("post"));
  EXPECT_EQ(0, state->m_detailsIdle.load());
  Check(Typed("F5XX", "20m", "F"));
  Check(Typed("", "", ""));
  EXPECT_EQ(1, windows.Count("post"));

  state->m_detailsIdle = 1;  // the update has been handled
  Check(Typed("", "", ""));
  EXPECT_EQ(2, windows.Count("post"));
  EXPECT_EQ(0, state->m_detailsIdle.load());
}

TEST(ExchangeValidation, AcceptsTwoDigitZonesAndOneDigitZonesOfVeAndK) {
  const struct {
    const char* exchange;
    const char* prefix;
    int force;
    int valid;
  } cases[] = {
      {"05", "DL", 0, 1},  {"5", "DL", 0, 0},  {"5", "VE", 0, 1},  {"6", "VE", 0, 0},
      {"1", "VE", 0, 1},   {"0", "VE", 0, 0},  {"3", "K", 0, 1},   {"2", "K", 0, 0},
      {"5", "K", 0, 1},    {"6", "K", 0, 0},   {"5", "k", 0, 0},   {"41", "DL", 0, 0},
      {"40", "DL", 0, 1},  {"00", "DL", 0, 1}, {"99", "K", 0, 0},  {"5a", "DL", 0, 0},
      {"a5", "DL", 0, 0},  {"123", "DL", 0, 0}, {"", "DL", 0, 0},  {" 5", "VE", 0, 0},
      {"05", "DL", 1, 0},  {"3", "K", -1, 0},  {"\xB2\xB3", "DL", 0, 0}, {"\xB2", "VE", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.valid, IsValidExchange(c.exchange, c.prefix, c.force))
        << '"' << c.exchange << "\" " << c.prefix << ' ' << c.force;
  }
  EXPECT_EQ(0, IsValidExchange(std::string(10000, '1'), "DL", 0));
}

}  // namespace
