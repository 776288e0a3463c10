#include "ui/windows/extended_multiplier_window.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "ui/windows/tool_window_colours.h"

namespace {

const PositionKeys kPositionKeys = {"dxcc_extended_x", "dxcc_extended_y"};

}  // namespace

Multiplier_Mult::Multiplier_Mult(Settings& settings, LastWindowPosition& last, bool onTop)
    : Dialog(IDD_MULTIPLIER_MULT),
      m_pages{&m_europe, &m_africa, &m_asia, &m_northAmerica, &m_southAmerica, &m_oceania},
      m_settings(settings),
      m_last(last),
      m_onTop(onTop),
      m_icon(LoadIconA(StatsModule(), MAKEINTRESOURCEA(IDI_STATS))) {}

Multiplier_Mult::~Multiplier_Mult() {
  // The window and its pages go while every member they use is still here.
  Close();
}

bool Multiplier_Mult::CreateAndShow() {
  if (!hwnd()) {
    // The tab control's class exists only once the common controls are set up.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    if (!Create(nullptr)) return false;
  }
  ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void Multiplier_Mult::SetTitle(const std::string& title) {
  if (hwnd()) SetWindowTextA(hwnd(), title.c_str());
}

void Multiplier_Mult::SetBoxStates(const PageBoxStates& states) {
  for (int page = 0; page < kContinentPageCount; ++page) {
    m_pages[page]->m_boxState = states[page];
    m_pages[page]->ShowBoxStates();
  }
}

ContinentPageDialog& Multiplier_Mult::Page(int index) { return *m_pages[index]; }

void Multiplier_Mult::SelectPage(int index) {
  if (!IsContinentPageIndex(index)) return;
  for (int k = 0; k < kContinentPageCount; ++k) {
    HWND page = m_pages[k]->hwnd();
    if (!page) continue;
    if (k == index) {
      SetWindowPos(page, HWND_TOP, m_placement.x, m_placement.y, m_placement.width,
                   m_placement.height, SWP_SHOWWINDOW);
      if (m_tabs) SendMessageA(m_tabs, TCM_SETCURSEL, static_cast<WPARAM>(k), 0);
    } else {
      ShowWindow(page, SW_HIDE);
    }
  }
}

void Multiplier_Mult::Close() {
  if (hwnd()) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

BOOL Multiplier_Mult::OnInitDialog() {
  m_tabs = Item(IDC_MULTIPLIER_MULT_TABS);
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

  const ScreenPoint saved = LoadToolWindowPosition(m_settings, kPositionKeys, m_last);
  const ScreenPoint at = OpeningPosition(
      saved, MonitorFromPoint(POINT{saved.x, saved.y}, MONITOR_DEFAULTTONULL) != nullptr);
  SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  if (m_onTop) {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  RECT tabs = {};
  if (m_tabs) GetWindowRect(m_tabs, &tabs);
  m_placement = PlacePage(tabs.right - tabs.left, tabs.bottom - tabs.top);

  for (ContinentPageDialog* page : m_pages) page->Create(hwnd());
  if (!m_brush) m_brush = CreateSolidBrush(kToolWindowBackground);
  SelectPage(kEuropePage);

  for (int k = 0; k < kContinentPageCount; ++k) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(ContinentPages()[k].tabText);
    SendMessageA(m_tabs, TCM_INSERTITEMA, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&item));
  }

  // Disabled, not greyed: the window is closed from the control window only.
  EnableMenuItem(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
  return Dialog::OnInitDialog();
}

INT_PTR Multiplier_Mult::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header && header->hwndFrom == m_tabs && header->code == TCN_SELCHANGE) {
        SelectPage(static_cast<int>(SendMessageA(m_tabs, TCM_GETCURFOCUS, 0, 0)));
        return TRUE;
      }
      break;
    }
    case WM_SHOWWINDOW:
      // Whichever tab was used last, the window opens on Europe.
      if (wParam) SelectPage(kEuropePage);
      break;
    case WM_SETCURSOR:
      SavePosition();
      return FALSE;  // the cursor itself is the platform's business
    case WM_CLOSE:
      EndDialog(IDCANCEL);
      return TRUE;
    case WM_SYSCOMMAND:
      // The title bar's Close and Alt+F4 arrive here even with the menu item
      // disabled; only the owner closes the window.
      if ((wParam & 0xFFF0) == SC_CLOSE) return TRUE;
      break;
    case WM_PAINT:
      if (PaintMinimised()) return TRUE;
      break;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(m_icon);
    default:
      break;
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

HBRUSH Multiplier_Mult::OnCtlColor(UINT, HDC dc, HWND) {
  return m_brush ? ToolWindowColours(dc, m_brush) : nullptr;
}

void Multiplier_Mult::OnFinalMessage() {
  m_tabs = nullptr;
  if (m_brush) DeleteObject(m_brush);
  m_brush = nullptr;
}

void Multiplier_Mult::SavePosition() {
  RECT frame;
  if (!GetWindowRect(hwnd(), &frame)) return;
  SaveToolWindowPosition(m_settings, kPositionKeys, m_last, {frame.left, frame.top});
}

bool Multiplier_Mult::PaintMinimised() {
  if (!IsIconic(hwnd())) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_icon);
  EndPaint(hwnd(), &paint);
  return true;
}
