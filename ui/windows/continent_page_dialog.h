// One continent page of the extended multiplier window: a child dialog whose
// entity check boxes show m_boxState, one int per box in the order of the
// page's table (ui/windows/continent_pages.h). The page only shows the ints;
// it never reads the boxes back, so a box ticked by hand lasts until the next
// ShowBoxStates.
#ifndef STATS_UI_WINDOWS_CONTINENT_PAGE_DIALOG_H_
#define STATS_UI_WINDOWS_CONTINENT_PAGE_DIALOG_H_

#include <windows.h>

#include <vector>

#include "ui/control_colours.h"
#include "ui/dialog.h"
#include "ui/windows/continent_pages.h"

class ContinentPageDialog : public Dialog {
 public:
  explicit ContinentPageDialog(int pageIndex);
  ~ContinentPageDialog() override;

  const ContinentPage& page() const { return ContinentPages()[m_pageIndex]; }

  // Puts m_boxState into the boxes.
  void ShowBoxStates() { UpdateData(false); }

  std::vector<int> m_boxState;

  const MessageMap<Dialog>& Messages() const override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  // Enter and Escape inside a page would end it: the page stays.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  int m_pageIndex;
  ControlColours m_colours;
};

// The pages by the names the window knows them by: one class, six pages.
template <int PageIndex>
class ContinentPageOf : public ContinentPageDialog {
 public:
  ContinentPageOf() : ContinentPageDialog(PageIndex) {}
};
using WAE_ALL = ContinentPageOf<kEuropePage>;
using AF_DXCC = ContinentPageOf<kAfricaPage>;
using AS_DXCC = ContinentPageOf<kAsiaPage>;
using NA_DXCC = ContinentPageOf<kNorthAmericaPage>;
using SA_DXCC = ContinentPageOf<kSouthAmericaPage>;
using OC_DXCC = ContinentPageOf<kOceaniaPage>;

#endif  // STATS_UI_WINDOWS_CONTINENT_PAGE_DIALOG_H_
