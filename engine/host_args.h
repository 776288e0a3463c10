// The host's arguments, as the exported functions hand them to the engine.
// The export layer turns every null text into the empty text (except where a
// null has a meaning of its own, kept as a flag) and copies the date values.
#ifndef STATS_ENGINE_HOST_ARGS_H_
#define STATS_ENGINE_HOST_ARGS_H_

#include <string>

#include "engine/ole_date_time.h"

// One QSO: AddData0 and RemoveData0.
struct QsoArgs {
  std::string ownCall;    // 1
  std::string call;       // 2
  COleDateTime time;      // *3 (invalid when the pointer was null)
  unsigned freqHz = 0;    // 8
  std::string mode;       // 9
  std::string rstSent;    // 10
  std::string rstRcvd;    // 11
  std::string exchSent;   // 12
  std::string exchRcvd;   // 13
  std::string prefix;     // 23
  std::string continent;  // 30
  std::string band;       // 32
};

// The start of a scoring run: ResetStats0.
struct ResetArgs {
  std::string folderPrefix;  // 1, used as "%s*.ini"
  int exportRequest = 0;     // 2
  std::string contestant;    // 3
  COleDateTime firstDay;     // *4
  COleDateTime lastDay;      // *5
  std::string ownPrefix;     // 15
  std::string ownContinent;  // 22
};

// The call being typed: CheckCall0.
struct CallCheckArgs {
  std::string call;       // 1
  std::string mode;       // 4
  std::string prefix;     // 14
  int zone = 0;           // 15
  std::string band;       // 25 (empty when null)
  bool hasBand2 = false;  // 26 was not null
  std::string band2;      // 26
  char* zoneOut = nullptr;  // 27: 100 bytes, or null
};

#endif  // STATS_ENGINE_HOST_ARGS_H_
