#include "plugin/win32_window_side.h"

#include "ui/control/setup_cq_ww.h"
#include "ui/windows/cabrillo_dialog.h"

bool Win32WindowSide::HasControlWindow() { return m_uiThread.Running(); }

void Win32WindowSide::PostCallDetails() {
  if (HWND window = m_uiThread.ControlWindow()) PostMessageA(window, WM_CALL_DETAILS, 0, 0);
}

// The zone displays belong to windows of the user-interface thread; without
// that thread there is nothing to reset.
void Win32WindowSide::ResetZoneDisplays() {
  if (HWND window = m_uiThread.ControlWindow()) PostMessageA(window, WM_RESET_ZONE_DISPLAYS, 0, 0);
}

void Win32WindowSide::StartUiThread() { m_uiThread.Start(); }

void Win32WindowSide::ShowMessage(const std::string& text, const char* caption,
                                  bool information) {
  // Owned by the host's active window when it has one, so the box stays in
  // front of the host and keeps it from taking input until it is closed.
  MessageBoxA(GetActiveWindow(), text.c_str(), caption,
              MB_OK | (information ? MB_ICONINFORMATION : 0));
}

void Win32WindowSide::ShowUnownedMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
}

bool Win32WindowSide::RunHeaderDialog(CabrilloLog& log) { return RunCabrilloDialog(log); }
