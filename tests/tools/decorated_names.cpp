// The exported functions as the host's compiler declares them: global
// namespace, __cdecl, the date-time type ATL::COleDateTime, and for three of
// them a base name of their own. Compiled for the 32-bit MSVC target only to
// read the decorated names it gives them; nothing here runs.
//
// The signatures are written out argument by argument, independently of the
// DLL's own lists in plugin/exports.h; the static_asserts below hold those
// lists to these.
#define STATS_EXPORTS_NO_PROTOTYPES
#include "plugin/exports.h"

namespace ATL {
class COleDateTime;
}

using T = const char*;
using D = ATL::COleDateTime*;

// one QSO: 2 texts, 4 dates, 2 unsigned, 15 texts, 3 ints, 2 doubles, 5 texts
int __cdecl AddData0(T, T, D, D, D, D, unsigned, unsigned,
                     T, T, T, T, T, T, T, T, T, T, T, T, T, T, T,
                     int, int, int, double, double, T, T, T, T, T) { return 0; }
int __cdecl RemoveData0(T, T, D, D, D, D, unsigned, unsigned,
                        T, T, T, T, T, T, T, T, T, T, T, T, T, T, T,
                        int, int, int, double, double, T, T, T, T, T) { return 0; }
// text, int, text, 2 dates, 10 texts, 3 ints, 2 doubles, 3 texts
int __cdecl ResetStats0(T, int, T, D, D, T, T, T, T, T, T, T, T, T, T,
                        int, int, int, double, double, T, T, T) { return 0; }
// text, 2 unsigned, 11 texts, 3 ints, 2 doubles, 7 texts, 2 buffers
int __cdecl CheckCallFunc0(T, unsigned, unsigned, T, T, T, T, T, T, T, T, T, T, T,
                           int, int, int, double, double, T, T, T, T, T, T, T,
                           char*, char*) { return 0; }
int __cdecl StatsIsValidExchg0(T, T, T, T, int, int, int) { return 0; }
int __cdecl StatsGetExchgCount0(T, T, T) { return 0; }
int __cdecl GetNumberOfSets(void) { return 0; }
const char* __cdecl GetSetName(int) { return nullptr; }
const char* __cdecl GetResult0(int*) { return nullptr; }
void __cdecl SetupSet0(void) {}
unsigned long __cdecl setVersion(const char*) { return 0; }

template <typename A, typename B> struct Same { static constexpr bool value = false; };
template <typename A> struct Same<A, A> { static constexpr bool value = true; };

static_assert(Same<decltype(AddData0), int(STATS_QSO_PARAMS(ATL::COleDateTime))>::value,
              "AddData0's list in plugin/exports.h");
static_assert(Same<decltype(RemoveData0), int(STATS_QSO_PARAMS(ATL::COleDateTime))>::value,
              "RemoveData0's list in plugin/exports.h");
static_assert(Same<decltype(ResetStats0), int(STATS_RESET_PARAMS(ATL::COleDateTime))>::value,
              "ResetStats0's list in plugin/exports.h");
static_assert(Same<decltype(CheckCallFunc0), int(STATS_CALL_CHECK_PARAMS)>::value,
              "CheckCall0's list in plugin/exports.h");
static_assert(Same<decltype(StatsIsValidExchg0), int(STATS_EXCHANGE_PARAMS)>::value,
              "IsValidExchg0's list in plugin/exports.h");
static_assert(Same<decltype(StatsGetExchgCount0), int(STATS_EXCHANGE_COUNT_PARAMS)>::value,
              "GetExchgCount0's list in plugin/exports.h");
