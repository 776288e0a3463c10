#include "engine/contest_snapshot.h"

ContestSnapshot TakeSnapshot(const ContestState& state) {
  ContestSnapshot s;
  s.m_isCw = state.m_isCw;
  s.m_russianUi = state.m_russianUi;
  s.m_contestYear = state.m_contestYear;
  s.m_fileDate = state.m_fileDate;
  s.m_ownPrefix = state.m_ownPrefix;
  s.m_ownContinent = state.m_ownContinent;
  s.m_hostVersion = state.m_hostVersion;
  s.m_workedBands = state.m_workedBands;
  s.m_bandInfoRows = state.m_bandInfoRows;
  s.m_bandCountries = state.m_bandCountries;
  s.m_bandZones = state.m_bandZones;
  return s;
}
