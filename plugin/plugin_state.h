// PluginState: everything the plug-in remembers between two calls of the host,
// in one object that lives from the loading of the library to its unloading.
// It is the engine's data and the reports' data side by side, and the lock.
//
// The lock rule, the only one in the plug-in: the host's calling thread runs
// every exported function and is the only writer of the store, the per-band
// tables and the reports' data; the user-interface thread reads them, and its
// control window writes the mode and the bad-QSO file's name and file. Every
// access by either thread happens with m_lock held: an export holds it for
// the whole call, the window thread only while it touches the state, never
// while it calls the host object, sends to another thread or waits (the host
// object answers only when the host's thread is free, and that thread may be
// waiting for the lock). A window that draws after the lock is released draws
// from a copy taken under it (the info button's data, the call-details
// update's locked copy). Outside the lock only
// three things are touched: m_detailsIdle, which is atomic, the settings
// file, whose platform service both threads may share, and m_callDetails,
// which only the user-interface thread ever touches.
#ifndef STATS_PLUGIN_PLUGIN_STATE_H_
#define STATS_PLUGIN_PLUGIN_STATE_H_

#include <mutex>
#include <string>

#include "engine/contest_state.h"
#include "reports/report_state.h"
#include "ui/control/call_details.h"

struct PluginState : ContestState, ReportState {
  // The reports' score index hears of every change of the engine's store; the
  // plug-in's state is the one place that holds both, so it wires them here.
  PluginState() { m_qsoStore.SetObserver(&m_scoreIndex); }
  ~PluginState() { m_qsoStore.SetObserver(nullptr); }
  PluginState(const PluginState&) = delete;
  PluginState& operator=(const PluginState&) = delete;

  // Settings file.
  const std::string m_settingsSection = "Settings";
  const std::string m_settingsFile = "Plugins\\CQ-WW-CW-SSB.ini";

  // What the call-details update remembers between runs (typed call, band,
  // "<SP1>" frequency, the zone window's band), for the life of the library.
  CallDetailsMemory m_callDetails;

  // Serialises the host's calls with the user-interface thread's updates.
  std::mutex m_lock;
};

#endif  // STATS_PLUGIN_PLUGIN_STATE_H_
