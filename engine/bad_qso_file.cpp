#include "engine/bad_qso_file.h"

#include <cerrno>
#include <vector>

#include "plugin/file_system.h"

const char kVerdictWrongBand[] = "   WRONG BAND !!!";
const char kVerdictWrongMode[] = "   WRONG MODE !!!";
const char kVerdictNoNumber[] = "   NO NUMBER !!!";
const char kVerdictDupe[] = "   DUPE !!!";

namespace {

const char kLineEnd[] = "\r\n";

bool WriteLine(std::FILE* file, const std::string& line) {
  return std::fwrite(line.data(), 1, line.size(), file) == line.size() &&
         std::fputs(kLineEnd, file) >= 0;
}

// The whole file split into lines without their ends. False when the file
// cannot be opened or read; `missing` then tells whether it does not exist.
bool ReadLines(const std::string& path, std::vector<std::string>* lines, bool* missing) {
  *missing = false;
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    *missing = (errno == ENOENT);
    return false;
  }
  std::string content;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
  bool ok = !std::ferror(file);
  std::fclose(file);
  if (!ok) return false;

  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines->push_back(content.substr(start, stop - start));
    start = end + 1;
  }
  return true;
}

}  // namespace

std::string BadQsoHeader(int isCw) {
  return isCw ? "CQ WW CW DX Contest UBN file " : "CQ WW SSB DX Contest UBN file ";
}

std::string BadQsoLine(const QsoArgs& qso, unsigned freqKhz, const COleDateTime& time,
                       const char* verdict) {
  const std::string sep = "  ";
  std::string line = "QSO:  ";
  line += std::to_string(freqKhz);
  line += sep + qso.mode;
  line += sep + time.Format("%Y-%m-%d %H%M");
  line += sep + qso.ownCall;
  line += sep + qso.rstSent;
  line += sep + qso.exchSent;
  line += sep + qso.call;
  line += sep + qso.rstRcvd;
  line += sep + qso.exchRcvd;
  line += verdict;
  return line;
}

BadQsoAppender::BadQsoAppender(const std::string& path)
    : m_file(path.empty() ? nullptr : std::fopen(path.c_str(), "ab")) {}

BadQsoAppender::~BadQsoAppender() {
  if (m_file) std::fclose(m_file);
}

void BadQsoAppender::Append(const std::string& line) {
  if (m_file) WriteLine(m_file, line);
}

void StartBadQsoFile(const std::string& path, int isCw) {
  if (path.empty()) return;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  WriteLine(file, BadQsoHeader(isCw));
  std::fclose(file);
}

void RewriteBadQsoFileWithout(const std::string& path, int isCw, const std::string& call,
                              const std::string& timeKey) {
  if (path.empty()) return;
  std::vector<std::string> lines;
  bool missing = false;
  if (!ReadLines(path, &lines, &missing)) {
    // A file we cannot read may still hold the operator's lines: keep it.
    if (missing) StartBadQsoFile(path, isCw);
    return;
  }

  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return;
  bool ok = WriteLine(file, BadQsoHeader(isCw));
  for (std::size_t i = 1; ok && i < lines.size(); ++i) {
    const std::string& line = lines[i];
    bool belongs = line.find(call) != std::string::npos &&
                   line.find(timeKey) != std::string::npos;
    if (!belongs) ok = WriteLine(file, line);
  }
  ok = (std::fclose(file) == 0) && ok;
  if (!ok || !ReplaceFileWith(temporary, path)) std::remove(temporary.c_str());
}
