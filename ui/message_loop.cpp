#include "ui/message_loop.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

// The dialogs of every thread in one register. A message a thread takes from
// its queue belongs to one of its own windows, so a dialog found there is the
// taking thread's. Not a thread-local register: the runtime keeps a library
// loaded while a thread-local object of it waits for its thread's end, and
// the window thread ends only when the library is unloaded.
std::mutex g_registerLock;
std::vector<HWND> g_modelessDialogs;

bool IsModelessDialog(HWND window) {
  std::lock_guard<std::mutex> hold(g_registerLock);
  return std::find(g_modelessDialogs.begin(), g_modelessDialogs.end(), window) !=
         g_modelessDialogs.end();
}

// The dialogs are Unicode windows (dialog.h): their messages are taken and
// handed on in the wide form, so typed characters keep every code point.
void Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && IsModelessDialog(root) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

void RegisterModelessDialog(HWND dialog) {
  std::lock_guard<std::mutex> hold(g_registerLock);
  if (std::find(g_modelessDialogs.begin(), g_modelessDialogs.end(), dialog) ==
      g_modelessDialogs.end())
    g_modelessDialogs.push_back(dialog);
}

void UnregisterModelessDialog(HWND dialog) {
  std::lock_guard<std::mutex> hold(g_registerLock);
  g_modelessDialogs.erase(std::remove(g_modelessDialogs.begin(), g_modelessDialogs.end(), dialog),
                          g_modelessDialogs.end());
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    Dispatch(message);
  }
}

bool PumpWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    Dispatch(message);
  }
  return true;
}
