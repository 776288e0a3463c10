// PlaceholderToolWindows: the tool windows until the real ones join the
// control window. Each is an empty top-level window titled after the window it
// stands for, so that the control window's boxes, the on-top option and the
// closing of every window can be seen and tested; it shows nothing else.
//
// Runs on the user-interface thread only.
#ifndef STATS_UI_CONTROL_PLACEHOLDER_TOOL_WINDOWS_H_
#define STATS_UI_CONTROL_PLACEHOLDER_TOOL_WINDOWS_H_

#include <windows.h>

#include "ui/control/tool_window_set.h"

struct PluginState;

class PlaceholderToolWindows : public ToolWindowSet {
 public:
  explicit PlaceholderToolWindows(PluginState& state) : m_state(state) {}
  ~PlaceholderToolWindows() override;
  PlaceholderToolWindows(const PlaceholderToolWindows&) = delete;
  PlaceholderToolWindows& operator=(const PlaceholderToolWindows&) = delete;

  bool Exists(ToolWindow window) override { return Slot(window) != nullptr; }
  void Open(ToolWindow window, bool shown) override;
  void Close(ToolWindow window) override;

 private:
  HWND& Slot(ToolWindow window) { return m_windows[static_cast<int>(window)]; }

  PluginState& m_state;
  HWND m_windows[4] = {};
};

// Takes a window of the user-interface thread off the screen before it is
// destroyed, without giving the activation to anybody: a window that goes
// while it is active would hand the activation to the host's windows, which
// is a message to the host's thread.
void HideWithoutActivation(HWND window);

#endif  // STATS_UI_CONTROL_PLACEHOLDER_TOOL_WINDOWS_H_
