#include "ui/windows/multiplier.h"

#include "resources/resource_ids.h"
#include "ui/windows/gdi_canvas.h"
#include "ui/windows/mem_dc.h"

void CCqWwInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const InfoButtonData data = m_source ? m_source() : InfoButtonData{};
  CMemDC memory(item.hDC);
  GdiCanvas canvas(memory.get());
  PaintInfoButton(canvas, {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                  data);
}

Multiplier::Multiplier(Settings& settings, LastWindowPosition& last, bool onTop,
                       InfoButtonSource source)
    : ToolWindow(IDD_MULTIPLIER, {"dxcc_x", "dxcc_y"}, settings, last, onTop),
      m_infoButton(std::move(source)) {}

void Multiplier::RepaintInfoButton() {
  if (HWND button = Item(IDC_INFO_BUTTON)) InvalidateRect(button, nullptr, FALSE);
}

const MessageMap<Dialog>& Multiplier::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&Multiplier::OnSize>(WM_SIZE),
  };
  static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
  return map;
}

void Multiplier::OnInitToolWindow() { m_infoButton.Attach(hwnd(), IDC_INFO_BUTTON); }

// The button keeps a margin of one pixel on the left and top and three on the
// right and bottom.
Answer Multiplier::OnSize(WPARAM, LPARAM) {
  if (HWND button = Item(IDC_INFO_BUTTON)) {
    RECT client;
    GetClientRect(hwnd(), &client);
    MoveWindow(button, client.left + 1, client.top + 1, client.right - 4, client.bottom - 4, TRUE);
  }
  return std::nullopt;
}
