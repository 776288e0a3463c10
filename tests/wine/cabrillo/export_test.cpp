// The Cabrillo export as the host drives it, against the real Stats.dll:
// ResetStats0 with the export request opens the header dialog on the calling
// thread; a second thread plays the operator (reads what the dialog shows,
// types, ends it with OK, CANCEL, Escape or the close box); then AddData0 for
// the log and GetResult0, whose "Output" message box the second thread reads
// and closes. Each case runs in a fresh host folder and checks the file, the
// message and the settings keys.
//
// Usage: cabrillo_export <path of Stats.dll>. Prints every failed check and
// exits non-zero when there was one.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/checks.h"
#include "tools/host/host_date.h"
#include "tools/host/plugin_library.h"

namespace {

// --- checks ---------------------------------------------------------------

std::mutex g_failuresLock;
std::vector<std::string> g_failures;
std::string g_case;

void Fail(const std::string& what) {
  std::lock_guard<std::mutex> hold(g_failuresLock);
  g_failures.push_back(g_case + ": " + what);
  std::printf("FAIL %s: %s\n", g_case.c_str(), what.c_str());
  std::fflush(stdout);
}

std::string Shown(const std::string& s) { return "\"" + wine_test::Visible(s) + "\""; }

void ExpectEq(const std::string& what, const std::string& actual, const std::string& expected) {
  if (actual != expected) Fail(what + ": " + Shown(actual) + ", expected " + Shown(expected));
}

void ExpectTrue(const std::string& what, bool condition) {
  if (!condition) Fail(what);
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

struct Qso {
  const char* call;
  double time;  // days
  unsigned freqHz;
  const char* exchSent;
  const char* exchRcvd;
  const char* prefix;
  const char* continent;
  const char* band;
};

int AddQso(const std::string& ownCall, const Qso& q) {
  host::PluginQso qso;
  qso.ownCall = ownCall;
  qso.call = q.call;
  qso.time = HostDate{q.time, 0, 0};
  qso.freqHz = q.freqHz;
  qso.mode = "CW";
  qso.rstSent = "599";
  qso.rstRcvd = "599";
  qso.exchSent = q.exchSent;
  qso.exchRcvd = q.exchRcvd;
  qso.prefix = q.prefix;
  qso.continent = q.continent;
  qso.band = q.band;
  return g_dll.AddData(qso);
}

// --- the host folder ----------------------------------------------------------

std::string g_folder;  // current host folder, with a trailing backslash

std::string IniPath() { return g_folder + "Plugins\\CQ-WW-CW-SSB.ini"; }

// Removes a folder with everything in it; `path` ends with a backslash.
void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + name + "\\");
      } else {
        DeleteFileA((path + name).c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

std::string TempRoot() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "stats-cabrillo\\";
}

// A fresh, empty host folder as the current folder, with the host's own
// settings file in it. Leftovers of an earlier run are removed first.
void NewHostFolder(const std::string& name) {
  CreateDirectoryA(TempRoot().c_str(), nullptr);
  g_folder = TempRoot() + name + "\\";
  SetCurrentDirectoryA(TempRoot().c_str());
  RemoveTree(g_folder);
  CreateDirectoryA(g_folder.c_str(), nullptr);
  CreateDirectoryA((g_folder + "Plugins").c_str(), nullptr);
  SetCurrentDirectoryA(g_folder.c_str());
  std::ofstream(g_folder + "Qalo2.ini", std::ios::binary) << "[Qalo]\r\nQalo=2.30\r\n";
}

void WriteKey(const char* key, const char* value) {
  WritePrivateProfileStringA("Settings", key, value, IniPath().c_str());
}

// The key's value, or "<missing>".
std::string ReadKey(const char* key) {
  char buffer[512];
  GetPrivateProfileStringA("Settings", key, "<missing>", buffer, sizeof buffer, IniPath().c_str());
  return buffer;
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

// --- the operator's side: a second thread ------------------------------------

const char kDialogCaption[] = "CQ WW CW/SSB DX Contest ";
const char kOutputCaption[] = "Output";
const DWORD kWindowTimeoutMs = 120000;

// Waits on its own thread for a visible dialog with the caption, runs `act`
// on it once, and stops. Finish() ends the wait and tells whether it came.
class Watcher {
 public:
  Watcher(const char* caption, std::function<void(HWND)> act)
      : m_thread([this, caption, act] {
          const DWORD start = GetTickCount();
          while (!m_stop && GetTickCount() - start < kWindowTimeoutMs) {
            HWND window = FindWindowA("#32770", caption);
            if (window && IsWindowVisible(window)) {
              act(window);
              m_seen = true;
              return;
            }
            Sleep(20);
          }
        }) {}
  bool Finish() {
    m_stop = true;
    m_thread.join();
    return m_seen;
  }

 private:
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_seen{false};
  std::thread m_thread;
};

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

enum class Ending { kOk, kCancelButton, kEscape, kCloseBox };

void EndDialogBy(HWND dialog, Ending ending) {
  switch (ending) {
    case Ending::kOk:
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
      break;
    case Ending::kCancelButton:
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      break;
    case Ending::kEscape: {
      // The key goes where the operator's keys go: the control with the focus.
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
      HWND target = info.hwndFocus ? info.hwndFocus : dialog;
      PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
      break;
    }
    case Ending::kCloseBox:
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

// The message box's text: the texts of its static controls.
BOOL CALLBACK AddStaticText(HWND child, LPARAM param) {
  char cls[32] = {0};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) *reinterpret_cast<std::string*>(param) += Text(child);
  return TRUE;
}

std::string MessageBoxText(HWND box) {
  std::string text;
  EnumChildWindows(box, AddStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

// GetResult0 with a watcher for its message box; returns the box's text, or
// "<no message box>".
std::string ResultWithMessage() {
  std::string message = "<no message box>";
  Watcher watcher(kOutputCaption, [&message](HWND box) {
    message = MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  int out = 0;
  g_dll.GetResult(&out);
  watcher.Finish();
  return message;
}

// --- the cases ----------------------------------------------------------------

const char kOwnCall[] = "Q0/Q9QQ";

void WritePersonalKeys() {
  WriteKey("Name", "Ann Operator");
  WriteKey("Address", "1 Main Street");
  WriteKey("Address_City", "Springfield");
  WriteKey("Address_St_Prov", "XY");
  WriteKey("Address_PostalCode", "12345");
  WriteKey("Address_Country", "Utopia");
  WriteKey("Claimed", "4321");
  WriteKey("Email", "ann@example.org");
  WriteKey("Club", "Test Club");
  WriteKey("SoapBox", "first line<CR><LF>second line");
  // Written only: the dialog starts from the fixed values whatever was stored.
  WriteKey("Contest", "OLD-CONTEST");
  WriteKey("Category", "MULTI-OP");
  WriteKey("Category_Overlay", "ROOKIE");
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

// The start values with the personal keys of WritePersonalKeys, in the CW
// contest, with no "Operators" key.
void CheckStartValues(HWND d) {
  ExpectEq("callsign", ItemText(d, 1010), kOwnCall);
  ExpectEq("operators default to the own call", ItemText(d, 1006), kOwnCall);
  ExpectEq("name", ItemText(d, 1007), "Ann Operator");
  ExpectEq("address", ItemText(d, 1002), "1 Main Street");
  ExpectEq("city", ItemText(d, 1003), "Springfield");
  ExpectEq("state or province", ItemText(d, 1011), "XY");
  ExpectEq("postal code", ItemText(d, 1012), "12345");
  ExpectEq("country", ItemText(d, 1015), "Utopia");
  ExpectEq("claimed", ItemText(d, 1008), "4321");
  ExpectEq("contest", ItemText(d, 1009), "CQ-WW-CW");
  ExpectEq("email", ItemText(d, 1004), "ann@example.org");
  ExpectEq("club", ItemText(d, 1005), "Test Club");
  ExpectEq("soap box, two lines", ItemText(d, 1001), "first line\r\nsecond line");
  ExpectEq("mode", ItemText(d, 1020), "CW");
  ExpectCombo(d, 1013, "SINGLE-OP", "SINGLE-OP");
  ExpectCombo(d, 1014, "ALL", "ALL");
  ExpectCombo(d, 1016, "NON-ASSISTED", "NON-ASSISTED");
  ExpectCombo(d, 1021, "HIGH", "HIGH");
  ExpectCombo(d, 1022, "ONE", "ONE");
  ExpectCombo(d, 1023, "NONE", "");  // typed text: the list has no such entry
  ExpectCombo(d, 1024, "DX", "DX");
  ExpectCombo(d, 1025, "FIXED", "FIXED");
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

const Qso kLog[] = {
    {"W1AW", kFirstDay + (12 * 60 + 34) / 1440.0, 14025000, "14", "05", "K", "NA", "20m"},
    {"JA1XYZ", kFirstDay + (13 * 60 + 5) / 1440.0, 7012500, "14", "2501", "JA", "AS", "40m"},
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

// Runs one export request with `operate` as the operator; false when the
// dialog never appeared.
bool ExportRequest(const std::function<void(HWND)>& operate) {
  Watcher watcher(kDialogCaption, operate);
  ResetForExport(g_folder, kOwnCall);
  const bool seen = watcher.Finish();
  ExpectTrue("the header dialog appeared", seen);
  return seen;
}

// The log, all CW QSOs: stored in the CW contest, rejected in the SSB one.
void FeedLog(bool cwContest = true) {
  for (const Qso& q : kLog) {
    ExpectEq(std::string("AddData0 of ") + q.call, std::to_string(AddQso(kOwnCall, q)),
             cwContest ? "1" : "0");
  }
}

// OK: the typed values reach the file and the settings; the next export starts
// again from what was stored (and from the fixed values where nothing is read).
void ConfirmedExport() {
  g_case = "confirmed";
  NewHostFolder("confirmed");
  WriteKey("Mode", "1");
  WritePersonalKeys();
  ExportRequest([](HWND d) {
    CheckListsAsShown(d);
    CheckStartValues(d);
    TypeNewValues(d);
    EndDialogBy(d, Ending::kOk);
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
  ExportRequest([](HWND d) {
    ExpectEq("operators as stored", ItemText(d, 1006), "Q0/Q9QQ Q1ABC");
    ExpectEq("name as stored", ItemText(d, 1007), "Bob Builder");
    ExpectEq("soap box as stored, two lines", ItemText(d, 1001), "one\r\ntwo");
    ExpectEq("contest from its fixed value", ItemText(d, 1009), "CQ-WW-CW");
    ExpectCombo(d, 1023, "NONE", "");
    ExpectCombo(d, 1013, "SINGLE-OP", "SINGLE-OP");
    EndDialogBy(d, Ending::kOk);
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
    Ending ending;
  } cases[] = {
      {"cancel button", "cancel", Ending::kCancelButton},
      {"escape", "escape", Ending::kEscape},
      {"close box", "close", Ending::kCloseBox},
  };
  for (const auto& c : cases) {
    g_case = c.name;
    NewHostFolder(c.folder);
    WritePersonalKeys();  // "Mode" missing: the SSB contest
    const std::map<std::string, std::string> before = HeaderKeys();
    const Ending ending = c.ending;
    ExportRequest([ending](HWND d) {
      ExpectEq("contest", ItemText(d, 1009), "CQ-WW-SSB");
      ExpectEq("mode", ItemText(d, 1020), "SSB");
      SetItemText(d, 1007, "Typed But Cancelled");
      ChooseEntry(d, 1023, "CLASSIC");
      EndDialogBy(d, ending);
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
  NewHostFolder("unwritable");
  WriteKey("Mode", "1");
  CreateDirectoryA("Q0_Q9QQ.cbr", nullptr);
  ExportRequest([](HWND d) { EndDialogBy(d, Ending::kOk); });
  FeedLog();
  ExpectEq("message", ResultWithMessage(), "File not produced: Q0_Q9QQ.cbr");
}

// An "Operators" key the operator emptied stays empty (only a missing key
// starts with the own call), and the host's version reaches the CREATED-BY
// line bounded to 99 characters and without control characters.
void EmptyOperatorsAndAnUnrulyHostVersion() {
  g_case = "empty operators, long version";
  NewHostFolder("operators");
  WriteKey("Mode", "1");
  WriteKey("Operators", "");
  std::ofstream(g_folder + "Qalo2.ini", std::ios::binary)
      << "[Qalo]\r\nQalo=2.30\x01" << std::string(5000, 'v') << "\r\n";
  ExportRequest([](HWND d) {
    ExpectEq("operators as stored, empty", ItemText(d, 1006), "");
    EndDialogBy(d, Ending::kOk);
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
  RemoveTree(TempRoot());
  g_dll.Unload();

  std::printf("%zu failed checks\n", g_failures.size());
  return g_failures.empty() ? 0 : 1;
}
