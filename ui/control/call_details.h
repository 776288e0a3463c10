// The call-details update, the control window's answer to WM_CALL_DETAILS:
// it reads the typed call and the frequency from the host, fills the
// multiplier window's rows with the earlier QSOs of that call band by band,
// and shows on the zone window and the continent pages what the current band
// has worked.
//
// Threads: it runs on the user-interface thread in three phases. It talks to
// the host first, without the plug-in's lock (the host answers only when its
// own thread is free, and that thread may be waiting for the lock in an
// export); then it takes the lock once, writes the rows and copies what the
// windows will show (CallDetailsView); then, the lock released, it changes
// the windows, whose repaints may wait for the lock themselves.
#ifndef STATS_UI_CONTROL_CALL_DETAILS_H_
#define STATS_UI_CONTROL_CALL_DETAILS_H_

#include <mutex>
#include <string>
#include <vector>

#include "engine/contest_state.h"
#include "ui/control/call_details_windows.h"
#include "ui/control/host_link.h"

// What the update remembers from one run to the next, alive as long as the
// library. Only the user-interface thread touches it (the update and the info
// button's paint), so it needs no lock.
struct CallDetailsMemory {
  std::string m_enteredCall;        // as last read from the host; empty: none typed
  int m_currentBand = -1;           // of the last frequency inside a band
  double m_sp1Frequency = 0;        // hertz at the last "<SP1>"
  int m_zoneSearchBand = 0;         // the band the zone window was last reset for
  unsigned m_zoneSearchOpening = 0; // the zone window that reset was for
};

// What the host told this update.
struct HostReading {
  bool callRead = false;  // false: the host refused the entry field
  std::string call;
  bool frequencyRead = false;  // false: the host refused the frequency or "<SP1>"
  int band = -1;               // of the frequency; -1 outside the six bands
};

// What the windows will show, copied under the lock.
struct CallDetailsView {
  std::string call;
  int band = -1;
  std::string bandName;
  int isCw = 0;
  std::string contestYear;
  std::vector<unsigned> zones;          // worked on the band
  std::vector<std::string> countries;   // worked on the band
};

// The band of a frequency from its whole megahertz: 1, 3, 7, 14, 21, 28 give
// 160 m to 10 m; anything else -1.
int BandOfFrequency(double hertz);

// The zone as the rows show it: two digits at least, "0" before any zone of a
// "K" or "VE" station.
std::string ZoneText(const std::string& prefix, int zone);

std::string MultiplierTitle(int isCw, const std::string& call);
std::string BandTitle(int isCw, const std::string& year, const std::string& bandName);
std::string ZoneWindowTitle(const std::string& bandName);

// Phase 1, without the lock: the entry field, then (for a call that goes on)
// the frequency and "<SP1>" when it moved more than 300 Hz since the last one.
HostReading ReadHost(HostLink& host, CallDetailsMemory& memory);

// Phase 2, with the lock that guards `state` held: rewrites the rows of
// m_bandInfoRows for the call and copies what the windows will show.
CallDetailsView TakeCallDetailsView(ContestState& state, const HostReading& reading);

// Phase 3, without the lock: titles, zone buttons and flags, continent pages,
// the info button.
void ApplyCallDetails(const CallDetailsView& view, bool frequencyRead,
                      CallDetailsMemory& memory, CallDetailsWindows& windows);

// The zone displays back to "not worked": every zone button green, every zone
// flag 0. The removal of a QSO asks for this; the window thread carries it
// out before the update that follows.
void ResetZoneDisplays(CallDetailsWindows& windows);

// The whole update. It sets m_detailsIdle back to 1 as it starts, so a
// keystroke during the update brings another one after it (however this one
// ends); a host that refuses a call ends it quietly.
void UpdateCallDetails(std::mutex& lock, ContestState& state, CallDetailsMemory& memory,
                       HostLink& host, CallDetailsWindows& windows);

#endif  // STATS_UI_CONTROL_CALL_DETAILS_H_
