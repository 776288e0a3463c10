// Settings: the plug-in's settings file, one key at a time, in the section
// given at construction. A read returns at most 99 characters; a missing key
// reads as the empty text. Writes create the file and the section as needed;
// their failures are ignored.
//
// In the DLL this is the platform's private-profile service, which both of the
// plug-in's threads share safely; natively a small ini-file implementation with
// the same read-back behaviour.
#ifndef STATS_ENGINE_SETTINGS_H_
#define STATS_ENGINE_SETTINGS_H_

#include <string>

class Settings {
 public:
  static constexpr int kMaxValueLength = 99;

  virtual ~Settings() = default;
  virtual std::string Read(const std::string& key) = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;

  // The value as a decimal number, the way atoi reads it (0 when missing).
  int ReadInt(const std::string& key);
  // A value as ReadInt converts it.
  static int ToInt(const std::string& value);
  void WriteInt(const std::string& key, int value);
};

#endif  // STATS_ENGINE_SETTINGS_H_
