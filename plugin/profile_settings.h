// ProfileSettings: the DLL's Settings. Reads go through the platform's
// private-profile service (GetPrivateProfileStringA); writes do not, because
// the service rewrites the file in place and a crash of the host in the middle
// of that leaves it empty: they go through IniFileSettings, which writes a
// copy beside the file and replaces the file by name in one step. Every read
// and write of the process is serialised by one lock, so the user-interface
// thread's writes and the host thread's never meet, and no read holds the file
// open while a write replaces it.
//
// The file is named relative to the current folder (the host's working
// folder) and is resolved to a full path at every access: the service would
// look for a bare relative name in the Windows folder instead.
#ifndef STATS_PLUGIN_PROFILE_SETTINGS_H_
#define STATS_PLUGIN_PROFILE_SETTINGS_H_

#include <string>

#include "engine/settings.h"

class ProfileSettings : public Settings {
 public:
  ProfileSettings(const std::string& file, const std::string& section);

  std::string ReadOr(const std::string& key, const std::string& fallback) override;
  void Write(const std::string& key, const std::string& value) override;

  // The file as the next access will name it.
  std::string FullPath() const;

 private:
  std::string m_file;
  std::string m_section;
};

#endif  // STATS_PLUGIN_PROFILE_SETTINGS_H_
