// The two file operations the plug-in needs beyond the C library: a directory
// search and a replace-in-one-step. Each build links its own implementation
// (Win32 in the DLL, POSIX natively).
#ifndef STATS_ENGINE_FILE_SYSTEM_H_
#define STATS_ENGINE_FILE_SYSTEM_H_

#include <string>
#include <vector>

// Names (without folder) of the files that match `pattern`, a path whose last
// component may hold '*' wildcards ("C:\\Qalo\\*.ini"), in the order the
// platform's directory search returns them. No match, or no such folder, gives
// an empty list.
std::vector<std::string> FindFiles(const std::string& pattern);

// Replaces `target` by `source` in one step (target may exist). On failure
// both files are left as they were and the answer is false.
bool ReplaceFileWith(const std::string& source, const std::string& target);

#endif  // STATS_ENGINE_FILE_SYSTEM_H_
