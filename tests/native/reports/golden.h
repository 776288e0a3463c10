// Golden files of the report tests, compared byte for byte. On a difference
// the message shows both texts with CR, LF and tab made visible.
#ifndef STATS_TESTS_REPORTS_GOLDEN_H_
#define STATS_TESTS_REPORTS_GOLDEN_H_

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"
#include "tools/text/text_utils.h"

namespace golden {

inline std::string Load(const std::string& name) {
  return TempFolder::Read(std::string(REPORTS_GOLDEN_DIR) + "/" + name);
}

inline ::testing::AssertionResult Matches(const std::string& name, const std::string& actual) {
  const std::string expected = Load(name);
  if (expected.empty()) return ::testing::AssertionFailure() << "golden file missing: " << name;
  if (expected == actual) return ::testing::AssertionSuccess();
  using tools_text::Visible;
  return ::testing::AssertionFailure() << name << " differs\n--- expected\n"
                                       << Visible(expected, /*breakLines=*/true)
                                       << "\n--- actual\n" << Visible(actual, /*breakLines=*/true);
}

}  // namespace golden

#endif  // STATS_TESTS_REPORTS_GOLDEN_H_
