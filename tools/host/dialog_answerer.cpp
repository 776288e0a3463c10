#include "tools/host/dialog_answerer.h"

#include <algorithm>

namespace host {

namespace {

constexpr char kHeaderCaption[] = "CQ WW CW/SSB DX Contest ";
constexpr char kOutputCaption[] = "Output";
constexpr int kCallControl = 1010;
constexpr int kOperatorsControl = 1006;

std::string TextOf(HWND window) {
  char text[1024] = {};
  // A bounded wait: the owner thread is in a modal loop and answers at once,
  // but a window that is going away must not hold up the helper.
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 2000, &copied))
    return std::string();
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM out) {
  std::string name = ClassOf(child);
  if (lstrcmpiA(name.c_str(), "Static") == 0) {
    std::string text = TextOf(child);
    if (!text.empty()) {
      auto* all = reinterpret_cast<std::string*>(out);
      if (!all->empty()) *all += "\n";
      *all += text;
    }
  }
  return TRUE;
}

struct Buttons {
  int visible = 0;
  bool ok = false;
};

BOOL CALLBACK CountButton(HWND child, LPARAM out) {
  auto* buttons = reinterpret_cast<Buttons*>(out);
  if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0 && IsWindowVisible(child)) {
    ++buttons->visible;
    if (GetDlgCtrlID(child) == IDOK) buttons->ok = true;
  }
  return TRUE;
}

std::string StaticTexts(HWND window) {
  std::string text;
  EnumChildWindows(window, &CollectStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

int ButtonOf(HeaderEnding ending) {
  switch (ending) {
    case HeaderEnding::kOk:
      return IDOK;
    case HeaderEnding::kCancelButton:
      return IDCANCEL;
    default:
      return 0;
  }
}

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void End(HWND dialog, HeaderEnding ending) {
  switch (ending) {
    case HeaderEnding::kOk:
      Press(dialog, IDOK);
      break;
    case HeaderEnding::kCancelButton:
      Press(dialog, IDCANCEL);
      break;
    case HeaderEnding::kEscape: {
      // The key goes where the operator's keys go: the control with the focus.
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
      HWND target = info.hwndFocus ? info.hwndFocus : dialog;
      PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
      break;
    }
    case HeaderEnding::kCloseBox:
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

}  // namespace

void DialogAnswerer::Start() {
  if (m_thread) return;
  m_lock = new CRITICAL_SECTION;
  InitializeCriticalSection(m_lock);
  m_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  m_thread = CreateThread(nullptr, 0, &DialogAnswerer::ThreadMain, this, 0, nullptr);
}

void DialogAnswerer::Stop() {
  if (!m_thread) return;
  SetEvent(m_stop);
  WaitForSingleObject(m_thread, INFINITE);
  CloseHandle(m_thread);
  CloseHandle(m_stop);
  m_thread = nullptr;
  m_stop = nullptr;
  DeleteCriticalSection(m_lock);
  delete m_lock;
  m_lock = nullptr;
}

DialogEvents DialogAnswerer::Events() {
  if (!m_lock) return m_events;
  EnterCriticalSection(m_lock);
  DialogEvents copy = m_events;
  LeaveCriticalSection(m_lock);
  return copy;
}

DWORD WINAPI DialogAnswerer::ThreadMain(void* self) {
  auto* answerer = static_cast<DialogAnswerer*>(self);
  while (WaitForSingleObject(answerer->m_stop, 20) == WAIT_TIMEOUT)
    EnumWindows(&DialogAnswerer::Visit, reinterpret_cast<LPARAM>(answerer));
  return 0;
}

BOOL CALLBACK DialogAnswerer::Visit(HWND window, LPARAM self) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      ClassOf(window) == "#32770")
    reinterpret_cast<DialogAnswerer*>(self)->Answer(window);
  return TRUE;
}

void DialogAnswerer::Answer(HWND window) {
  if (std::find(m_answered.begin(), m_answered.end(), window) != m_answered.end()) return;
  std::string caption = TextOf(window);
  if (caption == kHeaderCaption) {
    if (m_work) m_work(window);
    std::string call = TextOf(GetDlgItem(window, kCallControl));
    std::string operators = TextOf(GetDlgItem(window, kOperatorsControl));
    EnterCriticalSection(m_lock);
    ++m_events.headerDialogs;
    m_events.headerCall = call;
    m_events.headerOperators = operators;
    LeaveCriticalSection(m_lock);
    Note(window, caption, ButtonOf(m_ending));
    m_answered.push_back(window);
    End(window, m_ending);
  } else if (caption == kOutputCaption) {
    std::string text = StaticTexts(window);
    EnterCriticalSection(m_lock);
    ++m_events.outputBoxes;
    m_events.outputTexts.push_back(text);
    LeaveCriticalSection(m_lock);
    Note(window, caption, IDOK);
    m_answered.push_back(window);
    Press(window, IDOK);
  } else if (m_boxThread && GetWindowThreadProcessId(window, nullptr) == m_boxThread) {
    Note(window, caption, IDOK);
    m_answered.push_back(window);
    Press(window, IDOK);
  }
}

// Noted before the button is pressed, so a caller whose modal call has
// returned finds the window among the events.
void DialogAnswerer::Note(HWND window, const std::string& caption, int pressed) {
  AnsweredWindow seen;
  seen.caption = caption;
  seen.text = StaticTexts(window);
  seen.owned = GetWindow(window, GW_OWNER) != nullptr;
  Buttons buttons;
  EnumChildWindows(window, &CountButton, reinterpret_cast<LPARAM>(&buttons));
  seen.visibleButtons = buttons.visible;
  seen.okButton = buttons.ok;
  seen.pressed = pressed;
  EnterCriticalSection(m_lock);
  m_events.answered.push_back(seen);
  LeaveCriticalSection(m_lock);
}

}  // namespace host
