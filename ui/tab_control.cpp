#include "ui/tab_control.h"

#include <commctrl.h>

int TabControl::Add(const char* text) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text);
  return static_cast<int>(
      SendMessageA(m_tab, TCM_INSERTITEMA, Count(), reinterpret_cast<LPARAM>(&item)));
}

int TabControl::Count() const { return static_cast<int>(SendMessageA(m_tab, TCM_GETITEMCOUNT, 0, 0)); }

int TabControl::Selection() const { return static_cast<int>(SendMessageA(m_tab, TCM_GETCURSEL, 0, 0)); }

int TabControl::Focus() const { return static_cast<int>(SendMessageA(m_tab, TCM_GETCURFOCUS, 0, 0)); }

void TabControl::Select(int index) { SendMessageA(m_tab, TCM_SETCURSEL, index, 0); }

void TabControl::PlacePage(HWND page) const {
  RECT area;
  GetClientRect(m_tab, &area);
  SendMessageA(m_tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(m_tab, GetParent(m_tab), reinterpret_cast<POINT*>(&area), 2);
  SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
}
