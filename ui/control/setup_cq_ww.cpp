#include "ui/control/setup_cq_ww.h"

#include "resources/resource_ids.h"
#include "ui/control/win32_tool_windows.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 250, 198);

void SetWideText(HWND window, const std::string& text, UINT codePage) {
  SetWindowTextW(window, AnsiToWide(text, codePage).c_str());
}

}  // namespace

Setup_CQ_WW::Setup_CQ_WW(std::mutex& lock, ContestState& state, WindowMemory& memory,
                         CallDetailsMemory& details, Settings& settings, Win32HostLink& host,
                         Win32ToolWindows& tools)
    : Dialog(IDD_SETUP_CQ_WW),
      m_lock(lock),
      m_state(state),
      m_details(details),
      m_host(host),
      m_tools(tools),
      m_logic(lock, state, memory, settings, host, tools, *this),
      // The update's first step opens the wanted windows; the objects are
      // read again after it, so the rest of the update reaches the new ones.
      m_applier(m_toolObjects,
                [this] {
                  m_logic.OpenWantedWindows();
                  TakeToolWindowObjects();
                }),
      m_colours(RGB(0, 0, 0), kBackground, kBackground) {}

const MessageMap<Dialog>& Setup_CQ_WW::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&Setup_CQ_WW::OnSetCursor>(WM_SETCURSOR),
      OnMessage<&Setup_CQ_WW::OnCallDetails>(WM_CALL_DETAILS),
      OnMessage<&Setup_CQ_WW::OnResetZoneDisplays>(WM_RESET_ZONE_DISPLAYS),
      OnMessage<&Setup_CQ_WW::OnEndWindows>(WM_END_WINDOWS),
      OnMessage<&Setup_CQ_WW::OnDestroy>(WM_DESTROY),
      OnCommand<&Setup_CQ_WW::OnModeCw>(IDC_SETUP_MODE_CW, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnModeSsb>(IDC_SETUP_MODE_SSB, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnViewZone>(IDC_SETUP_VIEW_ZONE, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnViewMultiplier>(IDC_SETUP_VIEW_MULTIPLIER, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnViewMultiplierExtended>(IDC_SETUP_VIEW_MULTIPLIER_EXTENDED,
                                                        BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnViewZoneSearch>(IDC_SETUP_VIEW_ZONE_SEARCH, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnWindowOnTop>(IDC_SETUP_WINDOW_ON_TOP, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnNewStyle>(IDC_SETUP_NEW_STYLE, BN_CLICKED),
      OnCommand<&Setup_CQ_WW::OnCallDetailsBox>(IDC_SETUP_CALL_DETAILS, BN_CLICKED),
      OnControlColours<&Setup_CQ_WW::m_colours>(),
  };
  static const MessageMap<Dialog> map(entries, &Dialog::Messages());
  return map;
}

BOOL Setup_CQ_WW::OnInitDialog() {
  const ScreenPoint at = m_logic.LoadSettings();
  HWND window = hwnd();
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Always on top itself; the option concerns the tool windows.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(window, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(StatsModule(), MAKEINTRESOURCEW(IDI_STATS))));
  m_colours.CreateBrush();
  // The title bar's close stays without function: the window lives as long as
  // the scoring run.
  EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
  m_host.Connect();
  // A host that refuses the mode skips the first update; the next keystroke's
  // update tries again.
  if (m_logic.GreetHost()) PostUpdate();
  return TRUE;
}

Answer Setup_CQ_WW::OnSetCursor(WPARAM, LPARAM) {
  RECT frame;
  if (GetWindowRect(hwnd(), &frame)) m_logic.SavePosition(frame.left, frame.top);
  return std::nullopt;  // the platform sets the cursor
}

Answer Setup_CQ_WW::OnCallDetails(WPARAM, LPARAM) {
  TakeToolWindowObjects();
  UpdateCallDetails(m_lock, m_state, m_details, m_host, m_applier);
  return 0;
}

Answer Setup_CQ_WW::OnResetZoneDisplays(WPARAM, LPARAM) {
  TakeToolWindowObjects();
  ResetZoneDisplays(m_applier);
  return 0;
}

void Setup_CQ_WW::TakeToolWindowObjects() {
  m_toolObjects.zoneFlags = m_tools.zoneFlags();
  m_toolObjects.multiplier = m_tools.multiplier();
  m_toolObjects.extendedMultiplier = m_tools.extendedMultiplier();
  m_toolObjects.zoneSearch = m_tools.zoneSearch();
}

Answer Setup_CQ_WW::OnEndWindows(WPARAM, LPARAM) {
  m_logic.CloseToolWindows();
  HideWithoutActivation(hwnd());
  EndDialog(IDCANCEL);
  return 0;
}

Answer Setup_CQ_WW::OnDestroy(WPARAM, LPARAM) {
  m_logic.CloseToolWindows();
  return std::nullopt;
}

// The window was the thread's reason to run.
void Setup_CQ_WW::OnFinalMessage() { PostQuitMessage(0); }

void Setup_CQ_WW::DoDataExchange(DataExchange& dx) {
  dx.Check(IDC_SETUP_MODE_CW, m_logic.m_modeCw);
  dx.Check(IDC_SETUP_MODE_SSB, m_logic.m_modeSsb);
  dx.Check(IDC_SETUP_VIEW_ZONE, m_logic.m_viewZone);
  dx.Check(IDC_SETUP_VIEW_MULTIPLIER, m_logic.m_viewMultiplier);
  dx.Check(IDC_SETUP_VIEW_MULTIPLIER_EXTENDED, m_logic.m_viewMultiplierExtended);
  dx.Check(IDC_SETUP_NEW_STYLE, m_logic.m_newStyle);
  dx.Check(IDC_SETUP_WINDOW_ON_TOP, m_logic.m_windowOnTop);
  dx.Check(IDC_SETUP_VIEW_ZONE_SEARCH, m_logic.m_viewZoneSearch);
}

void Setup_CQ_WW::ShowTexts(const ControlTexts& texts) {
  // Wide text, so that the Russian texts show on a system of any code page.
  const UINT codePage = texts.cp1251 ? 1251 : CP_ACP;
  SetWideText(hwnd(), texts.title, codePage);
  SetWideText(Item(IDC_SETUP_VIEW_LABEL), texts.viewLabel, codePage);
  SetWideText(Item(IDC_SETUP_MODE_LABEL), texts.modeLabel, codePage);
  if (texts.moveLabels) {
    MoveWindow(Item(IDC_SETUP_VIEW_LABEL), 155, 5, 170, 15, TRUE);
    MoveWindow(Item(IDC_SETUP_MODE_LABEL), 12, 5, 100, 15, TRUE);
  }
}

void Setup_CQ_WW::PostUpdate() { PostMessageW(hwnd(), WM_CALL_DETAILS, 0, 0); }
