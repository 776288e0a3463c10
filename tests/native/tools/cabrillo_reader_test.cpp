// The Cabrillo reader: header tags, the CQ WW QSO template, what it rejects
// and the band a frequency falls in.
#include "tools/cabrillo/cabrillo_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const char kLog[] =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: CQ-WW-CW\r\n"
    "callsign: OK1XYZ\r\n"
    "SOAPBOX: first: line\r\n"
    "SOAPBOX: second line\r\n"
    "QSO: 14025 CW 2026-11-28 0001 OK1XYZ        599 15     K1AR          599 05\r\n"
    "QSO:  3505 CW 2026-11-28 2359 OK1XYZ 599 15 UA9ABC 599 17 1\r\n"
    "QSO: 14200 PH 2026-11-29 1200 OK1XYZ 59 15 DL1AA 59 14\r\n"
    "QSO: 10115 CW 2026-11-29 1201 OK1XYZ 599 15 F5AA 599 14\r\n"
    "QSO: 21025 CW 2026-11-29 1202 OK1XYZ 599 15 JA1XX 599 -\r\n"
    "QSO: 28025.5 CW 2026-11-29 1203 OK1XYZ 599 15 PY1AA 599 11\r\n"
    "QSO:  7025 RY 2026-11-29 1204 OK1XYZ 599 15 SP1AA 599 15\r\n"
    "X-QSO: 14025 CW 2026-11-29 1205 OK1XYZ 599 15 G3AA 599 14\r\n"
    "\r\n"
    "QSO: 14025 CW 2026-11-29 1206 OK1XYZ 599 15 K1AR 599\r\n"
    "QSO: 14O25 CW 2026-11-29 1207 OK1XYZ 599 15 K1AR 599 05\r\n"
    "QSO: 14025 CW 2026-13-01 1208 OK1XYZ 599 15 K1AR 599 05\r\n"
    "QSO: 14025 CW 2026-11-29 2460 OK1XYZ 599 15 K1AR 599 05\r\n"
    "QSO: 14025 CW 2026-11-29 1209 OK1XYZ 599 15 K1AR 599 05 0 extra\r\n"
    "a line without a tag\r\n"
    "END-OF-LOG:\r\n";

TEST(CabrilloReader, ReadsHeaderTagsInOrder) {
  const CabrilloFile log = ParseCabrillo(kLog);
  EXPECT_EQ(log.version, "3.0");
  EXPECT_EQ(log.Tag("CALLSIGN"), "OK1XYZ");
  EXPECT_EQ(log.Tag("callsign"), "OK1XYZ");
  EXPECT_EQ(log.Tag("CONTEST"), "CQ-WW-CW");
  EXPECT_EQ(log.Tag("SOAPBOX"), "first: line");
  EXPECT_EQ(log.Tag("NAME"), "");
  ASSERT_EQ(log.tags.size(), 4u);
  EXPECT_EQ(log.tags[3].first, "SOAPBOX");
  EXPECT_EQ(log.tags[3].second, "second line");
}

TEST(CabrilloReader, ReadsQsoLines) {
  const CabrilloFile log = ParseCabrillo(kLog);
  ASSERT_EQ(log.qsos.size(), 7u);

  const CabrilloQso& first = log.qsos[0];
  EXPECT_EQ(first.freqKhz, 14025u);
  EXPECT_EQ(first.band, "20m");
  EXPECT_EQ(first.mode, "CW");
  EXPECT_EQ(first.year, 2026);
  EXPECT_EQ(first.month, 11);
  EXPECT_EQ(first.day, 28);
  EXPECT_EQ(first.hour, 0);
  EXPECT_EQ(first.minute, 1);
  EXPECT_EQ(first.sentCall, "OK1XYZ");
  EXPECT_EQ(first.rstSent, "599");
  EXPECT_EQ(first.exchSent, "15");
  EXPECT_EQ(first.call, "K1AR");
  EXPECT_EQ(first.rstRcvd, "599");
  EXPECT_EQ(first.exchRcvd, "05");
  EXPECT_EQ(first.transmitter, "");
  EXPECT_EQ(first.line, 6);

  struct {
    unsigned freq;
    const char* band;
    const char* mode;
    const char* call;
    const char* exchRcvd;
    int hour, minute;
  } rest[] = {
      {3505, "80m", "CW", "UA9ABC", "17", 23, 59},
      {14200, "20m", "SSB", "DL1AA", "14", 12, 0},   // PH is the plug-in's SSB
      {10115, "30m", "CW", "F5AA", "14", 12, 1},     // WARC band kept for the plug-in to reject
      {21025, "15m", "CW", "JA1XX", "", 12, 2},      // "-": missing zone
      {28025, "10m", "CW", "PY1AA", "11", 12, 3},    // fraction of a kHz dropped
      {7025, "40m", "RY", "SP1AA", "15", 12, 4},     // other modes kept as written
  };
  for (std::size_t i = 0; i < sizeof rest / sizeof rest[0]; ++i) {
    const CabrilloQso& q = log.qsos[i + 1];
    SCOPED_TRACE(q.call);
    EXPECT_EQ(q.freqKhz, rest[i].freq);
    EXPECT_EQ(q.band, rest[i].band);
    EXPECT_EQ(q.mode, rest[i].mode);
    EXPECT_EQ(q.call, rest[i].call);
    EXPECT_EQ(q.exchRcvd, rest[i].exchRcvd);
    EXPECT_EQ(q.hour, rest[i].hour);
    EXPECT_EQ(q.minute, rest[i].minute);
  }
  EXPECT_EQ(log.qsos[1].transmitter, "1");
  EXPECT_EQ(log.qsos[2].rstSent, "59");
}

TEST(CabrilloReader, ReportsLinesThatDoNotFitAndGoesOn) {
  const CabrilloFile log = ParseCabrillo(kLog);
  const int expected[] = {15, 16, 17, 18, 19, 20};
  ASSERT_EQ(log.errors.size(), sizeof expected / sizeof expected[0]);
  for (std::size_t i = 0; i < log.errors.size(); ++i) {
    EXPECT_EQ(log.errors[i].line, expected[i]) << log.errors[i].message;
    EXPECT_FALSE(log.errors[i].message.empty());
  }
}

TEST(CabrilloReader, LfOnlyAndMissingStartOfLog) {
  const CabrilloFile log =
      ParseCabrillo("CALLSIGN: K1XYZ\nQSO: 7150 PH 2026-10-31 0000 K1XYZ 59 05 DL1AA 59 14\n");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].exchRcvd, "14");
  EXPECT_EQ(log.qsos[0].mode, "SSB");
  EXPECT_EQ(log.Tag("CALLSIGN"), "K1XYZ");
  ASSERT_EQ(log.errors.size(), 1u);
  EXPECT_NE(log.errors[0].message.find("START-OF-LOG"), std::string::npos);
}

// Logs saved by editors often begin with a UTF-8 byte-order mark; line ends
// may be CR LF or LF.
TEST(CabrilloReader, ReadsALogThatBeginsWithAByteOrderMark) {
  for (const char* end : {"\r\n", "\n"}) {
    const std::string e = end;
    const CabrilloFile log = ParseCabrillo(
        "\xEF\xBB\xBFSTART-OF-LOG: 3.0" + e + "CALLSIGN: K3LR" + e +
        "QSO:   21003 CW 2024-11-23 0050 K3LR             599 5     JA1BJI           599  25      0" +
        e + "END-OF-LOG:" + e);
    EXPECT_TRUE(log.errors.empty()) << log.errors[0].message;
    EXPECT_EQ(log.version, "3.0");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].call, "JA1BJI");
    EXPECT_EQ(log.qsos[0].text,
              "QSO:   21003 CW 2024-11-23 0050 K3LR             599 5     JA1BJI           599  25      0");
  }
}

TEST(CabrilloReader, ReadsAFileAndReportsAMissingOne) {
  CabrilloFile log;
  EXPECT_FALSE(ReadCabrilloFile("/nonexistent/log.cbr", log));
  const std::string path = ::testing::TempDir() + "cabrillo_reader_test.log";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs(kLog, f);
    std::fclose(f);
  }
  ASSERT_TRUE(ReadCabrilloFile(path, log));
  EXPECT_EQ(log.qsos.size(), 7u);
  std::remove(path.c_str());
}

TEST(CabrilloReader, BandOfFrequency) {
  struct {
    unsigned khz;
    const char* band;
  } cases[] = {
      {1799, "?m"},  {1800, "160m"},  {2000, "160m"},  {2001, "?m"},   {3500, "80m"},
      {4000, "80m"}, {5357, "60m"},   {7000, "40m"},   {7300, "40m"},  {7301, "?m"},
      {10100, "30m"}, {10150, "30m"}, {14000, "20m"},  {14350, "20m"}, {14351, "?m"},
      {18068, "17m"}, {21000, "15m"}, {21450, "15m"},  {21451, "?m"},  {24890, "12m"},
      {28000, "10m"}, {29700, "10m"}, {29701, "?m"},   {50100, "6m"},  {50, "6m"},
      {144, "2m"},    {0, "?m"},
  };
  for (const auto& c : cases) EXPECT_EQ(BandOfKhz(c.khz), c.band) << c.khz;
}

}  // namespace
