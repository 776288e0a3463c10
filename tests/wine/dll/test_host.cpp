// Loads Stats.dll (argv[1]) the way the host does and drives it through its
// exports: a fresh host folder with its Plugins subfolder as the current
// folder, every export by its plain name, its decorated name and its ordinal,
// every call through a __cdecl pointer with the host's full argument list, and
// date values laid out as the host lays them out.
//
// Arguments the plug-in must not read get values of their own ("n14", 26,
// 27.5 ...), so an argument list that is off by one place shows as a wrong
// answer. Prints one line per case and exits non-zero when any case fails.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/host/dialog_answerer.h"
#include "tools/host/export_names.h"
#include "support/checks.h"
#include "tools/host/host_date.h"
#include "tools/host/host_folder.h"

namespace {

// ---- the host's side of the boundary ------------------------------------

using HostDateTime = host::HostDate;

using T = const char*;
using D = HostDateTime*;
using QsoFn = int(__cdecl*)(T, T, D, D, D, D, unsigned, unsigned, T, T, T, T, T, T, T, T, T, T,
                            T, T, T, T, T, int, int, int, double, double, T, T, T, T, T);
using ResetFn = int(__cdecl*)(T, int, T, D, D, T, T, T, T, T, T, T, T, T, T, int, int, int,
                              double, double, T, T, T);
using CheckCallFn = int(__cdecl*)(T, unsigned, unsigned, T, T, T, T, T, T, T, T, T, T, T, int,
                                  int, int, double, double, T, T, T, T, T, T, T, char*, char*);
using IsValidFn = int(__cdecl*)(T, T, T, T, int, int, int);
using ExchangeCountFn = int(__cdecl*)(T, T, T);
using NumberOfSetsFn = int(__cdecl*)(void);
using SetNameFn = const char*(__cdecl*)(int);
using ResultFn = const char*(__cdecl*)(int*);
using SetupFn = void(__cdecl*)(void);
using VersionFn = unsigned long(__cdecl*)(const char*);

struct Exports {
  QsoFn addData;
  QsoFn removeData;
  ResetFn resetStats;
  CheckCallFn checkCall;
  IsValidFn isValidExchange;
  ExchangeCountFn exchangeCount;
  NumberOfSetsFn numberOfSets;
  SetNameFn setName;
  ResultFn result;
  SetupFn setup;
  VersionFn setVersion;
};

// ---- reporting ------------------------------------------------------------

using wine_test::Check;
using wine_test::CheckInt;
using wine_test::CheckText;
using wine_test::Visible;
using wine_test::g_failures;

// ---- the host folder ------------------------------------------------------

std::string g_folder;  // ends with '\'

std::string ReadWhole(const std::string& name, bool* exists = nullptr) {
  std::string content;
  const bool read = host::ReadWholeFile(name, content);
  if (exists) *exists = read;
  return content;
}

const char kSettingsPath[] = "Plugins\\CQ-WW-CW-SSB.ini";

std::string Setting(const char* key) {
  char value[100];
  GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value,
                           (g_folder + kSettingsPath).c_str());
  return value;
}

std::vector<std::string> FilesLike(const std::string& pattern) {
  return host::FilesMatching(g_folder.substr(0, g_folder.size() - 1), pattern);
}

// A folder of its own for this run, as a fresh installation has it: the
// Plugins subfolder and neither settings file; the library is loaded from the
// build.
bool MakeHostFolder(std::string* error) {
  char temp[MAX_PATH];
  if (!GetTempPathA(sizeof temp, temp)) return false;
  host::FolderLayout layout;
  layout.folder = std::string(temp) + "stats_dll_" + std::to_string(GetCurrentProcessId()) +
                  "_" + std::to_string(GetTickCount());
  layout.hostVersion.reset();
  layout.pluginSettingsFile = false;
  host::PreparedFolder folder;
  if (!host::PrepareFolder(layout, folder, error)) return false;
  g_folder = folder.folderPrefix;
  return SetCurrentDirectoryA(folder.fullPath.c_str()) != 0;
}

void RemoveHostFolder() {
  SetCurrentDirectoryA("\\");
  host::RemoveFolder(g_folder.substr(0, g_folder.size() - 1));
}

// ---- calls as the host makes them -------------------------------------------

const char kOwnCall[] = "DL1ABC";
constexpr double kFirstDay = 45591.0;  // 2024-10-26
constexpr double kLastDay = 45592.0;   // 2024-10-27

double At(int hour, int minute) { return kFirstDay + (hour * 60 + minute) / 1440.0; }

// A value with garbage in its padding, as the host's stack would have it.
HostDateTime Date(double days, int status = 0) {
  HostDateTime value;
  value.reserved = static_cast<std::int32_t>(0xCCCCCCCCu);
  value.days = days;
  value.status = status;
  return value;
}

struct Qso {
  const char* call;
  double time;  // < 0: the host passes no date value
  unsigned freqHz;
  const char* mode;
  const char* rstSent;
  const char* rstRcvd;
  const char* exchSent;
  const char* exchRcvd;
  const char* prefix;
  const char* continent;
  const char* band;
};

int CallQso(QsoFn fn, const Qso& q) {
  HostDateTime time = Date(q.time);
  HostDateTime other = Date(1.5, 1);
  return fn(kOwnCall, q.call, q.time < 0 ? nullptr : &time, &other, &other, &other, 7u,
            q.freqHz, q.mode, q.rstSent, q.rstRcvd, q.exchSent, q.exchRcvd, "n14", "n15",
            "n16", "n17", "n18", "n19", "n20", "n21", "n22", q.prefix, 24, 25, 26, 27.5, 28.5,
            "n29", q.continent, "n31", q.band, "n33");
}

// One call of AddData0 or RemoveData0 and the answer it must give.
struct QsoCall {
  const char* what;
  QsoFn Exports::*fn;
  Qso qso;
  int answer;
};

void CheckQsoCalls(const Exports& dll, std::initializer_list<QsoCall> calls) {
  for (const QsoCall& call : calls)
    CheckInt(CallQso(dll.*call.fn, call.qso), call.answer, call.what);
}

int CallReset(const Exports& dll, int exportRequest) {
  HostDateTime first = Date(kFirstDay);
  HostDateTime last = Date(kLastDay);
  return dll.resetStats(g_folder.c_str(), exportRequest, kOwnCall, &first, &last, "n6", "n7",
                        "n8", "n9", "n10", "n11", "n12", "n13", "n14", "DL", 16, 17, 18, 19.5,
                        20.5, "n21", "EU", "n23");
}

struct CallCheck {
  const char* call;
  const char* mode;
  const char* prefix;
  int zone;
  const char* band;
  const char* band2;  // may be null
  bool zoneBuffer;    // pass a zone buffer
};

// Returns the answer; *zone receives the buffer's text ("<untouched>" when the
// plug-in left it alone). The last buffer must never be written.
int CallCheckCall(const Exports& dll, const CallCheck& c, std::string* zone, bool* lastWritten) {
  char zoneText[100];
  std::memset(zoneText, 'Z', sizeof zoneText);
  zoneText[99] = '\0';
  char last[100];
  std::memset(last, 'L', sizeof last);
  int answer = dll.checkCall(c.call, 2u, 3u, c.mode, "n5", "n6", "n7", "n8", "n9", "n10",
                             "n11", "n12", "n13", c.prefix, c.zone, 16, 17, 18.5, 19.5, "n20",
                             "n21", "n22", "n23", "n24", c.band, c.band2,
                             c.zoneBuffer ? zoneText : nullptr, last);
  *zone = zoneText[0] == 'Z' ? "<untouched>" : zoneText;
  *lastWritten = false;
  for (char ch : last) *lastWritten = *lastWritten || ch != 'L';
  return answer;
}

// The answer alone, for the checks that look at nothing else.
int CheckCallAnswer(const Exports& dll, const CallCheck& c) {
  std::string zone;
  bool lastWritten = false;
  return CallCheckCall(dll, c, &zone, &lastWritten);
}

std::string Result(const Exports& dll, int* out) {
  *out = 12345;
  const char* text = dll.result(out);
  return text ? text : "<null>";
}

// ---- modal windows on the host's thread -------------------------------------

// Runs `call` on this thread while the host's answerer ends the windows it
// opens: the header dialog (confirmed or cancelled) and any message box this
// thread shows, whatever its caption. Returns what the answerer saw of them.
template <typename Call>
host::DialogEvents Answering(bool confirmHeader, Call call) {
  host::DialogAnswerer answerer(confirmHeader);
  answerer.AnswerBoxesOf(GetCurrentThreadId());
  answerer.Start();
  call();
  answerer.Stop();
  return answerer.Events();
}

// Ends a test that hangs (a box nobody closes, an unload that waits forever).
DWORD WINAPI Watchdog(LPVOID) {
  Sleep(120000);
  std::printf("FAIL the test did not finish within two minutes\n");
  std::fflush(stdout);
  ExitProcess(3);
}

// ---- the cases --------------------------------------------------------------

bool ResolveExports(HMODULE module, Exports* dll) {
  bool all = true;
  for (const host::ExportName& row : host::kExportNames) {
    FARPROC byName = GetProcAddress(module, row.name);
    FARPROC byEntry = GetProcAddress(module, row.entry);
    FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(row.ordinal));
    bool ok = byName && byName == byEntry && byName == byOrdinal;
    Check(ok, "export " + std::to_string(row.ordinal) + " " + row.name + " enters " + row.entry);
    all = all && ok;
  }
  if (!all) return false;
  auto get = [&](const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); };
  dll->addData = reinterpret_cast<QsoFn>(get("AddData0"));
  dll->removeData = reinterpret_cast<QsoFn>(get("RemoveData0"));
  dll->resetStats = reinterpret_cast<ResetFn>(get("ResetStats0"));
  dll->checkCall = reinterpret_cast<CheckCallFn>(get("CheckCall0"));
  dll->isValidExchange = reinterpret_cast<IsValidFn>(get("IsValidExchg0"));
  dll->exchangeCount = reinterpret_cast<ExchangeCountFn>(get("GetExchgCount0"));
  dll->numberOfSets = reinterpret_cast<NumberOfSetsFn>(get("GetNumberOfSets"));
  dll->setName = reinterpret_cast<SetNameFn>(get("GetSetName"));
  dll->result = reinterpret_cast<ResultFn>(get("GetResult0"));
  dll->setup = reinterpret_cast<SetupFn>(get("SetupSet0"));
  dll->setVersion = reinterpret_cast<VersionFn>(get("setVersion"));
  return true;
}

void ConstantAnswers(const Exports& dll) {
  CheckInt(dll.numberOfSets(), 1, "GetNumberOfSets");
  CheckInt(dll.exchangeCount("a", "b", "c"), 1, "GetExchgCount0 with three texts");
  CheckInt(dll.exchangeCount(nullptr, nullptr, nullptr), 1, "GetExchgCount0 with null texts");
  for (int index : {0, 1, -7, 1000000})
    CheckText(dll.setName(index), "CQ WW CW/SSB (C)", "GetSetName(" + std::to_string(index) + ")");
}

// The contest mode is SSB at load, and without a scoring run there is no
// bad-QSO file to write to.
void BeforeTheFirstReset(const Exports& dll) {
  CheckQsoCalls(dll, {
      {"AddData0 before any reset: SSB QSO stored", &Exports::addData,
       {"PA0PRE", At(10, 0), 14200000, "SSB", "59", "59", "14", "14", "PA", "EU", "20m"}, 1},
      {"AddData0 before any reset: CW QSO rejected", &Exports::addData,
       {"PA0CW", At(10, 1), 14020000, "CW", "599", "599", "14", "14", "PA", "EU", "20m"}, 0},
  });
  Check(FilesLike("BadQSO*").empty(), "no bad-QSO file before any reset");
}

const char kBadQsoFile[] = "BadQSO_ZerodEZIDEDOVE_27_10_2024.txt";

void FirstReset(const Exports& dll) {
  CheckInt(CallReset(dll, 0), 1, "ResetStats0 (no host settings file, no Mode key)");
  CheckText(Setting("setup_style"), "0", "settings: setup_style written 0");
  CheckText(Setting("Start"), "1", "settings: Start 1 after the first reset");
  CheckText(Setting("Mode"), "<missing>", "settings: Mode not written by a reset");
  bool inWindows = false;
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  ReadWhole(std::string(windows) + "\\Plugins\\CQ-WW-CW-SSB.ini", &inWindows);
  Check(!inWindows, "settings file not in the Windows folder");
  CheckText(ReadWhole(kBadQsoFile), "CQ WW SSB DX Contest UBN file \r\n",
            "bad-QSO file started for SSB");

  // No Mode key: SSB. The store was emptied, so PA0PRE is new again.
  const struct {
    const char* what;
    const char* mode;
    const char* band;
    int answer;
  } rows[] = {
      {"after reset: store emptied, SSB contest", "SSB", "20m", 2},
      {"CW in an SSB contest: not valid (host \"Qalo\")", "CW", "20m", 4},
      {"on 30m: not valid (host \"Qalo\")", "SSB", "30m", 4},
  };
  for (const auto& row : rows)
    CheckInt(CheckCallAnswer(dll, {"PA0PRE", row.mode, "PA", 14, row.band, nullptr, true}),
             row.answer, std::string("CheckCall0 ") + row.what);
}

// A host settings file among other ini files, and the contest mode CW.
void SecondReset(const Exports& dll) {
  host::WriteWholeFile("Another.ini", "[x]\r\nQalo=1.00\r\n");
  host::WriteWholeFile("Qalo2.ini", "[Qalo]\r\nQalo=2.20\r\n");
  WritePrivateProfileStringA("Settings", "Mode", "1", (g_folder + kSettingsPath).c_str());
  // This reset opens the control window, which writes "Mode" from its own CW
  // key: an operator who chose CW there.
  WritePrivateProfileStringA("Settings", "setup_mode_cw", "1",
                             (g_folder + kSettingsPath).c_str());
  CheckInt(CallReset(dll, 0), 1, "ResetStats0 (host 2.20, Mode 1)");
  CheckText(Setting("Start"), "0", "settings: Start alternates to 0");
  CheckText(Setting("setup_style"), "0", "settings: setup_style still 0");
  CheckText(Setting("Mode"), "1", "settings: Mode kept");
  CheckText(ReadWhole(kBadQsoFile), "CQ WW CW DX Contest UBN file \r\n",
            "bad-QSO file started anew for CW");
  CheckInt(CheckCallAnswer(dll, {"PA0PRE", "CW", "PA", 14, "30m", nullptr, true}), 1,
           "CheckCall0 on 30m: not valid answers 1 for host 2.20");
}

const Qso kDupeQso = {"DL1AAA", At(12, 40), 14026000, "CW", "599", "599", "14", "14",
                      "DL", "EU", "20m"};
const Qso kFirstQso = {"DL1AAA", At(12, 34), 14025000, "CW", "599", "599", "14", "14",
                       "DL", "EU", "20m"};

void PlayLog(const Exports& dll) {
  struct Row {
    const char* what;
    Qso qso;
    int answer;
  };
  const Row rows[] = {
      {"own country, stored", kFirstQso, 1},
      {"dupe, stored", kDupeQso, 1},
      {"SSB in a CW contest", {"F5BBB", At(12, 41), 14200000, "SSB", "59", "59", "14", "14",
                               "F", "EU", "20m"}, 0},
      {"30m, no date value", {"G3CCC", -1, 10110000, "CW", "599", "599", "14", "14", "G",
                              "EU", "30m"}, 0},
      {"no received zone (null text)", {"OK1DDD", At(12, 43), 7010000, "CW", "599", "599",
                                        "14", nullptr, "OK", "EU", "40m"}, 0},
      {"band in capitals", {"ON4EEE", At(12, 44), 7012000, "CW", "599", "599", "14", "14",
                            "ON", "EU", "40M"}, 1},
      {"other continent", {"JA1XYZ", At(12, 45), 14030000, "CW", "599", "599", "14", "25",
                           "JA", "AS", "20m"}, 1},
  };
  for (const Row& row : rows)
    CheckInt(CallQso(dll.addData, row.qso), row.answer,
             std::string("AddData0 ") + row.qso.call + ": " + row.what);

  CheckText(ReadWhole(kBadQsoFile),
            "CQ WW CW DX Contest UBN file \r\n"
            "QSO:  14026  CW  2024-10-26 1240  DL1ABC  599  14  DL1AAA  599  14   DUPE !!!\r\n"
            "QSO:  14200  SSB  2024-10-26 1241  DL1ABC  59  14  F5BBB  59  14   WRONG MODE !!!\r\n"
            "QSO:  10110  CW  Invalid DateTime  DL1ABC  599  14  G3CCC  599  14   WRONG BAND !!!\r\n"
            "QSO:  7010  CW  2024-10-26 1243  DL1ABC  599  14  OK1DDD  599     NO NUMBER !!!\r\n",
            "bad-QSO file after the log");
}

void CallChecks(const Exports& dll) {
  struct Row {
    const char* what;
    CallCheck check;
    int answer;
    const char* zone;
  };
  const Row rows[] = {
      {"dupe on the band", {"DL1AAA", "CW", "DL", 14, "20m", nullptr, true}, 0, "<untouched>"},
      {"dupe, band spelt in capitals", {"ON4EEE", "CW", "ON", 14, "40M", "40m", true}, 0,
       "<untouched>"},
      {"country worked on the band", {"DL2XYZ", "CW", "DL", 14, "20m", nullptr, true}, 1, "14"},
      {"new country", {"I2AAA", "CW", "I", 15, "20m", "20m", true}, 2, "15"},
      {"zone the prefix does not tell", {"K1ABC", "CW", "K", 5, "20m", "20M", true}, 2, "5?"},
      {"no zone buffer", {"W1AW", "CW", "K", 5, "20m", nullptr, false}, 2, "<untouched>"},
      {"no prefix", {"XX9XX", "CW", "", 0, "20m", nullptr, true}, 1, "<untouched>"},
      {"band names disagree", {"I2AAA", "CW", "I", 15, "20m", "40m", true}, 1, "<untouched>"},
      {"SSB in a CW contest", {"I2AAA", "SSB", "I", 15, "20m", nullptr, true}, 1, "<untouched>"},
  };
  for (const Row& row : rows) {
    std::string zone;
    bool lastWritten = false;
    const std::string name = std::string("CheckCall0 ") + row.check.call + ": " + row.what;
    CheckInt(CallCheckCall(dll, row.check, &zone, &lastWritten), row.answer, name);
    CheckText(zone, row.zone, name + ", zone text");
    Check(!lastWritten, name + ", last buffer untouched");
  }
}

void ExchangeChecks(const Exports& dll) {
  struct Row {
    const char* exchange;
    const char* prefix;
    int forceInvalid;
    int answer;
  };
  const Row rows[] = {
      {"14", "DL", 0, 1}, {"40", "DL", 0, 1}, {"41", "DL", 0, 0}, {"14", "DL", 1, 0},
      {"4", "K", 0, 1},   {"4", "DL", 0, 0},  {"", "DL", 0, 0},   {"1a", "DL", 0, 0},
  };
  for (const Row& row : rows)
    CheckInt(dll.isValidExchange(row.exchange, "n2", row.prefix, "n4", 5, 6, row.forceInvalid),
             row.answer,
             std::string("IsValidExchg0 \"") + row.exchange + "\" for " + row.prefix +
                 (row.forceInvalid ? ", forced invalid" : ""));
}

// Own DL in EU. 20m: DL1AAA 0 points, JA1XYZ 3; 40m: ON4EEE 1. Multipliers:
// 20m DL, JA and zones 14, 25; 40m ON and zone 14: 6. Score 4 x 6.
void Report(const Exports& dll) {
  int out;
  std::string text = Result(dll, &out);
  CheckInt(out, -1, "GetResult0 writes -1");
  const std::string head = "  CQ WW CW DX Contest 26.10-27.10.2024 \r\n\t    Contestant: DL1ABC\r\n";
  CheckText(text.substr(0, head.size()), head, "GetResult0 text report head");
  CheckText(Setting("Claimed"), "24", "settings: Claimed after the log");
  Check(text.find("Bad QSO\t 3\r\n") != std::string::npos, "GetResult0: Bad QSO 3", text);
}

void Removals(const Exports& dll) {
  CheckInt(CallQso(dll.removeData, kDupeQso), 1, "RemoveData0 the dupe");
  CheckText(ReadWhole(kBadQsoFile),
            "CQ WW CW DX Contest UBN file \r\n"
            "QSO:  14200  SSB  2024-10-26 1241  DL1ABC  59  14  F5BBB  59  14   WRONG MODE !!!\r\n"
            "QSO:  10110  CW  Invalid DateTime  DL1ABC  599  14  G3CCC  599  14   WRONG BAND !!!\r\n"
            "QSO:  7010  CW  2024-10-26 1243  DL1ABC  599  14  OK1DDD  599     NO NUMBER !!!\r\n",
            "bad-QSO file without the dupe's line");
  CheckInt(CheckCallAnswer(dll, {"DL1AAA", "CW", "DL", 14, "20m", nullptr, true}), 0,
           "CheckCall0 DL1AAA: the first QSO is still there");
  CheckInt(CallQso(dll.removeData, kFirstQso), 1, "RemoveData0 the first QSO");
  CheckInt(CheckCallAnswer(dll, {"DL1AAA", "CW", "DL", 14, "20m", nullptr, true}), 2,
           "CheckCall0 DL1AAA: no longer worked, DL new on 20m");
  CheckInt(CallQso(dll.removeData, {"NEVER", At(13, 0), 14000000, "CW", "599", "599", "14",
                                    "14", "DL", "EU", "20m"}),
           1, "RemoveData0 of a QSO never added");
  int out;
  Result(dll, &out);
  // 20m: JA1XYZ 3 points, JA and 25; 40m: ON4EEE 1 point, ON and 14: 4 x 4.
  CheckText(Setting("Claimed"), "16", "settings: Claimed after the removals");
}

// Another program holds the bad-QSO file without sharing: lines and removals
// cannot reach it, and the report still counts the rejected QSOs truly.
void HeldBadQsoFile(const Exports& dll) {
  HANDLE held = CreateFileA(kBadQsoFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  Check(held != INVALID_HANDLE_VALUE, "bad-QSO file held without sharing");
  CheckQsoCalls(dll, {
      {"AddData0 on 30m while the file is held", &Exports::addData,
       {"SP1FFF", At(13, 1), 10110000, "CW", "599", "599", "14", "15", "SP", "EU", "30m"}, 0},
      {"AddData0 SSB while the file is held", &Exports::addData,
       {"SP2GGG", At(13, 2), 14200000, "SSB", "59", "59", "14", "15", "SP", "EU", "20m"}, 0},
      {"RemoveData0 of a rejected QSO while the file is held", &Exports::removeData,
       {"F5BBB", At(12, 41), 14200000, "SSB", "59", "59", "14", "14", "F", "EU", "20m"}, 1},
  });
  int out;
  const std::string text = Result(dll, &out);
  CloseHandle(held);
  Check(text.find("Bad QSO\t 4\r\n") != std::string::npos,
        "GetResult0: Bad QSO 4 (3 + 2 - 1) whatever the file holds", text);
}

void HtmlReport(const Exports& dll) {
  CheckInt(static_cast<int>(dll.setVersion("")), 0, "setVersion(\"\") answers 0");
  int out;
  std::string text = Result(dll, &out);
  CheckInt(out, -1, "GetResult0 (HTML) writes -1");
  CheckText(text.substr(0, 6), "<html>", "GetResult0 returns HTML after setVersion");
}

// The host's main window, active on the host's thread while a modal window of
// the plug-in comes up.
HWND MakeHostWindow() {
  HWND window = CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(window);
  return window;
}

// An export request runs the header dialog inside ResetStats0; the result
// request then writes the Cabrillo file and names it in a message box.
void HeaderDialogAndExport(const Exports& dll) {
  HWND hostWindow = MakeHostWindow();

  int answer = 0;
  const host::DialogEvents cancelled =
      Answering(/*confirmHeader=*/false, [&] { answer = CallReset(dll, 1); });
  Check(cancelled.headerDialogs == 1 && cancelled.answered.size() == 1 &&
            cancelled.answered.front().pressed == IDCANCEL,
        "ResetStats0 with an export request runs the header dialog");
  CheckInt(answer, 1, "ResetStats0 with a cancelled header dialog");
  int out;
  Result(dll, &out);  // no export now: a message box here would hang the test
  Check(FilesLike("*.cbr").empty(), "no Cabrillo file after a cancelled header dialog");

  const host::DialogEvents confirmed =
      Answering(/*confirmHeader=*/true, [&] { answer = CallReset(dll, 1); });
  Check(confirmed.headerDialogs == 1 && confirmed.answered.size() == 1 &&
            confirmed.answered.front().pressed == IDOK,
        "ResetStats0 runs the header dialog again");
  CheckInt(answer, 1, "ResetStats0 with a confirmed header dialog");
  CheckText(Setting("Operators"), "DL1ABC", "settings: the dialog's Operators stored");
  CheckInt(CallQso(dll.addData, kFirstQso), 1, "AddData0 in the export run");

  const bool hostActive = GetActiveWindow() == hostWindow;
  const host::DialogEvents outputEvents =
      Answering(/*confirmHeader=*/true, [&] { Result(dll, &out); });
  Check(outputEvents.answered.size() == 1,
        "GetResult0 in the export run tells the file in a message box",
        std::to_string(outputEvents.answered.size()) + " windows");
  const host::AnsweredWindow output =
      outputEvents.answered.empty() ? host::AnsweredWindow() : outputEvents.answered.front();
  CheckText(output.caption, "Output", "the export's box caption");
  if (hostActive)
    Check(output.owned, "the export's box is owned by the host's active window");
  else
    std::printf("note: the host window was not active; the box's owner is not checked\n");
  const std::string cabrillo = ReadWhole("DL1ABC.cbr");
  Check(cabrillo.find("CREATED-BY: Qalo 2.20\r\n") != std::string::npos &&
            cabrillo.find(" DL1AAA ") != std::string::npos,
        "DL1ABC.cbr written with the host version and the QSO",
        "got \"" + Visible(cabrillo.substr(0, 300)) + "\"");
  DestroyWindow(hostWindow);

  CheckInt(CallReset(dll, 0), 1, "ResetStats0 without an export request ends the export run");
}

void SetupBox(const Exports& dll) {
  // An active window of the host's thread must not become the box's owner.
  HWND hostWindow = MakeHostWindow();
  const host::DialogEvents events = Answering(/*confirmHeader=*/false, [&] { dll.setup(); });
  DestroyWindow(hostWindow);
  Check(events.answered.size() == 1, "SetupSet0 shows a message box",
        std::to_string(events.answered.size()) + " windows");
  if (events.answered.empty()) return;
  const host::AnsweredWindow& box = events.answered.front();
  CheckText(box.text, "No additional setup for this contest", "SetupSet0 box text");
  CheckText(box.caption, "Error", "SetupSet0 box has the default caption");
  Check(!box.owned, "SetupSet0 box has no owner window");
  Check(box.okButton && box.visibleButtons == 1, "SetupSet0 box has one OK button",
        std::to_string(box.visibleButtons) + " buttons");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: %s path\\to\\Stats.dll\n", argv[0]);
    return 2;
  }
  CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));

  char dllPath[MAX_PATH];
  if (!GetFullPathNameA(argv[1], sizeof dllPath, dllPath, nullptr)) return 2;
  std::string error;
  if (!MakeHostFolder(&error)) {
    std::printf("FAIL cannot make a host folder: %s\n", error.c_str());
    return 1;
  }
  std::printf("host folder %s, library %s\n", g_folder.c_str(), dllPath);

  HMODULE module = LoadLibraryA(dllPath);
  Check(module != nullptr, "LoadLibrary", "error " + std::to_string(GetLastError()));
  if (!module) return 1;
  Exports dll;
  if (!ResolveExports(module, &dll)) return 1;

  ConstantAnswers(dll);
  BeforeTheFirstReset(dll);
  FirstReset(dll);
  SecondReset(dll);
  PlayLog(dll);
  CallChecks(dll);
  ExchangeChecks(dll);
  Report(dll);
  Removals(dll);
  HeldBadQsoFile(dll);
  HtmlReport(dll);
  HeaderDialogAndExport(dll);
  SetupBox(dll);

  Check(FreeLibrary(module) != 0, "FreeLibrary returns");

  std::printf("%d failure(s)\n", g_failures.load());
  if (g_failures == 0) RemoveHostFolder();
  return g_failures == 0 ? 0 : 1;
}
