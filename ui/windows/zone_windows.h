// The two zone windows, both on the background RGB(255,250,198):
// - Zone_search (template 125): the forty CQ zones as discs, green while not
//   worked on the current band, blue once worked. The owner recolours
//   m_zoneButton[z - 1] with SetFaceColor and SetTextColor.
// - CCont (template 114): one check box per zone, bound to m_zoneFlag; the
//   owner writes the flags and then calls UpdateData(false) to show them.
#ifndef STATS_UI_WINDOWS_ZONE_WINDOWS_H_
#define STATS_UI_WINDOWS_ZONE_WINDOWS_H_

#include <array>

#include "ui/control_colours.h"
#include "ui/windows/advanced_button.h"
#include "ui/windows/tool_window.h"
#include "ui/windows/tool_window_colours.h"
#include "ui/windows/zone_controls.h"

// The colours both zone windows give themselves and their controls: the tool
// windows' text and background, the text itself on RGB(255,240,198).
class ZoneToolWindow : public ToolWindow {
 public:
  using ToolWindow::ToolWindow;

  const MessageMap<Dialog>& Messages() const override;

 protected:
  // Creates the background brush, then OnInitZoneWindow.
  void OnInitToolWindow() override;
  virtual void OnInitZoneWindow() {}

 private:
  ControlColours m_colours{kToolWindowText, RGB(255, 240, 198), kToolWindowBackground};
};

class Zone_search : public ZoneToolWindow {
 public:
  Zone_search(Settings& settings, LastWindowPosition& last, bool onTop);

  std::array<CAdvancedButton, kZoneCount> m_zoneButton;

  // Which opening of a zone window this is, counted over all of them: a new
  // number at every opening, never 0. Tells the call-details update that the
  // buttons are the template's again.
  unsigned Opening() const { return m_opening; }

 protected:
  void OnInitZoneWindow() override;

 private:
  unsigned m_opening = 0;
};

class CCont : public ZoneToolWindow {
 public:
  CCont(Settings& settings, LastWindowPosition& last, bool onTop);

  std::array<int, kZoneCount> m_zoneFlag{};  // zone z at z - 1; 1 = marked

 protected:
  void DoDataExchange(DataExchange& dx) override;
};

#endif  // STATS_UI_WINDOWS_ZONE_WINDOWS_H_
