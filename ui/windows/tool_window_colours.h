// The colours the tool windows share: black text on a pale yellow background.
#ifndef STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_
#define STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_

#include "ui/windows/canvas.h"

constexpr Colour kToolWindowBackground = Rgb(255, 250, 198);
constexpr Colour kToolWindowText = Rgb(0, 0, 0);

#endif  // STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_
