// CallTiming: the time the plug-in spends in each kind of exported call,
// measured with the performance counter around the call alone (the host's own
// work, such as resolving calls, stays outside).
#ifndef STATS_TOOLS_HOST_CALL_TIMING_H_
#define STATS_TOOLS_HOST_CALL_TIMING_H_

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace host {

class CallTiming {
 public:
  CallTiming() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    m_usPerTick = 1e6 / static_cast<double>(frequency.QuadPart);
  }

  // A started measurement; Stop adds it to `kind`.
  LONGLONG Start() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
  }
  void Stop(const std::string& kind, LONGLONG started) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    m_samples[kind].push_back(static_cast<double>(now.QuadPart - started) * m_usPerTick);
  }
  // A measured span that is not one call (the whole reload, say).
  void Add(const std::string& kind, double microseconds) { m_samples[kind].push_back(microseconds); }

  // A header and one line per kind, in the order given (kinds without samples
  // left out).
  std::string Table(const std::vector<std::string>& order) const;

 private:
  double m_usPerTick;
  std::map<std::string, std::vector<double>> m_samples;
};

}  // namespace host

#endif  // STATS_TOOLS_HOST_CALL_TIMING_H_
