#include "tools/host/host_options.h"

#include <cstdlib>
#include <cstring>

namespace host {

const char* Usage() {
  return "usage: stats-host.exe [options] LOG.cbr\n"
         "       stats-host.exe --serve [--frequency HZ] [--entry CALL]\n"
         "Plays a Cabrillo log through Stats.dll the way the logging host does.\n"
         "  --dll PATH          the Stats.dll to load (default: beside this program)\n"
         "  --folder PATH       the host's working folder (default: host-run)\n"
         "  --cty PATH          country file (default /usr/share/hamradio-files/cty.dat)\n"
         "  --version TEXT      host version in Qalo2.ini (default 2.20)\n"
         "  --html              announce the host version: HTML reports\n"
         "  --mode cw|ssb       contest mode in the plug-in's settings (default: the log's)\n"
         "  --ui                let the scoring run start the plug-in's control window\n"
         "  --decorated         find the exports by their decorated names\n"
         "  --reload            AddData0 only, as when the host reloads a log (timed\n"
         "                      as a whole, with the reports of --result-every)\n"
         "  --result-every N    GetResult0 after every N QSOs (default 1; 0: at the end)\n"
         "  --remove N[,M...]   delete these QSOs (numbers in the log, from 1)\n"
         "  --edit N[:f=v,...]  edit QSO N: RemoveData0, then AddData0 of the changed QSO;\n"
         "                      fields call, zone, sent, freq (kHz), mode, time (hhmm)\n"
         "  --remove-spread K   delete K QSOs spread over the log\n"
         "  --probe-calls K     type K calls of the log again (CheckCall0 only)\n"
         "  --keystrokes K      with --ui: type K calls of the log again, timing each\n"
         "                      keystroke from CheckCall0 to the windows painted\n"
         "  --results K         K more GetResult0 calls at the end\n"
         "  --export            then run a Cabrillo export (answers the dialogs)\n"
         "  --cancel-header     cancel the Cabrillo header dialog instead of confirming\n"
         "  --automation-on-main-thread  host object in the calling thread's apartment\n"
         "  --report-file PATH  write the final report as returned\n"
         "  --expect-report PATH / --expect-badqso PATH / --expect-cabrillo PATH\n"
         "                      exit 1 unless the final report / bad-QSO file /\n"
         "                      Cabrillo file equals the file\n"
         "  --quiet             do not print the report\n"
         "  --timing-only       print only the answers and the timing table\n";
}

namespace {

bool ParseInt(const char* text, int minimum, int& out) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (!*text || *end || value < minimum || value > 100000000) return false;
  out = static_cast<int>(value);
  return true;
}

bool ParseNumbers(const std::string& text, std::vector<int>& out) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    int number = 0;
    if (!ParseInt(item.c_str(), 1, number)) return false;
    out.push_back(number);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

bool ParseEdit(const std::string& text, QsoEdit& edit) {
  std::size_t colon = text.find(':');
  if (!ParseInt(text.substr(0, colon).c_str(), 1, edit.number)) return false;
  if (colon == std::string::npos) return true;
  std::string rest = text.substr(colon + 1);
  std::size_t start = 0;
  while (start < rest.size()) {
    std::size_t comma = rest.find(',', start);
    std::string item = rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    std::size_t equals = item.find('=');
    if (equals == std::string::npos) return false;
    std::string field = item.substr(0, equals);
    if (field != "call" && field != "zone" && field != "sent" && field != "freq" &&
        field != "mode" && field != "time")
      return false;
    edit.changes.emplace_back(field, item.substr(equals + 1));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

}  // namespace

bool ParseOptions(int argc, char** argv, HostOptions& o, std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    return false;
  };
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](const char*& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    const char* v = nullptr;
    if (arg == "--html") o.html = true;
    else if (arg == "--ui") o.ui = true;
    else if (arg == "--decorated") o.decorated = true;
    else if (arg == "--reload") o.reload = true;
    else if (arg == "--export") o.exportLog = true;
    else if (arg == "--cancel-header") o.confirmHeader = false;
    else if (arg == "--automation-on-main-thread") o.automationOnMainThread = true;
    else if (arg == "--quiet") o.quiet = true;
    else if (arg == "--timing-only") o.timingOnly = o.quiet = true;
    else if (arg == "--serve") o.serve = true;
    else if (arg.rfind("--", 0) == 0 && !value(v)) return fail(arg + " needs a value");
    else if (arg == "--dll") o.dllPath = v;
    else if (arg == "--folder") o.folder = v;
    else if (arg == "--cty") o.ctyPath = v;
    else if (arg == "--version") o.hostVersion = v;
    else if (arg == "--mode") {
      o.mode = v;
      if (o.mode != "cw" && o.mode != "ssb") return fail("--mode is cw or ssb");
    } else if (arg == "--result-every") {
      if (!ParseInt(v, 0, o.resultEvery)) return fail("bad --result-every");
    } else if (arg == "--remove") {
      if (!ParseNumbers(v, o.removals)) return fail("bad --remove");
    } else if (arg == "--edit") {
      QsoEdit edit;
      if (!ParseEdit(v, edit)) return fail("bad --edit");
      o.edits.push_back(edit);
    } else if (arg == "--remove-spread") {
      if (!ParseInt(v, 0, o.removeSpread)) return fail("bad --remove-spread");
    } else if (arg == "--probe-calls") {
      if (!ParseInt(v, 0, o.probeCalls)) return fail("bad --probe-calls");
    } else if (arg == "--keystrokes") {
      if (!ParseInt(v, 0, o.keystrokeCalls)) return fail("bad --keystrokes");
    } else if (arg == "--results") {
      if (!ParseInt(v, 0, o.extraResults)) return fail("bad --results");
    } else if (arg == "--report-file") o.reportFile = v;
    else if (arg == "--expect-report") o.expectReport = v;
    else if (arg == "--expect-badqso") o.expectBadQso = v;
    else if (arg == "--expect-cabrillo") o.expectCabrillo = v;
    else if (arg == "--frequency") o.serveFrequency = std::atof(v);
    else if (arg == "--entry") o.serveEntry = v;
    else if (arg.rfind("--", 0) == 0) return fail("unknown option " + arg);
    else if (o.logPath.empty()) o.logPath = arg;
    else return fail("more than one log given");
  }
  if (!o.serve && o.logPath.empty()) return fail("no log given");
  return true;
}

}  // namespace host
