// The operator's settings file survives a crash of the host at any moment.
//
// The parent lays out a host folder whose settings file holds an operator's
// Cabrillo header, then, trial after trial, starts a child (this program with
// "--writer") that loads Stats.dll there and logs QSO after QSO with a result
// request after each, so that every request stores a new claimed score; it
// kills the child at a random moment once the writes are under way. After
// every kill the file must be whole: every line of the header as it was, and
// "Claimed" a score. A settings file rewritten in place would, now and then,
// be found empty or cut.
//
// Usage: settings_kill <path of Stats.dll>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/checks.h"
#include "tools/host/host_date.h"
#include "tools/host/host_folder.h"
#include "tools/host/plugin_library.h"

namespace {

constexpr int kTrials = 25;
constexpr DWORD kStartTimeoutMs = 60000;

const char* const kHeaderLines[] = {
    "[Settings]",
    "Mode=1",
    "Start=1",
    "Operators=K3LR N2NC",
    "Name=Ann Operator",
    "Address=1 Main Street",
    "Address_City=Springfield",
    "Email=ann@example.org",
    "Club=Test Club",
    "SoapBox=first line<CR><LF>second line",
};

std::string SettingsPath(const std::string& folderPrefix) {
  return folderPrefix + "Plugins\\CQ-WW-CW-SSB.ini";
}

// The child: log QSOs without end, a result after each; the parent kills it.
int Writer(const std::string& dll, const std::string& folder) {
  if (!SetCurrentDirectoryA(folder.c_str())) return 2;
  host::PluginLibrary plugin;
  std::string error;
  if (!plugin.Load(dll, false, &error)) {
    std::printf("%s\n", error.c_str());
    return 2;
  }
  host::PluginRun run;
  run.folderPrefix = folder + "\\";
  run.contestant = "K3LR";
  run.firstDay = host::MakeDate(2024, 11, 23);
  run.lastDay = host::MakeDate(2024, 11, 24);
  run.ownPrefix = "K";
  run.ownContinent = "NA";
  plugin.ResetStats(run);
  for (unsigned n = 0;; ++n) {
    host::PluginQso qso;
    qso.ownCall = "K3LR";
    qso.call = "JA" + std::to_string(n % 10) + "A" + std::to_string(n);
    qso.time = host::MakeDate(2024, 11, 23, 0, 0);
    qso.time.days += n / 1440.0;
    qso.freqHz = 21025000;
    qso.mode = "CW";
    qso.rstSent = qso.rstRcvd = "599";
    qso.exchSent = "5";
    qso.exchRcvd = "25";
    qso.prefix = "JA";
    qso.continent = "AS";
    qso.band = "15m";
    plugin.AddData(qso);
    int out = 0;
    plugin.GetResult(&out);
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool StartsWith(const std::string& text, const char* head) { return text.rfind(head, 0) == 0; }

// Empty when the file is the operator's header, whole, with the keys the
// plug-in keeps itself ("Claimed" a number; "Start" and "setup_style", which
// every scoring run writes), else what is wrong with it.
std::string Problem(const std::string& text, long* claimed) {
  if (text.empty()) return "the file is empty";
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
    return "the file does not end with a whole line";
  *claimed = -1;
  std::vector<std::string> operatorLines;
  for (const std::string& line : Lines(text)) {
    if (StartsWith(line, "Claimed=")) {
      char* end = nullptr;
      *claimed = std::strtol(line.c_str() + 8, &end, 10);
      if (*end || line.size() == 8) return "\"" + line + "\" is no score";
    } else if (!StartsWith(line, "Start=") && !StartsWith(line, "setup_style=")) {
      operatorLines.push_back(line);
    }
  }
  std::vector<std::string> header;
  for (const char* line : kHeaderLines)
    if (!StartsWith(line, "Start=")) header.push_back(line);
  if (operatorLines != header) return "the operator's lines are not as they were";
  return std::string();
}

std::string ReadSettings(const std::string& path) {
  std::string text;
  host::ReadWholeFile(path, text);
  return text;
}

int Parent(const std::string& dll) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);

  host::FolderLayout layout;
  layout.folder = std::string(temp) + "stats-settings-kill";
  layout.hostVersion = "2.18";  // a host that keeps the window thread off
  layout.dllSource = dll;
  host::PreparedFolder folder;
  std::string error;
  if (!host::PrepareFolder(layout, folder, &error)) {
    std::printf("cannot prepare the host folder: %s\n", error.c_str());
    return 2;
  }
  std::string header;
  for (const char* line : kHeaderLines) header += std::string(line) + "\r\n";
  const std::string path = SettingsPath(folder.folderPrefix);
  if (!host::WriteWholeFile(path, header)) {
    std::printf("cannot write %s\n", path.c_str());
    return 2;
  }

  std::srand(GetTickCount());
  long lastClaimed = -1;
  for (int trial = 1; trial <= kTrials; ++trial) {
    std::string command = "\"" + std::string(self) + "\" --writer \"" + folder.dllPath + "\" \"" +
                          folder.fullPath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
      std::printf("cannot start the writer (error %lu)\n", GetLastError());
      return 2;
    }
    // Wait until the child has stored a score of its own, then let it write
    // on for a random while.
    const DWORD started = GetTickCount();
    long claimed = -1;
    bool writing = false;
    while (GetTickCount() - started < kStartTimeoutMs) {
      if (WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0) break;
      std::string problem = Problem(ReadSettings(path), &claimed);
      if (problem.empty() && claimed > 0 && claimed != lastClaimed) {
        writing = true;
        break;
      }
      Sleep(5);
    }
    if (writing) Sleep(static_cast<DWORD>(std::rand() % 400));
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);

    const std::string text = ReadSettings(path);
    const std::string problem = writing ? Problem(text, &claimed)
                                        : "the writer never stored a score";
    wine_test::Check(problem.empty(),
                     "trial " + std::to_string(trial) +
                         (problem.empty() ? ": Claimed=" + std::to_string(claimed) : ""),
                     problem);
    if (!problem.empty()) {
      host::WriteWholeFile(path, header);  // the next trial starts whole again
      lastClaimed = -1;
    } else {
      lastClaimed = claimed;
    }
  }
  std::printf("%d of %d trials left a broken settings file\n", wine_test::g_failures.load(),
              kTrials);
  return wine_test::g_failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--writer") return Writer(argv[2], argv[3]);
  if (argc != 2) {
    std::printf("usage: %s <Stats.dll>\n", argv[0]);
    return 2;
  }
  return Parent(argv[1]);
}
