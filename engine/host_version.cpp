#include "engine/host_version.h"

#include <cstdio>

#include "engine/file_system.h"

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
      version = line.substr(5);
      break;
    }
  }
  std::fclose(file);
}
