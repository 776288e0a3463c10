// The live link under wine: Stats.dll loaded as the host loads it, with the
// stand-in host's automation object, a statistics reset that starts the
// window thread, and the control window driven the way the operator drives it
// (its boxes clicked through BM_CLICK from the host's thread). Then the ends:
// unloading with every window open, load-reset-unload cycles, a host object
// that answers errors, and a host process that exits with windows open.
//
// Usage: live_link_test <Stats.dll>            every case
//        live_link_test <Stats.dll> --exit-with-windows <folder>
//                                              (the child of the exit case)
//        live_link_test <Stats.dll> --object-on-host-thread
//                                              (the child of that case)
//        live_link_test <Stats.dll> --call-details
//                                              (the call-details update alone)
//        live_link_test <Stats.dll> --hold <seconds> <folder>
//                                              (windows open for a screenshot)
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/checks.h"
#include "tools/host/host_automation.h"
#include "tools/host/host_folder.h"
#include "tools/host/plugin_library.h"
#include "ui/windows/zone_controls.h"

namespace {

using wine_test::Check;
using wine_test::g_failures;

std::string g_dll;
std::string g_startFolder;
host::AutomationServer* g_server = nullptr;

// The host pumps its messages between its calls, as a real one does.
void Pump(DWORD ms) {
  const DWORD begin = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - begin < ms);
}

HWND FindTopWindow(const wchar_t* title) { return FindWindowW(nullptr, title); }

enum class Tool { kMultiplier, kExtendedMultiplier, kZoneSearch, kZoneFlags };

bool HasChild(HWND window, int id, const wchar_t* className = nullptr) {
  HWND child = GetDlgItem(window, id);
  if (!child) return false;
  if (!className) return true;
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  return lstrcmpiW(name, className) == 0;
}

// A tool window of the plug-in, told by the controls of its template: the
// titles cannot tell them apart (the extended window is "Multiplier" too).
bool IsTool(HWND window, Tool tool) {
  const bool extended = HasChild(window, IDC_MULTIPLIER_MULT_TABS, L"SysTabControl32");
  const bool zoneSearch = !extended && HasChild(window, ZoneButtonId(1));
  const bool zoneFlags = !extended && !zoneSearch && HasChild(window, ZoneFlagId(kZoneCount));
  switch (tool) {
    case Tool::kExtendedMultiplier: return extended;
    case Tool::kZoneSearch: return zoneSearch;
    case Tool::kZoneFlags: return zoneFlags;
    case Tool::kMultiplier:
      return !extended && !zoneSearch && !zoneFlags && HasChild(window, IDC_INFO_BUTTON) &&
             !HasChild(window, IDC_SETUP_MODE_CW);
  }
  return false;
}

bool OfThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

BOOL CALLBACK NoteMessageBox(HWND window, LPARAM data) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (OfThisProcess(window) && lstrcmpW(name, L"#32770") == 0 && HasChild(window, IDOK))
    *reinterpret_cast<bool*>(data) = true;
  return TRUE;
}

// A message box of this process: a dialog with an OK button, which neither
// the control window nor a tool window has.
bool MessageBoxShown() {
  bool shown = false;
  EnumWindows(NoteMessageBox, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

struct ToolSearch {
  Tool tool;
  HWND found;
};

BOOL CALLBACK NoteTool(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ToolSearch*>(data);
  if (!OfThisProcess(window) || !IsTool(window, search->tool)) return TRUE;
  search->found = window;
  return FALSE;
}

// The tool window of that kind among this process's top-level windows,
// shown or hidden, or null.
HWND FindTool(Tool tool) {
  ToolSearch search = {tool, nullptr};
  EnumWindows(NoteTool, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits, pumping, until `ready` holds or 30 s have passed.
template <typename Ready>
bool WaitFor(Ready ready) {
  const DWORD begin = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - begin > 30000) return false;
    Pump(20);
  }
  return true;
}

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

bool Checked(HWND dialog, int id) {
  return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND dialog, int id) {
  SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  Pump(100);  // the posted update runs
}

bool Topmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::string Setting(const std::string& folder, const char* key) {
  char value[100] = {};
  GetPrivateProfileStringA("Settings", key, "", value, sizeof value,
                           (folder + "\\Plugins\\CQ-WW-CW-SSB.ini").c_str());
  return value;
}

// The windows of the plug-in that are still on the screen or hidden.
int PluginWindowsLeft() {
  int left = 0;
  for (Tool tool : {Tool::kMultiplier, Tool::kExtendedMultiplier, Tool::kZoneSearch,
                    Tool::kZoneFlags})
    if (FindTool(tool)) ++left;
  for (const wchar_t* title : {L"Setup CQ-WW-CW-2026", L"Setup CQ-WW-SSB-2026"})
    if (FindTopWindow(title)) ++left;
  return left;
}

size_t CommandCount() { return g_server ? g_server->Log().commands.size() : 0; }

std::vector<std::string> CommandsSince(size_t mark) {
  std::vector<std::string> all = g_server ? g_server->Log().commands : std::vector<std::string>();
  return std::vector<std::string>(all.begin() + static_cast<long>(std::min(mark, all.size())),
                                  all.end());
}

// One host run: a fresh folder with the given plug-in settings, the library
// loaded from it and a statistics reset that opens the control window.
struct Run {
  host::PreparedFolder folder;
  host::PluginLibrary plugin;
  bool loaded = false;

  bool Open(const std::string& name,
            std::vector<std::pair<std::string, std::string>> settings,
            const char* ownPrefix = "DL") {
    SetCurrentDirectoryA(g_startFolder.c_str());
    host::FolderLayout layout;
    layout.folder = "live-" + name;
    layout.hostVersion = "2.20";
    layout.dllSource = g_dll;
    settings.insert(settings.begin(), {"Start", "0"});
    layout.settings = settings;
    std::string error;
    if (!host::PrepareFolder(layout, folder, &error)) {
      Check(false, "host folder: " + error);
      return false;
    }
    SetCurrentDirectoryA(folder.fullPath.c_str());
    loaded = plugin.Load(folder.dllPath, false, &error);
    if (!loaded) {
      Check(false, "load: " + error);
      return false;
    }
    host::PluginRun run;
    run.folderPrefix = folder.folderPrefix;
    run.contestant = "DL1AA";
    run.firstDay = host::MakeDate(2026, 11, 28);
    run.lastDay = host::MakeDate(2026, 11, 29);
    run.ownPrefix = ownPrefix;
    run.ownContinent = "EU";
    plugin.ResetStats(run);
    return true;
  }

  // Milliseconds the unloading took.
  DWORD Unload() {
    const DWORD begin = GetTickCount();
    plugin.Unload();
    loaded = false;
    return GetTickCount() - begin;
  }

  std::string BadQsoFile() {
    std::string content;
    host::ReadWholeFile(folder.folderPrefix + "BadQSO_ZerodEZIDEDOVE_29_11_2026.txt", content);
    return content;
  }
};

// What the unloading promises is a bound, not a speed: it waits at most 5 s for
// the window thread (which cannot finish while it waits for the loader lock the
// unloading holds, in its COM start-up or a first call of the host object) and
// then ends it. The margin is the ending itself under emulation.
constexpr DWORD kUnloadBoundMs = 6500;

const wchar_t kCwTitle[] = L"Setup CQ-WW-CW-2026";
const wchar_t kSsbTitle[] = L"Setup CQ-WW-SSB-2026";

HWND WaitForControlWindow(const wchar_t* title) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindTopWindow(title)) != nullptr && IsWindowVisible(found); });
  return found;
}

void CwStartAndEveryBox() {
  std::printf("-- a CW run: the control window and its boxes\n");
  Run run;
  if (!run.Open("boxes", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"},
                          {"setup_window_on_top", "1"}}))
    return;
  const size_t mark = CommandCount();
  HWND dialog = WaitForControlWindow(kCwTitle);
  Check(dialog != nullptr, "the reset opens \"Setup CQ-WW-CW-2026\"");
  if (!dialog) return;
  Check(WaitFor([] { return FindTool(Tool::kMultiplier) != nullptr; }),
        "the first update opens the multiplier window the settings ask for");
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  Check(frame.left == 10 && frame.top == 400, "placed at 10/400 without a saved position");
  Check(Topmost(dialog), "the control window is topmost");
  Check(Text(GetDlgItem(dialog, IDC_SETUP_VIEW_LABEL)) == L"View" &&
            Text(GetDlgItem(dialog, IDC_SETUP_MODE_LABEL)) == L"Mode",
        "labels \"View\" and \"Mode\"");
  Check(Checked(dialog, IDC_SETUP_MODE_CW) && !Checked(dialog, IDC_SETUP_MODE_SSB) &&
            Checked(dialog, IDC_SETUP_VIEW_MULTIPLIER) &&
            !Checked(dialog, IDC_SETUP_VIEW_MULTIPLIER_EXTENDED) &&
            Checked(dialog, IDC_SETUP_WINDOW_ON_TOP),
        "the boxes follow the settings");
  Check(CommandsSince(mark) == std::vector<std::string>{"<MODE:CW>", "<BAUDRATE:27>"},
        "the host receives <MODE:CW> then <BAUDRATE:27>");
  Check(Setting(run.folder.fullPath, "setup_view_zone") == "1",
        "the hidden zone flags window is opened, its key written");
  HWND flags = FindTool(Tool::kZoneFlags);
  Check(flags && !IsWindowVisible(flags), "the zone flags window exists, hidden");
  UINT close = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
  Check(close != 0xFFFFFFFF && (close & MF_DISABLED), "the system menu's Close is disabled");

  // The mode boxes: the selected one changes nothing, the other switches.
  host::WriteWholeFile(run.folder.folderPrefix + "BadQSO_ZerodEZIDEDOVE_29_11_2026.txt",
                       "CQ WW CW DX Contest UBN file \r\nQSO: an earlier line\r\n");
  size_t before = CommandCount();
  Click(dialog, IDC_SETUP_MODE_CW);
  Check(Checked(dialog, IDC_SETUP_MODE_CW) && CommandCount() == before &&
            Text(dialog) == kCwTitle,
        "a click on the ticked CW box changes nothing");
  Click(dialog, IDC_SETUP_MODE_SSB);
  Check(Text(dialog) == kSsbTitle, "a click on SSB gives the SSB title");
  Check(Checked(dialog, IDC_SETUP_MODE_SSB) && !Checked(dialog, IDC_SETUP_MODE_CW),
        "SSB ticked, CW clear");
  Check(Setting(run.folder.fullPath, "setup_mode_ssb") == "1" &&
            Setting(run.folder.fullPath, "setup_mode_cw") == "0" &&
            Setting(run.folder.fullPath, "Mode") == "0",
        "setup_mode_ssb 1, setup_mode_cw 0, Mode 0");
  Check(CommandsSince(before) == std::vector<std::string>{"<MODE:SSB>"}, "the host gets <MODE:SSB>");
  Check(run.BadQsoFile() == "CQ WW SSB DX Contest UBN file \r\n",
        "the bad-QSO file starts over with the SSB header");
  before = CommandCount();
  Click(dialog, IDC_SETUP_MODE_CW);
  Check(CommandsSince(before) == std::vector<std::string>{"<MODE:CW>"} &&
            Setting(run.folder.fullPath, "Mode") == "1" &&
            run.BadQsoFile() == "CQ WW CW DX Contest UBN file \r\n",
        "back to CW: <MODE:CW> alone, Mode 1, the CW header");

  // The view boxes open and close their windows.
  Click(dialog, IDC_SETUP_VIEW_MULTIPLIER);
  Check(!FindTool(Tool::kMultiplier) &&
            Setting(run.folder.fullPath, "setup_view_multiplier") == "0",
        "Multiplier off: the window goes, the key is 0");
  Click(dialog, IDC_SETUP_VIEW_MULTIPLIER);
  Check(FindTool(Tool::kMultiplier) &&
            Setting(run.folder.fullPath, "setup_view_multiplier") == "1",
        "Multiplier on: a new window, the key is 1");
  Click(dialog, IDC_SETUP_VIEW_MULTIPLIER_EXTENDED);
  Click(dialog, IDC_SETUP_VIEW_ZONE_SEARCH);
  HWND extended = FindTool(Tool::kExtendedMultiplier);
  HWND zones = FindTool(Tool::kZoneSearch);
  Check(extended && zones && Topmost(extended) && Topmost(zones),
        "Extended Multiplier and Zone open, topmost");
  Check(Setting(run.folder.fullPath, "setup_view_multiplier_extended") == "1" &&
            Setting(run.folder.fullPath, "setup_not_work_zone") == "1",
        "their keys are 1");

  // "Window on top" re-creates the tool windows with the new setting.
  auto reopened = [] {
    return FindTool(Tool::kExtendedMultiplier) && FindTool(Tool::kMultiplier) &&
           FindTool(Tool::kZoneSearch);
  };
  Click(dialog, IDC_SETUP_WINDOW_ON_TOP);
  WaitFor(reopened);
  extended = FindTool(Tool::kExtendedMultiplier);
  HWND multiplier = FindTool(Tool::kMultiplier);
  Check(extended && multiplier && !Topmost(extended) && !Topmost(multiplier) &&
            Setting(run.folder.fullPath, "setup_window_on_top") == "0",
        "on top off: the windows come back, not topmost");
  Click(dialog, IDC_SETUP_WINDOW_ON_TOP);
  WaitFor(reopened);
  extended = FindTool(Tool::kExtendedMultiplier);
  Check(extended && Topmost(extended) && Setting(run.folder.fullPath, "setup_window_on_top") == "1",
        "on top on: the windows come back topmost");

  // The position is saved when the mouse passes over the moved window.
  SetWindowPos(dialog, nullptr, 120, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), MAKELPARAM(HTCLIENT, 0));
  Check(Setting(run.folder.fullPath, "setup_cq_ww_x") == "120" &&
            Setting(run.folder.fullPath, "setup_cq_ww_y") == "300",
        "the moved position is saved");

  const DWORD took = run.Unload();
  Check(took < kUnloadBoundMs, "unloading with every window open returns in " + std::to_string(took) + " ms");
  Check(PluginWindowsLeft() == 0, "no window of the plug-in is left");

  // The next run opens where the last one was left.
  Run again;
  if (!again.Open("boxes-again", {{"setup_cq_ww_x", "120"}, {"setup_cq_ww_y", "300"}})) return;
  dialog = WaitForControlWindow(kSsbTitle);
  GetWindowRect(dialog, &frame);
  Check(dialog && frame.left == 120 && frame.top == 300,
        "without setup_mode_cw: the SSB title, at the saved position");
  again.Unload();
}

void NoHostObject() {
  std::printf("-- no host object\n");
  Run run;
  if (!run.Open("no-host", {{"setup_view_multiplier", "1"}})) return;
  HWND dialog = WaitForControlWindow(kSsbTitle);
  Check(dialog != nullptr, "the control window opens without a host object");
  if (!dialog) return;
  Pump(300);
  Check(!FindTool(Tool::kMultiplier), "the update opens no tool window without a host");
  Click(dialog, IDC_SETUP_MODE_CW);
  Check(Text(dialog) == kCwTitle && Setting(run.folder.fullPath, "Mode") == "1" &&
            run.BadQsoFile() == "CQ WW CW DX Contest UBN file \r\n",
        "the mode switch still works: title, settings, bad-QSO file");
  Click(dialog, IDC_SETUP_VIEW_MULTIPLIER_EXTENDED);
  Check(FindTool(Tool::kExtendedMultiplier) != nullptr, "a box still opens its window");
  const DWORD took = run.Unload();
  Check(took < kUnloadBoundMs && PluginWindowsLeft() == 0,
        "unloaded in " + std::to_string(took) + " ms, no window left");
}

void RussianTexts() {
  std::printf("-- the Russian texts\n");
  Run run;
  if (!run.Open("russian", {{"setup_mode_cw", "1"}}, "UA")) return;
  const std::wstring title = L"\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0438 CQ-WW-CW-2026";
  HWND dialog = WaitForControlWindow(title.c_str());
  Check(dialog != nullptr, "the title reads back as wide text: " + Narrow(title));
  if (!dialog) {
    HWND other = FindWindowW(L"#32770", nullptr);
    std::wstring shown = other ? Text(other) : L"";
    std::string codes;
    for (wchar_t c : shown) codes += std::to_string(static_cast<unsigned>(c)) + " ";
    std::printf("     the window shows: %s\n", codes.c_str());
  }
  if (dialog) {
    Check(Text(GetDlgItem(dialog, IDC_SETUP_VIEW_LABEL)) ==
              L"\u041e\u0442\u043e\u0431\u0440\u0430\u0436\u0430\u0442\u044c",
          "label \"View\" in Russian");
    Check(Text(GetDlgItem(dialog, IDC_SETUP_MODE_LABEL)) ==
              L"\u0412\u0438\u0434 \u0440\u0430\u0434\u0438\u043e\u0441\u0432\u044f\u0437\u0438",
          "label \"Mode\" in Russian");
  }
  run.Unload();
}

void HostErrors() {
  std::printf("-- a host object that answers errors\n");
  if (!g_server) return;
  g_server->SetFailing(true);
  Run run;
  if (!run.Open("host-errors", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"}})) {
    g_server->SetFailing(false);
    return;
  }
  HWND dialog = WaitForControlWindow(kCwTitle);
  Check(dialog != nullptr, "the control window opens although the host refuses <MODE:CW>");
  Pump(300);
  Click(dialog, IDC_SETUP_MODE_SSB);
  Check(Text(dialog) == kSsbTitle && run.BadQsoFile() == "CQ WW SSB DX Contest UBN file \r\n",
        "a refused <MODE:SSB> still leaves the plug-in switched");
  Check(!MessageBoxShown(), "no message box");
  g_server->SetFailing(false);
  Click(dialog, IDC_SETUP_VIEW_ZONE_SEARCH);
  Check(FindTool(Tool::kZoneSearch) != nullptr, "once the host answers again, the windows work");
  const DWORD took = run.Unload();
  Check(took < kUnloadBoundMs && PluginWindowsLeft() == 0, "unloaded in " + std::to_string(took) + " ms");
}

// A window of the host on the host's thread, so that closing an active
// plug-in window hands the activation to the host's thread while it unloads.
HWND HostWindow() {
  static HWND window = CreateWindowExW(0, L"Static", L"stand-in host", WS_OVERLAPPEDWINDOW, 600,
                                       600, 200, 100, nullptr, nullptr, nullptr, nullptr);
  return window;
}

void Cycles() {
  std::printf("-- 20 load-reset-unload cycles with every window open\n");
  ShowWindow(HostWindow(), SW_SHOW);
  DWORD longestOpen = 0;      // the windows were up when the host unloaded
  DWORD longestStarting = 0;  // the host unloaded while the thread was starting
  int cleanEnds = 0;
  for (int cycle = 0; cycle < 20; ++cycle) {
    Run run;
    if (!run.Open("cycles", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"},
                             {"setup_view_multiplier_extended", "1"},
                             {"setup_not_work_zone", "1"}}))
      return;
    // Every other cycle the host does not wait for the windows at all.
    if (cycle % 2 == 0) {
      HWND dialog = WaitForControlWindow(kCwTitle);
      WaitFor([] { return FindTool(Tool::kZoneSearch) != nullptr; });
      if (dialog && cycle % 4 == 0) SetForegroundWindow(dialog);
      Pump(50);
    }
    const DWORD took = run.Unload();
    std::printf("     cycle %d: unloaded in %lu ms\n", cycle, static_cast<unsigned long>(took));
    DWORD& longest = cycle % 2 == 0 ? longestOpen : longestStarting;
    longest = std::max(longest, took);
    if (PluginWindowsLeft() == 0) ++cleanEnds;
  }
  Check(longestOpen < kUnloadBoundMs, "with the windows up, the longest unloading took " +
                                std::to_string(longestOpen) + " ms");
  // A thread that is still starting may be waiting for the loader lock, which
  // the unloading holds: it is ended when the bound expires.
  Check(longestStarting < kUnloadBoundMs, "while the thread was starting, the longest took " +
                                    std::to_string(longestStarting) + " ms");
  Check(cleanEnds == 20, "no window left after " + std::to_string(cleanEnds) + " of 20 cycles");
}

void OperatorEndsTheWindow() {
  std::printf("-- the operator ends the control window\n");
  Run run;
  if (!run.Open("escape", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"}})) return;
  HWND dialog = WaitForControlWindow(kCwTitle);
  WaitFor([] { return FindTool(Tool::kMultiplier) != nullptr; });
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  Check(WaitFor([] { return PluginWindowsLeft() == 0; }),
        "Escape closes the control window and its tool windows");
  // The next reset that finds Start at 0 opens a new one with its windows.
  host::PluginRun again;
  again.folderPrefix = run.folder.folderPrefix;
  again.contestant = "DL1AA";
  again.firstDay = host::MakeDate(2026, 11, 28);
  again.lastDay = host::MakeDate(2026, 11, 29);
  again.ownPrefix = "DL";
  again.ownContinent = "EU";
  WritePrivateProfileStringA("Settings", "Start", "0",
                             (run.folder.fullPath + "\\Plugins\\CQ-WW-CW-SSB.ini").c_str());
  run.plugin.ResetStats(again);
  Check(WaitForControlWindow(kCwTitle) != nullptr &&
            WaitFor([] { return FindTool(Tool::kMultiplier) != nullptr; }),
        "a later reset opens the control window and its tool windows again");
  run.Unload();
}

// Runs this program again as a child host with `mode`; its exit code, or -1.
int RunChild(const char* self, const char* mode, DWORD* took) {
  std::string command = std::string("\"") + self + "\" \"" + g_dll + "\" " + mode;
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      g_startFolder.c_str(), &startup, &process))
    return -1;
  const DWORD begin = GetTickCount();
  DWORD waited = WaitForSingleObject(process.hProcess, 120000);
  *took = GetTickCount() - begin;
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 9);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return waited == WAIT_OBJECT_0 ? static_cast<int>(code) : -1;
}

void ProcessExitsWithWindowsOpen(const char* self) {
  std::printf("-- a host process that exits with windows open\n");
  DWORD took = 0;
  const int code = RunChild(self, "--exit-with-windows", &took);
  Check(code == 3, "the host process ended (code " + std::to_string(code) + ") after " +
                       std::to_string(took) + " ms");
}

void ObjectOnTheHostsThread(const char* self) {
  std::printf("-- the host object on the host's own thread, served while it pumps\n");
  DWORD took = 0;
  const int code = RunChild(self, "--object-on-host-thread", &took);
  Check(code == 0, "commands reach it, the unloading ends in time (code " +
                       std::to_string(code) + ", " + std::to_string(took) + " ms in all)");
}


// ---- stress: exports while the window thread works ------------------------

host::PluginQso StressQso(int i) {
  static const char* const kBands[] = {"20m", "40m", "15m", "80m"};
  static const unsigned kHertz[] = {14025000, 7012000, 21030000, 3520000};
  host::PluginQso qso;
  qso.ownCall = "DL1AA";
  qso.call = "K" + std::to_string(i % 97) + "XY";  // repeats: dupes on the band
  qso.time = host::MakeDate(2026, 11, 28, (i / 60) % 24, i % 60);
  qso.freqHz = kHertz[i % 4];
  qso.mode = "CW";
  qso.rstSent = "599";
  qso.rstRcvd = "599";
  qso.exchSent = "14";
  qso.exchRcvd = i % 13 == 0 ? "" : "5";
  qso.prefix = "K";
  qso.continent = "NA";
  qso.band = kBands[i % 4];
  return qso;
}

// Every kind of export in a fixed order; the answers, folded into one text.
std::string PlayExports(host::PluginLibrary& plugin, int qsos, bool pumpHalf) {
  std::string answers;
  char zone[100];
  for (int i = 0; i < qsos; ++i) {
    const host::PluginQso qso = StressQso(i);
    answers += std::to_string(plugin.CheckCall(qso.call.c_str(), "CW", "K", 5, qso.band.c_str(),
                                               qso.band.c_str(), zone));
    answers += std::to_string(plugin.IsValidExchg(qso.exchRcvd.c_str(), "K", 0));
    answers += std::to_string(plugin.AddData(qso));
    if (i % 7 == 3) answers += std::to_string(plugin.RemoveData(StressQso(i - 3)));
    if (i % 25 == 0) {
      int out = 0;
      answers += plugin.GetResult(&out);
    }
    answers += ' ';
    if (pumpHalf && i >= qsos / 2) Pump(0);
  }
  int out = 0;
  answers += plugin.GetResult(&out);
  return answers;
}

struct Clicker {
  HWND dialog;
  std::atomic<bool> stop{false};
  int clicks = 0;
};

DWORD WINAPI ClickBoxes(void* data) {
  auto* c = static_cast<Clicker*>(data);
  const int boxes[] = {IDC_SETUP_VIEW_MULTIPLIER, IDC_SETUP_VIEW_ZONE_SEARCH,
                       IDC_SETUP_WINDOW_ON_TOP, IDC_SETUP_VIEW_MULTIPLIER_EXTENDED};
  while (!c->stop) {
    HWND box = GetDlgItem(c->dialog, boxes[c->clicks % 4]);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL, 2000, &ignored);
    PostMessageW(c->dialog, WM_USER + 0x500, 0, 0);
    SendMessageTimeoutW(c->dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(c->dialog),
                        MAKELPARAM(HTCLIENT, 0), SMTO_NORMAL, 2000, &ignored);
    ++c->clicks;
  }
  return 0;
}

void Stress() {
  std::printf("-- exports while the window thread works\n");
  const int kQsos = 600;
  std::string alone;
  {
    // "Start" at 1: this reset opens no window.
    Run quiet;
    if (!quiet.Open("stress-alone", {{"Mode", "1"}, {"Start", "1"}})) return;
    alone = PlayExports(quiet.plugin, kQsos, false);
    quiet.Unload();
  }
  for (bool pump : {false, true}) {
    Run run;
    if (!run.Open(pump ? "stress-pumping" : "stress", {{"Mode", "1"}, {"setup_mode_cw", "1"}}))
      return;
    HWND dialog = WaitForControlWindow(kCwTitle);
    Clicker clicker;
    clicker.dialog = dialog;
    HANDLE thread = CreateThread(nullptr, 0, &ClickBoxes, &clicker, 0, nullptr);
    const DWORD begin = GetTickCount();
    const std::string answers = PlayExports(run.plugin, kQsos, pump);
    const DWORD took = GetTickCount() - begin;
    clicker.stop = true;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    Check(answers == alone, std::string("the answers equal those of a run without windows (") +
                                (pump ? "pumping half the time" : "never pumping") + ", " +
                                std::to_string(clicker.clicks) + " clicks, " +
                                std::to_string(took) + " ms)");
    const DWORD unload = run.Unload();
    Check(unload < kUnloadBoundMs && PluginWindowsLeft() == 0,
          "then unloaded in " + std::to_string(unload) + " ms, no window left");
  }
}

int ExitWithWindows() {
  Run run;
  if (!run.Open("exit", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"},
                         {"setup_view_multiplier_extended", "1"}, {"setup_not_work_zone", "1"}}))
    return 1;
  WaitForControlWindow(kCwTitle);
  WaitFor([] { return FindTool(Tool::kZoneSearch) != nullptr; });
  std::printf("child: windows open, exiting\n");
  ExitProcess(3);
}

// The host object in the host's own apartment, served only while the host
// pumps, as in a host whose main window thread owns it.
int ObjectOnHostThread() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  host::AutomationServer server;
  std::string error;
  if (!server.Start(&error, true)) return 10;
  g_server = &server;
  int result = 0;
  {
    Run run;
    if (!run.Open("object-on-host-thread", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"}}))
      return 11;
    HWND dialog = WaitForControlWindow(kCwTitle);
    if (!dialog) result = 12;
    if (!result && !WaitFor([] { return CommandCount() >= 2; })) result = 13;
    if (!result) {
      // Posted: a host's thread never waits for the plug-in's windows, and
      // while it did, the object it serves could not answer.
      PostMessageW(GetDlgItem(dialog, IDC_SETUP_MODE_SSB), BM_CLICK, 0, 0);
      if (!WaitFor([] { return CommandCount() >= 3; })) result = 14;
    }
    const DWORD took = run.Unload();
    std::printf("child: unloaded in %lu ms\n", static_cast<unsigned long>(took));
    if (!result && took >= 2000) result = 15;
    if (!result && PluginWindowsLeft() != 0) result = 16;
  }
  g_server = nullptr;
  server.Stop();
  CoUninitialize();
  return result;
}

// A zone button's face as the screen shows it, beside the number.
COLORREF ZoneFace(HWND zones, int zone) {
  HWND button = GetDlgItem(zones, ZoneButtonId(zone));
  RECT r = {};
  GetClientRect(button, &r);
  HDC dc = GetDC(button);
  const COLORREF c = GetPixel(dc, r.right / 5 + 1, r.bottom / 2);
  ReleaseDC(button, dc);
  return c;
}

struct BoxSearch {
  int id;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK NoteBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  if (GetDlgCtrlID(window) != search->id || Text(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

// The continent page box with that id and caption, on whichever page.
bool BoxTicked(HWND extended, int id, const wchar_t* caption) {
  BoxSearch search = {id, caption, nullptr};
  EnumChildWindows(extended, NoteBox, reinterpret_cast<LPARAM>(&search));
  Check(search.found != nullptr, "the continent page box " + Narrow(caption) + " exists");
  return search.found && SendMessageW(search.found, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

host::PluginQso LoggedQso(const char* call, const char* band, unsigned hertz, const char* prefix,
                          const char* continent, const char* zone, int minute) {
  host::PluginQso q;
  q.ownCall = "DL1AA";
  q.call = call;
  q.time = host::MakeDate(2026, 11, 28, 12, minute);
  q.freqHz = hertz;
  q.mode = "CW";
  q.rstSent = q.rstRcvd = "599";
  q.exchSent = "14";
  q.exchRcvd = zone;
  q.prefix = prefix;
  q.continent = continent;
  q.band = band;
  return q;
}

// The operator types a call: the host's entry field and radio hold it, the
// call check posts the update, and the multiplier window names the call when
// the update has run.
bool Type(Run& run, const char* call, double hertz, const char* prefix, int zone,
          const char* band) {
  g_server->SetFrequency(hertz);
  g_server->SetEntry(call);
  char zoneText[100] = {};
  run.plugin.CheckCall(call, "CW", prefix, zone, band, nullptr, zoneText);
  const std::wstring title = L"CQ-WW-CW worked with " + std::wstring(call, call + std::strlen(call));
  HWND zones = FindTool(Tool::kZoneSearch);
  const std::wstring zoneTitle =
      L"CQ Zone on " + std::wstring(band, band + std::strlen(band));
  const bool shown = WaitFor([&] {
    HWND multiplier = FindTool(Tool::kMultiplier);
    return multiplier && Text(multiplier) == title && zones && Text(zones) == zoneTitle;
  });
  if (!shown)
    std::printf("     the titles: \"%s\", \"%s\"\n",
                Narrow(Text(FindTool(Tool::kMultiplier))).c_str(), Narrow(Text(zones)).c_str());
  return shown;
}

void CallDetailsEndToEnd() {
  std::printf("-- the call-details update through CheckCall0 and the host's object\n");
  Run run;
  if (!run.Open("details", {{"Mode", "1"}, {"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"},
                            {"setup_view_multiplier_extended", "1"}, {"setup_not_work_zone", "1"}}))
    return;
  HWND dialog = WaitForControlWindow(kCwTitle);
  Check(dialog != nullptr, "the control window opens");
  if (!dialog) return;
  Check(WaitFor([] {
          return FindTool(Tool::kMultiplier) && FindTool(Tool::kExtendedMultiplier) &&
                 FindTool(Tool::kZoneSearch);
        }),
        "the three tool windows open");
  const host::PluginQso k20 = LoggedQso("K1AB", "20m", 14025000, "K", "NA", "05", 1);
  const host::PluginQso k40 = LoggedQso("K1AB", "40m", 7010000, "K", "NA", "05", 2);
  const host::PluginQso dl20 = LoggedQso("DL2XX", "20m", 14030000, "DL", "EU", "14", 3);
  for (const host::PluginQso& q : {k20, k40, dl20})
    Check(run.plugin.AddData(q) == 1, "the log takes " + q.call + " on " + q.band);
  // The host asks for the result now and then; that pass builds the per-band
  // lists of worked zones and countries that the update reads.
  int result = 0;
  run.plugin.GetResult(&result);

  const size_t mark = CommandCount();
  Check(Type(run, "K1AB", 14025000, "K", 5, "20m"),
        "typing K1AB on 14,025 kHz: \"CQ-WW-CW worked with K1AB\", \"CQ Zone on 20m\"");
  HWND zones = FindTool(Tool::kZoneSearch);
  HWND extended = FindTool(Tool::kExtendedMultiplier);
  Pump(200);  // the repaints
  Check(CommandsSince(mark) == std::vector<std::string>{"<SP1>"}, "the host receives <SP1>");
  Check(ZoneFace(zones, 5) == kZoneWorkedFace && ZoneFace(zones, 14) == kZoneWorkedFace &&
            ZoneFace(zones, 3) == kZoneOpenFace,
        "on 20m the zone buttons 5 and 14 show blue, 3 green");
  Check(BoxTicked(extended, 1038, L"K") && BoxTicked(extended, 1025, L"DL"),
        "on 20m the boxes K and DL are ticked");

  // The radio moves 200 Hz, then to 40 m.
  const size_t beforeBand = CommandCount();
  Check(Type(run, "K1AB", 14025200, "K", 5, "20m"), "a 200 Hz move keeps the band");
  Check(CommandCount() == beforeBand, "no <SP1> for 200 Hz");
  Check(Type(run, "K1AB", 7010000, "K", 5, "40m"), "the band change: \"CQ Zone on 40m\"");
  Pump(200);
  Check(CommandsSince(beforeBand) == std::vector<std::string>{"<SP1>"}, "<SP1> for the new band");
  Check(ZoneFace(zones, 5) == kZoneWorkedFace && ZoneFace(zones, 14) == kZoneOpenFace,
        "on 40m zone 5 blue, zone 14 back to green");
  Check(BoxTicked(extended, 1038, L"K") && !BoxTicked(extended, 1025, L"DL"),
        "on 40m K ticked, DL clear");

  // The 40 m QSO goes: its zone and entity lose their marks.
  run.plugin.RemoveData(k40);
  Pump(500);
  Check(WaitFor([&] { return ZoneFace(zones, 5) == kZoneOpenFace; }),
        "after the removal zone 5 shows green on 40m");
  Check(Text(zones) == L"CQ Zone on 40m", "the zone window still names 40m");
  // The countries follow at the next result, as the host asks for it.
  run.plugin.GetResult(&result);
  Check(Type(run, "K1AB", 7010000, "K", 5, "40m"), "the call typed again on 40m");
  Pump(200);
  Check(!BoxTicked(extended, 1038, L"K") && ZoneFace(zones, 5) == kZoneOpenFace,
        "after the removal and the next result, K clear and zone 5 green");
  Check(Type(run, "K1AB", 14025000, "K", 5, "20m"), "back on 20m");
  Pump(200);
  Check(ZoneFace(zones, 5) == kZoneWorkedFace && BoxTicked(extended, 1038, L"K"),
        "back on 20m zone 5 blue and K ticked");
  run.Unload();
}

int Hold(int seconds) {
  Run run;
  if (!run.Open("hold", {{"setup_mode_cw", "1"}, {"setup_view_multiplier", "1"},
                         {"setup_view_multiplier_extended", "1"}, {"setup_not_work_zone", "1"},
                         {"setup_window_on_top", "1"}}))
    return 1;
  WaitForControlWindow(kCwTitle);
  std::printf("holding\n");
  Pump(static_cast<DWORD>(seconds) * 1000);
  run.Unload();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 2) return 2;
  g_dll = argv[1];
  if (!g_dll.empty() && g_dll[0] == '/') g_dll = "Z:" + g_dll;
  char here[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, here);
  g_startFolder = here;

  bool verified = false;
  std::string where;
  host::RegisterProgId(&verified, &where);
  host::AutomationServer server;
  std::string error;

  if (argc > 2 && std::strcmp(argv[2], "--exit-with-windows") == 0) {
    server.Start(&error);
    g_server = &server;
    return ExitWithWindows();
  }
  if (argc > 2 && std::strcmp(argv[2], "--object-on-host-thread") == 0) return ObjectOnHostThread();
  if (argc > 2 && std::strcmp(argv[2], "--call-details") == 0) {
    Check(server.Start(&error), "the stand-in host's object is running " + error);
    g_server = &server;
    CallDetailsEndToEnd();
    g_server = nullptr;
    server.Stop();
    std::printf("%s\n", g_failures ? "FAILED" : "all passed");
    return g_failures ? 1 : 0;
  }
  if (argc > 3 && std::strcmp(argv[2], "--hold") == 0) {
    server.Start(&error);
    g_server = &server;
    return Hold(std::atoi(argv[3]));
  }

  NoHostObject();
  Check(server.Start(&error), "the stand-in host's object is running " + error);
  g_server = &server;
  CwStartAndEveryBox();
  RussianTexts();
  HostErrors();
  OperatorEndsTheWindow();
  Cycles();
  Stress();
  ProcessExitsWithWindowsOpen(argv[0]);
  ObjectOnTheHostsThread(argv[0]);
  g_server = nullptr;
  server.Stop();
  std::printf("%s\n", g_failures ? "FAILED" : "all passed");
  return g_failures ? 1 : 0;
}
