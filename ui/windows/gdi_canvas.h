// A Canvas that draws on a device context. The selections it makes (pens,
// text colour, background) are those the drawing asked for; the pens it
// creates are deleted when they are restored or when the canvas goes.
#ifndef STATS_UI_WINDOWS_GDI_CANVAS_H_
#define STATS_UI_WINDOWS_GDI_CANVAS_H_

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/gdi.h"
#include "ui/windows/canvas.h"

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc) : m_dc(dc) {}
  ~GdiCanvas() override;

  void FillSolid(const Rect& r, Colour colour) override;
  void FocusRect(const Rect& r) override;
  void SelectPen(const PenSpec& pen) override;
  void RestorePen() override;
  void Ellipse(const Rect& r) override;
  void SetTransparentBackground(bool transparent) override;
  void SetBackgroundColour(Colour colour) override;
  Colour SetTextColour(Colour colour) override;
  void Text(int x, int y, const std::string& text) override;
  void CentredText(const Rect& r, const std::string& text) override;

 private:
  HDC m_dc;
  // Innermost selection last; each guard puts back what its pen displaced.
  struct SelectedPen {
    Pen pen;
    std::unique_ptr<SelectionGuard> guard;
  };
  std::vector<SelectedPen> m_pens;
};

#endif  // STATS_UI_WINDOWS_GDI_CANVAS_H_
