#include "engine/host_version.h"

#include <vector>

#include "engine/file_system.h"
#include "engine/settings.h"
#include "engine/text_file.h"

namespace {

const char kHostSettingsFile[] = "Qalo2.ini";

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

  std::vector<std::string> lines;
  if (!ReadTextLines(kHostSettingsFile, &lines)) return;
  for (const std::string& line : lines) {
    if (line.find("Qalo=") != std::string::npos) {
      version = CleanVersion(line.substr(5));
      return;
    }
  }
}
