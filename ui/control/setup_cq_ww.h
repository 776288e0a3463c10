// Setup_CQ_WW: the control window (template 123). It carries out on its
// controls what ControlWindowLogic decides, and it is the receiver of
// WM_CALL_DETAILS.
//
// It runs modeless on the user-interface thread, whose loop ends when the
// window is gone (the window posts the thread's quit message as its last
// act); that loop is the window's "modal" run. However it ends (Enter,
// Escape, the close message, the unloading), its tool windows close first,
// in their closing order.
#ifndef STATS_UI_CONTROL_SETUP_CQ_WW_H_
#define STATS_UI_CONTROL_SETUP_CQ_WW_H_

#include <windows.h>

#include <mutex>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "ui/control/call_details.h"
#include "ui/control/control_window_logic.h"
#include "ui/control/tool_window_applier.h"
#include "ui/control/win32_host_link.h"
#include "ui/control/win32_tool_windows.h"
#include "ui/control_colours.h"
#include "ui/dialog.h"

// Posted to the control window when the call being typed or the log changed;
// both parameters 0.
constexpr UINT WM_CALL_DETAILS = WM_USER + 0x500;

// Posted to the control window by a removal, before its WM_CALL_DETAILS: the
// window thread returns the zone buttons and flags to "not worked"
// (ResetZoneDisplays of ui/control/call_details.h). Posted, not sent, so the
// host's thread never waits for the window thread; the queue's order puts the
// reset before the update. Both parameters 0.
constexpr UINT WM_RESET_ZONE_DISPLAYS = WM_USER + 0x502;

// Posted by the unloading: the window goes, its tool windows first, without
// handing the activation to anybody.
constexpr UINT WM_END_WINDOWS = WM_USER + 0x501;

class Setup_CQ_WW : public Dialog, private ControlWindowView {
 public:
  // `lock` guards `state`; `memory` and `details` are the window thread's
  // own (`details` outlives the window: the next control window's update
  // goes on from it).
  Setup_CQ_WW(std::mutex& lock, ContestState& state, WindowMemory& memory,
              CallDetailsMemory& details, Settings& settings, Win32HostLink& host,
              Win32ToolWindows& tools);

  const MessageMap<Dialog>& Messages() const override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  void OnFinalMessage() override;

 private:
  void ShowTexts(const ControlTexts& texts) override;
  void RefreshChecks() override { UpdateData(false); }
  void PostUpdate() override;

  Answer OnSetCursor(WPARAM, LPARAM);
  Answer OnCallDetails(WPARAM, LPARAM);
  Answer OnResetZoneDisplays(WPARAM, LPARAM);
  Answer OnEndWindows(WPARAM, LPARAM);
  Answer OnDestroy(WPARAM, LPARAM);
  void OnModeCw() { m_logic.OnModeCw(); }
  void OnModeSsb() { m_logic.OnModeSsb(); }
  void OnViewZone() { m_logic.OnToggle(ToolWindowKind::kZoneFlags); }
  void OnViewMultiplier() { m_logic.OnToggle(ToolWindowKind::kMultiplier); }
  void OnViewMultiplierExtended() { m_logic.OnToggle(ToolWindowKind::kExtendedMultiplier); }
  void OnViewZoneSearch() { m_logic.OnToggle(ToolWindowKind::kZoneSearch); }
  void OnWindowOnTop() { m_logic.OnWindowOnTop(); }
  void OnNewStyle() { m_logic.OnNewStyle(); }
  void OnCallDetailsBox() {}
  // The applier reads the window objects at every call; they change when a
  // window opens or closes, so they are read again from the set first.
  void TakeToolWindowObjects();

  std::mutex& m_lock;
  ContestState& m_state;
  CallDetailsMemory& m_details;
  Win32HostLink& m_host;
  Win32ToolWindows& m_tools;
  ControlWindowLogic m_logic;
  ToolWindowObjects m_toolObjects;
  ToolWindowApplier m_applier;
  ControlColours m_colours;
};

#endif  // STATS_UI_CONTROL_SETUP_CQ_WW_H_
