#include "ui/windows/window_position.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool OnMonitor(const ScreenPoint& p, const std::vector<Rect>& monitors) {
  return std::any_of(monitors.begin(), monitors.end(), [&p](const Rect& m) {
    return p.x >= m.left && p.x < m.right && p.y >= m.top && p.y < m.bottom;
  });
}

}  // namespace

ScreenPoint OpeningPosition(const std::string& xText, const std::string& yText,
                            const std::vector<Rect>& monitors) {
  // Numbers of the settings file read the way every settings number is read.
  ScreenPoint p{std::atoi(xText.c_str()), std::atoi(yText.c_str())};
  if (p.x == 0) p.x = kDefaultWindowPosition.x;
  if (p.y == 0) p.y = kDefaultWindowPosition.y;
  if (!monitors.empty() && !OnMonitor(p, monitors)) p = kDefaultWindowPosition;
  return p;
}

ScreenPoint LoadWindowPosition(ToolWindowContext& context, const WindowPositionKeys& keys,
                               const std::vector<Rect>& monitors) {
  auto read = [&](const char* key) { return context.readSetting(key).substr(0, keys.readLimit); };
  const ScreenPoint p = OpeningPosition(read(keys.x), read(keys.y), monitors);
  context.m_lastWindowX = p.x;
  context.m_lastWindowY = p.y;
  return p;
}

void SavePositionIfMoved(ToolWindowContext& context, const WindowPositionKeys& keys, int left,
                         int top) {
  if (left != context.m_lastWindowX) {
    context.m_lastWindowX = left;
    context.writeSetting(keys.x, std::to_string(left));
  }
  if (top != context.m_lastWindowY) {
    context.m_lastWindowY = top;
    context.writeSetting(keys.y, std::to_string(top));
  }
}
