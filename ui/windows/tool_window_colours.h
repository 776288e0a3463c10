// The colours the tool windows share: black text on a pale yellow background.
#ifndef STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_
#define STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_

#include <windows.h>

constexpr COLORREF kToolWindowBackground = RGB(255, 250, 198);
constexpr COLORREF kToolWindowText = RGB(0, 0, 0);

// The answer to a control-colour request: sets the DC's text and text
// background colours and gives back `background`, a brush of
// kToolWindowBackground that the window owns.
inline HBRUSH ToolWindowColours(HDC dc, HBRUSH background) {
  SetTextColor(dc, kToolWindowText);
  SetBkColor(dc, kToolWindowBackground);
  return background;
}

#endif  // STATS_UI_WINDOWS_TOOL_WINDOW_COLOURS_H_
