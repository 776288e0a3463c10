// Win32WindowSide: the DLL's WindowSide. Message boxes and the Cabrillo header
// dialog run modally on the host's thread; everything else concerns the
// control window of the user-interface thread, which this side reaches only by
// posting to its handle.
//
// Until the user-interface thread exists the control window's handle stays
// null: there is no control window, posts and zone resets do nothing, and
// starting the thread is not yet possible.
#ifndef STATS_PLUGIN_WIN32_WINDOW_SIDE_H_
#define STATS_PLUGIN_WIN32_WINDOW_SIDE_H_

#include <windows.h>

#include <atomic>
#include <string>

#include "engine/window_side.h"

// Posted to the control window when the call being typed or the log changed;
// both parameters 0.
constexpr UINT WM_CALL_DETAILS = WM_USER + 0x500;

// Posted to the control window by a removal, before its WM_CALL_DETAILS: the
// window thread returns the zone buttons and flags to "not worked"
// (ResetZoneDisplays of ui/control/call_details.h). Posted, not sent, so the
// host's thread never waits for the window thread; the queue's order puts the
// reset before the update. Both parameters 0.
constexpr UINT WM_RESET_ZONE_DISPLAYS = WM_USER + 0x502;

class Win32WindowSide : public WindowSide {
 public:
  bool HasControlWindow() override;
  void PostCallDetails() override;
  void ResetZoneDisplays() override;
  void StartUiThread() override;
  void ShowMessage(const std::string& text, const char* caption, bool information) override;
  bool RunHeaderDialog(CabrilloLog& log) override;

  // A modal message box that no window owns, with the default caption and one
  // OK button (SetupSet0's box).
  void ShowUnownedMessage(const std::string& text);

  // The user-interface thread records its control window here when it has
  // created it and clears it before the window goes.
  void SetControlWindow(HWND window) { m_controlWindow.store(window); }
  HWND ControlWindow() const { return m_controlWindow.load(); }

 private:
  std::atomic<HWND> m_controlWindow{nullptr};
};

#endif  // STATS_PLUGIN_WIN32_WINDOW_SIDE_H_
