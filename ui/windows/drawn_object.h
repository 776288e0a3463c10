// The shapes of a drawn button: DrawnRect paints a raised rectangle,
// DrawnEllipse a disc; both put a caption on top through the one DrawCaption
// of DrawnObject. A shape lives for one paint.
#ifndef STATS_UI_WINDOWS_DRAWN_OBJECT_H_
#define STATS_UI_WINDOWS_DRAWN_OBJECT_H_

#include <memory>
#include <string>

#include "ui/windows/canvas.h"

// The state of a button at one paint.
struct ButtonState {
  bool selected = false;  // pressed
  bool disabled = false;
  bool focus = false;
};

class DrawnObject {
 public:
  virtual ~DrawnObject() = default;

  // The whole body of the control.
  virtual void Draw(Canvas& canvas, Rect r, const ButtonState& state, Colour face) = 0;
  // The caption in `colour`, one line centred in r; the background stays
  // transparent afterwards.
  virtual void DrawCaption(Canvas& canvas, Rect r, const std::string& text, Colour colour);
  // Edge or outline: depth > 0 raised, < 0 sunken.
  virtual void DrawFrame(Canvas& canvas, Rect r, int depth) = 0;
  virtual void Fill(Canvas& canvas, Rect r, Colour colour) = 0;
  virtual void DrawFocus(Canvas& canvas, Rect r, Colour colour) = 0;
};

class DrawnRect : public DrawnObject {
 public:
  void Draw(Canvas& canvas, Rect r, const ButtonState& state, Colour face) override;
  // |depth| rings, outermost first; each ring's light and dark greys come
  // from FrameRingColours.
  void DrawFrame(Canvas& canvas, Rect r, int depth) override;
  void Fill(Canvas& canvas, Rect r, Colour colour) override;
  void DrawFocus(Canvas& canvas, Rect r, Colour colour) override;
};

class DrawnEllipse : public DrawnObject {
 public:
  void Draw(Canvas& canvas, Rect r, const ButtonState& state, Colour face) override;
  void DrawFrame(Canvas& canvas, Rect r, int depth) override;
  // Concentric outlines with a 3-pixel pen until the rectangle is empty.
  void Fill(Canvas& canvas, Rect r, Colour colour) override;
  void DrawFocus(Canvas& canvas, Rect r, Colour colour) override;
};

// Ring `ring` (1 = outermost) of a frame `rings` deep: the light grey (top
// and left of a raised frame) and the dark grey.
struct FrameRing {
  Colour light;
  Colour dark;
};
FrameRing FrameRingColours(int ring, int rings);

// The shape of a button: 1 an ellipse, any other value a rectangle.
constexpr int kEllipseShape = 1;
std::unique_ptr<DrawnObject> MakeDrawnObject(int shape);

#endif  // STATS_UI_WINDOWS_DRAWN_OBJECT_H_
