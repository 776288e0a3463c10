// Setup_CQ_WW: the control window (template 123). It carries out on its
// controls what ControlWindowLogic decides, and it is the receiver of
// WM_CALL_DETAILS.
//
// It runs modeless on the user-interface thread, whose loop ends when the
// window is gone; that loop is the window's "modal" run. However it ends
// (Enter, Escape, the close message, the unloading), its tool windows close
// first, in their closing order.
#ifndef STATS_UI_CONTROL_SETUP_CQ_WW_H_
#define STATS_UI_CONTROL_SETUP_CQ_WW_H_

#include <windows.h>

#include "ui/control/control_window_logic.h"
#include "ui/control/win32_host_link.h"
#include "ui/dialog.h"

struct PluginState;
class Settings;

// Posted to the control window when the call being typed or the log changed;
// both parameters 0.
constexpr UINT WM_CALL_DETAILS = WM_USER + 0x500;

// Posted by the unloading: the window goes, its tool windows first, without
// handing the activation to anybody.
constexpr UINT WM_END_WINDOWS = WM_USER + 0x501;

class Setup_CQ_WW : public Dialog, private ControlWindowView {
 public:
  Setup_CQ_WW(PluginState& state, Settings& settings, Win32HostLink& host, ToolWindowSet& tools);
  ~Setup_CQ_WW() override;

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  void ShowTexts(const ControlTexts& texts) override;
  void RefreshChecks() override { UpdateData(false); }
  void PostUpdate() override;
  void UpdateCallDetails();

  PluginState& m_state;
  Win32HostLink& m_host;
  ControlWindowLogic m_logic;
  HBRUSH m_backgroundBrush = nullptr;
};

#endif  // STATS_UI_CONTROL_SETUP_CQ_WW_H_
