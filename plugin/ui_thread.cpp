#include "plugin/ui_thread.h"

#include <commctrl.h>

#include <vector>

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

// The platform's input-method layer starts COM for a thread, on its own, the
// first time one of the thread's windows gains or loses the activation, and
// under wine it resolves its delayed imports then: the loader lock. The
// window thread's windows open without the activation, so that first time
// would come while they close, and so during the unloading, which holds that
// lock. It is brought about here, at the thread's start, when the lock is
// free, on a hidden window of the thread's own.
void StartInputMethodLayer() {
  HMODULE imm = GetModuleHandleW(L"imm32.dll");
  if (!imm) return;
  using GetContext = HIMC(WINAPI*)(HWND);
  using SetActiveContext = BOOL(WINAPI*)(HWND, HIMC, BOOL);
  using ReleaseContext = BOOL(WINAPI*)(HWND, HIMC);
  auto getContext = reinterpret_cast<GetContext>(
      reinterpret_cast<void*>(GetProcAddress(imm, "ImmGetContext")));
  auto setActive = reinterpret_cast<SetActiveContext>(
      reinterpret_cast<void*>(GetProcAddress(imm, "ImmSetActiveContext")));
  auto release = reinterpret_cast<ReleaseContext>(
      reinterpret_cast<void*>(GetProcAddress(imm, "ImmReleaseContext")));
  if (!getContext || !setActive || !release) return;
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
  if (!window) return;
  HIMC context = getContext(window);
  setActive(window, context, FALSE);
  if (context) release(window, context);
  DestroyWindow(window);
}

// Appends `words` to a dialog template, then pads it to a whole DWORD.
void AppendWords(std::vector<WORD>& to, std::initializer_list<WORD> words, bool align) {
  to.insert(to.end(), words);
  if (align && to.size() % 2) to.push_back(0);
}

void AppendItem(std::vector<WORD>& to, DWORD style, const wchar_t* className) {
  DLGITEMTEMPLATE item = {};
  item.style = style | WS_CHILD;
  item.cx = 20;
  item.cy = 20;
  const WORD* raw = reinterpret_cast<const WORD*>(&item);
  to.insert(to.end(), raw, raw + sizeof item / sizeof(WORD));
  for (const wchar_t* c = className; *c; ++c) to.push_back(static_cast<WORD>(*c));
  AppendWords(to, {0, 0, 0}, true);  // class end, no title, no creation data
}

INT_PTR CALLBACK NothingHandled(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The common controls resolve their calls of the theme library on first use,
// and under wine that resolution takes the loader lock; they are loaded
// (and resolved anew) with this library. Closing a dialog, its tab control or
// a box calls them for the first time, and the windows would close in the
// unloading, which holds that lock. So a hidden dialog with a tab control and
// a box is opened and closed here, at the thread's start, when the lock is
// free.
void StartCommonControls() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  std::vector<WORD> layout;
  DLGTEMPLATE dialog = {};
  dialog.style = WS_POPUP;
  dialog.cdit = 2;
  dialog.cx = 60;
  dialog.cy = 40;
  const WORD* raw = reinterpret_cast<const WORD*>(&dialog);
  layout.insert(layout.end(), raw, raw + sizeof dialog / sizeof(WORD));
  AppendWords(layout, {0, 0, 0}, true);  // no menu, the dialog class, no title
  AppendItem(layout, 0, WC_TABCONTROLW);
  AppendItem(layout, BS_AUTOCHECKBOX, L"Button");
  HWND window = CreateDialogIndirectParamW(
      nullptr, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), nullptr,
      &NothingHandled, 0);
  if (window) DestroyWindow(window);
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
  // A thread begins by taking the loader lock, and before it says it runs it
  // makes the window libraries resolve what they would otherwise resolve while
  // its windows close (ThreadMain); one that has not got past that when the
  // library is unloaded could never answer the unloading.
  WaitForSingleObject(m_started, kUnloadBound);
}

DWORD WINAPI UiThread::ThreadMain(void* data) {
  auto* self = static_cast<UiThread*>(data);
  // Before `started`: Start waits for it in the export, outside the loader
  // lock, so what needs the lock runs now and not in the unloading.
  StartInputMethodLayer();
  StartCommonControls();
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
