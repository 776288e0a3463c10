#include "ui/windows/zone_windows.h"

#include "resources/resource_ids.h"
#include "ui/windows/drawn_object.h"

namespace {

// Text on RGB(255,240,198), backgrounds RGB(255,250,198).
ControlColours ZoneWindowColours() {
  return ControlColours(RGB(0, 0, 0), RGB(255, 240, 198), RGB(255, 250, 198));
}

}  // namespace

// --- Zone_search --------------------------------------------------------------

Zone_search::Zone_search(ToolWindowContext& context)
    : ToolWindow(IDD_ZONE_SEARCH, {"zone_search_x", "zone_search_y", 99}, context),
      m_colours(ZoneWindowColours()) {}

const MessageMap<Dialog>& Zone_search::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&Zone_search::OnControlColour>(kFirstControlColour, kLastControlColour),
  };
  static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
  return map;
}

void Zone_search::OnInitToolWindow() {
  m_colours.CreateBrush();
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    CAdvancedButton& button = m_zoneButton[zone - 1];
    button.Init(ZoneButtonId(zone), hwnd(), kZoneOpenFace, kZoneOpenText, kZoneDisabledText);
    button.m_shape = kEllipseShape;
    button.Redraw();
  }
}

// --- CCont --------------------------------------------------------------------

CCont::CCont(ToolWindowContext& context)
    : ToolWindow(IDD_ZONE_FLAGS, {"cont_x", "cont_y", 49}, context),
      m_colours(ZoneWindowColours()) {}

const MessageMap<Dialog>& CCont::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&CCont::OnControlColour>(kFirstControlColour, kLastControlColour),
  };
  static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
  return map;
}

void CCont::OnInitToolWindow() { m_colours.CreateBrush(); }

void CCont::DoDataExchange(DataExchange& dx) {
  for (int zone = 1; zone <= kZoneCount; ++zone) dx.Check(ZoneFlagId(zone), m_zoneFlag[zone - 1]);
}
