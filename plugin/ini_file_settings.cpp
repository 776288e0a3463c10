#include "plugin/ini_file_settings.h"

#include <mutex>
#include <vector>

#include "engine/contest_rules.h"
#include "engine/replace_file.h"
#include "engine/text_file.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::vector<std::string> LoadLines(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadTextLines(path, &lines)) lines.clear();
  return lines;
}

// The section name of a "[name]" line, or false for any other line.
bool SectionName(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.empty() || t[0] != '[') return false;
  std::size_t close = t.find(']');
  *name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

// The key and raw value of a "key=value" line, or false for any other line.
bool KeyValue(const std::string& line, std::string* key, std::string* value) {
  std::string t = Trim(line);
  if (t.empty() || t[0] == ';') return false;
  std::size_t equals = t.find('=');
  if (equals == std::string::npos) return false;
  *key = Trim(t.substr(0, equals));
  *value = Trim(t.substr(equals + 1));
  return true;
}

// Where the section's lines are: [first, end) after its header, or first = -1.
void FindSection(const std::vector<std::string>& lines, const std::string& section, int* first,
                 int* end) {
  *first = -1;
  *end = static_cast<int>(lines.size());
  std::string name;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (!SectionName(lines[i], &name)) continue;
    if (*first >= 0) {
      *end = i;
      return;
    }
    if (EqualsIgnoreCase(name, section)) *first = i + 1;
  }
}

}  // namespace

std::mutex& IniFileSettings::ProcessLock() {
  static std::mutex lock;
  return lock;
}

IniFileSettings::IniFileSettings(const std::string& file, const std::string& section)
    : m_path(file), m_section(section) {
  for (char& c : m_path)
    if (c == '\\') c = '/';
}

bool IniFileSettings::Find(const std::string& key, std::string* value) {
  std::lock_guard<std::mutex> guard(ProcessLock());
  std::vector<std::string> lines = LoadLines(m_path);
  int first, end;
  FindSection(lines, m_section, &first, &end);
  if (first < 0) return false;
  std::string name;
  for (int i = first; i < end; ++i) {
    if (!KeyValue(lines[i], &name, value) || !EqualsIgnoreCase(name, Trim(key))) continue;
    if (value->size() >= 2 && ((*value)[0] == '"' || (*value)[0] == '\'') &&
        value->back() == (*value)[0])
      *value = value->substr(1, value->size() - 2);
    return true;
  }
  return false;
}

std::string IniFileSettings::ReadOr(const std::string& key, const std::string& fallback) {
  std::string value;
  if (!Find(key, &value)) value = fallback;
  if (value.size() > static_cast<std::size_t>(kMaxValueLength)) value.resize(kMaxValueLength);
  return value;
}

void IniFileSettings::Write(const std::string& key, const std::string& value) {
  std::lock_guard<std::mutex> guard(ProcessLock());
  std::vector<std::string> lines;
  bool missing = false;
  // A file that is there but cannot be read holds keys we cannot see: it is
  // left as it is rather than replaced by one that lacks them.
  if (!ReadTextLines(m_path, &lines, &missing) && !missing) return;
  const std::vector<std::string> before = lines;
  int first, end;
  FindSection(lines, m_section, &first, &end);
  const std::string wanted = Trim(key);
  if (first < 0) {
    lines.push_back("[" + m_section + "]");
    lines.push_back(wanted + "=" + value);
  } else {
    bool replaced = false;
    std::string name, old;
    int last = first - 1;  // the section's last non-empty line
    for (int i = first; i < end && !replaced; ++i) {
      if (!Trim(lines[i]).empty()) last = i;
      if (KeyValue(lines[i], &name, &old) && EqualsIgnoreCase(name, wanted)) {
        lines[i] = name + "=" + value;
        replaced = true;
      }
    }
    if (!replaced) lines.insert(lines.begin() + last + 1, wanted + "=" + value);
  }

  if (lines == before && !before.empty()) return;

  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  // The old file stays whole until the new one is complete; a failure is
  // ignored, as the platform service ignores it.
  ReplaceFileContents(m_path, text);
}
