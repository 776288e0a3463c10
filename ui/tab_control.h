// A tab control of a dialog template, and the pages (child dialogs) shown in
// its display area. The control's class is registered by the dialog layer
// before any template is created.
#ifndef STATS_UI_TAB_CONTROL_H_
#define STATS_UI_TAB_CONTROL_H_

#include <windows.h>

class TabControl {
 public:
  TabControl() = default;
  explicit TabControl(HWND tab) : m_tab(tab) {}

  HWND hwnd() const { return m_tab; }

  // Appends a tab; returns its index, or -1.
  int Add(const char* text);
  int Count() const;
  // The selected tab, or -1.
  int Selection() const;
  // The tab with the keyboard focus, or -1; with button-style tabs it may
  // differ from the selected one.
  int Focus() const;
  // Selects a tab (without the change notifications a click sends).
  void Select(int index);

  // Moves `page` onto the tab's display area (in the coordinates of the tab's
  // parent, which is the page's parent too) above the tab control.
  void PlacePage(HWND page) const;

 private:
  HWND m_tab = nullptr;
};

#endif  // STATS_UI_TAB_CONTROL_H_
