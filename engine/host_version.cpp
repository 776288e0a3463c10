#include "engine/host_version.h"

#include <vector>

#include "engine/file_system.h"
#include "engine/text_file.h"

namespace {

const char kHostSettingsFile[] = "Qalo2.ini";

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
      version = line.substr(5);
      return;
    }
  }
}
