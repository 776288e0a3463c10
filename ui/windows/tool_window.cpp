#include "ui/windows/tool_window.h"

#include "resources/resource_ids.h"

bool ToolWindow::Open(bool show) {
  if (!Create(nullptr)) return false;
  if (show) ShowWindow(hwnd(), SW_SHOWNORMAL);
  return true;
}

void ToolWindow::SetTitle(const std::string& title) {
  if (hwnd()) SetWindowTextA(hwnd(), title.c_str());
}

void ToolWindow::Close() {
  if (hwnd()) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

const MessageMap<Dialog>& ToolWindow::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&ToolWindow::OnSetCursor>(WM_SETCURSOR),
      OnMessage<&ToolWindow::OnClose>(WM_CLOSE),
      OnMessage<&ToolWindow::OnSysCommand>(WM_SYSCOMMAND),
  };
  static const MessageMap<Dialog> map(entries, &Dialog::Messages());
  return map;
}

BOOL ToolWindow::OnInitDialog() {
  Dialog::OnInitDialog();

  const ScreenPoint saved = LoadToolWindowPosition(m_settings, m_keys, m_last);
  const ScreenPoint corner = OpeningPosition(
      saved, MonitorFromPoint(POINT{saved.x, saved.y}, MONITOR_DEFAULTTONULL) != nullptr);
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_onTop) {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // A shared icon of the module: the system frees it, not the window.
  HICON icon = LoadIconA(StatsModule(), MAKEINTRESOURCEA(IDI_STATS));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

  // Disabled but not greyed: the title bar's close box and the menu item do
  // nothing; the owner closes the window.
  EnableMenuItem(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);

  OnInitToolWindow();
  return TRUE;
}

// Every mouse movement over the window or its controls; the cursor itself is
// left to the platform.
Answer ToolWindow::OnSetCursor(WPARAM, LPARAM) {
  RECT r;
  if (GetWindowRect(hwnd(), &r)) SaveToolWindowPosition(m_settings, m_keys, m_last, {r.left, r.top});
  return std::nullopt;
}

Answer ToolWindow::OnClose(WPARAM, LPARAM) {
  EndDialog(IDCANCEL);
  return 0;
}

// Alt+F4 and the system menu's Close ask through here even while the item is
// disabled; only the owner's close request ends the window.
Answer ToolWindow::OnSysCommand(WPARAM command, LPARAM) {
  if ((command & 0xFFF0) == SC_CLOSE) return 0;
  return std::nullopt;
}
