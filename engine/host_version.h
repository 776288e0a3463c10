// Host version detection: the host announces its version only in its own
// settings file "Qalo2.ini", on the line that holds "Qalo=".
//
// DetectHostVersion lists "<folderPrefix>*.ini" in directory order. Without a
// file whose name contains "Qalo2.ini" (case-sensitive substring) the version
// is "Qalo". With one, the bare name "Qalo2.ini" is opened relative to the
// current folder, the host's working folder, not in the searched folder; the
// first line holding "Qalo=" anywhere gives the version, from that line's
// sixth character on (whatever stands before "Qalo="), its control characters
// dropped and cut to 99 characters, as every setting is read. A file that
// cannot be opened, or has no such line, leaves `version` as it was.
#ifndef STATS_ENGINE_HOST_VERSION_H_
#define STATS_ENGINE_HOST_VERSION_H_

#include <string>

void DetectHostVersion(const std::string& folderPrefix, std::string& version);

#endif  // STATS_ENGINE_HOST_VERSION_H_
