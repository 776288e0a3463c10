// Two threads on one plug-in state, as in the DLL: the host's thread logs,
// removes, checks calls and scores, each call under the lock as the exports
// hold it; the window thread runs the call-details update (its locked copy)
// and the info button's copy over and over. Run under ThreadSanitizer it
// must report no race; run plainly, the last update must still answer as a
// scan of the store.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "control/recording_details_fakes.h"
#include "engine/call_check.h"
#include "engine/engine_fixture.h"
#include "engine/intake.h"
#include "engine/removal.h"
#include "reports/scoring.h"
#include "ui/control/call_details.h"
#include "ui/windows/info_button_picture.h"

namespace {

const char* const kCalls[] = {"Q1ABC", "Q2XY", "K1ZZ", "DL9QQ"};
const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
const double kHertz[] = {1830000, 3510000, 7010000, 14025000, 21025000, 28025000, 10100000};

class CallDetailsStress : public EngineFixture {};

TEST_F(CallDetailsStress, HostCallsAndWindowUpdatesShareTheStateSafely) {
  state->m_isCw = 0;
  state->m_contestYear = "2026";
  for (int b = 0; b < kBandCount; ++b) state->m_bandInfoRows[b] = {kBands[b], "-", "-", "-", "-"};
  windows.controlWindow = true;
  std::atomic<bool> done{false};

  std::thread windowThread([&] {
    CallDetailsMemory memory;
    FakeHostLink host;
    RecordingDetailsWindows tools;
    std::mt19937 random(7);
    for (int i = 0; !done || i < 50; ++i) {
      host.entryField = kCalls[random() % 4];
      host.hertz = kHertz[random() % 7];
      UpdateCallDetails(state->m_lock, *state, memory, host, tools);
      TakeInfoButtonData(state->m_lock, memory.m_enteredCall, memory.m_currentBand,
                         state->m_bandInfoRows, state->m_bandCountries);
      host.calls.clear();
      tools.zoneColours.clear();
    }
  });

  std::mt19937 random(11);
  for (int i = 0; i < 3000; ++i) {
    QsoArgs q = Qso(kCalls[random() % 4], kBands[random() % 6]);
    q.exchRcvd = std::to_string(1 + random() % 40);
    q.time = At(2026, 11, 28, static_cast<int>(random() % 24), static_cast<int>(random() % 60));
    std::lock_guard<std::mutex> hold(state->m_lock);
    if (random() % 5 == 0) {
      RemoveQso(*state, windows, q);
    } else {
      AddQso(*state, q);
    }
    CallCheckArgs check;
    check.call = q.call;
    check.mode = "SSB";
    check.prefix = "DL";
    check.band = q.band;
    CheckCall(*state, windows, check);
    if (i % 50 == 0) ComputeScore(*state);
    state->m_detailsIdle = 1;  // as if the window thread had handled the post
  }
  done = true;
  windowThread.join();

  // The last word: one more update answers from the store as it is now.
  CallDetailsMemory memory;
  FakeHostLink host;
  RecordingDetailsWindows tools;
  host.entryField = "Q1ABC";
  UpdateCallDetails(state->m_lock, *state, memory, host, tools);
  for (int b = 0; b < kBandCount; ++b) {
    std::string mode = "   -";
    for (const CInfo& r : state->m_qsoStore)
      if (r.m_call == "Q1ABC" && r.m_band == kBands[b]) mode = r.m_mode;
    EXPECT_EQ(state->m_bandInfoRows[b][1], mode) << kBands[b];
  }
}

}  // namespace
