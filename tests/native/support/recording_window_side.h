// RecordingWindowSide: the window side of the native tests. It records every
// request of the engine in order, so a test can assert what was asked for, and
// answers from the fields a test sets.
#ifndef STATS_TESTS_RECORDING_WINDOW_SIDE_H_
#define STATS_TESTS_RECORDING_WINDOW_SIDE_H_

#include <functional>
#include <string>
#include <vector>

#include "engine/window_side.h"
#include "reports/cabrillo_log.h"

class RecordingWindowSide : public WindowSide {
 public:
  // What the fake answers.
  bool controlWindow = false;
  // Decides the header dialog: may edit the values; true means OK.
  std::function<bool(CabrilloLog&)> headerDialog = [](CabrilloLog&) { return true; };

  // What the engine asked for, one entry per request: "post", "reset-zones",
  // "start-ui", "message", "header-dialog".
  std::vector<std::string> requests;
  struct Message { std::string text; std::string caption; bool hasCaption; bool information; };
  std::vector<Message> messages;
  std::vector<CabrilloLog> dialogInputs;  // values shown in each header dialog

  int Count(const std::string& kind) const {
    int n = 0;
    for (const auto& r : requests) n += (r == kind);
    return n;
  }

  bool HasControlWindow() override { return controlWindow; }
  void PostCallDetails() override {
    if (controlWindow) requests.push_back("post");
  }
  void ResetZoneDisplays() override { requests.push_back("reset-zones"); }
  void StartUiThread() override { requests.push_back("start-ui"); }
  void ShowMessage(const std::string& text, const char* caption, bool information) override {
    requests.push_back("message");
    messages.push_back({text, caption ? caption : "", caption != nullptr, information});
  }
  bool RunHeaderDialog(CabrilloLog& log) override {
    requests.push_back("header-dialog");
    dialogInputs.push_back(log);
    CabrilloLog edited = log;
    if (!headerDialog(edited)) return false;
    log = edited;
    return true;
  }
};

#endif  // STATS_TESTS_RECORDING_WINDOW_SIDE_H_
