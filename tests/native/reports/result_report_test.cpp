#include "reports/result_report.h"

#include <gtest/gtest.h>

#include <string>

#include "golden.h"
#include "log_fixture.h"
#include "memory_settings.h"
#include "plugin/plugin_state.h"
#include "support/recording_window_side.h"
#include "support/temp_folder.h"

using fixture::At;
using fixture::Log;

namespace {

const char kBadQsoFile[] = "BadQSO_ZerodEZIDEDOVE_27_10_2024.txt";

class ResultReport : public ::testing::Test {
 protected:
  void SetUp() override {
    state.m_isCw = 1;
    state.m_startText = "26.10";
    state.m_endText = "27.10.2024";
    state.m_contestant = "DL1ABC";
    state.m_hostVersion = "2.20";
    fixture::OwnStation(state, "DL", "EU");
    state.m_badQsoPath = kBadQsoFile;
  }

  // Three bands, arriving out of order, with a dupe and one rejected QSO.
  void LogFixture() {
    TempFolder::Write(kBadQsoFile, "heading\r\nrejected\r\ndupe\r\n");
    state.m_rejectedQsos.Add("rejected");
    Log(state, {"JA1AAA", "JA", "AS", "40m", "25", At(11, 20), 0, 7012});
    Log(state, {"F5ABC", "F", "EU", "20m", "14", At(11, 40), 0, 14025});
    Log(state, {"UA9XYZ", "UA9", "AS", "20m", "17", At(11, 52), 0, 14030});
    Log(state, {"F5ABC", "F", "EU", "20m", "14", At(11, 55), 1, 14035});
    Log(state, {"K1ABC", "K", "NA", "15m", "5", At(11, 56), 0, 21010});
    Log(state, {"DL2ZZ", "DL", "EU", "20m", "14", At(12, 0), 0, 14040});
  }

  std::string Result() {
    int out = 0;
    const std::string text = GetResult(state, state, settings, windows, &out);
    EXPECT_EQ(out, -1);
    return text;
  }

  TempFolder folder;
  PluginState state;
  MemorySettings settings;
  RecordingWindowSide windows;
};

TEST_F(ResultReport, TextFormMatchesItsGoldenFile) {
  LogFixture();
  EXPECT_TRUE(golden::Matches("fixture_cw.txt", Result()));
}

TEST_F(ResultReport, HtmlFormMatchesItsGoldenFile) {
  LogFixture();
  state.m_htmlReport = 1;
  EXPECT_TRUE(golden::Matches("fixture_cw.html", Result()));
}

TEST_F(ResultReport, EmptyStoreGivesZerosAndNoRateBlock) {
  state.m_isCw = 0;
  EXPECT_TRUE(golden::Matches("empty_ssb.txt", Result()));
  state.m_htmlReport = 1;
  const std::string html = Result();
  EXPECT_NE(html.find("<center>Total</center></th><td><center>0</center></td><td><center>0"),
            std::string::npos);
  EXPECT_NE(html.find("QSO rate:</th><td colspan=4><center>    0 /0</center>"), std::string::npos);
  EXPECT_NE(html.find("pts rate:</th><td colspan=4><center>    0 /0</center>"), std::string::npos);
}

TEST_F(ResultReport, RatesAreRightAlignedAndTenMinutesScaledToAnHour) {
  // 45 QSOs in the last hour, 9 of them in the last ten minutes, 3 points each.
  // The store's last QSO is the reference: the 12:00 one comes last.
  for (int i = 44; i >= 0; --i) {
    const int minutesBefore = i < 9 ? i : 10 + i;
    COleDateTime t = At(12, 0);
    t.m_dt -= minutesBefore / 1440.0;
    Log(state, {"JA1AA", "JA", "AS", "20m", "25", t});
  }
  const std::string text = Result();
  EXPECT_NE(text.find("QSO rate:    45 (54) QSOs/hour\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("pts rate:   135 (162) points/hour\r\n"), std::string::npos) << text;
}

// Every result request used to rewrite the settings file; only a new score
// needs a write, and a score already stored (from an earlier session) none.
TEST_F(ResultReport, StoresTheClaimedScoreOnlyWhenItChanges) {
  LogFixture();
  Result();
  Result();
  EXPECT_EQ(state.m_claimedScore, 90);
  ASSERT_EQ(settings.writes.size(), 1u);
  EXPECT_EQ(settings.writes[0], (std::pair<std::string, std::string>("Claimed", "90")));
  EXPECT_TRUE(windows.requests.empty());  // no export outside export mode

  Log(state, {"JA1BBB", "JA", "AS", "20m", "25", At(12, 1), 0, 14045});
  Result();
  ASSERT_EQ(settings.writes.size(), 2u);
  EXPECT_EQ(settings.writes[1].second, "143");

  MemorySettings stored;
  stored.values["Claimed"] = "143";
  int out = 0;
  GetResult(state, state, stored, windows, &out);
  EXPECT_TRUE(stored.writes.empty());
}

TEST_F(ResultReport, HtmlShowsTheHostsTextsAsText) {
  state.m_contestant = "<b>Q0&\"Q9\"</b>";
  state.m_htmlReport = 1;
  const std::string html = Result();
  EXPECT_NE(html.find("Contestant:  <b>&lt;b&gt;Q0&amp;&quot;Q9&quot;&lt;/b&gt;</center>"),
            std::string::npos)
      << html;
  // The text form shows the call as it is.
  state.m_htmlReport = 0;
  EXPECT_NE(Result().find("Contestant: <b>Q0&\"Q9\"</b>\r\n"), std::string::npos);
}

TEST_F(ResultReport, ALongCallIsNeverCut) {
  state.m_contestant = std::string(5000, 'Q');
  state.m_htmlReport = 1;
  EXPECT_NE(Result().find(state.m_contestant + "</center>"), std::string::npos);
}

TEST_F(ResultReport, ExportModeWritesTheLogOnceForEveryRequest) {
  LogFixture();
  state.m_exportMode = 1;
  state.m_cabrillo.m_callsign = "DL1ABC";
  state.m_cabrillo.m_fileBase = "DL1ABC";

  const std::string text = Result();
  EXPECT_EQ(text.find("Hourly"), std::string::npos);
  EXPECT_NE(text.find("Bad QSO\t 1\r\n\r\nScore: 10 * (5 + 4) = 90\r\n"), std::string::npos);
  ASSERT_EQ(windows.messages.size(), 1u);
  EXPECT_EQ(windows.messages[0].text, "File produced: DL1ABC.cbr");
  EXPECT_EQ(windows.messages[0].caption, "Output");
  EXPECT_TRUE(windows.messages[0].information);

  // A second request in export mode writes every QSO once again, not twice.
  Result();
  const std::string file = TempFolder::Read("DL1ABC.cbr");
  int qsoLines = 0;
  for (std::size_t p = file.find("QSO: "); p != std::string::npos; p = file.find("QSO: ", p + 1))
    ++qsoLines;
  EXPECT_EQ(qsoLines, 6);  // the dupe is written too
  EXPECT_NE(file.find("CLAIMED-SCORE: 90\r\n"), std::string::npos);
  EXPECT_EQ(windows.Count("message"), 2);

  // The HTML form keeps its rate rows, with zeros.
  state.m_htmlReport = 1;
  EXPECT_NE(Result().find("QSO rate:</th><td colspan=4><center>    0 /0</center>"),
            std::string::npos);
}

}  // namespace
