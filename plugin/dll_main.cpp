// The library's entry point and the one Plugin. The C runtime builds g_plugin
// before DllMain sees the attach and destroys it after DllMain sees the
// detach.
//
// Nothing at load or unload may wait: the loader lock is held, and at process
// exit every other thread is already gone.
#include <windows.h>

#include "plugin/plugin.h"

namespace {

Plugin g_plugin;

}  // namespace

Plugin& ThePlugin() { return g_plugin; }

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
