// CAdvancedComponent: the colour-bearing half of a drawn control. Each setter
// stores its colour and repaints the control at once.
#ifndef STATS_UI_WINDOWS_ADVANCED_COMPONENT_H_
#define STATS_UI_WINDOWS_ADVANCED_COMPONENT_H_

#include "ui/windows/canvas.h"

class CAdvancedComponent {
 public:
  virtual ~CAdvancedComponent() = default;

  virtual bool SetTextColor(Colour colour) {
    m_textColor = colour;
    Redraw();
    return true;
  }
  virtual bool SetFaceColor(Colour colour) {
    m_faceColor = colour;
    Redraw();
    return true;
  }
  // Repaints the control before it returns.
  virtual void Redraw() = 0;

  Colour FaceColor() const { return m_faceColor; }
  Colour TextColor() const { return m_textColor; }

 protected:
  Colour m_faceColor = 0;
  Colour m_textColor = 0;
};

#endif  // STATS_UI_WINDOWS_ADVANCED_COMPONENT_H_
