// stats-loggen: writes a synthetic CQ WW Cabrillo log, the same bytes for the
// same options, to feed Stats.dll through a stand-in host.
//
//   stats-loggen [--seed N] [--qsos N] [--mode CW|SSB] [--call OWNCALL]
//                [--start YYYY-MM-DD] [--out FILE] [--cty FILE] [--calls FILE]
//                [--report]
//
//   --seed N      random seed (default 1); the same seed, the same log
//   --qsos N      number of QSO lines (default 3000), dupes and lines the
//                 plug-in must reject included
//   --mode M      CW (default) or SSB
//   --call C      own call (default OK1XYZ for CW, K1XYZ for SSB); its zone is
//                 the sent exchange
//   --start D     first contest day (default 2026-11-28 for CW, 2026-10-31 for
//                 SSB); the log covers 48 hours from 00:00 UTC
//   --out FILE    where to write (default: standard output)
//   --cty FILE    country file (default /usr/share/hamradio-files/cty.dat)
//   --calls FILE  call list (default /usr/share/hamradio-files/MASTER.SCP)
//   --report      print the counts and the time taken to standard error
//
// The repository's sample logs are made so (from the repository's top folder):
//   stats-loggen --seed 2026 --qsos 3000 --mode CW --out tools/samples/cq-ww-cw-sample.log
//   stats-loggen --seed 2026 --qsos 3000 --mode SSB --out tools/samples/cq-ww-ssb-sample.log
//
// Exit status 0 on success, 2 on a bad option, 1 when a file cannot be read or
// written. What the log holds: tools/loggen/log_generator.h.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/cty/cty_file.h"
#include "tools/loggen/log_generator.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(stderr, "stats-loggen: %s\n", problem);
  std::fprintf(stderr,
               "usage: stats-loggen [--seed N] [--qsos N] [--mode CW|SSB] [--call OWNCALL]\n"
               "                    [--start YYYY-MM-DD] [--out FILE] [--cty FILE] [--calls FILE]\n"
               "                    [--report]\n");
  return 2;
}

bool Number(const char* text, unsigned long long limit, unsigned long long& value) {
  if (!*text) return false;
  char* end = nullptr;
  value = std::strtoull(text, &end, 10);
  return *end == '\0' && text[0] != '-' && value <= limit;
}

}  // namespace

int main(int argc, char** argv) {
  LogGeneratorOptions options;
  std::string outPath, ctyPath = "/usr/share/hamradio-files/cty.dat";
  std::string callsPath = "/usr/share/hamradio-files/MASTER.SCP";
  bool report = false;

  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--report") {
      report = true;
      continue;
    }
    if (option == "--help" || option == "-h") {
      Usage("writes a synthetic CQ WW Cabrillo log");
      return 0;
    }
    if (i + 1 >= argc) return Usage(("option " + option + " needs a value").c_str());
    const char* value = argv[++i];
    unsigned long long number = 0;
    if (option == "--seed") {
      if (!Number(value, ~0ull, number)) return Usage("--seed needs a whole number");
      options.seed = number;
    } else if (option == "--qsos") {
      if (!Number(value, 10000000ull, number)) return Usage("--qsos needs a number from 0 to 10000000");
      options.qsos = static_cast<int>(number);
    } else if (option == "--mode") {
      const std::string mode = value;
      if (mode == "CW" || mode == "cw")
        options.cw = true;
      else if (mode == "SSB" || mode == "ssb")
        options.cw = false;
      else
        return Usage("--mode is CW or SSB");
    } else if (option == "--call") {
      options.ownCall = value;
    } else if (option == "--start") {
      int y = 0, m = 0, d = 0;
      char rest = 0;
      if (std::sscanf(value, "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3 || y == 0)
        return Usage("--start needs a date YYYY-MM-DD");
      options.startYear = y;
      options.startMonth = m;
      options.startDay = d;
    } else if (option == "--out") {
      outPath = value;
    } else if (option == "--cty") {
      ctyPath = value;
    } else if (option == "--calls") {
      callsPath = value;
    } else {
      return Usage(("unknown option " + option).c_str());
    }
  }

  const auto started = std::chrono::steady_clock::now();
  CtyFile cty;
  std::string error;
  if (!cty.Load(ctyPath, &error)) {
    std::fprintf(stderr, "stats-loggen: %s\n", error.c_str());
    return 1;
  }
  const std::vector<std::string> calls = ReadCallList(callsPath);
  if (calls.empty()) {
    std::fprintf(stderr, "stats-loggen: %s: no calls (missing or empty)\n", callsPath.c_str());
    return 1;
  }
  const auto loaded = std::chrono::steady_clock::now();

  std::string log;
  LogGeneratorCounts counts;
  if (!GenerateLog(options, cty, calls, log, &counts, &error)) return Usage(error.c_str());
  const auto generated = std::chrono::steady_clock::now();

  FILE* out = stdout;
  if (!outPath.empty()) {
    out = std::fopen(outPath.c_str(), "wb");
    if (!out) {
      std::fprintf(stderr, "stats-loggen: %s: cannot be written\n", outPath.c_str());
      return 1;
    }
  } else {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the log has its own CR LF
#endif
  }
  const bool written = std::fwrite(log.data(), 1, log.size(), out) == log.size();
  const bool closed = out == stdout ? std::fflush(out) == 0 : std::fclose(out) == 0;
  if (!written || !closed) {
    std::fprintf(stderr, "stats-loggen: %s: writing failed\n", outPath.empty() ? "output" : outPath.c_str());
    return 1;
  }
  const auto finished = std::chrono::steady_clock::now();

  if (report) {
    auto ms = [](std::chrono::steady_clock::duration d) {
      return std::chrono::duration<double, std::milli>(d).count();
    };
    std::fprintf(stderr,
                 "qsos %d, dupes %d, warc %d, missing zone %d, other mode %d, bytes %zu\n"
                 "load %.1f ms (country file %zu entities, %zu calls), generate %.1f ms, write %.1f ms\n",
                 counts.qsos, counts.dupes, counts.warcBand, counts.missingZone, counts.otherMode,
                 log.size(), ms(loaded - started), cty.Entities().size(), calls.size(),
                 ms(generated - loaded), ms(finished - generated));
  }
  return 0;
}
