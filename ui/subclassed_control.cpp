#include "ui/subclassed_control.h"

#include <commctrl.h>

namespace {

// One subclass of ours per control: the id under which SetWindowSubclass
// keeps it.
const UINT_PTR kSubclassId = 1;

}  // namespace

SubclassedControl::~SubclassedControl() { Detach(); }

bool SubclassedControl::Attach(HWND parent, int id) {
  HWND control = GetDlgItem(parent, id);
  if (!control || m_hwnd) return false;
  DWORD_PTR existing = 0;
  if (GetWindowSubclass(control, SubclassProc, kSubclassId, &existing)) return false;
  if (!SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  m_hwnd = control;
  OnAttached();
  return true;
}

void SubclassedControl::Detach() {
  if (!m_hwnd) return;
  RemoveWindowSubclass(m_hwnd, SubclassProc, kSubclassId);
  m_hwnd = nullptr;
}

const MessageMap<SubclassedControl>& SubclassedControl::Messages() const {
  static const MessageEntry<SubclassedControl> entries[] = {
      OnMessage<&SubclassedControl::OnReflectedDrawItem>(WM_REFLECTED_DRAWITEM),
  };
  static const MessageMap<SubclassedControl> map(entries);
  return map;
}

Answer SubclassedControl::OnReflectedDrawItem(WPARAM, LPARAM lParam) {
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<SubclassedControl*>(data);
  const MessageArgs args{message, wParam, lParam};
  Answer answer;
  if (const MessageEntry<SubclassedControl>* entry = self->Messages().Find(args)) {
    answer = entry->call(*self, args);
  }
  if (message == WM_NCDESTROY) {
    // The window goes: the object lets go of it before the last default call.
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    self->m_hwnd = nullptr;
  }
  return answer ? *answer : DefSubclassProc(hwnd, message, wParam, lParam);
}
