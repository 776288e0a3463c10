// Country resolution: awkward calls against the installed country file, the
// overrides the installed file does not use, and malformed files.
#include "tools/cty/cty_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kInstalledCty = std::string(STATS_HAMRADIO_FILES) + "/cty.dat";

class InstalledCty : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_cty = new CtyFile;
    s_loaded = s_cty->Load(kInstalledCty, &s_error);
  }
  static void TearDownTestSuite() {
    delete s_cty;
    s_cty = nullptr;
  }
  void SetUp() override {
    if (!s_loaded) GTEST_SKIP() << "installed country file not usable: " << s_error;
  }
  static CtyFile* s_cty;
  static bool s_loaded;
  static std::string s_error;
};
CtyFile* InstalledCty::s_cty = nullptr;
bool InstalledCty::s_loaded = false;
std::string InstalledCty::s_error;

struct CallCase {
  const char* call;
  const char* prefix;  // nullptr: does not resolve
  const char* continent;
  int zone;
  const char* why;
};

// Expected values read off the installed cty.dat by hand.
const CallCase kCalls[] = {
    {"K1ABC", "K", "NA", 5, "plain USA"},
    {"N0AX", "K", "NA", 4, "N0(4) zone override"},
    {"W1AW/7", "K", "NA", 3, "digit suffix: looked up as W7AW, W7(3)"},
    {"K1ABC/6", "K", "NA", 3, "digit suffix: looked up as K6ABC, K6(3)"},
    {"7K1MAG/2", "JA", "AS", 25, "prefix begins with a digit: looked up as 7K2MAG"},
    {"9A1DR/3", "9A", "EU", 15, "looked up as 9A3DR, not 3A1DR (Monaco)"},
    {"4X1AB/2", "4X", "AS", 20, "looked up as 4X2AB"},
    {"3D2AG/2", "3D2", "OC", 32, "the area digit is the prefix's own"},
    {"2E0ABC/5", "G", "EU", 14, "looked up as 2E5ABC"},
    {"DL/PA3XYZ", "DL", "EU", 14, "portable prefix before the call"},
    {"PA3XYZ/DL", "DL", "EU", 14, "portable prefix after the call"},
    {"VE3XYZ", "VE", "NA", 4, "VE3(4)"},
    {"KL7XX", "KL", "NA", 1, "Alaska, not K"},
    {"DL1ABC", "DL", "EU", 14, "plain"},
    {"dl1abc", "DL", "EU", 14, "lower case"},
    {"  DL1ABC ", "DL", "EU", 14, "blanks around"},
    {"UA3ABC", "UA", "EU", 16, "European Russia"},
    {"UA9ABC", "UA9", "AS", 17, "Asiatic Russia"},
    {"RA9ABC", "UA9", "AS", 17, "Asiatic Russia, RA9"},
    {"RA9XYZ", "UA", "EU", 17, "RA9X(17) is Komi, listed under European Russia"},
    {"R0AA", "UA9", "AS", 18, "longest prefix R0A(18) over R0(19)"},
    {"UA0YAA", "UA9", "AS", 23, "UA0Y(23)"},
    {"UA2FZ", "UA2", "EU", 15, "Kaliningrad UA2"},
    {"RA2FA", "UA2", "EU", 15, "Kaliningrad RA2"},
    {"R2FBC", "UA2", "EU", 15, "Kaliningrad R2F"},
    {"R2ABC", "UA", "EU", 16, "R2 without F or K is European Russia"},
    {"R0FK", "UA9", "AS", 40, "whole call with zone override"},
    {"R0FKX", "UA9", "AS", 19, "whole-call entry is no prefix"},
    {"RA3CQ/9/M", "UA", "EU", 17, "whole call written with its suffixes"},
    {"UA3ABC/9", "UA9", "AS", 17, "digit suffix moves to Asiatic Russia"},
    {"UA9ABC/1", "UA", "EU", 16, "digit suffix moves to European Russia"},
    {"UA2FM/MM", "UA2", "EU", 13, "maritime mobile listed as a whole call"},
    {"N2NL/MM", "K", "NA", 7, "maritime mobile listed as a whole call"},
    {"4U1VIC", "4U1V", "EU", 15, "WAE-only entity, listed first"},
    {"C7A", "4U1V", "EU", 15, "WAE-only entity, also listed under Austria"},
    {"GB0SI", "GM/s", "EU", 14, "WAE-only entity listed after Scotland, which lists it too"},
    {"GM4ABC", "GM", "EU", 14, "Scotland"},
    {"JW1I", "JW/b", "EU", 40, "Bear Island"},
    {"JW5XX", "JW", "EU", 40, "Svalbard"},
    {"IT9ABC", "IT9", "EU", 15, "Sicily"},
    {"IK1ABC", "I", "EU", 15, "Italy"},
    {"TA1ABC", "TA1", "EU", 20, "European Turkey"},
    {"TA2ABC", "TA", "AS", 20, "Asiatic Turkey"},
    {"DL/K1ABC", "DL", "EU", 14, "country prefix before the call"},
    {"K1ABC/DL", "DL", "EU", 14, "country prefix after the call"},
    {"F/DL1ABC", "F", "EU", 14, "one-letter country prefix"},
    {"K1ABC/P", "K", "NA", 5, "portable"},
    {"DL1ABC/QRP", "DL", "EU", 14, "QRP"},
    {"DL1ABC/M/P", "DL", "EU", 14, "two suffixes"},
    {"DL/K1ABC/P", "DL", "EU", 14, "prefix and suffix"},
    {"OH2BH/OH0", "OH0", "EU", 15, "Aland, prefix with digit"},
    {"K1ABC/KH6", "KH6", "OC", 31, "Hawaii"},
    {"3D2CR", "3D2/c", "OC", 32, "Conway Reef whole call"},
    {"3D2ABC", "3D2", "OC", 32, "Fiji"},
    {"K1ABC/MM", nullptr, nullptr, 0, "maritime mobile: no country"},
    {"Q1ABC", nullptr, nullptr, 0, "no such prefix"},
    {"", nullptr, nullptr, 0, "empty"},
    {"//", nullptr, nullptr, 0, "only separators"},
};

TEST_F(InstalledCty, ResolvesAwkwardCalls) {
  for (const CallCase& c : kCalls) {
    SCOPED_TRACE(std::string(c.call) + " (" + c.why + ")");
    CtyResolution r;
    r.prefix = "stale";
    const bool found = s_cty->Resolve(c.call, r);
    if (!c.prefix) {
      EXPECT_FALSE(found);
      EXPECT_EQ(r.prefix, "");
      EXPECT_EQ(r.entity, nullptr);
      continue;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(r.prefix, c.prefix);
    EXPECT_EQ(r.continent, c.continent);
    EXPECT_EQ(r.cqZone, c.zone);
    ASSERT_NE(r.entity, nullptr);
    EXPECT_EQ(r.entity->prefix, c.prefix);
  }
}

TEST_F(InstalledCty, MarksWaeOnlyEntities) {
  for (const char* call : {"4U1VIC", "GB0SI", "JW1I", "IT9ABC", "TA1ABC"}) {
    CtyResolution r;
    ASSERT_TRUE(s_cty->Resolve(call, r)) << call;
    EXPECT_TRUE(r.entity->waeOnly) << call;
  }
  CtyResolution r;
  ASSERT_TRUE(s_cty->Resolve("DL1ABC", r));
  EXPECT_FALSE(r.entity->waeOnly);
  EXPECT_EQ(r.entity->name, "Fed. Rep. of Germany");
}

// The installed file uses neither continent overrides nor coordinates or time
// offsets; this one does, with CR LF line ends and a record over three lines.
const char kOverrides[] =
    "Testland:                 14:  27:  EU:   50.00:   -10.00:    -1.0:  TL:\r\n"
    "    TL,TL9(20){AS}<30.0/-40.0>~-3.0~[40],\r\n"
    "    =TL1X{AF},=TL2Y/P<1/2>(33),\r\n"
    "    TL8~2~;\r\n"
    "Outer Isle:               33:  37:  AF:   35.00:    -9.00:    -1.0:  *TL5:\r\n"
    "    TL5;\r\n";

TEST(CtyOverrides, ZoneAndContinentApplyOthersAreDropped) {
  CtyFile cty;
  std::string error;
  ASSERT_TRUE(cty.Parse(kOverrides, &error)) << error;
  struct {
    const char* call;
    const char* prefix;
    const char* continent;
    int zone;
  } cases[] = {
      {"TL1AB", "TL", "EU", 14},   {"TL9AB", "TL", "AS", 20},  {"TL1X", "TL", "AF", 14},
      {"TL2Y/P", "TL", "EU", 33},  {"TL2Y", "TL", "EU", 14},   {"TL8AA", "TL", "EU", 14},
      {"TL5AA", "TL5", "AF", 33},  {"TL1AB/TL5", "TL5", "AF", 33},
  };
  for (const auto& c : cases) {
    CtyResolution r;
    ASSERT_TRUE(cty.Resolve(c.call, r)) << c.call;
    EXPECT_EQ(r.prefix, c.prefix) << c.call;
    EXPECT_EQ(r.continent, c.continent) << c.call;
    EXPECT_EQ(r.cqZone, c.zone) << c.call;
  }
  ASSERT_EQ(cty.Entities().size(), 2u);
  EXPECT_TRUE(cty.Entities()[1].waeOnly);
}

TEST(CtyFileErrors, NamesTheLineAndLeavesNothingLoaded) {
  const std::string good = "Testland: 14: 27: EU: 50.00: -10.00: -1.0: TL:\n    TL;\n";
  struct {
    const char* why;
    std::string text;
    const char* line;
  } cases[] = {
      {"header short of fields", good + "Broken: 14: 27: EU: 50.00:\n    TB;\n", "line 3:"},
      {"zone out of range", good + "Broken: 41: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB;\n", "line 3:"},
      {"unknown continent", good + "Broken: 14: 27: XX: 50.00: -10.00: -1.0: TB:\n    TB;\n", "line 3:"},
      {"record without ';' before the next",
       "Testland: 14: 27: EU: 50.00: -10.00: -1.0: TL:\n    TL,\n"
       "Broken: 14: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB;\n",
       "line 3:"},
      {"file ends inside a record", good + "Broken: 14: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB,\n",
       "line 3:"},
      {"unterminated override", good + "Broken: 14: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB(14;\n",
       "line 4:"},
      {"bad zone override", good + "Broken: 14: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB(0);\n", "line 4:"},
      {"bad continent override", good + "Broken: 14: 27: EU: 50.00: -10.00: -1.0: TB:\n    TB{EUR};\n",
       "line 4:"},
      {"no entity at all", "\n\n", "line 2:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    CtyFile cty;
    std::string error;
    EXPECT_FALSE(cty.Parse(c.text, &error));
    EXPECT_EQ(error.rfind(c.line, 0), 0u) << error;
    EXPECT_TRUE(cty.Entities().empty());
    CtyResolution r;
    EXPECT_FALSE(cty.Resolve("TL1AB", r));
  }
}

TEST(CtyFileErrors, MissingFileIsNamed) {
  CtyFile cty;
  std::string error;
  EXPECT_FALSE(cty.Load("/nonexistent/cty.dat", &error));
  EXPECT_NE(error.find("/nonexistent/cty.dat"), std::string::npos);
}

}  // namespace
