// Benchmark of the call-details update without the windows: the host read,
// the locked copy of the rows and the band's lists, and the decisions for the
// windows, per typed character, on synthetic logs of 1,000, 10,000 and 50,000
// QSOs (each call worked on about three bands). Prints the timing table; the
// painting of the real windows is not in these figures.
//
//   stats-details-bench [qsos...]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/contest_state.h"
#include "tools/bench/timing_summary.h"
#include "ui/control/call_details.h"

namespace {

struct TypingHost : HostLink {
  std::string call;
  double hertz = 14025000;
  bool Connected() const override { return true; }
  bool SendCommand(const std::string&) override { return true; }
  bool ReadEntryField(int, std::string& text) override {
    text = call;
    return true;
  }
  bool ReadFrequency(double& value) override {
    value = hertz;
    return true;
  }
};

// Windows that exist and take every decision without drawing it.
struct DecisionSink : CallDetailsWindows {
  ZoneFlags flags{};
  unsigned long told = 0;
  void OpenWantedWindows() override {}
  bool Exists(DetailsWindow) override { return true; }
  void SetTitle(DetailsWindow, const std::string& title) override { told += title.size(); }
  void RepaintInfoButton() override { ++told; }
  unsigned ZoneSearchOpening() override { return 1; }
  void ColourZone(int zone, bool) override { told += static_cast<unsigned long>(zone); }
  ZoneFlags* Flags() override { return &flags; }
  void RefreshZoneFlags() override { ++told; }
  void SetBoxStates(const PageBoxStates& states) override { told += states[0].size(); }
};

std::string CallOf(int i) { return "Q" + std::to_string(i) + "X"; }

void Run(int qsos) {
  auto state = std::make_unique<ContestState>();
  state->m_isCw = 1;
  state->m_contestYear = "2026";
  const int calls = qsos / 3 > 0 ? qsos / 3 : 1;
  for (int b = 0; b < kBandCount; ++b) state->m_bandInfoRows[b] = {state->m_bands[b], "-", "-", "-", "-"};
  for (int i = 0; i < qsos; ++i) {
    CInfo q;
    q.m_call = CallOf(i % calls);
    q.m_band = state->m_bands[i % kBandCount];
    q.m_mode = "CW";
    q.m_prefix = "P" + std::to_string(i % 340);
    q.m_zone = 1 + i % 40;
    q.m_time = COleDateTime(46000.0 + i / 1440.0);
    state->m_qsoStore.Append(q);
  }
  for (int b = 0; b < kBandCount; ++b) {
    for (int z = 1; z <= 40; ++z) state->m_bandZones[b].push_back(static_cast<unsigned>(z));
    for (int p = 0; p < 340; ++p) state->m_bandCountries[b].push_back("P" + std::to_string(p));
  }

  std::mutex lock;
  CallDetailsMemory memory;
  TypingHost host;
  DecisionSink windows;
  std::vector<double> us;
  for (int probe = 0; probe < 400; ++probe) {
    const std::string call = CallOf((probe * 7919) % calls);
    for (std::size_t typed = 3; typed <= call.size(); ++typed) {
      host.call = call.substr(0, typed);
      host.hertz = probe % 50 == 0 ? 21025000 : 14025000;  // now and then a band change
      const auto start = std::chrono::steady_clock::now();
      UpdateCallDetails(lock, *state, memory, host, windows);
      us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::printf("%s", bench::TimingLine("update " + std::to_string(qsos), bench::Summarise(us)).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 10000, 50000};
  std::printf("%s", bench::TimingHeader().c_str());
  for (int n : sizes) Run(n);
  return 0;
}
