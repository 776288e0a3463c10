#include "ui/message_loop.h"

#include <algorithm>
#include <vector>

namespace {

// Each thread's own dialogs: windows belong to the thread that created them,
// so no lock is needed.
thread_local std::vector<HWND> t_modelessDialogs;

bool IsModelessDialog(HWND window) {
  return std::find(t_modelessDialogs.begin(), t_modelessDialogs.end(), window) !=
         t_modelessDialogs.end();
}

void Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && IsModelessDialog(root) && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

void RegisterModelessDialog(HWND dialog) {
  if (!IsModelessDialog(dialog)) t_modelessDialogs.push_back(dialog);
}

void UnregisterModelessDialog(HWND dialog) {
  t_modelessDialogs.erase(std::remove(t_modelessDialogs.begin(), t_modelessDialogs.end(), dialog),
                          t_modelessDialogs.end());
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    Dispatch(message);
  }
}

bool PumpWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    Dispatch(message);
  }
  return true;
}
