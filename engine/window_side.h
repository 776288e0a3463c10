// WindowSide: everything the engine asks of the plug-in's windows, and nothing
// else. The engine never calls the platform itself; the DLL implements this
// with Win32 and the native tests with a recording fake.
//
// All calls come from the host's thread. None of them waits for the
// user-interface thread, except RunHeaderDialog and ShowMessage, which are
// modal on the calling thread itself.
#ifndef STATS_ENGINE_WINDOW_SIDE_H_
#define STATS_ENGINE_WINDOW_SIDE_H_

#include <string>

struct CabrilloLog;

class WindowSide {
 public:
  virtual ~WindowSide() = default;

  // True while the control window exists (a user-interface thread runs).
  virtual bool HasControlWindow() = 0;

  // Posts WM_CALL_DETAILS to the control window; does nothing without one.
  virtual void PostCallDetails() = 0;

  // Returns the zone displays to "not worked" (zone buttons green, zone flags
  // 0) before the next call-details update is handled.
  virtual void ResetZoneDisplays() = 0;

  // Starts the user-interface thread with the control window; returns at once.
  virtual void StartUiThread() = 0;

  // A modal message box on the calling thread. A null caption asks for the
  // platform's default caption; `information` adds the information icon.
  virtual void ShowMessage(const std::string& text, const char* caption,
                           bool information) = 0;

  // Runs the Cabrillo header dialog modally with the values in `log`. On OK
  // the dialog's values are back in `log` and the answer is true; any other
  // end leaves `log` as it was and answers false.
  virtual bool RunHeaderDialog(CabrilloLog& log) = 0;
};

#endif  // STATS_ENGINE_WINDOW_SIDE_H_
