// The neutral plug-in pieces under the engine: the directory search and the
// one-step replace, the ini-file settings and the host version detection.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/host_version.h"
#include "plugin/ini_file_settings.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class FileSystemTest : public ::testing::Test {
 protected:
  FileSystemTest() {
    fs::create_directory("host");
    fs::create_directory("host/sub.ini");  // folders are listed as the platform lists them
    for (const char* name : {"a.ini", "B.INI", "Qalo2.ini", "notes.txt", "ini", "x.ini.bak"})
      TempFolder::Write(std::string("host/") + name, "x");
  }
  TempFolder folder;
};

TEST_F(FileSystemTest, FindsNamesByWildcardIgnoringCase) {
  const struct {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"host/*.ini", {"B.INI", "Qalo2.ini", "a.ini", "sub.ini"}},
      {"host\\*.ini", {"B.INI", "Qalo2.ini", "a.ini", "sub.ini"}},
      {"host/*.INI", {"B.INI", "Qalo2.ini", "a.ini", "sub.ini"}},
      {"host/q*2.ini", {"Qalo2.ini"}},
      {"host/?.ini", {"B.INI", "a.ini"}},
      {"host/*", {"B.INI", "Qalo2.ini", "a.ini", "ini", "notes.txt", "sub.ini", "x.ini.bak"}},
      {"host/ini", {"ini"}},
      {"host/*.cbr", {}},
      {"missing/*.ini", {}},
      {"host/", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.names, Sorted(FindFiles(c.pattern))) << c.pattern;
}

TEST_F(FileSystemTest, PatternWithoutFolderSearchesTheCurrentFolder) {
  TempFolder::Write("Qalo2.ini", "x");
  EXPECT_EQ((std::vector<std::string>{"Qalo2.ini"}), FindFiles("*.ini"));
}

TEST_F(FileSystemTest, ReplaceTakesTheSourcesPlaceOrLeavesBoth) {
  TempFolder::Write("new", "fresh");
  TempFolder::Write("old", "stale");
  EXPECT_TRUE(ReplaceFileWith("new", "old"));
  EXPECT_EQ("fresh", TempFolder::Read("old"));
  EXPECT_FALSE(fs::exists("new"));

  TempFolder::Write("new", "second");
  EXPECT_TRUE(ReplaceFileWith("new", "absent"));
  EXPECT_EQ("second", TempFolder::Read("absent"));

  EXPECT_FALSE(ReplaceFileWith("no-such-file", "old"));
  EXPECT_EQ("fresh", TempFolder::Read("old"));
}

class IniFileSettingsTest : public ::testing::Test {
 protected:
  static constexpr const char* kFile = "Plugins/CQ-WW-CW-SSB.ini";
  TempFolder folder;
  IniFileSettings settings{"Plugins\\CQ-WW-CW-SSB.ini", "Settings"};
};

TEST_F(IniFileSettingsTest, WritesCreateFileAndSectionAndReadBack) {
  EXPECT_EQ("", settings.Read("Mode"));  // no file yet
  EXPECT_EQ(0, settings.ReadInt("Mode"));
  settings.Write("Mode", "1");
  settings.WriteInt("Start", 0);
  settings.Write("Mode", "0");  // replaced in place
  EXPECT_EQ("[Settings]\r\nMode=0\r\nStart=0\r\n", TempFolder::Read(kFile));
  EXPECT_EQ("0", settings.Read("Mode"));
  EXPECT_EQ("0", settings.Read("Start"));
  EXPECT_EQ("", settings.Read("Claimed"));

  IniFileSettings again("Plugins/CQ-WW-CW-SSB.ini", "Settings");  // another instance, '/' path
  EXPECT_EQ("0", again.Read("Start"));
}

TEST_F(IniFileSettingsTest, ReadsLikeThePrivateProfileService) {
  TempFolder::Write(kFile,
                    "; written by hand\n"
                    "[Other]\n"
                    "Mode=7\n"
                    "\n"
                    "[ settings ]\r\n"
                    "  MODE = 1 \r\n"
                    "Name=\"Jane Doe\"\r\n"
                    "Quote='x\"\r\n"
                    "Empty=\r\n"
                    "Text=abc\r\n"
                    "Long=" + std::string(150, 'L') + "\r\n"
                    "Eight=\xC4\xE4\xFF\r\n"
                    "[Third]\r\n"
                    "Text=other\r\n");
  const struct {
    const char* key;
    std::string value;
  } cases[] = {
      {"Mode", "1"},          {"mode", "1"},     {"Name", "Jane Doe"},
      {"Quote", "'x\""},      {"Empty", ""},     {"Text", "abc"},
      {"Long", std::string(99, 'L')},            {"Eight", "\xC4\xE4\xFF"},
      {"Missing", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, settings.Read(c.key)) << c.key;
  // A default stands in for a missing key only.
  EXPECT_EQ("", settings.ReadOr("Empty", "OWN"));
  EXPECT_EQ("abc", settings.ReadOr("Text", "OWN"));
  EXPECT_EQ("OWN", settings.ReadOr("Missing", "OWN"));
  EXPECT_EQ(std::string(99, 'D'), settings.ReadOr("Missing", std::string(120, 'D')));
  EXPECT_EQ(1, settings.ReadInt("MODE"));
  EXPECT_EQ(0, settings.ReadInt("Text"));
}

TEST_F(IniFileSettingsTest, WriteKeepsEveryOtherLineAndAddsKeysToTheirSection) {
  TempFolder::Write(kFile, "[Other]\r\nMode=7\r\n\r\n[Settings]\r\nmode=1\r\nA=a\r\n\r\n[Third]\r\nB=b\r\n");
  settings.Write("Mode", "0");
  settings.Write("New", "n");
  EXPECT_EQ("[Other]\r\nMode=7\r\n\r\n[Settings]\r\nmode=0\r\nA=a\r\nNew=n\r\n\r\n[Third]\r\nB=b\r\n",
            TempFolder::Read(kFile));
  EXPECT_EQ("0", settings.Read("MODE"));
}

TEST_F(IniFileSettingsTest, WriteIntoAMissingFolderIsIgnored) {
  IniFileSettings nowhere("NoFolder\\x.ini", "Settings");
  nowhere.Write("Mode", "1");
  EXPECT_EQ("", nowhere.Read("Mode"));
  EXPECT_FALSE(fs::exists("NoFolder"));
}

// Every write replaces the file in one step: the new content is complete
// beside it before it takes the old one's place, and a file that cannot be
// read or a copy that cannot be written leaves the old file as it was.
TEST_F(IniFileSettingsTest, WriteReplacesTheWholeFileOrLeavesItAsItWas) {
  const std::string operatorsFile = "[Settings]\r\nName=Ann\r\nClaimed=1\r\n";
  TempFolder::Write(kFile, operatorsFile);
  settings.Write("Claimed", "1");  // unchanged: nothing is written
  EXPECT_EQ(operatorsFile, TempFolder::Read(kFile));

  settings.Write("Claimed", "2");
  EXPECT_EQ("[Settings]\r\nName=Ann\r\nClaimed=2\r\n", TempFolder::Read(kFile));
  EXPECT_FALSE(fs::exists(std::string(kFile) + ".tmp"));

  // The copy cannot be made (a folder in its place): the file stays whole.
  fs::create_directory(std::string(kFile) + ".tmp");
  settings.Write("Claimed", "3");
  EXPECT_EQ("2", settings.Read("Claimed"));
  EXPECT_EQ("Ann", settings.Read("Name"));
  fs::remove(std::string(kFile) + ".tmp");

  // The file cannot be read (a folder stands for it): it is not replaced by
  // one that lacks the keys it holds.
  fs::remove(kFile);
  fs::create_directory(kFile);
  settings.Write("Claimed", "4");
  EXPECT_TRUE(fs::is_directory(kFile));
}

class HostVersionTest : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(HostVersionTest, FindsTheVersionAsTheHostWritesIt) {
  // The version goes into the Cabrillo file's CREATED-BY line: it is read as
  // every other setting is (99 characters at most) and keeps no control
  // characters that would break that line.
  static const std::string longLine = "Qalo=" + std::string(100000, 'v') + "\r\n";
  static const std::string cutVersion(99, 'v');
  const struct {
    const char* name;
    std::vector<std::string> hostFiles;  // ini files in the searched folder
    const char* workingFile;             // "Qalo2.ini" in the current folder, or nullptr
    const char* before;
    const char* after;
  } cases[] = {
      {"host file among others", {"Other.ini", "Qalo2.ini"}, "[Main]\r\nQalo=2.20\r\nX=1\r\n", "",
       "2.20"},
      {"other ini files only", {"Other.ini", "Qalo3.ini"}, "Qalo=2.20\r\n", "2.19", "Qalo"},
      {"no ini files at all", {}, "Qalo=2.20\r\n", "2.19", "Qalo"},
      {"name merely contains it", {"MyQalo2.ini"}, "Qalo=2.17\r\n", "", "2.17"},
      {"name in small letters", {"qalo2.ini"}, "Qalo=2.20\r\n", "2.19", "Qalo"},
      {"text before Qalo=", {"Qalo2.ini"}, "12345678Qalo=2.20\r\n", "", "678Qalo=2.20"},
      {"first line wins", {"Qalo2.ini"}, "Qalo=2.18\r\nQalo=2.20\r\n", "", "2.18"},
      {"line feeds only", {"Qalo2.ini"}, "[Main]\nQalo=2.14R\n", "", "2.14R"},
      {"last line without end", {"Qalo2.ini"}, "[Main]\r\nQalo=2.16", "", "2.16"},
      {"lone CR at the end, a control character", {"Qalo2.ini"}, "Qalo=2.16\r", "", "2.16"},
      {"no Qalo= line", {"Qalo2.ini"}, "[Main]\r\nqalo=2.20\r\n", "2.19", "2.19"},
      {"not in the working folder", {"Qalo2.ini"}, nullptr, "2.19", "2.19"},
      {"a long line", {"Qalo2.ini"}, longLine.c_str(), "", cutVersion.c_str()},
      {"control characters", {"Qalo2.ini"}, "Qalo=2.\x01" "20\t\x7f\r\r\n", "", "2.20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all("host");
    fs::remove("Qalo2.ini");
    fs::create_directory("host");
    // The searched folder's own copy is never read: the bare name is opened.
    for (const std::string& name : c.hostFiles) TempFolder::Write("host/" + name, "Qalo=9.99\r\n");
    if (c.workingFile) TempFolder::Write("Qalo2.ini", c.workingFile);
    std::string version = c.before;
    DetectHostVersion("host/", version);
    EXPECT_EQ(c.after, version);
  }
}

TEST_F(HostVersionTest, MissingFolderFallsBackToTheHostsName) {
  TempFolder::Write("Qalo2.ini", "Qalo=2.20\r\n");
  std::string version = "2.20";
  DetectHostVersion("no-such-folder/", version);
  EXPECT_EQ("Qalo", version);
}

}  // namespace
