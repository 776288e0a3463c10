// Win32ToolWindows: the control window's real tool windows (Multiplier, CCont,
// Multiplier_Mult, Zone_search). Opening creates a new window object, placed
// from its own keys against the shared position pair and topmost when the
// on-top option is set at that moment; closing hides the window without
// activation, closes it and deletes its object, exactly once. The destructor
// closes whatever is still open, in the closing order.
//
// The call-details update reaches the open windows through the accessors,
// which answer null for a window that is closed.
//
// Threads: every call runs on the user-interface thread, never with the
// plug-in's lock held (a window's colour change and the info button's paint
// wait for that lock).
#ifndef STATS_UI_CONTROL_WIN32_TOOL_WINDOWS_H_
#define STATS_UI_CONTROL_WIN32_TOOL_WINDOWS_H_

#include <windows.h>

#include <memory>

#include "engine/settings.h"
#include "ui/control/tool_window_set.h"
#include "ui/control/window_memory.h"
#include "ui/windows/extended_multiplier_window.h"
#include "ui/windows/multiplier.h"
#include "ui/windows/zone_windows.h"

class Win32ToolWindows : public ToolWindowSet {
 public:
  // `infoSource` feeds the info button of every multiplier window opened.
  Win32ToolWindows(Settings& settings, WindowMemory& memory, InfoButtonSource infoSource)
      : m_settings(settings), m_memory(memory), m_infoSource(std::move(infoSource)) {}
  ~Win32ToolWindows() override;
  Win32ToolWindows(const Win32ToolWindows&) = delete;
  Win32ToolWindows& operator=(const Win32ToolWindows&) = delete;

  bool Exists(ToolWindowKind window) override { return Window(window) != nullptr; }
  void Open(ToolWindowKind window, bool shown) override;
  void Close(ToolWindowKind window) override;

  // Each slot holds an object of its own window's class.
  Multiplier* multiplier() const {
    return static_cast<Multiplier*>(Window(ToolWindowKind::kMultiplier));
  }
  CCont* zoneFlags() const { return static_cast<CCont*>(Window(ToolWindowKind::kZoneFlags)); }
  Multiplier_Mult* extendedMultiplier() const {
    return static_cast<Multiplier_Mult*>(Window(ToolWindowKind::kExtendedMultiplier));
  }
  Zone_search* zoneSearch() const {
    return static_cast<Zone_search*>(Window(ToolWindowKind::kZoneSearch));
  }

 private:
  ToolWindow* Window(ToolWindowKind window) const {
    return m_windows[static_cast<int>(window)].get();
  }
  std::unique_ptr<ToolWindow> Create(ToolWindowKind window);

  Settings& m_settings;
  WindowMemory& m_memory;
  InfoButtonSource m_infoSource;
  std::unique_ptr<ToolWindow> m_windows[kToolWindowKinds];
};

// Takes a window of the user-interface thread off the screen before it is
// destroyed, without giving the activation to anybody: a window that goes
// while it is active would hand the activation to the host's windows, which
// is a message to the host's thread.
void HideWithoutActivation(HWND window);

#endif  // STATS_UI_CONTROL_WIN32_TOOL_WINDOWS_H_
