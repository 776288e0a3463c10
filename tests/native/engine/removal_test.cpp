// Removal: which record leaves the store, the zone lists, the rewrite of the
// bad-QSO file (never losing it) and the requests to the windows.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "engine/bad_qso_file.h"
#include "engine/intake.h"
#include "engine/removal.h"
#include "engine_fixture.h"

namespace {

namespace fs = std::filesystem;

class RemovalTest : public EngineFixture {
 protected:
  std::string Calls() const {
    std::string calls;
    for (const CInfo& r : state->m_qsoStore) calls += r.m_call + "/" + r.m_band + " ";
    return calls;
  }
};

TEST_F(RemovalTest, TakesOutTheFirstRecordMatchingCallModeBandAndTime) {
  const struct {
    const char* name;
    QsoArgs removed;
    const char* left;
  } cases[] = {
      {"exact match", Qso("A1", "20m"), "A1/40m B1/20m "},
      {"band in capitals", Qso("A1", "20M"), "A1/40m B1/20m "},
      {"other band", Qso("A1", "15m"), "A1/20m A1/40m B1/20m "},
      {"other call", Qso("a1", "20m"), "A1/20m A1/40m B1/20m "},
      {"other mode", Qso("A1", "20m", "ssb"), "A1/20m A1/40m B1/20m "},
      {"a minute later", [] { QsoArgs q = Qso("A1"); q.time = At(2026, 11, 28, 0, 13); return q; }(),
       "A1/20m A1/40m B1/20m "},
      {"null time", [] { QsoArgs q = Qso("A1"); q.time = COleDateTime(0, COleDateTime::null); return q; }(),
       "A1/20m A1/40m B1/20m "},
      {"rest differs", [] { QsoArgs q = Qso("A1"); q.exchRcvd = "3"; q.freqHz = 1; q.prefix = ""; return q; }(),
       "A1/40m B1/20m "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    state = std::make_unique<PluginState>();
    state->m_badQsoPath = kBadQsoFile;
    AddQso(*state, Qso("A1", "20m"));
    AddQso(*state, Qso("A1", "40m"));
    AddQso(*state, Qso("B1", "20m"));
    EXPECT_EQ(1, RemoveQso(*state, windows, c.removed));
    EXPECT_EQ(c.left, Calls());
  }
}

TEST_F(RemovalTest, RemovesOnlyTheFirstOfAQsoAndItsDupe) {
  AddQso(*state, Qso("A1"));
  AddQso(*state, Qso("A1"));
  RemoveQso(*state, windows, Qso("A1"));
  ASSERT_EQ(1, state->m_qsoStore.GetCount());
  EXPECT_EQ(1, state->m_qsoStore.At(0).m_dupe);
}

TEST_F(RemovalTest, TakesTheZoneOutOfItsOwnBandsList) {
  QsoArgs q = Qso("A1", "20M");  // stored as 20m: its zone is a 20 m zone
  q.exchRcvd = "14";
  AddQso(*state, q);
  AddQso(*state, Qso("B1", "20m"));
  state->m_bandZones[0] = {14};
  state->m_bandZones[3] = {5, 14, 3, 14};
  state->m_bandCountries[3] = {"DL"};

  RemoveQso(*state, windows, q);
  EXPECT_EQ((std::vector<unsigned>{5, 3, 14}), state->m_bandZones[3]);
  EXPECT_EQ((std::vector<unsigned>{14}), state->m_bandZones[0]);
  EXPECT_EQ((std::vector<std::string>{"DL"}), state->m_bandCountries[3]);
  EXPECT_EQ((std::vector<std::string>{"20m"}), state->m_workedBands);

  RemoveQso(*state, windows, Qso("C1", "20m"));  // not stored: no list changes
  EXPECT_EQ((std::vector<unsigned>{5, 3, 14}), state->m_bandZones[3]);
}

TEST_F(RemovalTest, EmptyStoreClearsWorkedBandsAndEveryBandList) {
  AddQso(*state, Qso("A1", "20m"));
  AddQso(*state, Qso("B1", "40m"));
  for (int b = 0; b < kBandCount; ++b) {
    state->m_bandZones[b] = {1, 2};
    state->m_bandCountries[b] = {"DL"};
  }
  RemoveQso(*state, windows, Qso("B1", "40m"));
  EXPECT_EQ((std::vector<std::string>{"20m", "40m"}), state->m_workedBands);
  EXPECT_EQ((std::vector<std::string>{"DL"}), state->m_bandCountries[2]);

  RemoveQso(*state, windows, Qso("A1", "20m"));
  EXPECT_TRUE(state->m_workedBands.empty());
  for (int b = 0; b < kBandCount; ++b) {
    EXPECT_TRUE(state->m_bandZones[b].empty()) << b;
    EXPECT_TRUE(state->m_bandCountries[b].empty()) << b;
  }

  state->m_workedBands = {"20m"};  // nothing removed, store still empty
  state->m_bandZones[1] = {3};
  RemoveQso(*state, windows, Qso("Z9"));
  EXPECT_TRUE(state->m_workedBands.empty());
  EXPECT_TRUE(state->m_bandZones[1].empty());
}

TEST_F(RemovalTest, RewritesTheFileWithoutTheQsosLines) {
  TempFolder::Write(kBadQsoFile,
                    "CQ WW SSB DX Contest UBN file \r\n"
                    "QSO:  14250  SSB  2026-11-28 0012  OE1XYZ  59  15  W1AW  59  14   DUPE !!!\r\n"
                    "QSO:  14250  SSB  2026-11-28 0013  OE1XYZ  59  15  W1AW  59  14   DUPE !!!\r\n"
                    "QSO:  14250  SSB  2026-11-28 0012  OE1XYZ  59  15  W1AWX  59  14   DUPE !!!\r\n"
                    "QSO:  14250  SSB  2026-11-28 0012  OE1XYZ  59  15  K1ZZ  59    NO NUMBER !!!\r\n"
                    "QSO:  14250  SSB  2026-11-28 0012  W1AW  59  15  K2ZZ  59  14   WRONG BAND !!!\r\n"
                    "\r\n"
                    "W1AW 0012\n"
                    "QSO:  7000  SSB  2026-11-28 0012  OE1XYZ  59  15  W1AW  59  14   DUPE !!!");
  state->m_isCw = 1;  // the header follows the current mode
  RemoveQso(*state, windows, Qso("W1AW"));
  EXPECT_EQ("CQ WW CW DX Contest UBN file \r\n"
            "QSO:  14250  SSB  2026-11-28 0013  OE1XYZ  59  15  W1AW  59  14   DUPE !!!\r\n"
            "QSO:  14250  SSB  2026-11-28 0012  OE1XYZ  59  15  K1ZZ  59    NO NUMBER !!!\r\n"
            "\r\n"
            "W1AW 0012\r\n",
            BadQsos());
  EXPECT_FALSE(fs::exists(std::string(kBadQsoFile) + ".tmp"));
}

// Most removals are of a QSO without a line; the file is written only when its
// bytes would change, header and line ends included.
TEST_F(RemovalTest, WritesTheFileOnlyWhenItsContentChanges) {
  const struct {
    const char* name;
    int isCw;
    const char* content;
    bool written;
  } cases[] = {
      {"no line of the QSO", 0, "CQ WW SSB DX Contest UBN file \r\nQSO:  K1ZZ 0012 \r\n", false},
      {"header only", 0, "CQ WW SSB DX Contest UBN file \r\n", false},
      {"a line of the QSO", 0, "CQ WW SSB DX Contest UBN file \r\nQSO:  W1AW 0012 \r\n", true},
      {"header of the other mode", 1, "CQ WW SSB DX Contest UBN file \r\n", true},
      {"a line without CR", 0, "CQ WW SSB DX Contest UBN file \r\nQSO:  K1ZZ 0012 \n", true},
      {"a last line without end", 0, "CQ WW SSB DX Contest UBN file \r\nQSO:  K1ZZ 0012 ", true},
  };
  for (const auto& c : cases) {
    TempFolder::Write(kBadQsoFile, c.content);
    const auto old = fs::last_write_time(kBadQsoFile) - std::chrono::hours(1);
    fs::last_write_time(kBadQsoFile, old);
    state->m_isCw = c.isCw;
    RemoveQso(*state, windows, Qso("W1AW"));
    EXPECT_EQ(c.written, fs::last_write_time(kBadQsoFile) != old) << c.name;
    EXPECT_FALSE(fs::exists(std::string(kBadQsoFile) + ".tmp")) << c.name;
  }
}

TEST_F(RemovalTest, RejectedQsoLeavesTheFileThroughRemovalToo) {
  state->m_badQsoFile.Start(kBadQsoFile, 0);
  QsoArgs wrong = Qso("F5XX", "2m");
  AddQso(*state, Qso("A1"));
  AddQso(*state, wrong);
  AddQso(*state, Qso("A1"));
  const std::string dupeLine = BadQsoLine(Qso("A1"), 14250, Qso().time, kVerdictDupe) + "\r\n";
  ASSERT_EQ(BadQsoHeader(0) + "\r\n" +
                BadQsoLine(wrong, 14250, wrong.time, kVerdictWrongBand) + "\r\n" + dupeLine,
            BadQsos());
  RemoveQso(*state, windows, wrong);
  EXPECT_EQ(BadQsoHeader(0) + "\r\n" + dupeLine, BadQsos());
  EXPECT_EQ(2, state->m_qsoStore.GetCount());
}

// The count of rejected QSOs is kept beside the file: it equals the file's
// count while the file can be written, and stays true when it cannot.
TEST_F(RemovalTest, RejectedCountFollowsIntakeAndRemovalWhateverBecomesOfTheFile) {
  auto rejectedLinesInFile = [&] {
    const std::string text = BadQsos();
    int lines = 0;
    for (const char* verdict : {kVerdictWrongBand, kVerdictWrongMode, kVerdictNoNumber})
      for (std::size_t p = text.find(verdict); p != std::string::npos; p = text.find(verdict, p + 1))
        ++lines;
    return lines;
  };
  state->m_badQsoFile.Start(kBadQsoFile, 0);
  QsoArgs noNumber = Qso("F5NN");
  noNumber.exchRcvd = "";
  AddQso(*state, Qso("F5WB", "2m"));
  AddQso(*state, Qso("F5WM", "20m", "RTTY"));
  AddQso(*state, noNumber);
  AddQso(*state, Qso("A1"));
  AddQso(*state, Qso("A1"));  // a dupe: a line, but no rejected QSO
  EXPECT_EQ(3, state->m_rejectedQsos.Count());
  EXPECT_EQ(3, rejectedLinesInFile());

  RemoveQso(*state, windows, Qso("F5WM", "20m", "RTTY"));
  RemoveQso(*state, windows, Qso("A1"));
  EXPECT_EQ(2, state->m_rejectedQsos.Count());
  EXPECT_EQ(2, rejectedLinesInFile());

  // The file taken away and a folder in its place: no line reaches it, no
  // removal is applied to it, the count goes on.
  state->m_badQsoFile.Release();
  fs::remove(kBadQsoFile);
  fs::create_directory(kBadQsoFile);
  AddQso(*state, Qso("F5WB2", "2m"));
  AddQso(*state, Qso("F5WB3", "2m"));
  EXPECT_EQ(4, state->m_rejectedQsos.Count());
  RemoveQso(*state, windows, Qso("F5WB", "2m"));
  EXPECT_EQ(1, state->m_rejectedQsos.Count());  // F5WB, F5WB2, F5WB3 share the time
}

TEST_F(RemovalTest, MissingFileStartsAnewWithTheHeader) {
  RemoveQso(*state, windows, Qso("A1"));
  EXPECT_EQ("CQ WW SSB DX Contest UBN file \r\n", BadQsos());
}

TEST_F(RemovalTest, FileThatCannotBeReadOrReplacedIsLeftAsItWas) {
  // A folder in the file's place cannot be read as a file.
  fs::create_directory(kBadQsoFile);
  TempFolder::Write(std::string(kBadQsoFile) + "/inside", "kept");
  RemoveQso(*state, windows, Qso("A1"));
  EXPECT_TRUE(fs::is_directory(kBadQsoFile));
  EXPECT_EQ("kept", TempFolder::Read(std::string(kBadQsoFile) + "/inside"));
  fs::remove_all(kBadQsoFile);

  // The new content cannot be written beside it: the old file stays whole.
  const std::string old = "CQ WW SSB DX Contest UBN file \r\nQSO:  W1AW 0012 \r\n";
  TempFolder::Write(kBadQsoFile, old);
  fs::create_directory(std::string(kBadQsoFile) + ".tmp");
  RemoveQso(*state, windows, Qso("W1AW"));
  EXPECT_EQ(old, BadQsos());
}

TEST_F(RemovalTest, ResetsZoneDisplaysForAFoundRecordAndPostsWhileTheWindowIsOpen) {
  AddQso(*state, Qso("A1"));
  AddQso(*state, Qso("B1"));
  RemoveQso(*state, windows, Qso("A1"));  // no control window
  EXPECT_EQ((std::vector<std::string>{"reset-zones"}), windows.requests);

  windows.requests.clear();
  windows.controlWindow = true;
  state->m_detailsIdle = 0;  // an update is pending: removal posts all the same
  RemoveQso(*state, windows, Qso("B1"));
  RemoveQso(*state, windows, Qso("B1"));  // nothing found: no reset, still a post
  EXPECT_EQ((std::vector<std::string>{"reset-zones", "post", "post"}), windows.requests);
  EXPECT_EQ(0, state->m_detailsIdle.load());
}

TEST_F(RemovalTest, NullTimeMatchesANullTimeAndItsKeyIsTwoBlanks) {
  QsoArgs q = Qso("A1");
  q.time = COleDateTime(0, COleDateTime::null);
  AddQso(*state, q);
  TempFolder::Write(kBadQsoFile, "h\r\nA1  x\r\nA1 0012 \r\n");
  RemoveQso(*state, windows, q);
  EXPECT_TRUE(state->m_qsoStore.IsEmpty());
  EXPECT_EQ("CQ WW SSB DX Contest UBN file \r\nA1 0012 \r\n", BadQsos());
}

}  // namespace
