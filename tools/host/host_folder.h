// The host's working folder, laid out as the logging host keeps it:
//   <folder>\Qalo2.ini                  the host's own settings, "Qalo=<version>"
//   <folder>\Plugins\CQ-WW-CW-SSB.ini   the plug-in's settings, section Settings
//   <folder>\Plugins\Stats.dll          the plug-in, copied from the build
// Files of an earlier run that the plug-in writes (bad-QSO files, Cabrillo
// files) are deleted first, so each run starts from the same folder. A test
// may leave out either settings file (a host that has none, a plug-in that
// was never run) and the copy (it loads the plug-in from the build).
#ifndef STATS_TOOLS_HOST_HOST_FOLDER_H_
#define STATS_TOOLS_HOST_HOST_FOLDER_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

struct FolderLayout {
  std::string folder;                       // as given; created with its parents
  std::optional<std::string> hostVersion;   // the text after "Qalo="; none: no Qalo2.ini
  std::string dllSource;                    // the Stats.dll to copy; empty: no copy
  std::vector<std::pair<std::string, std::string>> settings;  // plug-in keys
  bool pluginSettingsFile = true;           // false: no CQ-WW-CW-SSB.ini (and no keys)
};

struct PreparedFolder {
  std::string fullPath;      // absolute, no trailing separator
  std::string folderPrefix;  // fullPath + "\", as ResetStats0 takes it
  std::string dllPath;       // absolute path of the copied Stats.dll, or empty
};

// False with `error` when a folder or file cannot be made.
bool PrepareFolder(const FolderLayout& layout, PreparedFolder& out, std::string* error);

// Deletes the folder with everything in it; false when something stays.
bool RemoveFolder(const std::string& folder);

// Names (not paths) of the files in `folder` that match `pattern` ("*.cbr").
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& pattern);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& out);
bool WriteWholeFile(const std::string& path, const std::string& content);

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_FOLDER_H_
