// The library's entry point. The C runtime has built the global Plugin before
// DllMain sees the attach, and destroys it after DllMain sees the detach.
//
// Nothing here may wait: the loader lock is held, and at process exit every
// other thread is already gone.
#include <windows.h>

#include "plugin/plugin.h"

namespace {

Plugin g_plugin;
HINSTANCE g_module = nullptr;

}  // namespace

Plugin& ThePlugin() { return g_plugin; }

HINSTANCE PluginModule() { return g_module; }

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}
