// The exported functions: the host's raw arguments become the engine's
// argument records, and each call runs under the state's lock.
//
// Nothing may cross back into the host but the answer: every exception ends
// in the export that met it, which then gives the answer that does least harm
// (a QSO not taken, an empty report, otherwise the function's usual constant).
//
// The lock is not recursive and the exports are not reentrant. The modal boxes
// and the header dialog run a message loop on the host's thread while its
// export holds the lock; the host calls no export from inside that loop.
#include "plugin/exports.h"

#include <mutex>
#include <string>

#include "engine/call_check.h"
#include "engine/host_args.h"
#include "engine/intake.h"
#include "engine/ole_date_time.h"
#include "engine/removal.h"
#include "plugin/plugin.h"
#include "plugin/scoring_run.h"
#include "reports/result_report.h"

namespace {

constexpr char kSetName[] = "CQ WW CW/SSB (C)";
constexpr char kNoSetup[] = "No additional setup for this contest";
constexpr char kNoReport[] = "";

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

// The host's value is read field by field: its padding is none of our business.
COleDateTime Date(const COleDateTime* date) {
  if (!date) return COleDateTime(0.0, COleDateTime::invalid);
  return COleDateTime(date->m_dt, date->m_status);
}

// Intake alone keeps the bad-QSO file open from one call to the next, for a
// host that feeds a whole log; any other call lets it go first, so that
// between the calls of a live contest the file is closed.
enum class BadQsoFileUse { kRelease, kKeepOpen };

template <typename Result, typename Work>
Result Guarded(Result fallback, Work work, BadQsoFileUse use = BadQsoFileUse::kRelease) {
  try {
    Plugin& plugin = ThePlugin();
    std::lock_guard<std::mutex> hold(plugin.state.m_lock);
    if (use == BadQsoFileUse::kRelease) plugin.state.m_badQsoFile.Release();
    return work(plugin);
  } catch (...) {
    return fallback;
  }
}

QsoArgs MakeQso(const char* ownCall, const char* call, const COleDateTime* time,
                unsigned freqHz, const char* mode, const char* rstSent, const char* rstRcvd,
                const char* exchSent, const char* exchRcvd, const char* prefix,
                const char* continent, const char* band) {
  QsoArgs qso;
  qso.ownCall = Text(ownCall);
  qso.call = Text(call);
  qso.time = Date(time);
  qso.freqHz = freqHz;
  qso.mode = Text(mode);
  qso.rstSent = Text(rstSent);
  qso.rstRcvd = Text(rstRcvd);
  qso.exchSent = Text(exchSent);
  qso.exchRcvd = Text(exchRcvd);
  qso.prefix = Text(prefix);
  qso.continent = Text(continent);
  qso.band = Text(band);
  return qso;
}

}  // namespace

extern "C" int __cdecl AddData0(
    const char* ownCall, const char* call, COleDateTime* time, COleDateTime*, COleDateTime*,
    COleDateTime*, unsigned, unsigned freqHz, const char* mode, const char* rstSent,
    const char* rstRcvd, const char* exchSent, const char* exchRcvd, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* prefix, int, int, int, double, double, const char*, const char* continent,
    const char*, const char* band, const char*) {
  return Guarded(
      0,
      [&](Plugin& plugin) {
        return AddQso(plugin.state, MakeQso(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                            exchSent, exchRcvd, prefix, continent, band));
      },
      BadQsoFileUse::kKeepOpen);
}

extern "C" int __cdecl RemoveData0(
    const char* ownCall, const char* call, COleDateTime* time, COleDateTime*, COleDateTime*,
    COleDateTime*, unsigned, unsigned freqHz, const char* mode, const char* rstSent,
    const char* rstRcvd, const char* exchSent, const char* exchRcvd, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* prefix, int, int, int, double, double, const char*, const char* continent,
    const char*, const char* band, const char*) {
  return Guarded(1, [&](Plugin& plugin) {
    return RemoveQso(plugin.state, plugin.windows,
                     MakeQso(ownCall, call, time, freqHz, mode, rstSent, rstRcvd, exchSent,
                             exchRcvd, prefix, continent, band));
  });
}

extern "C" int __cdecl ResetStats0(
    const char* folderPrefix, int exportRequest, const char* contestant, COleDateTime* firstDay,
    COleDateTime* lastDay, const char*, const char*, const char*, const char*, const char*,
    const char*, const char*, const char*, const char*, const char* ownPrefix, int, int, int,
    double, double, const char*, const char* ownContinent, const char*) {
  return Guarded(1, [&](Plugin& plugin) {
    ResetArgs args;
    args.folderPrefix = Text(folderPrefix);
    args.exportRequest = exportRequest;
    args.contestant = Text(contestant);
    args.firstDay = Date(firstDay);
    args.lastDay = Date(lastDay);
    args.ownPrefix = Text(ownPrefix);
    args.ownContinent = Text(ownContinent);
    return OpenScoringRun(plugin.state, plugin.settings, plugin.windows, args);
  });
}

extern "C" int __cdecl CheckCall0(
    const char* call, unsigned, unsigned, const char* mode, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* prefix, int zone, int, int, double, double, const char*, const char*,
    const char*, const char*, const char*, const char* band, const char* band2, char* zoneOut,
    char*) {
  return Guarded(1, [&](Plugin& plugin) {
    CallCheckArgs args;
    args.call = Text(call);
    args.mode = Text(mode);
    args.prefix = Text(prefix);
    args.zone = zone;
    args.band = Text(band);
    args.hasBand2 = band2 != nullptr;
    args.band2 = Text(band2);
    args.zoneOut = zoneOut;
    return CheckCall(plugin.state, plugin.windows, args);
  });
}

// A failed check lets the QSO through: intake checks the zone again.
extern "C" int __cdecl IsValidExchg0(const char* exchange, const char*, const char* prefix,
                                     const char*, int, int, int forceInvalid) {
  return Guarded(1, [&](Plugin&) {
    return IsValidExchange(Text(exchange), Text(prefix), forceInvalid);
  });
}

// Also GetExchgCount0 in both its forms: the caller removes their arguments.
extern "C" int __cdecl GetNumberOfSets(void) { return 1; }

extern "C" const char* __cdecl GetSetName(int) { return kSetName; }

extern "C" const char* __cdecl GetResult0(int* out) {
  // Written first, so that the host sees it even when the report fails.
  int unused;
  int* target = out ? out : &unused;
  *target = -1;
  return Guarded<const char*>(kNoReport, [&](Plugin& plugin) {
    return GetResult(plugin.state, plugin.state, plugin.settings, plugin.windows, target);
  });
}

// The box waits for the operator, so it runs without the lock: it touches no
// state, and the user-interface thread keeps working meanwhile.
extern "C" void __cdecl SetupSet0(void) {
  try {
    ThePlugin().windows.ShowUnownedMessage(kNoSetup);
  } catch (...) {
  }
}

extern "C" unsigned long __cdecl setVersion(const char*) {
  return Guarded(0ul, [](Plugin& plugin) {
    plugin.state.m_htmlReport = 1;
    return 0ul;
  });
}
