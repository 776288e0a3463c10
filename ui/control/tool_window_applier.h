// ToolWindowApplier: the call-details update carried out on the real tool
// windows. Its owner (the control window) keeps the four window objects and
// says how the wanted ones are opened; a null or closed window is missing.
#ifndef STATS_UI_CONTROL_TOOL_WINDOW_APPLIER_H_
#define STATS_UI_CONTROL_TOOL_WINDOW_APPLIER_H_

#include <functional>

#include "ui/control/call_details_windows.h"

class CCont;
class Multiplier;
class Multiplier_Mult;
class Zone_search;
class ToolWindow;

struct ToolWindowObjects {
  CCont* zoneFlags = nullptr;
  Multiplier* multiplier = nullptr;
  Multiplier_Mult* extendedMultiplier = nullptr;
  Zone_search* zoneSearch = nullptr;
};

class ToolWindowApplier : public CallDetailsWindows {
 public:
  // `windows` is read at every call, so the owner may open and close windows
  // between updates.
  ToolWindowApplier(const ToolWindowObjects& windows, std::function<void()> openWanted)
      : m_windows(windows), m_openWanted(std::move(openWanted)) {}

  void OpenWantedWindows() override;
  bool Exists(DetailsWindow window) override;
  void SetTitle(DetailsWindow window, const std::string& title) override;
  void RepaintInfoButton() override;
  unsigned ZoneSearchOpening() override;
  void ColourZone(int zone, bool worked) override;
  ZoneFlags* Flags() override;
  void RefreshZoneFlags() override;
  void SetBoxStates(const PageBoxStates& states) override;

 private:
  ToolWindow* Window(DetailsWindow window);

  const ToolWindowObjects& m_windows;
  std::function<void()> m_openWanted;
};

#endif  // STATS_UI_CONTROL_TOOL_WINDOW_APPLIER_H_
