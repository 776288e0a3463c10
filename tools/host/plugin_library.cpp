#include "tools/host/plugin_library.h"

#define STATS_EXPORTS_NO_PROTOTYPES
#include "plugin/exports.h"
#include "tools/host/export_names.h"

namespace host {

namespace {

using SetVersionFn = unsigned long(__cdecl*)(const char*);
using NumberOfSetsFn = int(__cdecl*)(void);
using SetNameFn = const char*(__cdecl*)(int);
using ResetStatsFn = int(__cdecl*)(STATS_RESET_PARAMS(HostDate));
using QsoFn = int(__cdecl*)(STATS_QSO_PARAMS(HostDate));
using CheckCallFn = int(__cdecl*)(STATS_CALL_CHECK_PARAMS);
using IsValidExchgFn = int(__cdecl*)(STATS_EXCHANGE_PARAMS);
using GetResultFn = const char*(__cdecl*)(int*);

constexpr char kNone[] = "";

}  // namespace

PluginLibrary::~PluginLibrary() { Unload(); }

FARPROC PluginLibrary::Find(const char* plain, bool useDecorated, std::string* error) {
  const char* name = useDecorated ? DecoratedName(plain) : plain;
  FARPROC proc = GetProcAddress(m_module, name);
  if (!proc && error && error->empty()) *error = std::string("Stats.dll has no export ") + name;
  return proc;
}

bool PluginLibrary::Load(const std::string& path, bool decoratedNames, std::string* error) {
  Unload();
  m_module = LoadLibraryA(path.c_str());
  if (!m_module) {
    if (error) {
      char code[32];
      wsprintfA(code, " (error %lu)", GetLastError());
      *error = "cannot load " + path + code;
    }
    return false;
  }
  std::string missing;
  auto find = [&](const char* plain) {
    return reinterpret_cast<void*>(Find(plain, decoratedNames, &missing));
  };
  m_setVersion = find("setVersion");
  m_numberOfSets = find("GetNumberOfSets");
  m_setName = find("GetSetName");
  m_resetStats = find("ResetStats0");
  m_addData = find("AddData0");
  m_removeData = find("RemoveData0");
  m_checkCall = find("CheckCall0");
  m_isValidExchg = find("IsValidExchg0");
  m_getResult = find("GetResult0");
  if (!missing.empty()) {
    if (error) *error = missing;
    Unload();
    return false;
  }
  return true;
}

void PluginLibrary::Unload() {
  if (m_module) FreeLibrary(m_module);
  m_module = nullptr;
}

unsigned long PluginLibrary::SetVersion(const char* text) {
  return reinterpret_cast<SetVersionFn>(m_setVersion)(text);
}

int PluginLibrary::GetNumberOfSets() { return reinterpret_cast<NumberOfSetsFn>(m_numberOfSets)(); }

const char* PluginLibrary::GetSetName(int index) {
  return reinterpret_cast<SetNameFn>(m_setName)(index);
}

int PluginLibrary::ResetStats(const PluginRun& run) {
  HostDate first = run.firstDay;
  HostDate last = run.lastDay;
  return reinterpret_cast<ResetStatsFn>(m_resetStats)(
      run.folderPrefix.c_str(), run.exportRequest, run.contestant.c_str(), &first, &last,
      kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,  // 6-14
      run.ownPrefix.c_str(),                                          // 15
      0, 0, 0, 0.0, 0.0,                                              // 16-20
      kNone,                                                          // 21
      run.ownContinent.c_str(),                                       // 22
      kNone);                                                         // 23
}

namespace {

int CallQso(void* fn, const PluginQso& qso) {
  // The host passes its own copies; the plug-in only reads through them.
  HostDate time = qso.time;
  HostDate created = qso.time;
  HostDate changed = qso.time;
  HostDate spare = qso.time;
  return reinterpret_cast<QsoFn>(fn)(
      qso.ownCall.c_str(), qso.call.c_str(), &time, &created, &changed, &spare,  // 1-6
      0u, qso.freqHz,                                                            // 7-8
      qso.mode.c_str(), qso.rstSent.c_str(), qso.rstRcvd.c_str(),                // 9-11
      qso.exchSent.c_str(), qso.exchRcvd.c_str(),                                // 12-13
      kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,             // 14-22
      qso.prefix.c_str(),                                                        // 23
      0, 0, 0, 0.0, 0.0,                                                         // 24-28
      kNone,                                                                     // 29
      qso.continent.c_str(),                                                     // 30
      kNone,                                                                     // 31
      qso.band.c_str(),                                                          // 32
      kNone);                                                                    // 33
}

}  // namespace

int PluginLibrary::AddData(const PluginQso& qso) { return CallQso(m_addData, qso); }

int PluginLibrary::RemoveData(const PluginQso& qso) { return CallQso(m_removeData, qso); }

int PluginLibrary::CheckCall(const char* call, const char* mode, const char* prefix, int zone,
                             const char* band, const char* band2, char* zoneBuffer) {
  char unused[100] = {};
  return reinterpret_cast<CheckCallFn>(m_checkCall)(
      call, 0u, 0u,                                                  // 1-3
      mode,                                                          // 4
      kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,  // 5-13
      prefix, zone,                                                  // 14-15
      0, 0, 0.0, 0.0,                                                // 16-19
      kNone, kNone, kNone, kNone, kNone,                             // 20-24
      band, band2,                                                   // 25-26
      zoneBuffer, unused);                                           // 27-28
}

int PluginLibrary::IsValidExchg(const char* exchange, const char* prefix, int forceInvalid) {
  return reinterpret_cast<IsValidExchgFn>(m_isValidExchg)(exchange, kNone, prefix, kNone, 0, 0,
                                                          forceInvalid);
}

const char* PluginLibrary::GetResult(int* out) {
  return reinterpret_cast<GetResultFn>(m_getResult)(out);
}

}  // namespace host
