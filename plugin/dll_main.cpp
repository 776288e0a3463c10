// The library's entry point and the one Plugin. The C runtime builds g_plugin
// before DllMain sees the attach and destroys it after DllMain sees the
// detach.
//
// Nothing at load may wait: the loader lock is held. The unloading by
// FreeLibrary closes the windows and sees their thread out within a bound (see
// UiThread); at process exit every other thread is already gone, and nothing
// waits.
#include <windows.h>

#include "plugin/plugin.h"

namespace {

Plugin g_plugin;

}  // namespace

Plugin& ThePlugin() { return g_plugin; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) g_plugin.windows.StopUiThread();
  return TRUE;
}
