#include "ui/windows/drawn_object.h"

#include <cstdlib>

namespace {

constexpr Colour Grey(int level) { return Rgb(level, level, level); }

}  // namespace

void DrawnObject::DrawCaption(Canvas& canvas, Rect r, const std::string& text, Colour colour) {
  const Colour old = canvas.SetTextColour(colour);
  canvas.SetTransparentBackground(true);
  canvas.CentredText(r, text);
  canvas.SetTextColour(old);
}

FrameRing FrameRingColours(int ring, int rings) {
  if (rings == 1) return {Grey(255), Grey(128)};
  return {Grey(192 + 63 / ring), Grey(255 / (ring + 1))};
}

// --- DrawnRect ----------------------------------------------------------------

void DrawnRect::Fill(Canvas& canvas, Rect r, Colour colour) { canvas.FillSolid(r, colour); }

void DrawnRect::DrawFrame(Canvas& canvas, Rect r, int depth) {
  const int rings = std::abs(depth);
  for (int i = 1; i <= rings; ++i) {
    const FrameRing ring = FrameRingColours(i, rings);
    const Colour topLeft = depth > 0 ? ring.light : ring.dark;
    const Colour bottomRight = depth > 0 ? ring.dark : ring.light;
    // The top-right and bottom-left corner pixels go to the bottom-right
    // colour, as in the platform's own three-dimensional edges.
    canvas.FillSolid({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    canvas.FillSolid({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    canvas.FillSolid({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    canvas.FillSolid({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    r = r.Shrunk(1);
  }
}

void DrawnRect::DrawFocus(Canvas& canvas, Rect r, Colour) { canvas.FocusRect(r); }

void DrawnRect::Draw(Canvas& canvas, Rect r, const ButtonState& state, Colour face) {
  Fill(canvas, r, face);
  DrawFrame(canvas, r, 2);
  if (!state.focus) return;
  if (state.selected) DrawFrame(canvas, r, -1);
  DrawFocus(canvas, r.Shrunk(2), face);
}

// --- DrawnEllipse ---------------------------------------------------------------

void DrawnEllipse::Fill(Canvas& canvas, Rect r, Colour colour) {
  canvas.SelectPen({PenSpec::kSolid, 3, colour});
  while (!r.Empty()) {
    r = r.Shrunk(1);
    canvas.Ellipse(r);
  }
  canvas.RestorePen();
}

void DrawnEllipse::DrawFrame(Canvas& canvas, Rect r, int depth) {
  canvas.SelectPen({PenSpec::kSolid, 2, depth >= 0 ? Grey(128) : Grey(1)});
  canvas.Ellipse(r);
  canvas.RestorePen();
}

void DrawnEllipse::DrawFocus(Canvas& canvas, Rect r, Colour colour) {
  canvas.SelectPen({PenSpec::kDotted, 1, Grey(1)});
  canvas.SetTransparentBackground(false);
  canvas.SetBackgroundColour(colour);
  canvas.Ellipse(r);
  canvas.RestorePen();
}

void DrawnEllipse::Draw(Canvas& canvas, Rect r, const ButtonState& state, Colour face) {
  Rect w = r.Shrunk(1);
  DrawFrame(canvas, w, 2);
  w = w.Shrunk(1);
  Fill(canvas, w, face);
  if (!state.focus) return;
  if (state.selected) {
    w = w.Shrunk(-1);
    DrawFrame(canvas, w, -1);
    w = w.Shrunk(1);
    DrawFrame(canvas, w, -1);
  }
  Fill(canvas, w, face);
  w = w.Shrunk(2);
  DrawFocus(canvas, w, face);
  w = w.Shrunk(1);
  Fill(canvas, w, face);
}

std::unique_ptr<DrawnObject> MakeDrawnObject(int shape) {
  if (shape == kEllipseShape) return std::make_unique<DrawnEllipse>();
  return std::make_unique<DrawnRect>();
}
