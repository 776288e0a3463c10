#include "ui/windows/zone_windows.h"

#include "resources/resource_ids.h"
#include "ui/windows/drawn_object.h"

// --- ZoneToolWindow -----------------------------------------------------------

const MessageMap<Dialog>& ZoneToolWindow::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnControlColours<&ZoneToolWindow::m_colours>(),
  };
  static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
  return map;
}

void ZoneToolWindow::OnInitToolWindow() {
  m_colours.CreateBrush();
  OnInitZoneWindow();
}

// --- Zone_search --------------------------------------------------------------

Zone_search::Zone_search(Settings& settings, LastWindowPosition& last, bool onTop)
    : ZoneToolWindow(IDD_ZONE_SEARCH, {"zone_search_x", "zone_search_y"}, settings, last, onTop) {}

void Zone_search::OnInitZoneWindow() {
  static unsigned openings = 0;  // the windows all live on one thread
  m_opening = ++openings;
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    CAdvancedButton& button = m_zoneButton[zone - 1];
    button.Init(ZoneButtonId(zone), hwnd(), kZoneOpenFace, kZoneOpenText, kZoneDisabledText);
    button.m_shape = kEllipseShape;
    button.Redraw();
  }
}

// --- CCont --------------------------------------------------------------------

CCont::CCont(Settings& settings, LastWindowPosition& last, bool onTop)
    : ZoneToolWindow(IDD_ZONE_FLAGS, {"cont_x", "cont_y"}, settings, last, onTop) {}

void CCont::DoDataExchange(DataExchange& dx) {
  for (int zone = 1; zone <= kZoneCount; ++zone) dx.Check(ZoneFlagId(zone), m_zoneFlag[zone - 1]);
}
