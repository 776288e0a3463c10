// Where a tool window opens and when it saves where it is, decided without
// the platform.
//
// Each window keeps its top-left corner under two keys of its own. A missing,
// non-numeric or zero value opens it at x 10, y 400. A saved corner that lies
// on no monitor (one removed since, or a damaged key) would open a window
// nobody can reach: it opens at (10, 400) as well. A corner on any monitor is
// kept as it is, negative coordinates of a monitor left of or above the
// primary one included.
#ifndef STATS_UI_WINDOWS_WINDOW_POSITION_H_
#define STATS_UI_WINDOWS_WINDOW_POSITION_H_

#include <cstddef>
#include <string>
#include <vector>

#include "ui/windows/canvas.h"
#include "ui/windows/tool_window_context.h"

struct WindowPositionKeys {
  const char* x;
  const char* y;
  // Characters of a value that the window reads (its read buffer less the
  // terminating zero).
  std::size_t readLimit;
};

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};

constexpr ScreenPoint kDefaultWindowPosition{10, 400};

// The corner a window opens at, from its two saved texts and the monitors'
// rectangles (an empty list: monitors unknown, every corner is kept).
ScreenPoint OpeningPosition(const std::string& xText, const std::string& yText,
                            const std::vector<Rect>& monitors);

// Reads the window's keys, decides its corner and records it as the shared
// last position.
ScreenPoint LoadWindowPosition(ToolWindowContext& context, const WindowPositionKeys& keys,
                               const std::vector<Rect>& monitors);

// The window's corner is now (left, top): each coordinate that differs from
// the shared last position is stored there and written under its key.
void SavePositionIfMoved(ToolWindowContext& context, const WindowPositionKeys& keys, int left,
                         int top);

#endif  // STATS_UI_WINDOWS_WINDOW_POSITION_H_
