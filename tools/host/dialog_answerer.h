// DialogAnswerer: the operator at the keyboard during a Cabrillo export. A
// thread of its own watches this process's top-level dialogs while the host's
// thread sits in the plug-in's modal loops, and
//   - confirms (or cancels) the header dialog, found by its caption
//     "CQ WW CW/SSB DX Contest ", after noting the call sign and operators it
//     shows; a test may have it work in the dialog first (read, type) and end
//     it as an operator can: OK, Cancel, the Escape key or the close box;
//   - closes the message box captioned "Output", after noting its text;
//   - when told a thread (AnswerBoxesOf), closes with OK every other message
//     box that thread shows, whatever its caption: a test that drives the
//     plug-in on that thread sees each box it causes without knowing it first.
// Other windows (the plug-in's own tool windows, on a thread of their own) are
// left alone. Each window is answered once, and what it showed is noted.
#ifndef STATS_TOOLS_HOST_DIALOG_ANSWERER_H_
#define STATS_TOOLS_HOST_DIALOG_ANSWERER_H_

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace host {

// One window the answerer ended, as it was just before its button was pressed.
struct AnsweredWindow {
  std::string caption;
  std::string text;         // its non-empty static texts, one a line
  bool owned = false;       // it has an owner window (GW_OWNER)
  int visibleButtons = 0;
  bool okButton = false;    // one of them is the OK button (IDOK)
  int pressed = 0;          // the button pressed; 0 when ended by a key or the close box
};

struct DialogEvents {
  int headerDialogs = 0;
  std::string headerCall;       // control 1010 when the dialog was answered
  std::string headerOperators;  // control 1006
  int outputBoxes = 0;
  std::vector<std::string> outputTexts;
  std::vector<AnsweredWindow> answered;  // every window answered, in order
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

  // Before Start: message boxes of any caption shown by `thread` are answered.
  void AnswerBoxesOf(DWORD thread) { m_boxThread = thread; }

  void Start();
  void Stop();
  DialogEvents Events();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  static BOOL CALLBACK Visit(HWND window, LPARAM self);
  void Answer(HWND window);
  void Note(HWND window, const std::string& caption, int pressed);

  HeaderEnding m_ending;
  HeaderWork m_work;
  DWORD m_boxThread = 0;
  HANDLE m_thread = nullptr;
  HANDLE m_stop = nullptr;
  CRITICAL_SECTION* m_lock = nullptr;
  std::vector<HWND> m_answered;
  DialogEvents m_events;
};

}  // namespace host

#endif  // STATS_TOOLS_HOST_DIALOG_ANSWERER_H_
