// Where a tool window opens, and when it writes its position.
#include <gtest/gtest.h>

#include <map>

#include "ui/windows/window_position.h"

namespace {

const std::vector<Rect> kPrimary = {{0, 0, 1280, 1024}};
// A second monitor to the left of and above the primary one.
const std::vector<Rect> kTwoMonitors = {{0, 0, 1280, 1024}, {-1920, -200, 0, 880}};

TEST(OpeningPosition, SavedTextsAndMonitors) {
  const struct {
    const char* what;
    const char* x;
    const char* y;
    std::vector<Rect> monitors;
    ScreenPoint expected;
  } cases[] = {
      {"keys missing", "", "", kPrimary, {10, 400}},
      {"x saved as 0", "0", "300", kPrimary, {10, 300}},
      {"y saved as 0", "200", "0", kPrimary, {200, 400}},
      {"not a number", "abc", "x1", kPrimary, {10, 400}},
      {"blanks and a sign", "  +120", " 80px", kPrimary, {120, 80}},
      {"on the primary monitor", "1000", "700", kPrimary, {1000, 700}},
      {"a negative corner on the second monitor is kept", "-1500", "-100", kTwoMonitors,
       {-1500, -100}},
      {"a negative corner without that monitor", "-1500", "-100", kPrimary, {10, 400}},
      {"right of every monitor", "5000", "300", kTwoMonitors, {10, 400}},
      {"the right edge is off the monitor", "1280", "300", kPrimary, {10, 400}},
      {"below every monitor", "100", "1024", kPrimary, {10, 400}},
      {"monitors unknown: the corner is kept", "5000", "-3000", {}, {5000, -3000}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OpeningPosition(c.x, c.y, c.monitors), c.expected) << c.what;
  }
}

struct MemorySettings {
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;

  ToolWindowContext Context() {
    ToolWindowContext context;
    context.readSetting = [this](const std::string& key) {
      const auto it = values.find(key);
      return it == values.end() ? std::string() : it->second;
    };
    context.writeSetting = [this](const std::string& key, const std::string& value) {
      values[key] = value;
      writes.push_back(key + "=" + value);
    };
    return context;
  }
};

const WindowPositionKeys kKeys{"dxcc_x", "dxcc_y", 99};

TEST(WindowPosition, LoadingSetsTheSharedPairToTheOpeningCorner) {
  MemorySettings settings;
  settings.values = {{"dxcc_x", "0"}, {"dxcc_y", "250"}};
  ToolWindowContext context = settings.Context();
  EXPECT_EQ(LoadWindowPosition(context, kKeys, kPrimary), (ScreenPoint{10, 250}));
  EXPECT_EQ(context.m_lastWindowX, 10);
  EXPECT_EQ(context.m_lastWindowY, 250);
  EXPECT_TRUE(settings.writes.empty()) << "opening writes nothing";
}

TEST(WindowPosition, ValuesAreCutToTheWindowsReadBuffer) {
  MemorySettings settings;
  // 49 blanks, then a number the 50-character buffer never reaches.
  settings.values = {{"cont_x", std::string(49, ' ') + "77"}, {"cont_y", "60"}};
  ToolWindowContext context = settings.Context();
  EXPECT_EQ(LoadWindowPosition(context, {"cont_x", "cont_y", 49}, kPrimary), (ScreenPoint{10, 60}));
}

TEST(WindowPosition, SavesOnlyTheCoordinatesThatChanged) {
  MemorySettings settings;
  ToolWindowContext context = settings.Context();
  context.m_lastWindowX = 10;
  context.m_lastWindowY = 400;
  SavePositionIfMoved(context, kKeys, 10, 400);
  EXPECT_TRUE(settings.writes.empty());
  SavePositionIfMoved(context, kKeys, -300, 400);
  SavePositionIfMoved(context, kKeys, -300, 512);
  EXPECT_EQ(settings.writes, (std::vector<std::string>{"dxcc_x=-300", "dxcc_y=512"}));
  EXPECT_EQ(context.m_lastWindowX, -300);
  EXPECT_EQ(context.m_lastWindowY, 512);
}

}  // namespace
