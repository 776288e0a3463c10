// The message loop of a thread that carries modeless dialogs: every message
// for one of them, or for one of its controls, goes through IsDialogMessage of
// that dialog first, so Tab, Enter and Escape work there as in a modal one.
//
// Dialog::Create registers each top-level modeless dialog on its thread, and
// the dialog leaves the register when its window is destroyed.
#ifndef STATS_UI_MESSAGE_LOOP_H_
#define STATS_UI_MESSAGE_LOOP_H_

#include <windows.h>

// Runs until WM_QUIT arrives on this thread; returns its exit code.
int RunMessageLoop();

// Handles the messages already waiting on this thread, without waiting for
// more; false when one of them was WM_QUIT (which is posted again, so that
// the thread's main loop sees it too).
bool PumpWaitingMessages();

// The register of this thread's top-level modeless dialogs.
void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);

#endif  // STATS_UI_MESSAGE_LOOP_H_
