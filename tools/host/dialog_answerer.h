// DialogAnswerer: the operator at the keyboard during a Cabrillo export. A
// thread of its own watches this process's top-level dialogs while the host's
// thread sits in the plug-in's modal loops, and
//   - confirms (or cancels) the header dialog, found by its caption
//     "CQ WW CW/SSB DX Contest ", after noting the call sign and operators it
//     shows; a test may have it work in the dialog first (read, type) and end
//     it as an operator can: OK, Cancel, the Escape key or the close box;
//   - closes the message box captioned "Output", after noting its text.
// Other windows (the plug-in's own tool windows) are left alone. Each window
// is answered once.
#ifndef STATS_TOOLS_HOST_DIALOG_ANSWERER_H_
#define STATS_TOOLS_HOST_DIALOG_ANSWERER_H_

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace host {

struct DialogEvents {
  int headerDialogs = 0;
  std::string headerCall;       // control 1010 when the dialog was answered
  std::string headerOperators;  // control 1006
  int outputBoxes = 0;
  std::vector<std::string> outputTexts;
};

enum class HeaderEnding { kOk, kCancelButton, kEscape, kCloseBox };

// Runs on the answerer's thread with the header dialog, before it is ended.
using HeaderWork = std::function<void(HWND dialog)>;

class DialogAnswerer {
 public:
  explicit DialogAnswerer(bool confirmHeader)
      : m_ending(confirmHeader ? HeaderEnding::kOk : HeaderEnding::kCancelButton) {}
  DialogAnswerer(HeaderEnding ending, HeaderWork work)
      : m_ending(ending), m_work(std::move(work)) {}
  ~DialogAnswerer() { Stop(); }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  void Start();
  void Stop();
  DialogEvents Events();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  static BOOL CALLBACK Visit(HWND window, LPARAM self);
  void Answer(HWND window);

  HeaderEnding m_ending;
  HeaderWork m_work;
  HANDLE m_thread = nullptr;
  HANDLE m_stop = nullptr;
  CRITICAL_SECTION* m_lock = nullptr;
  std::vector<HWND> m_answered;
  DialogEvents m_events;
};

}  // namespace host

#endif  // STATS_TOOLS_HOST_DIALOG_ANSWERER_H_
