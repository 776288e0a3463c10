// MemorySettings: the settings file of the report tests, held in memory. Reads
// come back cut to 99 characters like the real service's; every write is also
// recorded in order, so a test can see which keys a step wrote.
#ifndef STATS_TESTS_REPORTS_MEMORY_SETTINGS_H_
#define STATS_TESTS_REPORTS_MEMORY_SETTINGS_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/settings.h"

class MemorySettings : public Settings {
 public:
  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> writes;

  std::string ReadOr(const std::string& key, const std::string& fallback) override {
    auto it = values.find(key);
    return (it == values.end() ? fallback : it->second).substr(0, kMaxValueLength);
  }
  void Write(const std::string& key, const std::string& value) override {
    values[key] = value;
    writes.emplace_back(key, value);
  }

  std::vector<std::string> WrittenKeys() const {
    std::vector<std::string> keys;
    for (const auto& w : writes) keys.push_back(w.first);
    return keys;
  }
};

#endif  // STATS_TESTS_REPORTS_MEMORY_SETTINGS_H_
