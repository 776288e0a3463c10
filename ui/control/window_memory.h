// WindowMemory: what the windows of the user-interface thread share with one
// another: the last window position read or saved (one pair for the control
// window and every tool window), the on-top option as a tool window finds it
// when it opens, and the band names as the control window lists them.
//
// It lives as long as the library, and only the user-interface thread touches
// it (one such thread at a time), so it needs no lock.
#ifndef STATS_UI_CONTROL_WINDOW_MEMORY_H_
#define STATS_UI_CONTROL_WINDOW_MEMORY_H_

#include <string>
#include <vector>

#include "ui/windows/tool_window_position.h"

struct WindowMemory {
  LastWindowPosition m_lastWindow;
  int m_toolWindowsOnTop = 0;
  std::vector<std::string> m_bandNames;
};

#endif  // STATS_UI_CONTROL_WINDOW_MEMORY_H_
