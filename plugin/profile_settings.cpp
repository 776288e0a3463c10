#include "plugin/profile_settings.h"

#include <windows.h>

#include <mutex>
#include <vector>

#include "plugin/ini_file_settings.h"

ProfileSettings::ProfileSettings(const std::string& file, const std::string& section)
    : m_file(file), m_section(section) {}

std::string ProfileSettings::FullPath() const {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetFullPathNameA(m_file.c_str(), static_cast<DWORD>(buffer.size()),
                                    buffer.data(), nullptr);
    if (length == 0) return m_file;  // keep the relative name rather than lose the key
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length);  // too small: length is the size it needs
  }
}

std::string ProfileSettings::ReadOr(const std::string& key, const std::string& fallback) {
  std::lock_guard<std::mutex> hold(IniFileSettings::ProcessLock());
  // The service gives the default for a missing key only; a present but
  // empty one reads as empty.
  char value[kMaxValueLength + 1];
  DWORD length = GetPrivateProfileStringA(m_section.c_str(), key.c_str(), fallback.c_str(),
                                          value, sizeof value, FullPath().c_str());
  return std::string(value, length);
}

void ProfileSettings::Write(const std::string& key, const std::string& value) {
  // Under IniFileSettings::ProcessLock, which the write takes itself.
  IniFileSettings(FullPath(), m_section).Write(key, value);
}
