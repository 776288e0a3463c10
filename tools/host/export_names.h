// The export directory of Stats.dll as a host finds it, for the programs that
// load the DLL: the one place in C++ that spells the decorated names. Each row
// is an ordinal, the name exported under it and the plain name of the function
// it enters. The checks of Stats.def and of the built DLL hold the same rows to
// the compiler's own encoding.
#ifndef STATS_TOOLS_HOST_EXPORT_NAMES_H_
#define STATS_TOOLS_HOST_EXPORT_NAMES_H_

#include <cstring>

namespace host {

struct ExportName {
  int ordinal;
  const char* name;
  const char* entry;
};

inline constexpr ExportName kExportNames[] = {
    {1, "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", "AddData0"},
    {2, "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", "CheckCall0"},
    {3, "?GetNumberOfSets@@YAHXZ", "GetNumberOfSets"},
    {4, "?GetResult0@@YAPBDPAH@Z", "GetResult0"},
    {5, "?GetSetName@@YAPBDH@Z", "GetSetName"},
    {6, "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z",
     "RemoveData0"},
    {7, "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z", "ResetStats0"},
    {8, "?SetupSet0@@YAXXZ", "SetupSet0"},
    {9, "?StatsGetExchgCount0@@YAHPBD00@Z", "GetNumberOfSets"},
    {10, "?StatsIsValidExchg0@@YAHPBD000HHH@Z", "IsValidExchg0"},
    {11, "?setVersion@@YAKPBD@Z", "setVersion"},
    {12, "AddData0", "AddData0"},
    {13, "CheckCall0", "CheckCall0"},
    {14, "GetExchgCount0", "GetNumberOfSets"},
    {15, "GetNumberOfSets", "GetNumberOfSets"},
    {16, "GetResult0", "GetResult0"},
    {17, "GetSetName", "GetSetName"},
    {18, "IsValidExchg0", "IsValidExchg0"},
    {19, "RemoveData0", "RemoveData0"},
    {20, "ResetStats0", "ResetStats0"},
    {21, "SetupSet0", "SetupSet0"},
    {22, "setVersion", "setVersion"},
};

// The decorated name a C++ host linked against the library uses for the
// function `plain` (its first decorated row), or `plain` when it has none.
inline const char* DecoratedName(const char* plain) {
  for (const ExportName& row : kExportNames)
    if (row.name[0] == '?' && std::strcmp(row.entry, plain) == 0) return row.name;
  return plain;
}

}  // namespace host

#endif  // STATS_TOOLS_HOST_EXPORT_NAMES_H_
