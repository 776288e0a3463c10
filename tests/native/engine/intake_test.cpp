// Intake: the order of the checks and their verdicts, the exact bad-QSO lines,
// dupes, the worked-bands list and the record made of the host's arguments.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "engine/bad_qso_file.h"
#include "engine/intake.h"
#include "engine_fixture.h"

namespace {

class IntakeTest : public EngineFixture {};

struct VerdictCase {
  const char* name;
  int isCw;
  std::function<void(QsoArgs&)> change;
  int stored;           // AddQso's answer
  const char* verdict;  // end of the one line written, or nullptr for none
};

TEST_F(IntakeTest, ChecksRunInOrderAndRejectWithTheirVerdict) {
  const VerdictCase cases[] = {
      {"valid SSB", 0, [](QsoArgs&) {}, 1, nullptr},
      {"valid CW", 1, [](QsoArgs& q) { q.mode = "CW"; }, 1, nullptr},
      {"band 2m", 0, [](QsoArgs& q) { q.band = "2m"; }, 0, kVerdictWrongBand},
      {"band with blank", 0, [](QsoArgs& q) { q.band = "20 m"; }, 0, kVerdictWrongBand},
      {"band empty", 0, [](QsoArgs& q) { q.band = ""; }, 0, kVerdictWrongBand},
      {"band before mode", 1, [](QsoArgs& q) { q.band = "2m"; q.mode = "RTTY"; }, 0,
       kVerdictWrongBand},
      {"unknown mode", 1, [](QsoArgs& q) { q.mode = "RTTY"; }, 0, kVerdictWrongMode},
      {"SSB in CW run", 1, [](QsoArgs& q) { q.mode = "SSB"; }, 0, kVerdictWrongMode},
      {"CW in SSB run", 0, [](QsoArgs& q) { q.mode = "CW"; }, 0, kVerdictWrongMode},
      {"cw in small letters", 1, [](QsoArgs& q) { q.mode = "cw"; }, 0, kVerdictWrongMode},
      {"mode before number", 0, [](QsoArgs& q) { q.mode = "FM"; q.exchRcvd = ""; }, 0,
       kVerdictWrongMode},
      {"received exchange empty", 0, [](QsoArgs& q) { q.exchRcvd = ""; }, 0, kVerdictNoNumber},
      {"sent exchange empty", 0, [](QsoArgs& q) { q.exchSent = ""; }, 0, kVerdictNoNumber},
      {"exchange not a number", 0, [](QsoArgs& q) { q.exchRcvd = "xx"; }, 1, nullptr},
      {"band in capitals", 0, [](QsoArgs& q) { q.band = "160M"; }, 1, nullptr},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(c.name);
    state = std::make_unique<PluginState>();
    state->m_badQsoPath = kBadQsoFile;
    state->m_isCw = c.isCw;
    std::filesystem::remove(kBadQsoFile);
    QsoArgs q = Qso();
    c.change(q);

    EXPECT_EQ(c.stored, AddQso(*state, q));
    EXPECT_EQ(c.stored, state->m_qsoStore.GetCount());
    EXPECT_EQ(static_cast<std::size_t>(c.stored), state->m_workedBands.size());
    std::string expected;
    if (c.verdict) {
      expected = BadQsoLine(q, q.freqHz / 1000, q.time, c.verdict) + "\r\n";
      EXPECT_NE(std::string::npos, expected.find(std::string(c.verdict) + "\r\n"));
    }
    EXPECT_EQ(expected, BadQsos());
  }
}

TEST_F(IntakeTest, RejectedLineIsByteForByteTheFileFormat) {
  QsoArgs q;
  q.freqHz = 14025700;
  q.mode = "CW";
  q.time = At(2026, 11, 28, 0, 12);
  q.ownCall = "A";
  q.rstSent = "599";
  q.rstRcvd = "599";
  q.exchSent = "05";
  q.exchRcvd = "14";
  q.call = "B";
  q.band = "2m";
  EXPECT_EQ(0, AddQso(*state, q));
  EXPECT_EQ("QSO:  14025  CW  2026-11-28 0012  A  599  05  B  599  14   WRONG BAND !!!\r\n",
            BadQsos());
}

TEST_F(IntakeTest, LinesShowTheHostsTextsAsGiven) {
  // Empty fields leave their place empty; a null time gives an empty date;
  // the frequency is the kHz value; lines are appended in order.
  QsoArgs q = Qso("", "2m");
  q.ownCall = "";
  q.rstSent = "";
  q.time = COleDateTime(0.0, COleDateTime::null);
  q.freqHz = 999;
  AddQso(*state, q);
  QsoArgs r = Qso("K1AA", "20m", "ssb");
  r.freqHz = 4294967295u;
  AddQso(*state, r);
  EXPECT_EQ(
      "QSO:  0  SSB        15    59  14   WRONG BAND !!!\r\n"
      "QSO:  4294967  ssb  2026-11-28 0012  OE1XYZ  59  15  K1AA  59  14   WRONG MODE !!!\r\n",
      BadQsos());
}

TEST_F(IntakeTest, RepeatedCallOnBandAndModeIsStoredAsDupeWithALine) {
  QsoArgs first = Qso("W1AW", "20m");
  QsoArgs again = first;
  again.time = At(2026, 11, 28, 10, 5);  // time, frequency and exchange do not matter
  again.freqHz = 14300000;
  again.exchRcvd = "5";

  EXPECT_EQ(1, AddQso(*state, first));
  EXPECT_EQ("", BadQsos());
  EXPECT_EQ(1, AddQso(*state, again));
  EXPECT_EQ(1, AddQso(*state, again));
  EXPECT_EQ(1, AddQso(*state, Qso("W1AW", "40m")));
  EXPECT_EQ(1, AddQso(*state, Qso("W1AX", "20m")));

  ASSERT_EQ(5, state->m_qsoStore.GetCount());
  const int dupes[] = {0, 1, 1, 0, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(dupes[i], state->m_qsoStore.At(i).m_dupe) << i;
    EXPECT_EQ(dupes[i], state->m_qsoStore.At(i).m_invalid) << i;
  }
  const std::string line = BadQsoLine(again, 14300, again.time, kVerdictDupe) + "\r\n";
  EXPECT_EQ(line + line, BadQsos());
  EXPECT_EQ("QSO:  14300  SSB  2026-11-28 1005  OE1XYZ  59  15  W1AW  59  5   DUPE !!!\r\n",
            line);
}

TEST_F(IntakeTest, BandNameInAnyCaseIsStoredInTheBandListsSpelling) {
  EXPECT_EQ(1, AddQso(*state, Qso("W1AW", "20m")));
  EXPECT_EQ(1, AddQso(*state, Qso("W1AW", "20M")));
  EXPECT_EQ(1, AddQso(*state, Qso("JA1A", "40M")));
  EXPECT_EQ(1, AddQso(*state, Qso("JA1A", "40m")));

  ASSERT_EQ(4, state->m_qsoStore.GetCount());
  EXPECT_EQ("20m", state->m_qsoStore.At(1).m_band);
  EXPECT_EQ("40m", state->m_qsoStore.At(2).m_band);
  EXPECT_EQ(1, state->m_qsoStore.At(1).m_dupe);
  EXPECT_EQ(1, state->m_qsoStore.At(3).m_dupe);
  EXPECT_EQ((std::vector<std::string>{"20m", "40m"}), state->m_workedBands);
}

TEST_F(IntakeTest, WorkedBandsHoldEachAcceptedBandOnceInFirstSeenOrder) {
  AddQso(*state, Qso("A1", "20m"));
  AddQso(*state, Qso("A2", "2m"));          // rejected: not listed
  AddQso(*state, Qso("A3", "80m", "CW"));   // rejected in an SSB run
  AddQso(*state, Qso("A4", "40m"));
  AddQso(*state, Qso("A1", "20m"));         // a dupe's band is known already
  QsoArgs noNumber = Qso("A5", "10m");
  noNumber.exchSent = "";
  AddQso(*state, noNumber);
  EXPECT_EQ((std::vector<std::string>{"20m", "40m"}), state->m_workedBands);
}

TEST_F(IntakeTest, RecordCarriesTheHostsArguments) {
  QsoArgs q = Qso("VE3XYZ", "15m");
  q.prefix = "VE";
  q.continent = "NA";
  q.rstSent = "57";
  q.rstRcvd = "58";
  q.exchSent = "14";
  q.exchRcvd = "04";
  q.freqHz = 21012345;
  ASSERT_EQ(1, AddQso(*state, q));
  const CInfo& r = state->m_qsoStore.At(0);
  EXPECT_EQ("VE3XYZ", r.m_call);
  EXPECT_EQ("VE", r.m_prefix);
  EXPECT_EQ("NA", r.m_continent);
  EXPECT_EQ("15m", r.m_band);
  EXPECT_EQ("SSB", r.m_mode);
  EXPECT_EQ("57", r.m_rstSent);
  EXPECT_EQ("58", r.m_rstRcvd);
  EXPECT_EQ("14", r.m_exchSent);
  EXPECT_EQ("04", r.m_exchRcvd);
  EXPECT_EQ(4, r.m_zone);
  EXPECT_EQ(21012, r.m_freqKhz);
  EXPECT_EQ(q.time, r.m_time);
}

TEST(DecimalValue, ReadsLikeAtoiAndClampsInsteadOfOverflowing) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"5", 5},   {"05", 5},     {"5A", 5},      {"A5", 0},  {"", 0},
      {"  7", 7}, {"\t+12", 12}, {"-3", -3},     {"-", 0},   {"1 2", 1},
      {"2147483647", INT_MAX},   {"2147483648", INT_MAX},    {"99999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},  {"-99999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, DecimalValue(c.text)) << '"' << c.text << '"';
}

TEST_F(IntakeTest, FrequencyIsRoundedDownToKilohertz) {
  const struct {
    unsigned hz;
    std::int32_t khz;
  } cases[] = {{999, 0}, {1000, 1}, {1999, 1}, {14025700, 14025}, {4294967295u, 4294967}};
  for (const auto& c : cases) {
    QsoArgs q = Qso();
    q.freqHz = c.hz;
    EXPECT_EQ(c.khz, MakeQsoRecord(state->m_bands, q).m_freqKhz) << c.hz;
  }
}

TEST_F(IntakeTest, WithoutABadQsoFileVerdictsAreUnchanged) {
  // Before the first reset the file has no name; a folder in the file's place
  // stands for a file that cannot be opened.
  state->m_badQsoPath = "";
  EXPECT_EQ(0, AddQso(*state, Qso("A1", "2m")));
  EXPECT_EQ(1, AddQso(*state, Qso("A1")));
  EXPECT_EQ(1, AddQso(*state, Qso("A1")));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "Plugins"));

  state->m_badQsoPath = "blocked";
  std::filesystem::create_directory("blocked");
  EXPECT_EQ(0, AddQso(*state, Qso("A2", "2m")));
  EXPECT_EQ(1, AddQso(*state, Qso("A1")));
  EXPECT_EQ(3, state->m_qsoStore.GetCount());
  EXPECT_TRUE(std::filesystem::is_directory("blocked"));
}

// Intake keeps the file open from one line to the next; a reader must still
// see every line at once, and a new start or a new name must not send lines to
// the old file or behind stale content.
TEST_F(IntakeTest, LinesKeptOpenAreInTheFileAtOnceAndFollowItsRestartAndRename) {
  const std::string wrong = BadQsoLine(Qso("A1", "2m"), 14250, Qso().time, kVerdictWrongBand);
  AddQso(*state, Qso("A1", "2m"));
  EXPECT_EQ(wrong + "\r\n", BadQsos());
  AddQso(*state, Qso("A1", "2m"));
  EXPECT_EQ(wrong + "\r\n" + wrong + "\r\n", BadQsos());

  state->m_badQsoFile.Start(kBadQsoFile, 1);
  AddQso(*state, Qso("A1", "2m"));
  EXPECT_EQ(BadQsoHeader(1) + "\r\n" + wrong + "\r\n", BadQsos());

  state->m_badQsoPath = "BadQSO_other.txt";
  AddQso(*state, Qso("A1", "2m"));
  EXPECT_EQ(BadQsoHeader(1) + "\r\n" + wrong + "\r\n", BadQsos());
  EXPECT_EQ(wrong + "\r\n", TempFolder::Read("BadQSO_other.txt"));
}

TEST_F(IntakeTest, LongAndEightBitTextsAreKeptWhole) {
  std::string call(600, 'W');
  call += "\xC4\xD6\xFF";
  QsoArgs q = Qso(call, "20m");
  q.exchRcvd = std::string(300, '9');
  ASSERT_EQ(1, AddQso(*state, q));
  ASSERT_EQ(1, AddQso(*state, q));
  EXPECT_EQ(call, state->m_qsoStore.At(0).m_call);
  EXPECT_EQ(INT_MAX, state->m_qsoStore.At(0).m_zone);
  EXPECT_EQ(BadQsoLine(q, 14250, q.time, kVerdictDupe) + "\r\n", BadQsos());
  EXPECT_NE(std::string::npos, BadQsos().find(call));
}

}  // namespace
