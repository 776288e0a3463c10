#include "engine/removal.h"

#include "engine/bad_qso_file.h"
#include "engine/intake.h"
#include "engine/window_side.h"
#include "engine/contest_state.h"

int RemoveQso(ContestState& state, WindowSide& windows, const QsoArgs& qso) {
  const CInfo removed = MakeQsoRecord(state.m_bands, qso);

  const int found = state.m_qsoStore.FindFirst(removed.m_call, removed.m_mode, removed.m_band,
                                               removed.m_time);

  if (found >= 0) {
    int band = state.m_bands.IndexOf(removed.m_band);
    if (band < 0) band = 0;
    std::vector<unsigned>& zones = state.m_bandZones[band];
    for (auto it = zones.begin(); it != zones.end(); ++it) {
      if (*it == static_cast<unsigned>(removed.m_zone)) {
        zones.erase(it);
        break;
      }
    }
    windows.ResetZoneDisplays();
    state.m_qsoStore.RemoveAt(found);
  }

  if (state.m_qsoStore.IsEmpty()) {
    state.m_workedBands.clear();
    for (int b = 0; b < kBandCount; ++b) {
      state.m_bandCountries[b].clear();
      state.m_bandZones[b].clear();
    }
  }

  const std::string timeKey = " " + removed.m_time.Format("%H%M") + " ";
  state.m_badQsoFile.RewriteWithout(state.m_badQsoPath, state.m_isCw, qso.call, timeKey);
  state.m_rejectedQsos.RemoveMatching(qso.call, timeKey);

  if (windows.HasControlWindow()) windows.PostCallDetails();
  return 1;
}
