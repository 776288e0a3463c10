// Fakes of the control window's three outlets (host link, tool windows, view)
// that write every call into one shared journal, so a test sees the order of
// everything the logic did.
#ifndef STATS_TESTS_CONTROL_RECORDING_CONTROL_FAKES_H_
#define STATS_TESTS_CONTROL_RECORDING_CONTROL_FAKES_H_

#include <set>
#include <string>
#include <vector>

#include "ui/control/control_window_logic.h"

using Journal = std::vector<std::string>;

inline const char* Name(ToolWindowKind window) {
  switch (window) {
    case ToolWindowKind::kZoneFlags: return "zone flags";
    case ToolWindowKind::kMultiplier: return "multiplier";
    case ToolWindowKind::kExtendedMultiplier: return "extended";
    case ToolWindowKind::kZoneSearch: return "zone search";
  }
  return "?";
}

class RecordingHostLink : public HostLink {
 public:
  explicit RecordingHostLink(Journal& journal) : m_journal(journal) {}
  bool connected = true;
  bool refuse = false;  // every call answers an error

  bool Connected() const override { return connected; }
  bool SendCommand(const std::string& command) override {
    if (!connected) return true;
    m_journal.push_back("host " + command + (refuse ? " refused" : ""));
    return !refuse;
  }
  bool ReadEntryField(int, std::string& text) override {
    text.clear();
    return !refuse;
  }
  bool ReadFrequency(double& hertz) override {
    hertz = 0;
    return !refuse;
  }

 private:
  Journal& m_journal;
};

class RecordingToolWindows : public ToolWindowSet {
 public:
  explicit RecordingToolWindows(Journal& journal) : m_journal(journal) {}
  std::set<ToolWindowKind> open;

  bool Exists(ToolWindowKind window) override { return open.count(window) != 0; }
  void Open(ToolWindowKind window, bool shown) override {
    open.insert(window);
    m_journal.push_back(std::string("open ") + Name(window) + (shown ? "" : " hidden"));
  }
  void Close(ToolWindowKind window) override {
    if (open.erase(window)) m_journal.push_back(std::string("close ") + Name(window));
  }

 private:
  Journal& m_journal;
};

class RecordingView : public ControlWindowView {
 public:
  explicit RecordingView(Journal& journal) : m_journal(journal) {}
  ControlTexts texts;

  void ShowTexts(const ControlTexts& shown) override {
    texts = shown;
    m_journal.push_back("texts " + shown.title + (shown.moveLabels ? " moved" : ""));
  }
  void RefreshChecks() override { m_journal.push_back("refresh"); }
  void PostUpdate() override { m_journal.push_back("post update"); }

 private:
  Journal& m_journal;
};

#endif  // STATS_TESTS_CONTROL_RECORDING_CONTROL_FAKES_H_
