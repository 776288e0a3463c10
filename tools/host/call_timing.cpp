#include "tools/host/call_timing.h"

#include "tools/bench/timing_summary.h"

namespace host {

std::string CallTiming::Table(const std::vector<std::string>& order) const {
  std::string out = bench::TimingHeader();
  for (const auto& kind : order) {
    auto found = m_samples.find(kind);
    if (found == m_samples.end() || found->second.empty()) continue;
    out += bench::TimingLine(kind, bench::Summarise(found->second));
  }
  return out;
}

}  // namespace host
