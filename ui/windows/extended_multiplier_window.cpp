#include "ui/windows/extended_multiplier_window.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "ui/windows/tool_window_colours.h"

Multiplier_Mult::Multiplier_Mult(Settings& settings, LastWindowPosition& last, bool onTop)
    : ToolWindow(IDD_MULTIPLIER_MULT, {"dxcc_extended_x", "dxcc_extended_y"}, settings, last,
                 onTop),
      m_pages{&m_europe, &m_africa, &m_asia, &m_northAmerica, &m_southAmerica, &m_oceania},
      m_colours(kToolWindowText, kToolWindowBackground, kToolWindowBackground),
      // A shared icon of the module: the system frees it, not the window.
      m_icon(LoadIconA(StatsModule(), MAKEINTRESOURCEA(IDI_STATS))) {}

Multiplier_Mult::~Multiplier_Mult() {
  // The window and its pages go while every member they use is still here.
  Close();
}

bool Multiplier_Mult::CreateAndShow() {
  if (!hwnd()) return Open(true);
  ShowWindow(hwnd(), SW_SHOW);
  return true;
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
      if (m_tabs.hwnd()) m_tabs.Select(k);
    } else {
      ShowWindow(page, SW_HIDE);
    }
  }
}

const MessageMap<Dialog>& Multiplier_Mult::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnNotify<&Multiplier_Mult::OnTabChange>(IDC_MULTIPLIER_MULT_TABS, TCN_SELCHANGE),
      OnMessage<&Multiplier_Mult::OnShowWindow>(WM_SHOWWINDOW),
      OnMessage<&Multiplier_Mult::OnPaint>(WM_PAINT),
      OnMessage<&Multiplier_Mult::OnQueryDragIcon>(WM_QUERYDRAGICON),
      OnControlColours<&Multiplier_Mult::m_colours>(),
  };
  static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
  return map;
}

void Multiplier_Mult::OnInitToolWindow() {
  m_tabs = TabControl(Item(IDC_MULTIPLIER_MULT_TABS));
  // The big icon is every tool window's; the title bar shows the small one.
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

  RECT tabs = {};
  if (m_tabs.hwnd()) GetWindowRect(m_tabs.hwnd(), &tabs);
  m_placement = PlacePage(tabs.right - tabs.left, tabs.bottom - tabs.top);

  for (ContinentPageDialog* page : m_pages) page->Create(hwnd());
  m_colours.CreateBrush();
  SelectPage(kEuropePage);

  for (int k = 0; k < kContinentPageCount; ++k) m_tabs.Add(ContinentPages()[k].tabText);
}

LRESULT Multiplier_Mult::OnTabChange(NMHDR&) {
  SelectPage(m_tabs.Focus());
  return 0;
}

// Whichever tab was used last, the window opens on Europe; the platform's
// own processing goes on.
Answer Multiplier_Mult::OnShowWindow(WPARAM shown, LPARAM) {
  if (shown) SelectPage(kEuropePage);
  return std::nullopt;
}

// Minimised, the window shows its icon; otherwise the dialog paints as usual.
Answer Multiplier_Mult::OnPaint(WPARAM, LPARAM) {
  if (!IsIconic(hwnd())) return std::nullopt;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_icon);
  EndPaint(hwnd(), &paint);
  return 0;
}

Answer Multiplier_Mult::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(m_icon);
}
