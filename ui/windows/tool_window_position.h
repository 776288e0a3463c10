// Where a tool window opens and when it writes its position back. Each tool
// window keeps its top-left screen corner in two settings keys of its own;
// all of them share one last-saved pair, so a window writes a key only when
// its edge differs from the last value any of them loaded or saved.
#ifndef STATS_UI_WINDOWS_TOOL_WINDOW_POSITION_H_
#define STATS_UI_WINDOWS_TOOL_WINDOW_POSITION_H_

#include "engine/settings.h"

struct ScreenPoint {
  int x, y;
};

// The pair the tool windows share.
struct LastWindowPosition {
  int x = 0, y = 0;
};

struct PositionKeys {
  const char* x;
  const char* y;
};

// Where a window opens when nothing usable is saved.
constexpr ScreenPoint kDefaultToolWindowPosition = {10, 400};

// Reads the window's keys as decimal numbers; a 0 (also a missing or
// non-numeric value) becomes the default of its axis. The pair takes the
// result.
ScreenPoint LoadToolWindowPosition(Settings& settings, const PositionKeys& keys,
                                   LastWindowPosition& last);

// The saved corner when it lies on some monitor; otherwise the default, so a
// window never opens where nobody can see it or reach it (a monitor removed
// since, a damaged key).
ScreenPoint OpeningPosition(ScreenPoint saved, bool onAMonitor);

// Writes each edge of `current` that differs from the pair, and keeps the
// pair up to date.
void SaveToolWindowPosition(Settings& settings, const PositionKeys& keys,
                            LastWindowPosition& last, ScreenPoint current);

#endif  // STATS_UI_WINDOWS_TOOL_WINDOW_POSITION_H_
