#include "plugin/ui_thread.h"

#include "plugin/plugin_state.h"
#include "ui/control/setup_cq_ww.h"
#include "ui/control/win32_host_link.h"
#include "ui/control/win32_tool_windows.h"
#include "ui/message_loop.h"

namespace {

void CloseIfSet(HANDLE& handle) {
  if (handle) CloseHandle(handle);
  handle = nullptr;
}

// The hidden window through which COM hands calls to the objects of this
// thread's apartment, when the thread has one: the host's automation object
// lives there when the host's main thread owns it.
HWND ApartmentWindowOfThisThread() {
  HWND window = nullptr;
  while ((window = FindWindowExW(HWND_MESSAGE, window, L"OleMainThreadWndClass", nullptr)))
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return window;
  return nullptr;
}

}  // namespace

UiThread::~UiThread() { Forget(); }

void UiThread::Forget() {
  CloseIfSet(m_thread);
  CloseIfSet(m_started);
  CloseIfSet(m_ended);
  CloseIfSet(m_park);
}

bool UiThread::Running() const {
  return m_thread && WaitForSingleObject(m_ended, 0) == WAIT_TIMEOUT;
}

void UiThread::Start() {
  if (Running()) return;
  Forget();  // the thread before has ended and parked its exit
  m_stopRequested = false;
  m_started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  m_ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  m_park = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!m_exitThread)
    m_exitThread = reinterpret_cast<PAPCFUNC>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "ExitThread")));
  if (m_started && m_ended && m_park && m_exitThread)
    m_thread = CreateThread(nullptr, 0, &UiThread::ThreadMain, this, 0, nullptr);
  if (!m_thread) {
    Forget();  // no window this time; a later reset tries again
    return;
  }
  // A thread begins by taking the loader lock; one that has not got past that
  // when the library is unloaded could never answer the unloading.
  WaitForSingleObject(m_started, kUnloadBound);
}

DWORD WINAPI UiThread::ThreadMain(void* data) {
  auto* self = static_cast<UiThread*>(data);
  SetEvent(self->m_started);
  self->RunWindows();
  // Leave without ever returning into the library: the APC runs ExitThread in
  // the wait that the same call enters after it has signalled `ended`.
  PAPCFUNC exitThread = self->m_exitThread;
  HANDLE ended = self->m_ended;
  HANDLE park = self->m_park;
  if (exitThread) QueueUserAPC(exitThread, GetCurrentThread(), 0);
  SignalObjectAndWait(ended, park, INFINITE, TRUE);
  ExitThread(0);
}

void UiThread::RunWindows() {
  Win32HostLink host;
  {
    // The info button paints what the state holds at that moment, copied
    // under the lock, for the call and band the last call-details update
    // read from the host (that memory is this thread's own).
    PluginState& state = m_state;
    Win32ToolWindows tools(m_settings, m_windowMemory, [&state] {
      return TakeInfoButtonData(state.m_lock, state.m_callDetails.m_enteredCall,
                                state.m_callDetails.m_currentBand, state.m_bandInfoRows,
                                state.m_bandCountries);
    });
    Setup_CQ_WW window(m_state.m_lock, m_state, m_windowMemory, m_state.m_callDetails,
                       m_settings, host, tools);
    if (!m_stopRequested && window.Create()) {
      m_controlWindow = window.hwnd();
      // A stop asked for before the handle was known finds the flag instead.
      if (m_stopRequested)
        PostMessageW(window.hwnd(), WM_END_WINDOWS, 0, 0);
      else
        ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE);
      // Ends when the control window is gone: it posts the quit message.
      RunMessageLoop();
    }
    m_controlWindow = nullptr;
  }
  host.Disconnect();
}

void UiThread::StopForUnload() {
  if (!m_thread) return;
  m_stopRequested = true;
  if (HWND window = m_controlWindow.load()) PostMessageW(window, WM_END_WINDOWS, 0, 0);
  // The window thread's last calls of the host object (a call in flight, the
  // release) are served by this thread when the object lives here; only those
  // are let through, nothing else of the host's queue.
  const HWND apartment = ApartmentWindowOfThisThread();
  const DWORD wake = QS_SENDMESSAGE | (apartment ? QS_POSTMESSAGE : 0);
  const DWORD begin = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - begin;
    if (spent >= kUnloadBound) break;
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &m_ended, FALSE, kUnloadBound - spent, wake);
    if (woke == WAIT_OBJECT_0) {
      Forget();
      return;
    }
    if (woke != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // runs the sent ones
    while (apartment && PeekMessageW(&msg, apartment, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  // The thread did not answer in time. It must not run on in a library that is
  // about to be unmapped; its windows go with it.
  TerminateThread(m_thread, 1);
  WaitForSingleObject(m_thread, 1000);
  m_controlWindow = nullptr;
  Forget();
}
