#include "ui/windows/continent_page_dialog.h"

#include "ui/windows/tool_window_colours.h"

ContinentPageDialog::ContinentPageDialog(int pageIndex)
    : Dialog(ContinentPages()[pageIndex].templateId), m_pageIndex(pageIndex) {
  m_boxState.assign(static_cast<size_t>(page().boxCount), 0);
}

ContinentPageDialog::~ContinentPageDialog() {
  if (hwnd()) EndDialog(IDCANCEL);  // the window first: it paints with the brush
  if (m_brush) DeleteObject(m_brush);
}

BOOL ContinentPageDialog::OnInitDialog() {
  if (!m_brush) m_brush = CreateSolidBrush(kToolWindowBackground);
  return Dialog::OnInitDialog();
}

HBRUSH ContinentPageDialog::OnCtlColor(UINT, HDC dc, HWND) {
  return m_brush ? ToolWindowColours(dc, m_brush) : nullptr;
}

void ContinentPageDialog::DoDataExchange(DataExchange& dx) {
  const ContinentPage& p = page();
  m_boxState.resize(static_cast<size_t>(p.boxCount), 0);  // one int per box, whatever was written
  for (int i = 0; i < p.boxCount; ++i) dx.Check(p.boxes[i].id, m_boxState[static_cast<size_t>(i)]);
}

void ContinentPageDialog::OnFinalMessage() {
  if (m_brush) DeleteObject(m_brush);
  m_brush = nullptr;
}
