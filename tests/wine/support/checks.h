// The wine test programs' checks: one line per case, "ok" or "FAIL" with what
// was got and wanted, control characters shown, and a count of the failures
// that decides the program's exit code. Any thread may check.
#ifndef STATS_TESTS_WINE_SUPPORT_CHECKS_H_
#define STATS_TESTS_WINE_SUPPORT_CHECKS_H_

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

#include "tools/text/text_utils.h"

namespace wine_test {

inline std::atomic<int> g_failures{0};
inline std::mutex g_output;

inline void Check(bool ok, const std::string& name, const std::string& detail = "") {
  std::lock_guard<std::mutex> hold(g_output);
  std::printf("%s %s%s%s\n", ok ? "ok  " : "FAIL", name.c_str(),
              ok || detail.empty() ? "" : ": ", ok ? "" : detail.c_str());
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

using tools_text::Visible;

inline void CheckInt(int got, int want, const std::string& name) {
  Check(got == want, name, "got " + std::to_string(got) + ", want " + std::to_string(want));
}

inline void CheckText(const std::string& got, const std::string& want, const std::string& name) {
  Check(got == want, name, "got \"" + Visible(got) + "\", want \"" + Visible(want) + "\"");
}

}  // namespace wine_test

#endif  // STATS_TESTS_WINE_SUPPORT_CHECKS_H_
