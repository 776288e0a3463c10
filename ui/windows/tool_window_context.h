// What the tool windows share with each other and with the control window:
// the settings file, the last window position read or saved (one pair for all
// windows), and whether tool windows open topmost. The plug-in owns one
// context and hands it to every tool window it creates; all of it is used on
// the user-interface thread.
#ifndef STATS_UI_WINDOWS_TOOL_WINDOW_CONTEXT_H_
#define STATS_UI_WINDOWS_TOOL_WINDOW_CONTEXT_H_

#include <functional>
#include <string>

struct ToolWindowContext {
  // One key of the plug-in's settings section; a missing key reads as "".
  std::function<std::string(const std::string& key)> readSetting;
  std::function<void(const std::string& key, const std::string& value)> writeSetting;

  int m_lastWindowX = 0;
  int m_lastWindowY = 0;
  int m_toolWindowsOnTop = 0;
};

#endif  // STATS_UI_WINDOWS_TOOL_WINDOW_CONTEXT_H_
