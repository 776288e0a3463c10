#include "ui/control/placeholder_tool_windows.h"

#include <mutex>

#include "plugin/plugin_state.h"

namespace {

const char* Title(ToolWindow window) {
  switch (window) {
    case ToolWindow::kZoneFlags: return "CQ zones";
    case ToolWindow::kMultiplier: return "Multiplier";
    case ToolWindow::kExtendedMultiplier: return "Extended Multiplier";
    case ToolWindow::kZoneSearch: return "CQ Zone";
  }
  return "";
}

}  // namespace

void HideWithoutActivation(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

PlaceholderToolWindows::~PlaceholderToolWindows() {
  for (ToolWindow window : kClosingOrder) Close(window);
}

void PlaceholderToolWindows::Open(ToolWindow window, bool shown) {
  if (Exists(window)) return;
  int onTop = 0;
  {
    std::lock_guard<std::mutex> hold(m_state.m_lock);
    onTop = m_state.m_toolWindowsOnTop;
  }
  const int index = static_cast<int>(window);
  HWND created = CreateWindowExA(
      WS_EX_TOOLWINDOW | (onTop ? WS_EX_TOPMOST : 0), "Static", Title(window),
      WS_POPUP | WS_CAPTION | WS_BORDER, 400 + 60 * index, 60 + 90 * index, 300, 80, nullptr,
      nullptr, nullptr, nullptr);
  if (!created) return;
  Slot(window) = created;
  if (shown) ShowWindow(created, SW_SHOWNOACTIVATE);
}

void PlaceholderToolWindows::Close(ToolWindow window) {
  HWND& slot = Slot(window);
  if (!slot) return;
  HWND going = slot;
  slot = nullptr;
  HideWithoutActivation(going);
  DestroyWindow(going);
}
