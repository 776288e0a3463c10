#include "ui/control/setup_cq_ww.h"

#include "plugin/plugin_state.h"
#include "resources/resource_ids.h"
#include "ui/control/placeholder_tool_windows.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 250, 198);

void SetWideText(HWND window, const std::string& text, UINT codePage) {
  SetWindowTextW(window, AnsiToWide(text, codePage).c_str());
}

}  // namespace

Setup_CQ_WW::Setup_CQ_WW(PluginState& state, Settings& settings, Win32HostLink& host,
                         ToolWindowSet& tools)
    : Dialog(IDD_SETUP_CQ_WW),
      m_state(state),
      m_host(host),
      m_logic(state, settings, host, tools, *this) {}

Setup_CQ_WW::~Setup_CQ_WW() {
  if (m_backgroundBrush) DeleteObject(m_backgroundBrush);
}

BOOL Setup_CQ_WW::OnInitDialog() {
  const ControlWindowLogic::Position at = m_logic.LoadSettings();
  HWND window = hwnd();
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Always on top itself; the option concerns the tool windows.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(window, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(StatsModule(), MAKEINTRESOURCEW(IDI_STATS))));
  m_backgroundBrush = CreateSolidBrush(kBackground);
  // The title bar's close stays without function: the window lives as long as
  // the scoring run.
  EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
  m_host.Connect();
  // A host that refuses the mode skips the first update; the next keystroke's
  // update tries again.
  if (m_logic.GreetHost()) PostUpdate();
  return TRUE;
}

INT_PTR Setup_CQ_WW::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR: {
      RECT frame;
      if (GetWindowRect(hwnd(), &frame)) m_logic.SavePosition(frame.left, frame.top);
      return FALSE;  // the platform sets the cursor
    }
    case WM_CALL_DETAILS:
      UpdateCallDetails();
      return TRUE;
    case WM_END_WINDOWS:
      HideWithoutActivation(hwnd());
      EndDialog(IDCANCEL);
      return TRUE;
    case WM_DESTROY:
      m_logic.CloseToolWindows();
      break;
    default:
      break;
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

// The first step of the call-details update: the wanted windows are opened.
// The rest of the update follows the typed call and the frequency.
void Setup_CQ_WW::UpdateCallDetails() {
  m_logic.OpenWantedWindows();
  m_state.m_detailsIdle = 1;
}

bool Setup_CQ_WW::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_SETUP_MODE_CW: m_logic.OnModeCw(); return true;
    case IDC_SETUP_MODE_SSB: m_logic.OnModeSsb(); return true;
    case IDC_SETUP_VIEW_ZONE: m_logic.OnToggle(ToolWindow::kZoneFlags); return true;
    case IDC_SETUP_VIEW_MULTIPLIER: m_logic.OnToggle(ToolWindow::kMultiplier); return true;
    case IDC_SETUP_VIEW_MULTIPLIER_EXTENDED:
      m_logic.OnToggle(ToolWindow::kExtendedMultiplier);
      return true;
    case IDC_SETUP_VIEW_ZONE_SEARCH: m_logic.OnToggle(ToolWindow::kZoneSearch); return true;
    case IDC_SETUP_WINDOW_ON_TOP: m_logic.OnWindowOnTop(); return true;
    case IDC_SETUP_NEW_STYLE: m_logic.OnNewStyle(); return true;
    case IDC_SETUP_CALL_DETAILS: return true;
    default: return Dialog::OnCommand(id, code, control);
  }
}

HBRUSH Setup_CQ_WW::OnCtlColor(UINT, HDC dc, HWND) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, kBackground);
  return m_backgroundBrush;
}

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
