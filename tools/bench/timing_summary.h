// TimingSummary: count, median, 99th percentile (nearest rank), maximum and
// total of a set of measured durations in microseconds. Header-only and
// platform-neutral, shared by the stand-in host and the native benchmark so
// that both print the same figures the same way.
#ifndef STATS_TOOLS_BENCH_TIMING_SUMMARY_H_
#define STATS_TOOLS_BENCH_TIMING_SUMMARY_H_

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

struct TimingSummary {
  unsigned long count = 0;
  double medianUs = 0;
  double p99Us = 0;
  double maxUs = 0;
  double totalMs = 0;
};

inline TimingSummary Summarise(std::vector<double> us) {
  TimingSummary s;
  s.count = static_cast<unsigned long>(us.size());
  if (us.empty()) return s;
  std::sort(us.begin(), us.end());
  const std::size_t n = us.size();
  s.medianUs = n % 2 ? us[n / 2] : (us[n / 2 - 1] + us[n / 2]) / 2;
  std::size_t rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
  s.p99Us = us[std::min(n, std::max<std::size_t>(rank, 1)) - 1];
  s.maxUs = us.back();
  double total = 0;
  for (double v : us) total += v;
  s.totalMs = total / 1000.0;
  return s;
}

inline std::string TimingHeader() {
  char line[160];
  std::snprintf(line, sizeof line, "%-22s %9s %12s %12s %12s %12s\n", "call", "count",
                "median us", "p99 us", "max us", "total ms");
  return line;
}

inline std::string TimingLine(const std::string& kind, const TimingSummary& s) {
  char line[160];
  std::snprintf(line, sizeof line, "%-22s %9lu %12.1f %12.1f %12.1f %12.3f\n", kind.c_str(),
                s.count, s.medianUs, s.p99Us, s.maxUs, s.totalMs);
  return line;
}

}  // namespace bench

#endif  // STATS_TOOLS_BENCH_TIMING_SUMMARY_H_
