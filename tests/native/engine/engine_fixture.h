// EngineFixture: a fresh plug-in state in a fresh working folder, a recording
// window side and the settings file, plus a QSO builder whose defaults are a
// valid 20 m SSB QSO, so each test states only what it is about.
#ifndef STATS_TESTS_ENGINE_FIXTURE_H_
#define STATS_TESTS_ENGINE_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/host_args.h"
#include "plugin/ini_file_settings.h"
#include "plugin/plugin_state.h"
#include "support/recording_window_side.h"
#include "support/temp_folder.h"

inline COleDateTime At(int year, int month, int day, int hour, int minute) {
  return COleDateTime::FromParts(year, month, day, hour, minute, 0);
}

inline QsoArgs Qso(const std::string& call = "DL1ABC", const std::string& band = "20m",
                   const std::string& mode = "SSB") {
  QsoArgs q;
  q.ownCall = "OE1XYZ";
  q.call = call;
  q.time = At(2026, 11, 28, 0, 12);
  q.freqHz = 14250000;
  q.mode = mode;
  q.rstSent = "59";
  q.rstRcvd = "59";
  q.exchSent = "15";
  q.exchRcvd = "14";
  q.prefix = "DL";
  q.continent = "EU";
  q.band = band;
  return q;
}

class EngineFixture : public ::testing::Test {
 protected:
  static constexpr const char* kBadQsoFile = "BadQSO_ZerodEZIDEDOVE_29_11_2026.txt";

  EngineFixture() : settings(state->m_settingsFile, state->m_settingsSection) {
    state->m_badQsoPath = kBadQsoFile;
  }

  std::string BadQsos() const { return TempFolder::Read(kBadQsoFile); }

  TempFolder folder;
  std::unique_ptr<PluginState> state = std::make_unique<PluginState>();
  IniFileSettings settings;
  RecordingWindowSide windows;
};

#endif  // STATS_TESTS_ENGINE_FIXTURE_H_
