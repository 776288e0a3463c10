// Settings: the plug-in's settings file, one key at a time, in the section
// given at construction. A read returns at most 99 characters; a missing key
// reads as the empty text, or as the default where one is given (a key that
// is present but empty reads as empty all the same). Writes create the file
// and the section as needed; their failures are ignored. A write replaces the
// whole file in one step, so that a crash at any moment leaves either the old
// or the new file, never a truncated one: it holds the operator's header.
//
// In the DLL, reads go through the platform's private-profile service and
// writes through the plug-in's own ini-file writer, both serialised across the
// plug-in's two threads; natively that ini-file implementation does both, with
// the same read-back behaviour.
#ifndef STATS_ENGINE_SETTINGS_H_
#define STATS_ENGINE_SETTINGS_H_

#include <string>

class Settings {
 public:
  static constexpr int kMaxValueLength = 99;

  virtual ~Settings() = default;
  // The key's value, or `fallback` when the key is missing.
  virtual std::string ReadOr(const std::string& key, const std::string& fallback) = 0;
  std::string Read(const std::string& key) { return ReadOr(key, std::string()); }
  virtual void Write(const std::string& key, const std::string& value) = 0;

  // The value as a decimal number, the way atoi reads it (0 when missing).
  int ReadInt(const std::string& key);
  // A value as ReadInt converts it.
  static int ToInt(const std::string& value);
  void WriteInt(const std::string& key, int value);
};

#endif  // STATS_ENGINE_SETTINGS_H_
