#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "golden.h"
#include "log_fixture.h"
#include "memory_settings.h"
#include "plugin/plugin_state.h"
#include "reports/cabrillo_header.h"
#include "reports/cabrillo_log.h"
#include "reports/cabrillo_text.h"
#include "support/recording_window_side.h"
#include "support/temp_folder.h"

using fixture::At;
using fixture::Qso;

namespace {

// Header values as the operator confirmed them; the soap box in file form.
CabrilloLog FixtureHeader(int isCw) {
  CabrilloLog log;
  log.m_callsign = "DL1ABC";
  log.m_name = "Hans Muster";
  log.m_address = "Hauptstr. 1";
  log.m_addressCity = "Berlin";
  log.m_addressPostalCode = "10115";
  log.m_addressCountry = "Germany";
  log.m_email = "dl1abc@example.org";
  log.m_soapbox = "First line\r\nSOAPBOX: Second line";
  log.m_operators = "DL1ABC DL2XYZ";
  log.m_contest = "EDITED-CONTEST";  // the CONTEST line follows the mode
  log.m_categoryOperator = "SINGLE-OP";
  log.m_categoryStation = "FIXED";
  log.m_categoryOverlay = "ROOKIE";  // written nowhere
  log.m_categoryMode = isCw ? "CW" : "SSB";
  log.m_categoryBand = "ALL";
  log.m_categoryAssisted = "NON-ASSISTED";
  log.m_categoryTransmitter = "ONE";
  log.m_categoryPower = "HIGH";
  log.m_location = "DX";
  log.m_fileBase = "DL1ABC";
  return log;
}

std::vector<CInfo> FixtureQsos(int isCw) {
  if (isCw)
    return {Qso({"JA1AAA", "JA", "AS", "40m", "25", At(11, 20), 0, 7012}),
            Qso({"F5ABC", "F", "EU", "20m", "1405", At(11, 40), 0, 14025}),
            Qso({"F5ABC", "F", "EU", "20m", "14", At(11, 55), 1, 14030}),  // dupe
            Qso({"K1ABC", "K", "NA", "15m", "5", At(11, 56), 0, 21010})};
  return {Qso({"JA1AAA", "JA", "AS", "80m", "25", At(11, 20), 0, 3799, "SSB"}),
          Qso({"F5ABC", "F", "EU", "20m", "1405", At(11, 40), 0, 14250, "SSB"}),
          Qso({"VK2ABCDEFG", "VK", "OC", "10m", "30", At(11, 56), 0, 28500, "SSB"})};
}

std::string ExportFixture(int isCw) {
  CabrilloLog log = FixtureHeader(isCw);
  for (const CInfo& q : FixtureQsos(isCw)) AddQsoLine(log, q, isCw);
  return WriteLog(log, isCw, 90, "2.20");
}

std::vector<std::string> QsoLines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
    if (file.compare(start, 5, "QSO: ") == 0) lines.push_back(file.substr(start, end - start));
  return lines;
}

TEST(CabrilloLog, FileMatchesItsGoldenFileForCwAndSsb) {
  for (int isCw : {1, 0}) {
    TempFolder folder;
    EXPECT_EQ(ExportFixture(isCw), "File produced: DL1ABC.cbr");
    EXPECT_TRUE(golden::Matches(isCw ? "fixture_cw.cbr" : "fixture_ssb.cbr",
                                TempFolder::Read("DL1ABC.cbr")));
    EXPECT_FALSE(std::filesystem::exists("DL1ABC.cbr.tmp"));
  }
}

// The CQ WW QSO template of Cabrillo 3.0, by column (0-based, "QSO:" at 0):
//                              --------info sent------- -------info rcvd--------
// QSO: freq  mo date       time call          rst exch   call          rst exch
// QSO: ***** ** yyyy-mm-dd nnnn ************* nnn ****** ************* nnn ******
struct TemplateField {
  const char* name;
  std::size_t column;
  std::size_t width;
  const char* pattern;  // what the field holds, blanks trimmed
  bool rightAligned;
};
const TemplateField kCqWwTemplate[] = {
    {"freq", 5, 5, "[0-9]{1,5}", true},
    {"mo", 11, 2, "CW|PH", false},
    {"date", 14, 10, "[0-9]{4}-[0-9]{2}-[0-9]{2}", false},
    {"time", 25, 4, "[0-9]{4}", false},
    {"call-sent", 30, 13, "[A-Z0-9/]+", false},
    {"rst-sent", 44, 3, "599|59", false},
    {"exch-sent", 48, 6, "[0-9]{1,2}", false},
    {"call-rcvd", 55, 13, "[A-Z0-9/]+", false},
    {"rst-rcvd", 69, 3, "599|59", false},
    {"exch-rcvd", 73, 6, "[0-9]{1,2}|0[0-9] [0-9]{2}", false},
};

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

TEST(CabrilloLog, EveryQsoLineFollowsTheCqWwTemplate) {
  for (int isCw : {1, 0}) {
    TempFolder folder;
    ExportFixture(isCw);
    const std::vector<std::string> lines = QsoLines(TempFolder::Read("DL1ABC.cbr"));
    ASSERT_EQ(lines.size(), FixtureQsos(isCw).size());
    for (const std::string& line : lines) {
      SCOPED_TRACE(line);
      ASSERT_LE(line.size(), 79u);
      const std::string padded = line + std::string(79 - line.size(), ' ');
      for (const TemplateField& f : kCqWwTemplate) {
        EXPECT_EQ(padded[f.column - 1], ' ') << "no blank before " << f.name;
        const std::string field = padded.substr(f.column, f.width);
        EXPECT_NE(f.rightAligned ? field.back() : field.front(), ' ') << f.name << " misplaced";
        const std::string value = Trim(field);
        EXPECT_TRUE(std::regex_match(value, std::regex(f.pattern))) << f.name << ": " << value;
      }
    }
  }
}

struct QsoLineCase {
  const char* name;
  int isCw;
  const char* mode;
  const char* exchRcvd;
  COleDateTime time;
  const char* expected;
};

TEST(CabrilloLog, QsoLineFields) {
  const QsoLineCase cases[] = {
      {"four-character zone", 1, "CW", "1405", At(9, 5),
       "QSO: 14025 CW 2024-10-26 0905 DL1ABC        599 14     F5ABC         599 01 05\r\n"},
      {"reports follow the contest mode", 0, "CW", "14", At(9, 5),
       "QSO: 14025 CW 2024-10-26 0905 DL1ABC        59  14     F5ABC         59  14\r\n"},
      {"unknown mode", 1, "RTTY", "3", At(9, 5),
       "QSO: 14025 ?? 2024-10-26 0905 DL1ABC        599 14     F5ABC         599 3\r\n"},
      {"invalid time", 1, "CW", "14", COleDateTime(0, COleDateTime::invalid),
       "QSO: 14025 CW Invalid DateTime DL1ABC        599 14     F5ABC         599 14\r\n"},
      {"null time", 1, "CW", "14", COleDateTime(0, COleDateTime::null),
       "QSO: 14025 CW  DL1ABC        599 14     F5ABC         599 14\r\n"},
  };
  for (const QsoLineCase& c : cases) {
    CabrilloLog log;
    log.m_callsign = "DL1ABC";
    AddQsoLine(log, Qso({"F5ABC", "F", "EU", "20m", c.exchRcvd, c.time, 0, 14025, c.mode}),
               c.isCw);
    ASSERT_EQ(log.m_qsoLines.size(), 1u);
    EXPECT_EQ(log.m_qsoLines[0], c.expected) << c.name;
  }
}

TEST(CabrilloLog, LongValuesAreWrittenWhole) {
  TempFolder folder;
  CabrilloLog log = FixtureHeader(1);
  log.m_callsign = std::string(3000, 'Q');
  log.m_name = std::string(3000, 'N');
  AddQsoLine(log, Qso({std::string(2000, 'W').c_str(), "W", "NA", "20m"}), 1);
  EXPECT_EQ(WriteLog(log, 1, 1, "2.20"), "File produced: DL1ABC.cbr");
  const std::string file = TempFolder::Read("DL1ABC.cbr");
  EXPECT_NE(file.find("NAME: " + log.m_name + "\r\n"), std::string::npos);
  EXPECT_NE(file.find(log.m_callsign + " 599 14     " + std::string(2000, 'W') + "  599 14\r\n"),
            std::string::npos);
}

TEST(CabrilloLog, FileThatCannotBeWrittenIsNotAnnounced) {
  TempFolder folder;
  // A folder in the file's place: the file cannot be created.
  std::filesystem::create_directory("DL1ABC.cbr");
  EXPECT_EQ(ExportFixture(1), "File not produced: DL1ABC.cbr");
  EXPECT_TRUE(std::filesystem::is_directory("DL1ABC.cbr"));
  EXPECT_FALSE(std::filesystem::exists("DL1ABC.cbr.tmp"));
}

TEST(CabrilloLog, FailedExportKeepsTheEarlierFile) {
  TempFolder folder;
  ASSERT_EQ(ExportFixture(1), "File produced: DL1ABC.cbr");
  const std::string earlier = TempFolder::Read("DL1ABC.cbr");
  // The new file is written aside first, as "<name>.tmp"; block that name.
  std::filesystem::create_directory("DL1ABC.cbr.tmp");
  EXPECT_EQ(ExportFixture(0), "File not produced: DL1ABC.cbr");
  EXPECT_EQ(TempFolder::Read("DL1ABC.cbr"), earlier);
}

struct FileBaseCase {
  const char* call;
  const char* base;
};

TEST(CabrilloText, FileBaseFromTheOwnCall) {
  const FileBaseCase cases[] = {
      {"Q0/Q9QQ", "Q0_Q9QQ"},
      {"Q0\\Q9QQ", "Q0_Q9QQ"},
      {"  DL1ABC \t", "DL1ABC"},
      {"A:B*C?D\"E<F>G|H", "A_B_C_D_E_F_G_H"},
      {"DL1\x01X", "DL1_X"},
      {"DL1\tX", "DL1_X"},
      {" /DL1ABC/ ", "_DL1ABC_"},
      {"/", "_"},
      {"", "YRTA"},
      {"   ", "YRTA"},
  };
  for (const FileBaseCase& c : cases) EXPECT_EQ(FileBaseFromCall(c.call), c.base) << c.call;
}

TEST(CabrilloText, SoapboxForms) {
  const std::string dialog = "Nice contest\r\nBad conditions\r\n73";
  const std::string stored = "Nice contest<CR><LF>Bad conditions<CR><LF>73";
  EXPECT_EQ(SoapboxDialogToStored(dialog), stored);
  EXPECT_EQ(SoapboxStoredToDialog(stored), dialog);
  EXPECT_EQ(SoapboxStoredToFile(stored),
            "Nice contest\r\nSOAPBOX: Bad conditions\r\nSOAPBOX: 73");
  EXPECT_EQ(SoapboxStoredToFile(""), "");
}

class HeaderDialog : public ::testing::Test {
 protected:
  int Prepare(const std::string& call = "Q0/Q9QQ") {
    return PrepareExport(state, state.m_cabrillo, settings, windows, call, COleDateTime(45591.0),
                         COleDateTime(45592.0));
  }

  PluginState state;
  MemorySettings settings;
  RecordingWindowSide windows;
};

// A missing key starts with the own call; one the operator emptied stays
// empty, as the platform's service reads a key with a default.
TEST_F(HeaderDialog, OperatorsDefaultToTheOwnCallOnlyWhenTheKeyIsMissing) {
  const struct {
    const char* name;
    bool present;
    const char* stored;
    const char* shown;
  } cases[] = {
      {"missing", false, "", "Q0/Q9QQ"},
      {"present but empty", true, "", ""},
      {"stored", true, "Q0/Q9QQ Q1ABC", "Q0/Q9QQ Q1ABC"},
  };
  for (const auto& c : cases) {
    settings.values.clear();
    windows.dialogInputs.clear();
    if (c.present) settings.values["Operators"] = c.stored;
    ASSERT_EQ(Prepare(), 1) << c.name;
    ASSERT_EQ(windows.dialogInputs.size(), 1u) << c.name;
    EXPECT_EQ(windows.dialogInputs[0].m_operators, c.shown) << c.name;
  }
}

TEST_F(HeaderDialog, ShowsStoredValuesAndFixedStartValues) {
  state.m_isCw = 0;
  state.m_exportMode = 1;
  settings.values = {{"Name", "Hans"},           {"Address", "Hauptstr. 1"},
                     {"Address_City", "Berlin"}, {"Address_St_Prov", "BE"},
                     {"Address_PostalCode", "10115"}, {"Address_Country", "Germany"},
                     {"Claimed", "12345"},       {"Email", "q@example.org"},
                     {"Club", "RRDXA"},          {"SoapBox", "one<CR><LF>two"},
                     {"Category", "MULTI-OP"},   {"Category_Overlay", "ROOKIE"},
                     {"Contest", "EDITED"}};
  ASSERT_EQ(Prepare(), 1);
  ASSERT_EQ(windows.dialogInputs.size(), 1u);
  const CabrilloLog& shown = windows.dialogInputs[0];
  EXPECT_EQ(shown.m_callsign, "Q0/Q9QQ");
  EXPECT_EQ(shown.m_fileBase, "Q0_Q9QQ");
  EXPECT_EQ(shown.m_operators, "Q0/Q9QQ");  // no "Operators" key
  EXPECT_EQ(shown.m_name, "Hans");
  EXPECT_EQ(shown.m_address, "Hauptstr. 1");
  EXPECT_EQ(shown.m_addressCity, "Berlin");
  EXPECT_EQ(shown.m_addressStateProvince, "BE");
  EXPECT_EQ(shown.m_addressPostalCode, "10115");
  EXPECT_EQ(shown.m_addressCountry, "Germany");
  EXPECT_EQ(shown.m_claimed, "12345");
  EXPECT_EQ(shown.m_email, "q@example.org");
  EXPECT_EQ(shown.m_club, "RRDXA");
  EXPECT_EQ(shown.m_soapbox, "one\r\ntwo");
  // Written-only keys never come back: the fixed start values do.
  EXPECT_EQ(shown.m_contest, "CQ-WW-SSB");
  EXPECT_EQ(shown.m_categoryOperator, "SINGLE-OP");
  EXPECT_EQ(shown.m_categoryOverlay, "NONE");
  EXPECT_EQ(shown.m_categoryMode, "SSB");
  EXPECT_EQ(shown.m_categoryBand, "ALL");
  EXPECT_EQ(shown.m_categoryPower, "HIGH");
  EXPECT_EQ(shown.m_categoryTransmitter, "ONE");
  EXPECT_EQ(shown.m_location, "DX");
  EXPECT_EQ(shown.m_categoryStation, "FIXED");
  EXPECT_EQ(shown.m_categoryAssisted, "NON-ASSISTED");
  EXPECT_EQ(shown.m_firstDay, COleDateTime(45591.0));
  EXPECT_EQ(shown.m_lastDay, COleDateTime(45592.0));
  EXPECT_EQ(state.m_exportMode, 1);
}

TEST_F(HeaderDialog, ConfirmedValuesAreStoredInOrderAndPreparedForTheFile) {
  state.m_isCw = 1;
  settings.values["Claimed"] = "777";
  state.m_cabrillo.m_qsoLines = {"QSO: old\r\n"};
  windows.headerDialog = [](CabrilloLog& log) {
    log.m_operators = "Q0/Q9QQ Q1ABC";
    log.m_contest = "MY-CONTEST";
    log.m_categoryOverlay = "CLASSIC";
    log.m_claimed = "999999";  // shown only: the edit is ignored
    log.m_soapbox = "line 1\r\nline 2";
    return true;
  };
  ASSERT_EQ(Prepare(), 1);
  const std::vector<std::string> keys = {
      "Operators",          "Name",     "Address",          "Address_City", "Address_St_Prov",
      "Address_PostalCode", "Address_Country", "Category", "Category_Overlay", "Contest",
      "Email",              "Club",     "SoapBox"};
  EXPECT_EQ(settings.WrittenKeys(), keys);
  EXPECT_EQ(settings.values["Operators"], "Q0/Q9QQ Q1ABC");
  EXPECT_EQ(settings.values["Contest"], "MY-CONTEST");
  EXPECT_EQ(settings.values["Category_Overlay"], "CLASSIC");
  EXPECT_EQ(settings.values["SoapBox"], "line 1<CR><LF>line 2");
  EXPECT_EQ(settings.values["Claimed"], "777");
  const CabrilloLog& log = state.m_cabrillo;
  EXPECT_EQ(log.m_claimed, "777");
  EXPECT_EQ(log.m_soapbox, "line 1\r\nSOAPBOX: line 2");
  EXPECT_TRUE(log.m_qsoLines.empty());

  // The next export starts the contest name again from its fixed value.
  ASSERT_EQ(Prepare(), 1);
  EXPECT_EQ(windows.dialogInputs[1].m_contest, "CQ-WW-CW");
  EXPECT_EQ(windows.dialogInputs[1].m_categoryOverlay, "NONE");
}

TEST_F(HeaderDialog, CancelEndsExportModeAndStoresNothing) {
  state.m_exportMode = 1;
  windows.headerDialog = [](CabrilloLog& log) {
    log.m_name = "typed, then cancelled";
    return false;
  };
  EXPECT_EQ(Prepare(), 0);
  EXPECT_EQ(state.m_exportMode, 0);
  EXPECT_TRUE(settings.writes.empty());
  EXPECT_EQ(state.m_cabrillo.m_name, "");
}

TEST_F(HeaderDialog, SoapboxTypedAsTwoLinesRoundTrips) {
  TempFolder folder;
  windows.headerDialog = [](CabrilloLog& log) {
    log.m_soapbox = "Great fun\r\nSee you next year";
    return true;
  };
  ASSERT_EQ(Prepare("DL1ABC"), 1);
  windows.headerDialog = [](CabrilloLog&) { return true; };
  ASSERT_EQ(Prepare("DL1ABC"), 1);  // the next export shows the stored text
  EXPECT_EQ(windows.dialogInputs[1].m_soapbox, "Great fun\r\nSee you next year");
  EXPECT_EQ(WriteLog(state.m_cabrillo, 1, 0, "Qalo"), "File produced: DL1ABC.cbr");
  EXPECT_NE(TempFolder::Read("DL1ABC.cbr")
                .find("\r\nSOAPBOX: Great fun\r\nSOAPBOX: See you next year\r\nEND-OF-LOG:\r\n"),
            std::string::npos);
}

}  // namespace
