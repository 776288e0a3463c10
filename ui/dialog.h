// A thin layer over Win32 dialogs for the plug-in's windows: a Dialog runs a
// dialog template of Stats.dll modally or modeless, hands its messages to
// virtual member functions, and exchanges values with its controls through a
// DataExchange.
//
// Messages go through the class's message map (message_map.h); the router
// hands the platform each answer in the form the message needs.
//
// Lifetime: a modal dialog lives inside DoModal. A modeless one lives from
// Create until its window is destroyed; OnFinalMessage is the last call the
// object gets for that window (a window that owns its object deletes it there).
// The object must outlive its window.
//
// Threads: a dialog belongs to the thread that created it. A modeless dialog
// needs that thread's message loop (message_loop.h) to pass its messages
// through IsDialogMessage for keyboard navigation.
//
// Initial data: when the dialog opens, before OnInitDialog, the combo and list
// boxes are filled from the dialog's initial-data resource (type
// RT_DIALOG_INIT, same id as the template), when there is one.
#ifndef STATS_UI_DIALOG_H_
#define STATS_UI_DIALOG_H_

#include <windows.h>

#include <string>

#include "ui/message_map.h"

// Stats.dll's own module, where every resource of the plug-in lives (the
// host's executable has none of them).
HMODULE StatsModule();

// Moves values between a dialog's controls and their variables, one control
// per call, in one direction: from the variables into the controls
// (saving() false) or back (saving() true). A control id the dialog lacks
// leaves its variable as it was.
class DataExchange {
 public:
  DataExchange(HWND dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}

  bool saving() const { return m_saving; }
  HWND dialog() const { return m_dialog; }

  // An edit box (or any control whose text is its value): the text, unchanged.
  void Text(int id, std::string& value);

  // A combo box. Into the control: the first list entry (in list order) that
  // begins with the value, compared without regard to case, is selected; when
  // none does, or the value is empty, the value itself goes into the edit
  // field and nothing is selected. Back: the edit field's text.
  void ComboText(int id, std::string& value);

  // A check box as 0 or 1; into the control, any nonzero value checks it.
  void Check(int id, int& value);

 private:
  HWND m_dialog;
  bool m_saving;
};

class Dialog {
 public:
  using MapTarget = Dialog;

  explicit Dialog(int templateId) : m_templateId(templateId) {}
  virtual ~Dialog();

  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally on this thread; parent may be null. Returns the
  // value given to EndDialog, or -1 when the dialog could not be created.
  INT_PTR DoModal(HWND parent = nullptr);

  // Creates the dialog modeless (visible when its template says so); false
  // when it could not be created. With a parent and a template of child style
  // the dialog becomes a child window inside that parent (a page of a tab
  // control, for instance).
  bool Create(HWND parent = nullptr);

  // Ends a modal dialog with `result`; destroys a modeless one.
  void EndDialog(INT_PTR result);

  HWND hwnd() const { return m_hwnd; }
  HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
  int templateId() const { return m_templateId; }
  bool modal() const { return m_modal; }

  // Runs DoDataExchange in the given direction.
  void UpdateData(bool saving);

  // The messages this class handles; see message_map.h. The base table opens
  // the dialog (initial data, then OnInitDialog) and sends IDOK and IDCANCEL
  // (Enter, Escape, the close box) to OnOK and OnCancel.
  virtual const MessageMap<Dialog>& Messages() const;

 protected:
  // Controls filled with their initial data; default: UpdateData(false).
  // Returns TRUE to let the dialog put the focus on its first tab stop.
  virtual BOOL OnInitDialog();

  // Default: UpdateData(true), then EndDialog(IDOK).
  virtual void OnOK();
  // Default: EndDialog(IDCANCEL); no value is taken back.
  virtual void OnCancel();

  // Values between the controls and the members; default: none.
  virtual void DoDataExchange(DataExchange& dx);

  // After the window is gone (WM_NCDESTROY); hwnd() is null by then.
  virtual void OnFinalMessage() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Route(UINT message, WPARAM wParam, LPARAM lParam);
  void FillFromInitialData();
  Answer OnInitDialogMessage(WPARAM, LPARAM);
  void OnOKCommand() { OnOK(); }
  void OnCancelCommand() { OnCancel(); }

  int m_templateId;
  HWND m_hwnd = nullptr;
  bool m_modal = false;
};

#endif  // STATS_UI_DIALOG_H_
