// The DLL's one instance of everything: the plug-in state and the Win32
// services the engine works through. It is built when the library is loaded,
// before any export can be called, and destroyed when it is unloaded.
#ifndef STATS_PLUGIN_PLUGIN_H_
#define STATS_PLUGIN_PLUGIN_H_

#include "plugin/plugin_state.h"
#include "plugin/profile_settings.h"
#include "plugin/win32_window_side.h"

struct Plugin {
  PluginState state;
  ProfileSettings settings{state.m_settingsFile, state.m_settingsSection};
  Win32WindowSide windows{state, settings};
};

Plugin& ThePlugin();

#endif  // STATS_PLUGIN_PLUGIN_H_
