#include "ui/control/call_details.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kRowPlaceholder = "   -";
constexpr const char* kZonePlaceholder = " -";
constexpr double kSp1Distance = 300.0;  // hertz the radio may move without a new "<SP1>"

std::string Printed(const char* pattern, int value) {
  char text[16];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// The message that started this update has left the queue, so the next
// keystroke may post another one at once: one that came while this update
// ran would otherwise be lost, and the windows would keep showing a call the
// operator has typed past until yet another keystroke. Still at most one
// waits, since the call check clears the flag when it posts.
void MarkTaken(ContestState& state) { state.m_detailsIdle = 1; }

}  // namespace

int BandOfFrequency(double hertz) {
  const double mhz = std::trunc(hertz / 1000000.0);
  if (mhz == 1) return 0;
  if (mhz == 3) return 1;
  if (mhz == 7) return 2;
  if (mhz == 14) return 3;
  if (mhz == 21) return 4;
  if (mhz == 28) return 5;
  return -1;
}

std::string ZoneText(const std::string& prefix, int zone) {
  if (prefix == "K" || prefix == "VE" || zone < 10) return Printed("0%i", zone);
  return Printed("%i", zone);
}

std::string MultiplierTitle(int isCw, const std::string& call) {
  return (isCw ? "CQ-WW-CW worked with " : "CQ-WW-SSB worked with ") + call;
}

std::string BandTitle(int isCw, const std::string& year, const std::string& bandName) {
  return (isCw ? "CQ-WW-CW " : "CQ-WW-SSB ") + year + "  DXCC worked on " + bandName;
}

std::string ZoneWindowTitle(const std::string& bandName) { return "CQ Zone on " + bandName; }

HostReading ReadHost(HostLink& host, CallDetailsMemory& memory) {
  HostReading reading;
  memory.m_enteredCall.clear();
  std::string call;
  if (!host.ReadEntryField(kCallEntryField, call)) return reading;
  reading.callRead = true;
  reading.call = memory.m_enteredCall = call;
  if (call.size() == 1 || call.size() == 2) return reading;

  double hertz = 0;
  if (!host.ReadFrequency(hertz)) return reading;
  // The reference is the frequency of the last "<SP1>", so a slow drift still
  // sends one once it adds up to more than the distance.
  if (std::fabs(hertz - memory.m_sp1Frequency) > kSp1Distance) {
    if (!host.SendCommand("<SP1>")) return reading;
    memory.m_sp1Frequency = hertz;
  }
  reading.frequencyRead = true;
  reading.band = BandOfFrequency(hertz);
  return reading;
}

CallDetailsView TakeCallDetailsView(ContestState& state, const HostReading& reading) {
  CallDetailsView view;
  view.call = reading.call;
  for (int b = 0; b < kBandCount; ++b) {
    std::vector<std::string>& row = state.m_bandInfoRows[b];
    if (row.size() < 5) row.resize(5);  // the band name at [0] is the reset's
    row[1] = row[2] = row[4] = kRowPlaceholder;
    row[3] = kZonePlaceholder;
    if (view.call.empty()) continue;
    // The last QSO with the call on the band, dupes included.
    const int last = state.m_qsoStore.FindLast(view.call, state.m_bands[b]);
    if (last < 0) continue;
    const CInfo& qso = state.m_qsoStore.At(last);
    row[1] = qso.m_mode;
    row[2] = qso.m_time.Format("%H:%M");
    row[3] = ZoneText(qso.m_prefix, qso.m_zone);
  }
  view.isCw = state.m_isCw;
  if (reading.frequencyRead && reading.band >= 0) {
    view.band = reading.band;
    view.bandName = state.m_bands[view.band];
    view.contestYear = state.m_contestYear;
    view.zones = state.m_bandZones[view.band];
    view.countries = state.m_bandCountries[view.band];
  }
  return view;
}

void ResetZoneDisplays(CallDetailsWindows& windows) {
  if (windows.Exists(DetailsWindow::kZoneSearch))
    for (int zone = 1; zone <= kZoneCount; ++zone) windows.ColourZone(zone, false);
  if (ZoneFlags* flags = windows.Flags()) flags->fill(0);
}

void ApplyCallDetails(const CallDetailsView& view, bool frequencyRead,
                      CallDetailsMemory& memory, CallDetailsWindows& windows) {
  const bool multiplier = windows.Exists(DetailsWindow::kMultiplier);
  if (!view.call.empty() && multiplier) {
    windows.SetTitle(DetailsWindow::kMultiplier, MultiplierTitle(view.isCw, view.call));
    windows.RepaintInfoButton();
  }
  if (!frequencyRead || view.band < 0) return;

  const int band = view.band;
  const std::string& bandName = view.bandName;
  memory.m_currentBand = band;

  if (view.call.empty()) {
    const std::string title = BandTitle(view.isCw, view.contestYear, bandName);
    windows.SetTitle(DetailsWindow::kMultiplier, title);
    windows.SetTitle(DetailsWindow::kExtendedMultiplier, title);
  }

  if (windows.Exists(DetailsWindow::kZoneSearch)) {
    // A zone window this update has not painted yet (new, or opened again)
    // is reset as on a change of band, so it shows the band at once.
    const unsigned opening = windows.ZoneSearchOpening();
    if (band != memory.m_zoneSearchBand || opening != memory.m_zoneSearchOpening) {
      memory.m_zoneSearchBand = band;
      memory.m_zoneSearchOpening = opening;
      windows.SetTitle(DetailsWindow::kZoneSearch, ZoneWindowTitle(bandName));
      ResetZoneDisplays(windows);
    }
    // Without the flag window the marks of this update alone are remembered.
    ZoneFlags own{};
    ZoneFlags* flags = windows.Flags();
    if (!flags) flags = &own;
    for (unsigned zone : view.zones) {
      if (zone < 1 || zone > static_cast<unsigned>(kZoneCount)) continue;
      int& flag = (*flags)[zone - 1];
      if (flag != 0) continue;
      flag = 1;
      windows.ColourZone(static_cast<int>(zone), true);
    }
  }

  if (windows.Exists(DetailsWindow::kExtendedMultiplier))
    windows.SetBoxStates(BoxStatesForWorked(view.countries));

  windows.RefreshZoneFlags();
  if (multiplier) windows.RepaintInfoButton();
}

void UpdateCallDetails(std::mutex& lock, ContestState& state, CallDetailsMemory& memory,
                       HostLink& host, CallDetailsWindows& windows) {
  MarkTaken(state);
  if (!host.Connected()) return;
  windows.OpenWantedWindows();

  const HostReading reading = ReadHost(host, memory);
  // A refused entry field ends the update here; a short call changes nothing
  // but the opened windows.
  if (!reading.callRead || reading.call.size() == 1 || reading.call.size() == 2)
    return;

  CallDetailsView view;
  {
    std::lock_guard<std::mutex> hold(lock);
    view = TakeCallDetailsView(state, reading);
  }
  ApplyCallDetails(view, reading.frequencyRead, memory, windows);
}
