#include "ui/control/control_window_logic.h"

#include <mutex>

#include "engine/bad_qso_file.h"

namespace {

// The Russian texts in code page 1251: "Установки", "Отображать",
// "Вид радиосвязи".
constexpr char kRussianSetup[] = "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8";
constexpr char kRussianView[] = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";
constexpr char kRussianMode[] = "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8";

const char* const kBandNames[] = {"160m", "80m", "40m", "20m", "15m", "10m"};

const PositionKeys kPositionKeys = {"setup_cq_ww_x", "setup_cq_ww_y"};

}  // namespace

const char* ToolWindowKey(ToolWindowKind window) {
  switch (window) {
    case ToolWindowKind::kZoneFlags: return "setup_view_zone";
    case ToolWindowKind::kMultiplier: return "setup_view_multiplier";
    case ToolWindowKind::kExtendedMultiplier: return "setup_view_multiplier_extended";
    case ToolWindowKind::kZoneSearch: return "setup_not_work_zone";
  }
  return "";
}

ControlTexts ControlWindowTexts(bool cw, bool russian, const std::string& year) {
  ControlTexts texts;
  texts.cp1251 = russian;
  texts.title = std::string(russian ? kRussianSetup : "Setup") + (cw ? " CQ-WW-CW-" : " CQ-WW-SSB-") +
                year;
  texts.viewLabel = russian ? kRussianView : "View";
  texts.modeLabel = russian ? kRussianMode : "Mode";
  return texts;
}

ScreenPoint ControlWindowLogic::LoadSettings() {
  const ScreenPoint at = LoadToolWindowPosition(m_settings, kPositionKeys, m_memory.m_lastWindow);
  m_windowOnTop = m_settings.ReadInt("setup_window_on_top");
  m_memory.m_toolWindowsOnTop = m_windowOnTop;
  // "Mode" takes the text as it is, so a missing key makes it empty (SSB for
  // the next statistics reset).
  const std::string cwText = m_settings.Read("setup_mode_cw");
  m_modeCw = Settings::ToInt(cwText);
  m_settings.Write("Mode", cwText);
  m_modeSsb = m_settings.ReadInt("setup_mode_ssb");
  m_viewZone = 1;
  m_viewMultiplier = m_settings.ReadInt(ToolWindowKey(ToolWindowKind::kMultiplier));
  m_viewMultiplierExtended = m_settings.ReadInt(ToolWindowKey(ToolWindowKind::kExtendedMultiplier));
  m_viewZoneSearch = m_settings.ReadInt(ToolWindowKey(ToolWindowKind::kZoneSearch));

  ControlTexts texts;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    texts = ControlWindowTexts(m_modeCw != 0, m_state.m_russianUi != 0, m_state.m_contestYear);
  }
  texts.moveLabels = texts.cp1251 && m_modeCw != 0;
  m_view.ShowTexts(texts);
  m_view.RefreshChecks();
  return at;
}

bool ControlWindowLogic::GreetHost() {
  m_memory.m_bandNames.assign(std::begin(kBandNames), std::end(kBandNames));
  if (m_modeCw) return m_host.SendCommand("<MODE:CW>") && m_host.SendCommand("<BAUDRATE:27>");
  return m_host.SendCommand("<MODE:SSB>");
}

bool ControlWindowLogic::SwitchMode(bool cw) {
  const char* ownKey = cw ? "setup_mode_cw" : "setup_mode_ssb";
  const char* otherKey = cw ? "setup_mode_ssb" : "setup_mode_cw";
  int& own = cw ? m_modeCw : m_modeSsb;
  int& other = cw ? m_modeSsb : m_modeCw;
  // Only the settings decide: a click on the mode already chosen changes
  // nothing but gives the box its tick back.
  own = m_settings.ReadInt(ownKey);
  if (own) {
    m_view.RefreshChecks();
    return true;
  }
  own = 1;
  other = 0;
  m_settings.Write(ownKey, "1");
  m_settings.Write("Mode", cw ? "1" : "0");
  m_settings.Write(otherKey, "0");

  // The mode and the bad-QSO file change together, in one hold of the lock, so
  // that no export sees the new mode with the old file; and before the host
  // is told, so that a refusal by the host leaves the plug-in consistent.
  ControlTexts texts;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    m_state.m_isCw = cw ? 1 : 0;
    texts = ControlWindowTexts(cw, m_state.m_russianUi != 0, m_state.m_contestYear);
    m_state.m_badQsoPath = BadQsoFileName(m_state.m_fileDate);
    m_state.m_badQsoFile.Start(m_state.m_badQsoPath, m_state.m_isCw);
  }
  m_view.ShowTexts(texts);
  m_view.RefreshChecks();
  return m_host.SendCommand(cw ? "<MODE:CW>" : "<MODE:SSB>");
}

int& ControlWindowLogic::Member(ToolWindowKind window) {
  switch (window) {
    case ToolWindowKind::kZoneFlags: return m_viewZone;
    case ToolWindowKind::kMultiplier: return m_viewMultiplier;
    case ToolWindowKind::kExtendedMultiplier: return m_viewMultiplierExtended;
    case ToolWindowKind::kZoneSearch: return m_viewZoneSearch;
  }
  return m_viewZone;
}

void ControlWindowLogic::OnToggle(ToolWindowKind window) {
  int& member = Member(window);
  if (m_tools.Exists(window)) {
    m_tools.Close(window);
    member = 0;
    m_settings.Write(ToolWindowKey(window), "0");
    return;
  }
  m_tools.Open(window, true);
  member = 1;
  m_settings.Write(ToolWindowKey(window), "1");
  m_view.PostUpdate();
}

void ControlWindowLogic::OnWindowOnTop() {
  m_windowOnTop = m_windowOnTop ? 0 : 1;
  m_memory.m_toolWindowsOnTop = m_windowOnTop;
  m_settings.Write("setup_window_on_top", m_windowOnTop ? "1" : "0");
  // The members stay: the update opens the wanted windows again.
  for (ToolWindowKind window : {ToolWindowKind::kExtendedMultiplier, ToolWindowKind::kMultiplier,
                            ToolWindowKind::kZoneFlags, ToolWindowKind::kZoneSearch})
    m_tools.Close(window);
  m_view.RefreshChecks();
  m_view.PostUpdate();
}

void ControlWindowLogic::SavePosition(int x, int y) {
  SaveToolWindowPosition(m_settings, kPositionKeys, m_memory.m_lastWindow, {x, y});
}

bool ControlWindowLogic::OpenWantedWindows() {
  if (!m_host.Connected()) return false;
  for (ToolWindowKind window : {ToolWindowKind::kZoneFlags, ToolWindowKind::kMultiplier,
                            ToolWindowKind::kExtendedMultiplier, ToolWindowKind::kZoneSearch}) {
    if (!Member(window) || m_tools.Exists(window)) continue;
    m_tools.Open(window, window != ToolWindowKind::kZoneFlags);
    m_settings.Write(ToolWindowKey(window), "1");
  }
  return true;
}

void ControlWindowLogic::CloseToolWindows() {
  for (ToolWindowKind window : kClosingOrder) m_tools.Close(window);
}
