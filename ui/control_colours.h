// The colours a dialog gives itself and its controls: every control-colour
// request (WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC, which are consecutive)
// sets the DC's text and text background colours and answers with the
// dialog's own background brush.
//
//   OnMessage<&Zones::OnControlColour>(kFirstControlColour, kLastControlColour)
//   Answer OnControlColour(WPARAM dc, LPARAM) { return m_colours.Reply(dc); }
#ifndef STATS_UI_CONTROL_COLOURS_H_
#define STATS_UI_CONTROL_COLOURS_H_

#include <windows.h>

#include "ui/gdi.h"
#include "ui/message_map.h"

constexpr UINT kFirstControlColour = WM_CTLCOLORMSGBOX;
constexpr UINT kLastControlColour = WM_CTLCOLORSTATIC;

class ControlColours {
 public:
  ControlColours(COLORREF text, COLORREF textBackground, COLORREF background)
      : m_text(text), m_textBackground(textBackground), m_background(background) {}

  // The brush lives from here to the end of the object; until then the
  // platform's colours stay.
  void CreateBrush() { m_brush.Reset(CreateSolidBrush(m_background)); }

  // The answer to a control-colour request whose wParam is `dc`.
  ::Answer Reply(WPARAM dc) const {
    if (!m_brush) return std::nullopt;
    HDC context = reinterpret_cast<HDC>(dc);
    SetTextColor(context, m_text);
    SetBkColor(context, m_textBackground);
    return reinterpret_cast<LRESULT>(m_brush.get());
  }

 private:
  COLORREF m_text, m_textBackground, m_background;
  Brush m_brush;
};

#endif  // STATS_UI_CONTROL_COLOURS_H_
