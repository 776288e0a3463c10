// ControlWindowLogic: every decision of the control window that needs no
// Win32 (what it reads and writes in the settings, which texts it shows, what
// it tells the host, which tool windows it opens and closes). The dialog only
// carries these out on its controls (ControlWindowView).
//
// Threads: runs on the user-interface thread. It takes the lock that guards the
// contest state only to read or write the state's members, and never holds it
// while it calls the host, the view or the tool windows.
#ifndef STATS_UI_CONTROL_CONTROL_WINDOW_LOGIC_H_
#define STATS_UI_CONTROL_CONTROL_WINDOW_LOGIC_H_

#include <mutex>
#include <string>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "ui/control/host_link.h"
#include "ui/control/tool_window_set.h"
#include "ui/control/window_memory.h"

// The window's title and its two labels. `cp1251` says that the texts are the
// Russian ones, kept in code page 1251 whatever the system's ANSI code page.
struct ControlTexts {
  std::string title;
  std::string viewLabel;  // over the view boxes
  std::string modeLabel;  // over the mode boxes
  bool cp1251 = false;
  bool moveLabels = false;  // the Russian labels are wider: move them once
};

class ControlWindowView {
 public:
  virtual ~ControlWindowView() = default;
  virtual void ShowTexts(const ControlTexts& texts) = 0;
  // The check boxes from the members (ticked for any nonzero member).
  virtual void RefreshChecks() = 0;
  // Posts WM_CALL_DETAILS to the control window itself.
  virtual void PostUpdate() = 0;
};

// The title and labels for the mode (any nonzero isCw is CW), the language and
// the contest year.
ControlTexts ControlWindowTexts(bool cw, bool russian, const std::string& year);

class ControlWindowLogic {
 public:
  // `lock` guards `state`; `memory` is the window thread's own.
  ControlWindowLogic(std::mutex& lock, ContestState& state, WindowMemory& memory,
                     Settings& settings, HostLink& host, ToolWindowSet& tools,
                     ControlWindowView& view)
      : m_lock(lock),
        m_state(state),
        m_memory(memory),
        m_settings(settings),
        m_host(host),
        m_tools(tools),
        m_view(view) {}

  // The members bound to the check boxes, all 0 until LoadSettings.
  int m_modeCw = 0;
  int m_modeSsb = 0;
  int m_viewZone = 0;
  int m_viewMultiplier = 0;
  int m_viewMultiplierExtended = 0;
  int m_newStyle = 0;
  int m_windowOnTop = 0;
  int m_viewZoneSearch = 0;

  // The window's start from the settings: members, texts, check boxes.
  // Returns where the window goes (a saved 0 means 10 for x, 400 for y).
  ScreenPoint LoadSettings();

  // After the host link is made: the band names, then the mode to the host
  // ("<BAUDRATE:27>" after "<MODE:CW>" only here). False when the host refused.
  bool GreetHost();

  // The clicks of the mode boxes. False when the host refused the command.
  bool OnModeCw() { return SwitchMode(true); }
  bool OnModeSsb() { return SwitchMode(false); }

  // The click of a view box: the decision follows whether the window exists,
  // not the new state of the box.
  void OnToggle(ToolWindowKind window);

  // "Window on top": the tool windows are closed and the update opens them
  // again, each making itself topmost or not as it starts.
  void OnWindowOnTop();

  void OnNewStyle() { m_view.PostUpdate(); }

  // The window's left and top edges whenever the mouse is over it: each that
  // differs from the last position read or saved is saved (as a tool window
  // saves its own).
  void SavePosition(int x, int y);

  // The first step of every update: with a host object, every wanted tool
  // window that is missing is opened (the zone flags hidden). False when there
  // is no host object and the update has nothing to do.
  bool OpenWantedWindows();

  // Whenever the control window ends, however: every tool window closes, so
  // that the next control window can open them again.
  void CloseToolWindows();

 private:
  bool SwitchMode(bool cw);
  int& Member(ToolWindowKind window);

  std::mutex& m_lock;
  ContestState& m_state;
  WindowMemory& m_memory;
  Settings& m_settings;
  HostLink& m_host;
  ToolWindowSet& m_tools;
  ControlWindowView& m_view;
};

// The settings key that remembers whether a tool window is wanted.
const char* ToolWindowKey(ToolWindowKind window);

#endif  // STATS_UI_CONTROL_CONTROL_WINDOW_LOGIC_H_
