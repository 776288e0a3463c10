// The multiplier window (template 105): one owner-drawn info button filling
// the client area, showing the countries worked on the current band or, while
// a call is typed, that call's QSOs band by band (info_button_picture.h).
//
// The owner supplies the data as a function that copies it from the plug-in's
// state under the plug-in's lock (TakeInfoButtonData); the button calls it at
// every paint. After changing the data the owner calls RepaintInfoButton.
// Because the paint waits for that lock, no thread may hold it while it waits
// for the window thread (a sent message, a synchronous repaint).
#ifndef STATS_UI_WINDOWS_MULTIPLIER_H_
#define STATS_UI_WINDOWS_MULTIPLIER_H_

#include <functional>

#include "ui/subclassed_control.h"
#include "ui/windows/info_button_picture.h"
#include "ui/windows/tool_window.h"

using InfoButtonSource = std::function<InfoButtonData()>;

class CCqWwInfoButton : public SubclassedControl {
 public:
  explicit CCqWwInfoButton(InfoButtonSource source) : m_source(std::move(source)) {}

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  InfoButtonSource m_source;
};

class Multiplier : public ToolWindow {
 public:
  Multiplier(Settings& settings, LastWindowPosition& last, bool onTop, InfoButtonSource source);

  // Asks the info button to paint again from its source, without erasing.
  void RepaintInfoButton();

  const MessageMap<Dialog>& Messages() const override;

 protected:
  void OnInitToolWindow() override;

 private:
  Answer OnSize(WPARAM, LPARAM);

  CCqWwInfoButton m_infoButton;
};

#endif  // STATS_UI_WINDOWS_MULTIPLIER_H_
