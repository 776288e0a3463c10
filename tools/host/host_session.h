// The stand-in host's two ways of running (see host_options.h):
//   RunHost         lays out the working folder, loads Stats.dll from it and
//                   drives it with a log as the logging host does, then prints
//                   the report, the answers, the files and the call timing;
//   ServeAutomation registers the host's automation object alone and keeps it
//                   until standard input ends, then prints what it was asked.
// Both return the process's exit code: 0 success, 1 an expectation not met,
// 2 the run could not be made.
#ifndef STATS_TOOLS_HOST_HOST_SESSION_H_
#define STATS_TOOLS_HOST_HOST_SESSION_H_

#include "tools/host/host_options.h"

namespace host {

int RunHost(const HostOptions& options);
int ServeAutomation(const HostOptions& options);

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_SESSION_H_
