// UiThread: the plug-in's user-interface thread, which runs the control window
// and every tool window, and its end when the library is unloaded.
//
// Start (the host's thread, from a statistics reset) never waits for a window:
// it waits only until the new thread runs, which takes none of our locks
// before it says so. The thread ends when its control window has gone; the
// host's thread never waits for that, except in StopForUnload.
//
// How a thread ends, always: it destroys its windows, releases the host
// object, clears its control window, and then, in one call of the platform,
// signals `ended` and parks in an alertable wait in which an APC it queued to
// itself runs ExitThread. So once `ended` is seen, the thread runs no code of
// the library any more, and the library may be unmapped under it.
//
// StopForUnload runs inside DllMain with the loader lock held, so it cannot
// wait for the thread's handle (a thread's exit takes that lock). It asks the
// thread to close its windows (a posted request: the window thread closes the
// tool windows in their closing order, then the control window) and waits for
// `ended` for at most kUnloadBound, letting sent messages through meanwhile
// (closing a window can send activation messages to the host's windows, which
// belong to this very thread) and the calls COM hands to this thread's
// apartment (the window thread's last calls of a host object that lives here). If the bound expires, the thread is terminated,
// so that it can never run in a library that is no longer there.
#ifndef STATS_PLUGIN_UI_THREAD_H_
#define STATS_PLUGIN_UI_THREAD_H_

#include <windows.h>

#include <atomic>

#include "engine/settings.h"
#include "ui/control/window_memory.h"

struct PluginState;

class UiThread {
 public:
  static constexpr DWORD kUnloadBound = 5000;  // ms

  UiThread(PluginState& state, Settings& settings) : m_state(state), m_settings(settings) {}
  // Only closes handles: at process exit the thread is gone already.
  ~UiThread();
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;

  // Starts a thread with a control window unless one still runs.
  void Start();
  // True from Start until the thread has ended.
  bool Running() const;
  // The control window while it exists, else null.
  HWND ControlWindow() const { return m_controlWindow.load(); }

  // Closes every window and sees the thread out, within kUnloadBound.
  void StopForUnload();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void RunWindows();
  void Forget();

  PluginState& m_state;
  Settings& m_settings;
  // The windows' shared memory; only the window thread touches it, one thread
  // after the other.
  WindowMemory m_windowMemory;
  HANDLE m_thread = nullptr;
  HANDLE m_started = nullptr;  // the thread runs
  HANDLE m_ended = nullptr;    // the thread runs no code of the library any more
  HANDLE m_park = nullptr;     // never signalled
  // Found while the loader lock is free: looking it up takes that lock.
  PAPCFUNC m_exitThread = nullptr;
  std::atomic<HWND> m_controlWindow{nullptr};
  std::atomic<bool> m_stopRequested{false};
};

#endif  // STATS_PLUGIN_UI_THREAD_H_
