#include "ui/windows/continent_page_dialog.h"

#include "ui/windows/tool_window_colours.h"

ContinentPageDialog::ContinentPageDialog(int pageIndex)
    : Dialog(ContinentPages()[pageIndex].templateId),
      m_pageIndex(pageIndex),
      m_colours(kToolWindowText, kToolWindowBackground, kToolWindowBackground) {
  m_boxState.assign(static_cast<size_t>(page().boxCount), 0);
}

ContinentPageDialog::~ContinentPageDialog() {
  if (hwnd()) EndDialog(IDCANCEL);  // the window first: it paints with the brush
}

const MessageMap<Dialog>& ContinentPageDialog::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnControlColours<&ContinentPageDialog::m_colours>(),
  };
  static const MessageMap<Dialog> map(entries, &Dialog::Messages());
  return map;
}

BOOL ContinentPageDialog::OnInitDialog() {
  m_colours.CreateBrush();
  return Dialog::OnInitDialog();
}

void ContinentPageDialog::DoDataExchange(DataExchange& dx) {
  const ContinentPage& p = page();
  m_boxState.resize(static_cast<size_t>(p.boxCount), 0);  // one int per box, whatever was written
  for (int i = 0; i < p.boxCount; ++i) dx.Check(p.boxes[i].id, m_boxState[static_cast<size_t>(i)]);
}
