// Taking over a control that a dialog template created: after Attach, the
// control's messages come to this object first (its message map, see
// message_map.h) and then to the control's own class. A dialog hands an
// owner-drawn control its draw request (WM_DRAWITEM) as
// WM_REFLECTED_DRAWITEM, which arrives here as DrawItem.
//
// Lifetime: the object must outlive the control's window or Detach first; it
// lets go of the window by itself when the window is destroyed.
#ifndef STATS_UI_SUBCLASSED_CONTROL_H_
#define STATS_UI_SUBCLASSED_CONTROL_H_

#include <windows.h>

#include "ui/message_map.h"

// The parent's draw request, passed on to the control it concerns; wParam and
// lParam as in WM_DRAWITEM. Answers TRUE when the control drew itself.
constexpr UINT WM_REFLECTED_DRAWITEM = WM_USER + 0x1C00 + WM_DRAWITEM;

class SubclassedControl {
 public:
  using MapTarget = SubclassedControl;

  SubclassedControl() = default;
  virtual ~SubclassedControl();
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  // Takes over control `id` of `parent`; false (and nothing changed) when the
  // parent has no such control or it is taken over already.
  bool Attach(HWND parent, int id);
  void Detach();

  HWND hwnd() const { return m_hwnd; }

  // The messages this class handles before the control's own class; the base
  // table turns the reflected draw request into DrawItem.
  virtual const MessageMap<SubclassedControl>& Messages() const;

 protected:
  // Runs once the control is taken over (to adjust its styles, say).
  virtual void OnAttached() {}
  virtual void DrawItem(const DRAWITEMSTRUCT& item) { (void)item; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  Answer OnReflectedDrawItem(WPARAM, LPARAM lParam);

  HWND m_hwnd = nullptr;
};

#endif  // STATS_UI_SUBCLASSED_CONTROL_H_
