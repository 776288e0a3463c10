// Multiplier_Mult, the extended multiplier window: a tab control with one
// page of DXCC entity check boxes per continent. Whoever owns it creates it,
// retitles it, writes the pages' box states and closes it; the window itself
// keeps its layout, pages, colours and saved position.
//
// Lifetime: the owner keeps the object; the window lives from Create until
// Close (or the object's end). Enter, Escape and the title bar's Close do not
// end it: the owner decides when it goes.
#ifndef STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_
#define STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_

#include <windows.h>

#include <string>

#include "plugin/settings.h"
#include "ui/dialog.h"
#include "ui/windows/continent_page_dialog.h"
#include "ui/windows/continent_pages.h"
#include "ui/windows/tool_window_position.h"

class Multiplier_Mult : public Dialog {
 public:
  // `settings` holds the window's position keys; `last` is the pair shared
  // by all tool windows; `onTop` makes the window topmost when it opens.
  Multiplier_Mult(Settings& settings, LastWindowPosition& last, bool onTop);
  ~Multiplier_Mult() override;

  // Creates the window without a parent and shows it on the European page
  // (an existing window is only shown); false when it could not be created.
  bool CreateAndShow();

  void SetTitle(const std::string& title);

  // Writes every page's m_boxState and shows them, page by page in tab order.
  void SetBoxStates(const PageBoxStates& states);

  // A page by its tab index, 0 to 5 (ContinentPageIndex), for writing its
  // states one by one and then calling its ShowBoxStates.
  ContinentPageDialog& Page(int index);

  // Shows page `index` with its tab selected and hides the others; an index
  // outside the pages changes nothing.
  void SelectPage(int index);

  // The close request: the window is destroyed, the object stays.
  void Close();

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;
  HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override;
  void OnOK() override {}
  void OnCancel() override {}
  void OnFinalMessage() override;

 private:
  void SavePosition();
  bool PaintMinimised();

  // Constructed in this order, shown in tab order.
  NA_DXCC m_northAmerica;
  SA_DXCC m_southAmerica;
  AS_DXCC m_asia;
  AF_DXCC m_africa;
  OC_DXCC m_oceania;
  WAE_ALL m_europe;
  ContinentPageDialog* const m_pages[kContinentPageCount];

  Settings& m_settings;
  LastWindowPosition& m_last;
  const bool m_onTop;
  PagePlacement m_placement{};
  HBRUSH m_brush = nullptr;
  HICON m_icon;
  HWND m_tabs = nullptr;
};

#endif  // STATS_UI_WINDOWS_EXTENDED_MULTIPLIER_WINDOW_H_
