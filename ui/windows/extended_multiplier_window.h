// Multiplier_Mult, the extended multiplier window: a tab control with one
// page of DXCC entity check boxes per continent. Whoever owns it creates it,
// retitles it, writes the pages' box states and closes it; the window itself
// keeps its layout, pages, colours and, as every tool window, its position.
#ifndef STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_
#define STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_

#include <windows.h>

#include "ui/control_colours.h"
#include "ui/tab_control.h"
#include "ui/windows/continent_page_dialog.h"
#include "ui/windows/continent_pages.h"
#include "ui/windows/tool_window.h"

class Multiplier_Mult : public ToolWindow {
 public:
  Multiplier_Mult(Settings& settings, LastWindowPosition& last, bool onTop);
  ~Multiplier_Mult() override;

  // Creates the window without a parent and shows it on the European page
  // (an existing window is only shown); false when it could not be created.
  bool CreateAndShow();

  // Writes every page's m_boxState and shows them, page by page in tab order.
  void SetBoxStates(const PageBoxStates& states);

  // A page by its tab index, 0 to 5 (ContinentPageIndex), for writing its
  // states one by one and then calling its ShowBoxStates.
  ContinentPageDialog& Page(int index);

  // Shows page `index` with its tab selected and hides the others; an index
  // outside the pages changes nothing.
  void SelectPage(int index);

  const MessageMap<Dialog>& Messages() const override;

 protected:
  void OnInitToolWindow() override;

 private:
  LRESULT OnTabChange(NMHDR&);
  Answer OnShowWindow(WPARAM shown, LPARAM);
  Answer OnPaint(WPARAM, LPARAM);
  Answer OnQueryDragIcon(WPARAM, LPARAM);

  // Constructed in this order, shown in tab order.
  NA_DXCC m_northAmerica;
  SA_DXCC m_southAmerica;
  AS_DXCC m_asia;
  AF_DXCC m_africa;
  OC_DXCC m_oceania;
  WAE_ALL m_europe;
  ContinentPageDialog* const m_pages[kContinentPageCount];

  PagePlacement m_placement{};
  ControlColours m_colours;
  HICON m_icon;
  TabControl m_tabs;
};

#endif  // STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_
