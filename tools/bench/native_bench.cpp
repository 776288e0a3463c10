// stats-native-bench: the engine's speed without the library boundary or an
// emulator. It plays a Cabrillo log through statscore the way the stand-in host
// plays it through Stats.dll in its reload flow, and prints the same table:
//   - the reload: AddQso for every QSO, bad-QSO file lines included; with
//     --result-every N a report after every N QSOs too, timed as a replay;
//   - the call check: every character of K calls of the log typed again
//     against the full store;
//   - the result: K reports of the full log;
//   - the removal: K QSOs spread over the log taken out one by one.
// The window side does nothing (no windows exist natively); the settings are
// the ini-file implementation over a fresh working folder.
//
// Usage: stats-native-bench [--cty PATH] [--probe-calls K] [--results K]
//                           [--remove-spread K] [--result-every N]
//                           [--folder PATH] LOG.cbr
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/call_check.h"
#include "engine/host_args.h"
#include "engine/intake.h"
#include "engine/ole_date_time.h"
#include "engine/removal.h"
#include "engine/window_side.h"
#include "plugin/ini_file_settings.h"
#include "plugin/plugin_state.h"
#include "plugin/scoring_run.h"
#include "reports/result_report.h"
#include "tools/bench/timing_summary.h"
#include "tools/cabrillo/cabrillo_reader.h"
#include "tools/cty/cty_file.h"

namespace {

// No windows: nothing to post, reset, start or show; no dialog to confirm.
class NullWindowSide : public WindowSide {
 public:
  bool HasControlWindow() override { return false; }
  void PostCallDetails() override {}
  void ResetZoneDisplays() override {}
  void StartUiThread() override {}
  void ShowMessage(const std::string&, const char*, bool) override {}
  bool RunHeaderDialog(CabrilloLog&) override { return false; }
};

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::micro>(to - from).count();
}

struct Typed {
  std::string text, prefix;
  int zone = 0;
};

struct Entry {
  QsoArgs qso;
  std::vector<Typed> typing;
};

std::vector<std::size_t> Spread(std::size_t n, int count) {
  std::vector<std::size_t> at;
  for (int j = 0; j < count && n > 0; ++j)
    at.push_back((2 * static_cast<std::size_t>(j) + 1) * n / (2 * static_cast<std::size_t>(count)));
  return at;
}

}  // namespace

int main(int argc, char** argv) {
  std::string ctyPath = "/usr/share/hamradio-files/cty.dat";
  std::string logPath, folderPath;
  int probeCalls = 200, results = 10, removeSpread = 10, resultEvery = 0;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--cty" && hasValue) ctyPath = argv[++i];
    else if (arg == "--probe-calls" && hasValue) probeCalls = std::atoi(argv[++i]);
    else if (arg == "--results" && hasValue) results = std::atoi(argv[++i]);
    else if (arg == "--remove-spread" && hasValue) removeSpread = std::atoi(argv[++i]);
    else if (arg == "--result-every" && hasValue) resultEvery = std::atoi(argv[++i]);
    else if (arg == "--folder" && hasValue) folderPath = argv[++i];
    else if (arg.rfind("--", 0) != 0 && logPath.empty()) logPath = arg;
    else {
      std::fprintf(stderr, "usage: stats-native-bench [--cty PATH] [--probe-calls K] "
                           "[--results K] [--remove-spread K] [--result-every N] "
                           "[--folder PATH] LOG.cbr\n");
      return 2;
    }
  }
  if (logPath.empty()) {
    std::fprintf(stderr, "stats-native-bench: no log given\n");
    return 2;
  }
  namespace fs = std::filesystem;
  logPath = fs::absolute(logPath).string();
  ctyPath = fs::absolute(ctyPath).string();

  CtyFile cty;
  std::string error;
  if (!cty.Load(ctyPath, &error)) {
    std::fprintf(stderr, "stats-native-bench: %s\n", error.c_str());
    return 2;
  }
  CabrilloFile log;
  if (!ReadCabrilloFile(logPath, log)) {
    std::fprintf(stderr, "stats-native-bench: cannot read %s\n", logPath.c_str());
    return 2;
  }

  std::string ownCall = log.Tag("CALLSIGN");
  CtyResolution own, resolved;
  cty.Resolve(ownCall, own);
  bool cw = log.Tag("CONTEST") != "CQ-WW-SSB";
  std::vector<Entry> entries;
  entries.reserve(log.qsos.size());
  for (const auto& q : log.qsos) {
    Entry e;
    e.qso.ownCall = ownCall;
    e.qso.call = q.call;
    e.qso.time = COleDateTime::FromParts(q.year, q.month, q.day, q.hour, q.minute, 0);
    e.qso.freqHz = q.freqKhz * 1000u;
    e.qso.mode = q.mode;
    e.qso.rstSent = q.rstSent;
    e.qso.rstRcvd = q.rstRcvd;
    e.qso.exchSent = q.exchSent;
    e.qso.exchRcvd = q.exchRcvd;
    e.qso.band = q.band;
    if (cty.Resolve(q.call, resolved)) {
      e.qso.prefix = resolved.prefix;
      e.qso.continent = resolved.continent;
    }
    for (std::size_t n = 1; n <= q.call.size(); ++n) {
      Typed t;
      t.text = q.call.substr(0, n);
      if (cty.Resolve(t.text, resolved)) {
        t.prefix = resolved.prefix;
        t.zone = resolved.cqZone;
      }
      e.typing.push_back(t);
    }
    entries.push_back(std::move(e));
  }
  if (entries.empty()) {
    std::fprintf(stderr, "stats-native-bench: the log has no QSOs\n");
    return 2;
  }

  // A fresh host folder, as the stand-in host makes it.
  fs::path folder = folderPath.empty() ? fs::temp_directory_path() / "stats-native-bench"
                                       : fs::absolute(folderPath);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  fs::create_directories(folder / "Plugins");
  fs::current_path(folder);
  std::ofstream("Qalo2.ini", std::ios::binary) << "[Qalo]\r\nQalo=2.20\r\n";
  std::ofstream("Plugins/CQ-WW-CW-SSB.ini", std::ios::binary)
      << "[Settings]\r\nMode=" << (cw ? 1 : 0) << "\r\nStart=1\r\n";

  auto state = std::make_unique<PluginState>();
  IniFileSettings settings(state->m_settingsFile, state->m_settingsSection);
  NullWindowSide windows;

  ResetArgs reset;
  reset.folderPrefix = folder.string() + "/";
  reset.contestant = ownCall;
  const CabrilloQso& first = log.qsos.front();
  const CabrilloQso& last = log.qsos.back();
  reset.firstDay = COleDateTime::FromParts(first.year, first.month, first.day, 0, 0, 0);
  reset.lastDay = COleDateTime::FromParts(last.year, last.month, last.day, 0, 0, 0);
  reset.ownPrefix = own.prefix;
  reset.ownContinent = own.continent;
  OpenScoringRun(*state, settings, windows, reset);

  std::vector<double> addUs, checkUs, resultUs, removeUs;
  long stored = 0, rejected = 0;
  int out = 0;
  auto report = [&] { GetResult(*state, *state, settings, windows, &out); };
  auto reloadStart = Clock::now();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    auto t = Clock::now();
    int answer = AddQso(*state, entries[i].qso);
    addUs.push_back(Microseconds(t, Clock::now()));
    (answer ? stored : rejected)++;
    if (resultEvery > 0 && (i + 1) % static_cast<std::size_t>(resultEvery) == 0)
      report();
  }
  double reloadUs = Microseconds(reloadStart, Clock::now());

  long checks[5] = {};
  char zone[100];
  for (std::size_t at : Spread(entries.size(), probeCalls)) {
    const Entry& e = entries[at];
    for (const auto& t : e.typing) {
      CallCheckArgs args;
      args.call = t.text;
      args.mode = e.qso.mode;
      args.prefix = t.prefix;
      args.zone = t.zone;
      args.band = e.qso.band;
      args.hasBand2 = true;
      args.band2 = e.qso.band;
      args.zoneOut = zone;
      auto start = Clock::now();
      int answer = CheckCall(*state, windows, args);
      checkUs.push_back(Microseconds(start, Clock::now()));
      if (answer >= 0 && answer <= 4) ++checks[answer];
    }
  }

  for (int i = 0; i < results; ++i) {
    auto t = Clock::now();
    report();
    resultUs.push_back(Microseconds(t, Clock::now()));
  }

  for (std::size_t at : Spread(entries.size(), removeSpread)) {
    auto t = Clock::now();
    RemoveQso(*state, windows, entries[at].qso);
    removeUs.push_back(Microseconds(t, Clock::now()));
  }

  std::printf("log: %s, %lu QSOs, AddQso 1: %ld 0: %ld; CheckCall 0: %ld 1: %ld 2: %ld 4: %ld\n",
              logPath.c_str(), static_cast<unsigned long>(entries.size()), stored, rejected,
              checks[0], checks[1], checks[2], checks[4]);
  std::fputs(bench::TimingHeader().c_str(), stdout);
  std::fputs(bench::TimingLine("AddData0", bench::Summarise(addUs)).c_str(), stdout);
  std::fputs(bench::TimingLine(resultEvery > 0 ? "replay with reports" : "reload (all AddData0)",
                               bench::Summarise({reloadUs}))
                 .c_str(),
             stdout);
  std::fputs(bench::TimingLine("CheckCall0", bench::Summarise(checkUs)).c_str(), stdout);
  std::fputs(bench::TimingLine("GetResult0", bench::Summarise(resultUs)).c_str(), stdout);
  std::fputs(bench::TimingLine("RemoveData0", bench::Summarise(removeUs)).c_str(), stdout);

  fs::current_path(folder.parent_path(), ignored);
  fs::remove_all(folder, ignored);
  return 0;
}
