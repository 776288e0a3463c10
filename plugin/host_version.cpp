#include "plugin/host_version.h"

#include <cstdio>

#include "plugin/file_system.h"
#include "plugin/settings.h"

namespace {

const char kHostSettingsFile[] = "Qalo2.ini";

// One line without its end (LF or CR LF); false at the end of the file.
bool ReadLine(std::FILE* file, std::string* line) {
  line->clear();
  int c;
  bool any = false;
  while ((c = std::fgetc(file)) != EOF) {
    any = true;
    if (c == '\n') break;
    line->push_back(static_cast<char>(c));
  }
  if (!line->empty() && line->back() == '\r' && c == '\n') line->pop_back();
  return any;
}

// The version ends up in the Cabrillo file's CREATED-BY line: control
// characters would break that line, and it is bounded as every setting is.
std::string CleanVersion(const std::string& text) {
  std::string clean;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) continue;
    clean.push_back(c);
    if (clean.size() == static_cast<std::size_t>(Settings::kMaxValueLength)) break;
  }
  return clean;
}

}  // namespace

void DetectHostVersion(const std::string& folderPrefix, std::string& version) {
  bool found = false;
  for (const std::string& name : FindFiles(folderPrefix + "*.ini")) {
    if (name.find(kHostSettingsFile) != std::string::npos) {
      found = true;
      break;
    }
  }
  if (!found) {
    version = "Qalo";
    return;
  }

  std::FILE* file = std::fopen(kHostSettingsFile, "rb");
  if (!file) return;
  std::string line;
  while (ReadLine(file, &line)) {
    if (line.find("Qalo=") != std::string::npos) {
      version = CleanVersion(line.substr(5));
      break;
    }
  }
  std::fclose(file);
}
