// CAdvancedButton: a push button of a dialog template that paints itself as a
// raised rectangle or (m_shape 1) a disc, in face and caption colours that
// its owner sets at run time. It clicks like any push button.
//
// Threads: the colour setters repaint before they return. Called from a thread
// other than the window's, they wait for the window's thread to paint, so
// such a caller must hold no lock that the window thread may be waiting for
// (the plug-in's state lock, which the info button's paint takes).
#ifndef STATS_UI_WINDOWS_ADVANCED_BUTTON_H_
#define STATS_UI_WINDOWS_ADVANCED_BUTTON_H_

#include <windows.h>

#include "ui/subclassed_control.h"
#include "ui/windows/advanced_component.h"

class CAdvancedButton : public SubclassedControl, public CAdvancedComponent {
 public:
  // Takes over control `id` of `parent` and makes it owner-drawn. False, with
  // nothing changed, when there is no such control; otherwise the colours
  // are stored and the shape returns to a rectangle.
  bool Init(int id, HWND parent, Colour face, Colour text, Colour disabledText);

  // Repaints the button before it returns.
  void Redraw() override;

  Colour DisabledTextColor() const { return m_disabledTextColor; }

  int m_shape = 0;  // kEllipseShape: a disc; anything else: a rectangle

 protected:
  void OnAttached() override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  Colour m_disabledTextColor = 0;
};

#endif  // STATS_UI_WINDOWS_ADVANCED_BUTTON_H_
