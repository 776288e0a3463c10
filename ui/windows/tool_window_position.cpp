#include "ui/windows/tool_window_position.h"

ScreenPoint LoadToolWindowPosition(Settings& settings, const PositionKeys& keys,
                                   LastWindowPosition& last) {
  int x = settings.ReadInt(keys.x);
  int y = settings.ReadInt(keys.y);
  if (x == 0) x = kDefaultToolWindowPosition.x;
  if (y == 0) y = kDefaultToolWindowPosition.y;
  last.x = x;
  last.y = y;
  return {x, y};
}

ScreenPoint OpeningPosition(ScreenPoint saved, bool onAMonitor) {
  return onAMonitor ? saved : kDefaultToolWindowPosition;
}

void SaveToolWindowPosition(Settings& settings, const PositionKeys& keys,
                            LastWindowPosition& last, ScreenPoint current) {
  if (current.x != last.x) {
    last.x = current.x;
    settings.WriteInt(keys.x, current.x);
  }
  if (current.y != last.y) {
    last.y = current.y;
    settings.WriteInt(keys.y, current.y);
  }
}
