// IniFileSettings: the settings file of the native build, a plain ini file read
// and written the way the platform's private-profile service does it, so the
// engine behaves the same over either:
//   - the file's path may be written with '\' separators ("Plugins\x.ini");
//     natively they are taken as '/';
//   - section and key names match without regard to letter case, with blanks
//     around names and values ignored, and one pair of matching quotes around
//     a value taken off;
//   - a read returns at most 99 characters; a missing file, section or key
//     reads as the empty text;
//   - a write replaces the key's value in place, or adds the key at the end of
//     its section, or the section at the end of the file; it creates the file
//     (not its folder) and writes CR LF line ends; failures are ignored;
//   - unlike the platform service, the new content goes through
//     ReplaceFileContents (a file "<name>.tmp" beside the old one that then
//     replaces it by name), and a write that changes nothing writes nothing.
// Reads and writes of all instances in the process are serialised, as the
// platform service serialises them for the plug-in's two threads.
#ifndef STATS_PLUGIN_INI_FILE_SETTINGS_H_
#define STATS_PLUGIN_INI_FILE_SETTINGS_H_

#include <mutex>
#include <string>

#include "engine/settings.h"

class IniFileSettings : public Settings {
 public:
  IniFileSettings(const std::string& file, const std::string& section);

  std::string ReadOr(const std::string& key, const std::string& fallback) override;
  void Write(const std::string& key, const std::string& value) override;

  const std::string& path() const { return m_path; }

  // The one lock of the process over the settings file: every read and write
  // here holds it, and so do the DLL's reads through the platform service, so
  // that no read holds the file open while a write replaces it.
  static std::mutex& ProcessLock();

 private:
  bool Find(const std::string& key, std::string* value);

  std::string m_path;
  std::string m_section;
};

#endif  // STATS_PLUGIN_INI_FILE_SETTINGS_H_
