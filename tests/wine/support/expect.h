// The checks of the console test programs: each failed check prints one line,
// and the program's exit code says whether any failed.
#ifndef STATS_TESTS_WINE_SUPPORT_EXPECT_H_
#define STATS_TESTS_WINE_SUPPORT_EXPECT_H_

#include <cstdio>
#include <string>

inline int& FailedChecks() {
  static int failed = 0;
  return failed;
}

inline void Expect(bool ok, const std::string& what) {
  if (ok) return;
  ++FailedChecks();
  std::printf("FAIL %s\n", what.c_str());
}

// Prints the count; the program's exit code.
inline int CheckResult() {
  std::printf("%d failed checks\n", FailedChecks());
  return FailedChecks() == 0 ? 0 : 1;
}

#endif  // STATS_TESTS_WINE_SUPPORT_EXPECT_H_
