#include "ui/windows/gdi_canvas.h"

namespace {

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

GdiCanvas::~GdiCanvas() {
  while (!m_pens.empty()) RestorePen();
}

void GdiCanvas::FillSolid(const Rect& r, Colour colour) {
  // ExtTextOut with an opaque rectangle fills without a brush of its own.
  const COLORREF old = SetBkColor(m_dc, colour);
  const RECT rect = ToRect(r);
  ExtTextOutA(m_dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(m_dc, old);
}

void GdiCanvas::FocusRect(const Rect& r) {
  const RECT rect = ToRect(r);
  DrawFocusRect(m_dc, &rect);
}

void GdiCanvas::SelectPen(const PenSpec& pen) {
  SelectedPen selected;
  selected.pen.Reset(CreatePen(pen.style == PenSpec::kDotted ? PS_DOT : PS_SOLID, pen.width,
                               pen.colour));
  selected.guard = std::make_unique<SelectionGuard>(m_dc, selected.pen.get());
  m_pens.push_back(std::move(selected));
}

void GdiCanvas::RestorePen() {
  if (m_pens.empty()) return;
  // The guard goes before its pen, so the pen is out of the DC when deleted.
  m_pens.back().guard.reset();
  m_pens.pop_back();
}

void GdiCanvas::Ellipse(const Rect& r) { ::Ellipse(m_dc, r.left, r.top, r.right, r.bottom); }

void GdiCanvas::SetTransparentBackground(bool transparent) {
  SetBkMode(m_dc, transparent ? TRANSPARENT : OPAQUE);
}

void GdiCanvas::SetBackgroundColour(Colour colour) { SetBkColor(m_dc, colour); }

Colour GdiCanvas::SetTextColour(Colour colour) { return ::SetTextColor(m_dc, colour); }

void GdiCanvas::Text(int x, int y, const std::string& text) {
  TextOutA(m_dc, x, y, text.data(), static_cast<int>(text.size()));
}

void GdiCanvas::CentredText(const Rect& r, const std::string& text) {
  RECT rect = ToRect(r);
  DrawTextA(m_dc, text.data(), static_cast<int>(text.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
