// Win32WindowSide: the DLL's WindowSide. Message boxes and the Cabrillo header
// dialog run modally on the host's thread; everything else concerns the
// control window of the user-interface thread, which this side reaches only by
// posting to its handle.
//
// While a user-interface thread runs, a control window counts as existing, so
// that no second thread starts; posts go to the control window's handle once
// it is known.
#ifndef STATS_PLUGIN_WIN32_WINDOW_SIDE_H_
#define STATS_PLUGIN_WIN32_WINDOW_SIDE_H_

#include <windows.h>

#include <atomic>
#include <string>

#include "engine/window_side.h"
#include "plugin/ui_thread.h"

struct PluginState;
class Settings;

class Win32WindowSide : public WindowSide {
 public:
  Win32WindowSide(PluginState& state, Settings& settings) : m_uiThread(state, settings) {}

  bool HasControlWindow() override;
  void PostCallDetails() override;
  void ResetZoneDisplays() override;
  void StartUiThread() override;
  void ShowMessage(const std::string& text, const char* caption, bool information) override;
  bool RunHeaderDialog(CabrilloLog& log) override;

  // A modal message box that no window owns, with the default caption and one
  // OK button (SetupSet0's box).
  void ShowUnownedMessage(const std::string& text);

  // The unloading of the library (never at process exit).
  void StopUiThread() { m_uiThread.StopForUnload(); }

 private:
  UiThread m_uiThread;
};

#endif  // STATS_PLUGIN_WIN32_WINDOW_SIDE_H_
