// PluginLibrary: Stats.dll as the host holds it. Loads the library, finds the
// exported functions (by their plain names, or by their decorated ones as a
// C++ host linked against the library would), and calls them with the full
// argument lists of the host: every argument is passed, the ones the plug-in
// does not read with harmless values (empty texts, zeros, the QSO's own time).
//
// The calls are the raw exports; timing and bookkeeping are the caller's.
#ifndef STATS_TOOLS_HOST_PLUGIN_LIBRARY_H_
#define STATS_TOOLS_HOST_PLUGIN_LIBRARY_H_

#include <windows.h>

#include <string>

#include "tools/host/host_date.h"

namespace host {

// One QSO, in the form the host hands to AddData0 and RemoveData0.
struct PluginQso {
  std::string ownCall;
  std::string call;
  HostDate time;
  unsigned freqHz = 0;
  std::string mode;  // "CW" or "SSB"
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  std::string prefix;     // DXCC prefix as the host resolved the call
  std::string continent;  // continent likewise
  std::string band;       // "160m" .. "10m", or whatever the host derived
};

struct PluginRun {
  std::string folderPrefix;  // the host's folder, ending in '\'
  int exportRequest = 0;
  std::string contestant;
  HostDate firstDay;
  HostDate lastDay;
  std::string ownPrefix;
  std::string ownContinent;
};

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // False with `error` naming the library or the missing export.
  bool Load(const std::string& path, bool decoratedNames, std::string* error);
  // Unloads the library; the plug-in stops its user-interface thread first.
  void Unload();

  unsigned long SetVersion(const char* text);
  int GetNumberOfSets();
  const char* GetSetName(int index);
  int ResetStats(const PluginRun& run);
  int AddData(const PluginQso& qso);
  int RemoveData(const PluginQso& qso);
  // `band2` may be null (the host does not always know a second band).
  int CheckCall(const char* call, const char* mode, const char* prefix, int zone,
                const char* band, const char* band2, char* zoneBuffer);
  int IsValidExchg(const char* exchange, const char* prefix, int forceInvalid);
  const char* GetResult(int* out);

 private:
  FARPROC Find(const char* plain, bool useDecorated, std::string* error);

  HMODULE m_module = nullptr;
  void* m_setVersion = nullptr;
  void* m_numberOfSets = nullptr;
  void* m_setName = nullptr;
  void* m_resetStats = nullptr;
  void* m_addData = nullptr;
  void* m_removeData = nullptr;
  void* m_checkCall = nullptr;
  void* m_isValidExchg = nullptr;
  void* m_getResult = nullptr;
};

}  // namespace host

#endif  // STATS_TOOLS_HOST_PLUGIN_LIBRARY_H_
