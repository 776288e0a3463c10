// The host's view of Stats.dll: the parameter lists of the exported functions,
// exactly as the host pushes them (caller-cleans, 32-bit), and their plain
// C-linkage prototypes.
//
// The lists are macros over the date-time type so that one text serves both the
// DLL, where the host's value is our own layout-compatible COleDateTime, and
// the name-decoration check, which must spell it as the host's compiler sees it
// (ATL::COleDateTime) to get the decorated names of Stats.def. Change a list
// here and that check tells which decorated names in Stats.def must follow.
//
// This header includes nothing: the check compiles it on its own.
#ifndef STATS_PLUGIN_EXPORTS_H_
#define STATS_PLUGIN_EXPORTS_H_

#define STATS_TEXTS_3 const char*, const char*, const char*
#define STATS_TEXTS_5 STATS_TEXTS_3, const char*, const char*
#define STATS_TEXTS_10 STATS_TEXTS_5, STATS_TEXTS_5

// AddData0 and RemoveData0: one QSO, 33 arguments.
#define STATS_QSO_PARAMS(Date)                                        \
  const char*, const char*, Date*, Date*, Date*, Date*, unsigned,     \
      unsigned, STATS_TEXTS_10, STATS_TEXTS_5, int, int, int, double, \
      double, STATS_TEXTS_5

// ResetStats0: the start of a scoring run, 23 arguments.
#define STATS_RESET_PARAMS(Date)                                      \
  const char*, int, const char*, Date*, Date*, STATS_TEXTS_10, int,   \
      int, int, double, double, STATS_TEXTS_3

// CheckCall0 (decorated as CheckCallFunc0): the call being typed, 28 arguments.
#define STATS_CALL_CHECK_PARAMS                                       \
  const char*, unsigned, unsigned, STATS_TEXTS_10, const char*, int,  \
      int, int, double, double, STATS_TEXTS_5, const char*,           \
      const char*, char*, char*

// IsValidExchg0 (decorated as StatsIsValidExchg0): 7 arguments.
#define STATS_EXCHANGE_PARAMS \
  const char*, const char*, const char*, const char*, int, int, int

// GetExchgCount0's decorated form (StatsGetExchgCount0) takes three texts; the
// entry point is GetNumberOfSets, which reads none. The caller removes them.
#define STATS_EXCHANGE_COUNT_PARAMS STATS_TEXTS_3

#ifndef STATS_EXPORTS_NO_PROTOTYPES
class COleDateTime;

extern "C" {
int __cdecl AddData0(STATS_QSO_PARAMS(COleDateTime));
int __cdecl RemoveData0(STATS_QSO_PARAMS(COleDateTime));
int __cdecl ResetStats0(STATS_RESET_PARAMS(COleDateTime));
int __cdecl CheckCall0(STATS_CALL_CHECK_PARAMS);
int __cdecl IsValidExchg0(STATS_EXCHANGE_PARAMS);
int __cdecl GetNumberOfSets(void);  // also GetExchgCount0, both forms
const char* __cdecl GetSetName(int index);
const char* __cdecl GetResult0(int* out);
void __cdecl SetupSet0(void);
unsigned long __cdecl setVersion(const char* text);
}
#endif

#endif  // STATS_PLUGIN_EXPORTS_H_
