// stats-host.exe: the stand-in logging host. It lays out a working folder as
// the host keeps it, loads Stats.dll from there and plays a Cabrillo log
// through it call by call, with the host's automation object running, so the
// library can be tried and measured under the conditions it is made for.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "tools/host/host_options.h"
#include "tools/host/host_session.h"

int main(int argc, char** argv) {
  // The report is printed as the plug-in returns it, CR LF included.
  _setmode(_fileno(stdout), _O_BINARY);
  host::HostOptions options;
  std::string error;
  if (argc < 2 || !host::ParseOptions(argc, argv, options, &error)) {
    if (!error.empty()) std::fprintf(stderr, "stats-host: %s\n", error.c_str());
    std::fputs(host::Usage(), stderr);
    return 2;
  }
  return options.serve ? host::ServeAutomation(options) : host::RunHost(options);
}
