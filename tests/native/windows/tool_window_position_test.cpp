// Where a tool window opens and when its position is written back.
#include "ui/windows/tool_window_position.h"

#include <gtest/gtest.h>

#include <string>

#include "reports/memory_settings.h"

namespace {

const PositionKeys kKeys = {"dxcc_extended_x", "dxcc_extended_y"};

TEST(ToolWindowPosition, LoadedKeys) {
  const struct {
    const char* x;  // null: key missing
    const char* y;
    int expectedX, expectedY;
  } cases[] = {
      {nullptr, nullptr, 10, 400},
      {"0", "0", 10, 400},
      {"250", "0", 250, 400},
      {"0", "37", 10, 37},
      {"-1200", "-80", -1200, -80},  // a monitor left of or above the main one
      {" 320", "+15", 320, 15},
      {"12px", "7 ", 12, 7},
      {"abc", "", 10, 400},
      {"-0", "x1", 10, 400},
  };
  for (const auto& c : cases) {
    MemorySettings settings;
    if (c.x) settings.values[kKeys.x] = c.x;
    if (c.y) settings.values[kKeys.y] = c.y;
    LastWindowPosition last{-5, -5};
    const ScreenPoint at = LoadToolWindowPosition(settings, kKeys, last);
    const std::string label = std::string(c.x ? c.x : "(missing)") + ", " + (c.y ? c.y : "(missing)");
    EXPECT_EQ(at.x, c.expectedX) << label;
    EXPECT_EQ(at.y, c.expectedY) << label;
    EXPECT_EQ(last.x, c.expectedX) << "the shared pair takes the result: " << label;
    EXPECT_EQ(last.y, c.expectedY) << label;
    EXPECT_TRUE(settings.writes.empty()) << "opening writes nothing: " << label;
  }
}

TEST(ToolWindowPosition, OffEveryMonitorOpensAtTheDefault) {
  EXPECT_EQ(OpeningPosition({-1200, 300}, true).x, -1200);
  const ScreenPoint lost = OpeningPosition({30000, -30000}, false);
  EXPECT_EQ(lost.x, 10);
  EXPECT_EQ(lost.y, 400);
}

TEST(ToolWindowPosition, OnlyChangedEdgesAreWritten) {
  const struct {
    int x, y;
    const char* writtenX;  // null: not written
    const char* writtenY;
  } cases[] = {
      {10, 400, nullptr, nullptr},
      {11, 400, "11", nullptr},
      {10, -3, nullptr, "-3"},
      {-2147483647 - 1, 2147483647, "-2147483648", "2147483647"},
  };
  for (const auto& c : cases) {
    MemorySettings settings;
    LastWindowPosition last{10, 400};
    SaveToolWindowPosition(settings, kKeys, last, {c.x, c.y});
    const auto written = [&](const char* key) -> const char* {
      const auto it = settings.values.find(key);
      return it == settings.values.end() ? nullptr : it->second.c_str();
    };
    const std::string label = std::to_string(c.x) + ", " + std::to_string(c.y);
    EXPECT_EQ(written(kKeys.x) ? std::string(written(kKeys.x)) : "-",
              c.writtenX ? c.writtenX : "-") << label;
    EXPECT_EQ(written(kKeys.y) ? std::string(written(kKeys.y)) : "-",
              c.writtenY ? c.writtenY : "-") << label;
    EXPECT_EQ(last.x, c.x) << label;
    EXPECT_EQ(last.y, c.y) << label;
  }
}

// The pair is shared: a second save at the same place writes nothing.
TEST(ToolWindowPosition, PairRemembersTheLastSave) {
  MemorySettings settings;
  LastWindowPosition last;
  LoadToolWindowPosition(settings, kKeys, last);
  SaveToolWindowPosition(settings, kKeys, last, {120, 130});
  SaveToolWindowPosition(settings, kKeys, last, {120, 130});
  EXPECT_EQ(settings.WrittenKeys(), (std::vector<std::string>{kKeys.x, kKeys.y}));
  LastWindowPosition reopened;
  const ScreenPoint at = LoadToolWindowPosition(settings, kKeys, reopened);
  EXPECT_EQ(at.x, 120);
  EXPECT_EQ(at.y, 130);
}

}  // namespace
