// What the tool windows draw, as calls on a Canvas that knows nothing of the
// platform: the drawn buttons and the info button compose their pictures
// here, natively testable, and the windows hand them a canvas that carries the
// calls out on a device context.
#ifndef STATS_UI_WINDOWS_CANVAS_H_
#define STATS_UI_WINDOWS_CANVAS_H_

#include <cstdint>
#include <string>

// 0x00BBGGRR, the platform's layout of a colour.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
         static_cast<Colour>(blue & 0xFF) << 16;
}

// Pixels; right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  Rect Shrunk(int n) const { return {left + n, top + n, right - n, bottom - n}; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct PenSpec {
  enum Style { kSolid, kDotted };
  Style style = kSolid;
  int width = 1;
  Colour colour = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillSolid(const Rect& r, Colour colour) = 0;
  // The platform's dotted focus rectangle, drawn by inverting.
  virtual void FocusRect(const Rect& r) = 0;

  // Pens stack: SelectPen puts a new pen in front, RestorePen brings back
  // the one it displaced.
  virtual void SelectPen(const PenSpec& pen) = 0;
  virtual void RestorePen() = 0;
  // Outlined with the selected pen, the inside filled with the canvas's
  // current (default) brush.
  virtual void Ellipse(const Rect& r) = 0;

  // Background of text and dotted lines: transparent, or opaque in the
  // background colour.
  virtual void SetTransparentBackground(bool transparent) = 0;
  virtual void SetBackgroundColour(Colour colour) = 0;
  // Returns the colour it replaced.
  virtual Colour SetTextColour(Colour colour) = 0;

  // Text with its top-left corner at (x, y), one line.
  virtual void Text(int x, int y, const std::string& text) = 0;
  // One line, centred both ways in r.
  virtual void CentredText(const Rect& r, const std::string& text) = 0;
};

#endif  // STATS_UI_WINDOWS_CANVAS_H_
