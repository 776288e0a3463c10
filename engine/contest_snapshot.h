// ContestSnapshot: a copy of what the tool windows show from the engine's
// data, taken in one piece, so that a window can draw from it after the lock
// is released and never sees half of a host call's changes.
#ifndef STATS_ENGINE_CONTEST_SNAPSHOT_H_
#define STATS_ENGINE_CONTEST_SNAPSHOT_H_

#include <array>
#include <string>
#include <vector>

#include "engine/contest_state.h"

struct ContestSnapshot {
  int m_isCw = 0;
  int m_russianUi = 0;
  std::string m_contestYear;
  std::string m_fileDate;
  std::string m_ownPrefix;
  std::string m_ownContinent;
  std::string m_hostVersion;
  std::vector<std::string> m_workedBands;
  std::array<std::vector<std::string>, kBandCount> m_bandInfoRows;
  std::array<std::vector<std::string>, kBandCount> m_bandCountries;
  std::array<std::vector<unsigned>, kBandCount> m_bandZones;
};

// The caller holds the lock that guards `state`.
ContestSnapshot TakeSnapshot(const ContestState& state);

#endif  // STATS_ENGINE_CONTEST_SNAPSHOT_H_
