#include "ui/control/tool_window_applier.h"

#include "ui/windows/extended_multiplier_window.h"
#include "ui/windows/multiplier.h"
#include "ui/windows/zone_windows.h"

ToolWindow* ToolWindowApplier::Window(DetailsWindow window) {
  ToolWindow* found = nullptr;
  switch (window) {
    case DetailsWindow::kZoneFlags: found = m_windows.zoneFlags; break;
    case DetailsWindow::kMultiplier: found = m_windows.multiplier; break;
    case DetailsWindow::kExtendedMultiplier: found = m_windows.extendedMultiplier; break;
    case DetailsWindow::kZoneSearch: found = m_windows.zoneSearch; break;
  }
  return found && found->hwnd() ? found : nullptr;
}

void ToolWindowApplier::OpenWantedWindows() {
  if (m_openWanted) m_openWanted();
}

bool ToolWindowApplier::Exists(DetailsWindow window) { return Window(window) != nullptr; }

void ToolWindowApplier::SetTitle(DetailsWindow window, const std::string& title) {
  if (ToolWindow* w = Window(window)) w->SetTitle(title);
}

void ToolWindowApplier::RepaintInfoButton() {
  if (Window(DetailsWindow::kMultiplier)) m_windows.multiplier->RepaintInfoButton();
}

unsigned ToolWindowApplier::ZoneSearchOpening() {
  return Window(DetailsWindow::kZoneSearch) ? m_windows.zoneSearch->Opening() : 0;
}

void ToolWindowApplier::ColourZone(int zone, bool worked) {
  if (!Window(DetailsWindow::kZoneSearch) || zone < 1 || zone > kZoneCount) return;
  CAdvancedButton& button = m_windows.zoneSearch->m_zoneButton[zone - 1];
  button.SetFaceColor(worked ? kZoneWorkedFace : kZoneOpenFace);
  button.SetTextColor(worked ? kZoneWorkedText : kZoneOpenText);
}

ZoneFlags* ToolWindowApplier::Flags() {
  return Window(DetailsWindow::kZoneFlags) ? &m_windows.zoneFlags->m_zoneFlag : nullptr;
}

// The zone window exchanges no data: only the flag window has boxes to show.
void ToolWindowApplier::RefreshZoneFlags() {
  if (Window(DetailsWindow::kZoneFlags)) m_windows.zoneFlags->UpdateData(false);
}

void ToolWindowApplier::SetBoxStates(const PageBoxStates& states) {
  if (Window(DetailsWindow::kExtendedMultiplier)) m_windows.extendedMultiplier->SetBoxStates(states);
}
