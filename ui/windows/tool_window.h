// What every tool window does alike: it opens at the position saved under its
// own two keys (tool_window_position.h; a corner on no monitor opens at
// (10, 400)), topmost when its owner asks for it,
// with the plug-in's icon, and without a working Close in its title bar or
// system menu; it saves its position whenever the mouse passes over it. It is
// closed only by its owner (Close); Enter and Escape do not end it.
//
// The owner (the control window, the call-details update) creates a window
// object, opens it, retitles and refreshes it, closes it and then deletes the
// object. Everything runs on the thread that opened the window.
#ifndef STATS_UI_WINDOWS_TOOL_WINDOW_H_
#define STATS_UI_WINDOWS_TOOL_WINDOW_H_

#include <string>

#include "engine/settings.h"
#include "ui/dialog.h"
#include "ui/windows/tool_window_position.h"

class ToolWindow : public Dialog {
 public:
  // `settings` holds the window's position keys; `last` is the pair shared
  // by all tool windows and the control window; `onTop` makes the window
  // topmost when it opens.
  ToolWindow(int templateId, const PositionKeys& keys, Settings& settings,
             LastWindowPosition& last, bool onTop)
      : Dialog(templateId), m_keys(keys), m_settings(settings), m_last(last), m_onTop(onTop) {}

  // Creates the window modeless with no parent, shown or not; false when it
  // could not be created.
  bool Open(bool show);

  // Replaces the window's title.
  void SetTitle(const std::string& title);

  // Closes the window (a close request, handled before this returns). The
  // object may then be deleted, or opened again.
  void Close();

  const MessageMap<Dialog>& Messages() const override;

 protected:
  // The steps every tool window shares, then OnInitToolWindow.
  BOOL OnInitDialog() override;
  // The window's own initialisation.
  virtual void OnInitToolWindow() {}

  void OnOK() override {}
  void OnCancel() override {}

 private:
  Answer OnSetCursor(WPARAM, LPARAM);
  Answer OnClose(WPARAM, LPARAM);
  Answer OnSysCommand(WPARAM command, LPARAM);

  const PositionKeys m_keys;
  Settings& m_settings;
  LastWindowPosition& m_last;
  const bool m_onTop;
};

#endif  // STATS_UI_WINDOWS_TOOL_WINDOW_H_
