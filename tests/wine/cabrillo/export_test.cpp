// The Cabrillo export as the host drives it, against the real Stats.dll:
// ResetStats0 with the export request opens the header dialog on the calling
// thread; the stand-in host's dialog answerer plays the operator on a thread
// of its own (reads what the dialog shows, types, ends it with OK, CANCEL,
// Escape or the close box); then AddData0 for the log and GetResult0, whose
// "Output" message box the answerer reads and closes. Each case runs in a
// fresh host folder and checks the file, the message and the settings keys.
//
// Usage: cabrillo_export <path of Stats.dll>. Prints every failed check and
// exits non-zero when there was one.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/checks.h"
#include "tools/host/dialog_answerer.h"
#include "tools/host/host_date.h"
#include "tools/host/host_folder.h"
#include "tools/host/plugin_library.h"

namespace {

// --- checks ---------------------------------------------------------------

// The case a check belongs to, named in front of it. The operator's checks
// run on the answerer's thread while the host's thread waits in the dialog.
std::string g_case;

void ExpectEq(const std::string& what, const std::string& actual, const std::string& expected) {
  wine_test::CheckText(actual, expected, g_case + ": " + what);
}

void ExpectTrue(const std::string& what, bool condition) {
  wine_test::Check(condition, g_case + ": " + what);
}

// --- the host's side of the library -----------------------------------------

using host::HostDate;

host::PluginLibrary g_dll;

const double kFirstDay = 46354.0;  // 2026-11-28
const double kLastDay = 46355.0;   // 2026-11-29

// An export request, exactly as the host passes it.
void ResetForExport(const std::string& folderPrefix, const std::string& ownCall) {
  host::PluginRun run;
  run.folderPrefix = folderPrefix;
  run.exportRequest = 1;
  run.contestant = ownCall;
  run.firstDay = HostDate{kFirstDay, 0, 0};
  run.lastDay = HostDate{kLastDay, 0, 0};
  run.ownPrefix = "DL";
  run.ownContinent = "EU";
  g_dll.ResetStats(run);
}

// --- the host folder ----------------------------------------------------------

std::string g_folder;  // current host folder, with a trailing backslash

std::string IniPath() { return g_folder + "Plugins\\CQ-WW-CW-SSB.ini"; }

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string TempRoot() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "stats-cabrillo";
}

// A fresh host folder as the current folder, with the host's own settings
// file and the plug-in's keys in it.
void NewHostFolder(const std::string& name, const Keys& keys,
                   const std::string& hostVersion = "2.30") {
  host::FolderLayout layout;
  layout.folder = TempRoot() + "\\" + name;
  layout.hostVersion = hostVersion;
  layout.settings = keys;
  host::PreparedFolder folder;
  std::string error;
  // Out of the folder first, so that it can go with everything an earlier run
  // left in it.
  SetCurrentDirectoryA(TempRoot().c_str());
  host::RemoveFolder(layout.folder);
  const bool made = host::PrepareFolder(layout, folder, &error);
  ExpectTrue("host folder prepared" + (error.empty() ? "" : ": " + error), made);
  g_folder = folder.folderPrefix;
  SetCurrentDirectoryA(folder.fullPath.c_str());
}

// The key's value, or "<missing>".
std::string ReadKey(const char* key) {
  char buffer[512];
  GetPrivateProfileStringA("Settings", key, "<missing>", buffer, sizeof buffer, IniPath().c_str());
  return buffer;
}

std::string ReadFile(const std::string& name) {
  std::string content;
  host::ReadWholeFile(name, content);
  return content;
}

bool FileExists(const std::string& name) {
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

const char* const kHeaderKeys[] = {"Operators", "Name", "Address", "Address_City",
                                   "Address_St_Prov", "Address_PostalCode", "Address_Country",
                                   "Category", "Category_Overlay", "Contest", "Email", "Club",
                                   "SoapBox"};

std::map<std::string, std::string> HeaderKeys() {
  std::map<std::string, std::string> keys;
  for (const char* key : kHeaderKeys) keys[key] = ReadKey(key);
  return keys;
}

// --- the operator's side: the answerer's thread -------------------------------

std::string Text(HWND window) {
  char buffer[4096];
  buffer[0] = 0;
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

void SetItemText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ChooseEntry(HWND dialog, int id, const std::string& entry) {
  const LRESULT index = SendDlgItemMessageA(dialog, id, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(entry.c_str()));
  ExpectTrue("combo " + std::to_string(id) + " has " + entry, index != CB_ERR);
}

std::vector<std::string> ComboEntries(HWND dialog, int id) {
  std::vector<std::string> entries;
  const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    char buffer[256] = {0};
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    entries.push_back(buffer);
  }
  return entries;
}

std::string Joined(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& e : v) s += (s.empty() ? "" : ",") + e;
  return s;
}

// What a combo box shows: its text, and the entry selected ("" for none).
void ExpectCombo(HWND dialog, int id, const std::string& text, const std::string& selected) {
  const std::string name = "combo " + std::to_string(id);
  ExpectEq(name + " text", ItemText(dialog, id), text);
  const LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
  std::string entry;
  if (index != CB_ERR) entry = ComboEntries(dialog, id).at(static_cast<size_t>(index));
  ExpectEq(name + " selection", entry, selected);
}

// GetResult0 with an answerer for its message box; returns the box's text, or
// "<no message box>".
std::string ResultWithMessage() {
  host::DialogAnswerer answerer(/*confirmHeader=*/true);
  answerer.Start();
  int out = 0;
  g_dll.GetResult(&out);
  answerer.Stop();
  const host::DialogEvents events = answerer.Events();
  ExpectTrue("at most one message box", events.outputBoxes <= 1);
  return events.outputTexts.empty() ? "<no message box>" : events.outputTexts.front();
}

// --- the cases ----------------------------------------------------------------

const char kOwnCall[] = "Q0/Q9QQ";

// The operator's own keys, and keys the dialog does not start from: it starts
// from the fixed values whatever was stored ("Contest", "Category",
// "Category_Overlay").
const Keys kPersonalKeys = {
    {"Name", "Ann Operator"},      {"Address", "1 Main Street"},
    {"Address_City", "Springfield"}, {"Address_St_Prov", "XY"},
    {"Address_PostalCode", "12345"}, {"Address_Country", "Utopia"},
    {"Claimed", "4321"},           {"Email", "ann@example.org"},
    {"Club", "Test Club"},         {"SoapBox", "first line<CR><LF>second line"},
    {"Contest", "OLD-CONTEST"},    {"Category", "MULTI-OP"},
    {"Category_Overlay", "ROOKIE"}};

// The personal keys with others before them.
Keys WithPersonalKeys(Keys keys) {
  keys.insert(keys.end(), kPersonalKeys.begin(), kPersonalKeys.end());
  return keys;
}

void CheckListsAsShown(HWND d) {
  ExpectEq("1013 entries", Joined(ComboEntries(d, 1013)), "SINGLE-OP,MULTI-MULTI,MULTI-OP,CHECKLOG");
  ExpectEq("1014 entries", Joined(ComboEntries(d, 1014)), "ALL,80M,40M,20M,15M,10M");
  ExpectEq("1016 entries", Joined(ComboEntries(d, 1016)), "ASSISTED,NON-ASSISTED");
  ExpectEq("1021 entries (sorted)", Joined(ComboEntries(d, 1021)), "HIGH,LOW,QRP");
  ExpectEq("1022 entries (sorted)", Joined(ComboEntries(d, 1022)), "ONE,TWO,UNLIMITED");
  ExpectEq("1023 entries (sorted)", Joined(ComboEntries(d, 1023)), "CLASSIC,ROOKIE");
  ExpectEq("1025 entries (sorted)", Joined(ComboEntries(d, 1025)),
           "EXPEDITION,FIXED,HQ,MOBILE,PORTABLE,ROVER,SCHOOL");
  const std::vector<std::string> locations = ComboEntries(d, 1024);
  ExpectEq("1024 entry count", std::to_string(locations.size()), "64");
  if (locations.size() == 64) {
    ExpectEq("1024 first entries", locations[0] + "," + locations[1] + "," + locations[2], "DX,--/--,AL");
    ExpectEq("1024 last entries", locations[62] + "," + locations[63], "YT,PEI");
  }
}

// The start values with the personal keys, in the CW contest, with no
// "Operators" key.
void CheckStartValues(HWND d) {
  const struct {
    const char* what;
    int id;
    const char* text;
  } fields[] = {
      {"callsign", 1010, kOwnCall},
      {"operators default to the own call", 1006, kOwnCall},
      {"name", 1007, "Ann Operator"},
      {"address", 1002, "1 Main Street"},
      {"city", 1003, "Springfield"},
      {"state or province", 1011, "XY"},
      {"postal code", 1012, "12345"},
      {"country", 1015, "Utopia"},
      {"claimed", 1008, "4321"},
      {"contest", 1009, "CQ-WW-CW"},
      {"email", 1004, "ann@example.org"},
      {"club", 1005, "Test Club"},
      {"soap box, two lines", 1001, "first line\r\nsecond line"},
      {"mode", 1020, "CW"},
  };
  for (const auto& field : fields) ExpectEq(field.what, ItemText(d, field.id), field.text);
  const struct {
    int id;
    const char* text;
    const char* selected;
  } combos[] = {
      {1013, "SINGLE-OP", "SINGLE-OP"},
      {1014, "ALL", "ALL"},
      {1016, "NON-ASSISTED", "NON-ASSISTED"},
      {1021, "HIGH", "HIGH"},
      {1022, "ONE", "ONE"},
      {1023, "NONE", ""},  // typed text: the list has no such entry
      {1024, "DX", "DX"},
      {1025, "FIXED", "FIXED"},
  };
  for (const auto& combo : combos) ExpectCombo(d, combo.id, combo.text, combo.selected);
}

// The operator's edits of the confirmed case.
void TypeNewValues(HWND d) {
  SetItemText(d, 1007, "Bob Builder");
  SetItemText(d, 1006, "Q0/Q9QQ Q1ABC");
  SetItemText(d, 1001, "one\r\ntwo");
  SetItemText(d, 1009, "MY-CONTEST");
  SetItemText(d, 1008, "999999");  // shown only: must change nothing
  SetItemText(d, 1014, "15m");     // typed, not chosen: taken as typed
  ChooseEntry(d, 1023, "ROOKIE");
  ChooseEntry(d, 1021, "LOW");
  ChooseEntry(d, 1024, "NWT");
  ChooseEntry(d, 1025, "PORTABLE");
  ChooseEntry(d, 1016, "ASSISTED");
}

// The log as the host hands it over: own call, call, time, frequency, mode,
// reports, exchanges, and the call's prefix, continent and band.
const host::PluginQso kLog[] = {
    {kOwnCall, "W1AW", HostDate{kFirstDay + (12 * 60 + 34) / 1440.0, 0, 0}, 14025000, "CW",
     "599", "599", "14", "05", "K", "NA", "20m"},
    {kOwnCall, "JA1XYZ", HostDate{kFirstDay + (13 * 60 + 5) / 1440.0, 0, 0}, 7012500, "CW",
     "599", "599", "14", "2501", "JA", "AS", "40m"},
};

std::string ExpectedFile(const std::string& claimed) {
  return "START-OF-LOG: 3.0\r\n"
         "CALLSIGN: Q0/Q9QQ\r\n"
         "CONTEST: CQ-WW-CW\r\n"
         "CATEGORY-OPERATOR: SINGLE-OP\r\n"
         "CATEGORY-ASSISTED: ASSISTED\r\n"
         "CATEGORY-BAND: 15m\r\n"
         "CATEGORY-MODE: CW\r\n"
         "CATEGORY-POWER: LOW\r\n"
         "CATEGORY-STATION: PORTABLE\r\n"
         "CATEGORY-TRANSMITTER: ONE\r\n"
         "CLAIMED-SCORE: " + claimed + "\r\n"
         "CLUB: Test Club\r\n"
         "CREATED-BY: Qalo 2.30\r\n"
         "LOCATION: NWT\r\n"
         "EMAIL: ann@example.org\r\n"
         "NAME: Bob Builder\r\n"
         "ADDRESS: 1 Main Street\r\n"
         "ADDRESS-CITY: Springfield\r\n"
         "ADDRESS-STATE-PROVINCE: XY\r\n"
         "ADDRESS-POSTALCODE: 12345\r\n"
         "ADDRESS-COUNTRY: Utopia\r\n"
         "OPERATORS: Q0/Q9QQ Q1ABC\r\n"
         "SOAPBOX: one\r\n"
         "SOAPBOX: two\r\n"
         "QSO: 14025 CW 2026-11-28 1234 Q0/Q9QQ       599 14     W1AW          599 05\r\n"
         "QSO:  7012 CW 2026-11-28 1305 Q0/Q9QQ       599 14     JA1XYZ        599 02 01\r\n"
         "END-OF-LOG:\r\n";
}

// Runs one export request with `operate` as the operator's work in the header
// dialog, which `ending` then ends; false when the dialog never appeared.
bool ExportRequest(host::HeaderEnding ending, host::HeaderWork operate = nullptr) {
  host::DialogAnswerer answerer(ending, std::move(operate));
  answerer.Start();
  ResetForExport(g_folder, kOwnCall);
  answerer.Stop();
  const bool seen = answerer.Events().headerDialogs == 1;
  ExpectTrue("the header dialog appeared", seen);
  return seen;
}

// The log, all CW QSOs: stored in the CW contest, rejected in the SSB one.
void FeedLog(bool cwContest = true) {
  for (const host::PluginQso& qso : kLog) {
    ExpectEq("AddData0 of " + qso.call, std::to_string(g_dll.AddData(qso)),
             cwContest ? "1" : "0");
  }
}

// OK: the typed values reach the file and the settings; the next export starts
// again from what was stored (and from the fixed values where nothing is read).
void ConfirmedExport() {
  g_case = "confirmed";
  NewHostFolder("confirmed", WithPersonalKeys({{"Mode", "1"}}));
  ExportRequest(host::HeaderEnding::kOk, [](HWND d) {
    CheckListsAsShown(d);
    CheckStartValues(d);
    TypeNewValues(d);
  });
  FeedLog();
  ExpectEq("message", ResultWithMessage(), "File produced: Q0_Q9QQ.cbr");
  const std::string claimed = ReadKey("Claimed");
  ExpectTrue("a claimed score was stored", claimed != "<missing>" && claimed != "999999");
  ExpectEq("file", ReadFile("Q0_Q9QQ.cbr"), ExpectedFile(claimed));
  const std::map<std::string, std::string> expectedKeys = {
      {"Operators", "Q0/Q9QQ Q1ABC"}, {"Name", "Bob Builder"}, {"Address", "1 Main Street"},
      {"Address_City", "Springfield"}, {"Address_St_Prov", "XY"},
      {"Address_PostalCode", "12345"}, {"Address_Country", "Utopia"},
      {"Category", "SINGLE-OP"}, {"Category_Overlay", "ROOKIE"}, {"Contest", "MY-CONTEST"},
      {"Email", "ann@example.org"}, {"Club", "Test Club"}, {"SoapBox", "one<CR><LF>two"}};
  for (const auto& [key, value] : HeaderKeys()) ExpectEq("key " + key, value, expectedKeys.at(key));

  g_case = "next export";
  ExportRequest(host::HeaderEnding::kOk, [](HWND d) {
    ExpectEq("operators as stored", ItemText(d, 1006), "Q0/Q9QQ Q1ABC");
    ExpectEq("name as stored", ItemText(d, 1007), "Bob Builder");
    ExpectEq("soap box as stored, two lines", ItemText(d, 1001), "one\r\ntwo");
    ExpectEq("contest from its fixed value", ItemText(d, 1009), "CQ-WW-CW");
    ExpectCombo(d, 1023, "NONE", "");
    ExpectCombo(d, 1013, "SINGLE-OP", "SINGLE-OP");
  });
  FeedLog();
  ExpectEq("message", ResultWithMessage(), "File produced: Q0_Q9QQ.cbr");
  const std::string file = ReadFile("Q0_Q9QQ.cbr");
  ExpectTrue("the second file has each QSO once",
             file.find("W1AW") != std::string::npos &&
                 file.find("W1AW") == file.rfind("W1AW"));
}

// Every end other than OK: no header key is written, export mode ends (no
// file, no message box), and what the operator typed is dropped.
void CancelledExports() {
  const struct {
    const char* name;
    const char* folder;
    host::HeaderEnding ending;
  } cases[] = {
      {"cancel button", "cancel", host::HeaderEnding::kCancelButton},
      {"escape", "escape", host::HeaderEnding::kEscape},
      {"close box", "close", host::HeaderEnding::kCloseBox},
  };
  for (const auto& c : cases) {
    g_case = c.name;
    NewHostFolder(c.folder, kPersonalKeys);  // "Mode" missing: the SSB contest
    const std::map<std::string, std::string> before = HeaderKeys();
    ExportRequest(c.ending, [](HWND d) {
      ExpectEq("contest", ItemText(d, 1009), "CQ-WW-SSB");
      ExpectEq("mode", ItemText(d, 1020), "SSB");
      SetItemText(d, 1007, "Typed But Cancelled");
      ChooseEntry(d, 1023, "CLASSIC");
    });
    ExpectTrue("header keys unchanged", HeaderKeys() == before);
    FeedLog(/*cwContest=*/false);
    ExpectEq("message", ResultWithMessage(), "<no message box>");
    ExpectTrue("no file", !FileExists("Q0_Q9QQ.cbr"));
  }
}

// A file that cannot be written is reported as such, never as produced.
void UnwritableFile() {
  g_case = "unwritable";
  NewHostFolder("unwritable", {{"Mode", "1"}});
  CreateDirectoryA("Q0_Q9QQ.cbr", nullptr);
  ExportRequest(host::HeaderEnding::kOk);
  FeedLog();
  ExpectEq("message", ResultWithMessage(), "File not produced: Q0_Q9QQ.cbr");
}

// An "Operators" key the operator emptied stays empty (only a missing key
// starts with the own call), and the host's version reaches the CREATED-BY
// line bounded to 99 characters and without control characters.
void EmptyOperatorsAndAnUnrulyHostVersion() {
  g_case = "empty operators, long version";
  NewHostFolder("operators", {{"Mode", "1"}, {"Operators", ""}},
                "2.30\x01" + std::string(5000, 'v'));
  ExportRequest(host::HeaderEnding::kOk, [](HWND d) {
    ExpectEq("operators as stored, empty", ItemText(d, 1006), "");
  });
  FeedLog();
  ExpectEq("message", ResultWithMessage(), "File produced: Q0_Q9QQ.cbr");
  const std::string file = ReadFile("Q0_Q9QQ.cbr");
  ExpectTrue("operators line empty", file.find("\r\nOPERATORS: \r\n") != std::string::npos);
  const std::string createdBy = "\r\nCREATED-BY: Qalo 2.30" + std::string(95, 'v') + "\r\n";
  ExpectTrue("CREATED-BY bounded and clean", file.find(createdBy) != std::string::npos);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: %s <Stats.dll>\n", argv[0]);
    return 2;
  }
  std::string error;
  if (!g_dll.Load(argv[1], /*decoratedNames=*/false, &error)) {
    std::printf("%s\n", error.c_str());
    return 2;
  }

  ConfirmedExport();
  CancelledExports();
  UnwritableFile();
  EmptyOperatorsAndAnUnrulyHostVersion();

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  SetCurrentDirectoryA(temp);
  host::RemoveFolder(TempRoot());
  g_dll.Unload();

  std::printf("%d failed checks\n", wine_test::g_failures.load());
  return wine_test::g_failures == 0 ? 0 : 1;
}
