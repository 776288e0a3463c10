// Fakes for the call-details update: a host link that answers from fields and
// records what it was asked, and tool windows that keep what they were told.
#ifndef STATS_TESTS_RECORDING_DETAILS_FAKES_H_
#define STATS_TESTS_RECORDING_DETAILS_FAKES_H_

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/control/call_details_windows.h"
#include "ui/control/host_link.h"

class FakeHostLink : public HostLink {
 public:
  bool connected = true;
  std::string entryField;
  double hertz = 14025000;
  bool refuseEntryField = false;
  bool refuseFrequency = false;
  bool refuseCommands = false;

  std::vector<std::string> calls;  // "entry 5", "frequency", "send <SP1>"
  // Runs as the entry field is read: what the host's thread does meanwhile.
  std::function<void()> whileReading;

  bool Connected() const override { return connected; }
  bool SendCommand(const std::string& command) override {
    calls.push_back("send " + command);
    return !refuseCommands;
  }
  bool ReadEntryField(int field, std::string& text) override {
    calls.push_back("entry " + std::to_string(field));
    if (whileReading) whileReading();
    if (refuseEntryField) return false;
    text = entryField;
    return true;
  }
  bool ReadFrequency(double& value) override {
    calls.push_back("frequency");
    if (refuseFrequency) return false;
    value = hertz;
    return true;
  }
  int Sent(const std::string& command) const {
    int n = 0;
    for (const auto& c : calls) n += (c == "send " + command);
    return n;
  }
};

class RecordingDetailsWindows : public CallDetailsWindows {
 public:
  std::map<DetailsWindow, bool> open = {{DetailsWindow::kZoneFlags, true},
                                        {DetailsWindow::kMultiplier, true},
                                        {DetailsWindow::kExtendedMultiplier, true},
                                        {DetailsWindow::kZoneSearch, true}};
  std::map<DetailsWindow, std::string> titles;
  unsigned opening = 1;
  std::array<bool, kZoneCount> worked{};  // what each zone button shows
  std::vector<std::string> zoneColours;  // "14 worked", "3 open", in order
  ZoneFlags flags{};
  PageBoxStates boxStates;
  int boxStateWrites = 0;
  int infoRepaints = 0;
  int flagRefreshes = 0;
  int openRequests = 0;

  void OpenWantedWindows() override { ++openRequests; }
  bool Exists(DetailsWindow window) override { return open[window]; }
  void SetTitle(DetailsWindow window, const std::string& title) override {
    if (open[window]) titles[window] = title;
  }
  void RepaintInfoButton() override { ++infoRepaints; }
  unsigned ZoneSearchOpening() override { return opening; }
  void ColourZone(int zone, bool isWorked) override {
    worked[zone - 1] = isWorked;
    zoneColours.push_back(std::to_string(zone) + (isWorked ? " worked" : " open"));
  }
  ZoneFlags* Flags() override { return open[DetailsWindow::kZoneFlags] ? &flags : nullptr; }
  void RefreshZoneFlags() override { ++flagRefreshes; }
  void SetBoxStates(const PageBoxStates& states) override {
    boxStates = states;
    ++boxStateWrites;
  }

  // The zones whose buttons show "worked".
  std::vector<int> WorkedZones() const {
    std::vector<int> zones;
    for (int z = 1; z <= kZoneCount; ++z)
      if (worked[z - 1]) zones.push_back(z);
    return zones;
  }
};

#endif  // STATS_TESTS_RECORDING_DETAILS_FAKES_H_
