#include "ui/control/win32_tool_windows.h"

void HideWithoutActivation(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

Win32ToolWindows::~Win32ToolWindows() {
  for (ToolWindowKind window : kClosingOrder) Close(window);
}

std::unique_ptr<ToolWindow> Win32ToolWindows::Create(ToolWindowKind window) {
  LastWindowPosition& last = m_memory.m_lastWindow;
  const bool onTop = m_memory.m_toolWindowsOnTop != 0;
  switch (window) {
    case ToolWindowKind::kZoneFlags: return std::make_unique<CCont>(m_settings, last, onTop);
    case ToolWindowKind::kMultiplier:
      return std::make_unique<Multiplier>(m_settings, last, onTop, m_infoSource);
    case ToolWindowKind::kExtendedMultiplier:
      return std::make_unique<Multiplier_Mult>(m_settings, last, onTop);
    case ToolWindowKind::kZoneSearch: return std::make_unique<Zone_search>(m_settings, last, onTop);
  }
  return nullptr;
}

void Win32ToolWindows::Open(ToolWindowKind window, bool shown) {
  if (Exists(window)) return;
  std::unique_ptr<ToolWindow> created = Create(window);
  // A window that could not be created stays closed; the next update tries
  // again.
  if (!created || !created->Open(shown)) return;
  m_windows[static_cast<int>(window)] = std::move(created);
}

void Win32ToolWindows::Close(ToolWindowKind window) {
  ToolWindow* going = Window(window);
  if (!going) return;
  if (going->hwnd()) HideWithoutActivation(going->hwnd());
  going->Close();  // the window is gone when this returns
  m_windows[static_cast<int>(window)].reset();
}
