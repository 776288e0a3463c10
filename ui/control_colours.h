// The colours a dialog gives itself and its controls: every control-colour
// request (WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC, which are consecutive)
// sets the DC's text and text background colours and answers with the
// dialog's own background brush.
//
// A class with a ControlColours member lists it in its message table:
//
//   OnControlColours<&Zones::m_colours>()
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

// The table entry that answers every control-colour request from the
// ControlColours member `Colours` of the class that lists it.
template <auto Colours, class Target = typename message_map_detail::ClassOf<
                            decltype(Colours)>::type::MapTarget>
MessageEntry<Target> OnControlColours() {
  using Class = typename message_map_detail::ClassOf<decltype(Colours)>::type;
  return {MessageEntry<Target>::kMessage, kFirstControlColour, kLastControlColour, 0, 0,
          [](Target& target, const MessageArgs& args) -> Answer {
            return (static_cast<Class&>(target).*Colours).Reply(args.wParam);
          }};
}

#endif  // STATS_UI_CONTROL_COLOURS_H_
