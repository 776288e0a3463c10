// ProfileSettings: the DLL's Settings, over the platform's private-profile
// service (GetPrivateProfileStringA / WritePrivateProfileStringA), which
// serialises the accesses of the plug-in's two threads itself.
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

  std::string Read(const std::string& key) override;
  void Write(const std::string& key, const std::string& value) override;

  // The file as the next access will name it.
  std::string FullPath() const;

 private:
  std::string m_file;
  std::string m_section;
};

#endif  // STATS_PLUGIN_PROFILE_SETTINGS_H_
