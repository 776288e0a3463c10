#include "ui/windows/advanced_button.h"

#include "ui/windows/drawn_object.h"
#include "ui/windows/gdi_canvas.h"

namespace {

// The caption is read into a buffer of this size, its terminating zero
// included.
const int kCaptionBuffer = 512;

}  // namespace

bool CAdvancedButton::Init(int id, HWND parent, Colour face, Colour text, Colour disabledText) {
  if (!Attach(parent, id)) return false;
  m_faceColor = face;
  m_textColor = text;
  m_disabledTextColor = disabledText;
  m_shape = 0;
  return true;
}

void CAdvancedButton::OnAttached() {
  // A plain push button of the template becomes owner-drawn.
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void CAdvancedButton::Redraw() {
  if (hwnd()) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CAdvancedButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const Rect r{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  ButtonState state;
  state.selected = (item.itemState & ODS_SELECTED) != 0;
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  state.focus = (item.itemState & ODS_FOCUS) != 0;

  // A disc leaves the corners to the parent's background, as the button's
  // own erasing would.
  if (m_shape == kEllipseShape) {
    HWND parent = GetParent(hwnd());
    if (auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(item.hDC), reinterpret_cast<LPARAM>(hwnd())))) {
      FillRect(item.hDC, &item.rcItem, brush);
    }
  }

  char caption[kCaptionBuffer] = {0};
  GetWindowTextA(hwnd(), caption, kCaptionBuffer);

  GdiCanvas canvas(item.hDC);
  const auto shape = MakeDrawnObject(m_shape);
  shape->Draw(canvas, r, state, m_faceColor);
  shape->DrawCaption(canvas, r, caption, state.disabled ? m_disabledTextColor : m_textColor);
}
