#include "engine/bad_qso_file.h"

#include <string_view>

#include "engine/replace_file.h"
#include "engine/text_file.h"

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

}  // namespace

std::string BadQsoFileName(const std::string& fileDate) {
  return "BadQSO_ZerodEZIDEDOVE_" + fileDate + ".txt";
}

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

bool BadQsoLineBelongsTo(std::string_view line, std::string_view call,
                         std::string_view timeKey) {
  return line.find(call) != std::string_view::npos &&
         line.find(timeKey) != std::string_view::npos;
}

void BadQsoFile::Append(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  if (m_file && path != m_path) Release();
  if (!m_file) {
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file) return;
    m_path = path;
  }
  // A failed line is lost, as the format allows; the next one tries again.
  WriteLine(m_file, line);
  std::fflush(m_file);
}

void BadQsoFile::Release() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  m_path.clear();
}

void BadQsoFile::Start(const std::string& path, int isCw) {
  Release();
  if (path.empty()) return;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  WriteLine(file, BadQsoHeader(isCw));
  std::fclose(file);
}

void BadQsoFile::RewriteWithout(const std::string& path, int isCw, const std::string& call,
                                const std::string& timeKey) {
  Release();
  if (path.empty()) return;
  std::string old;
  bool missing = false;
  if (!ReadTextFile(path, &old, &missing)) {
    // A file we cannot read may still hold the operator's lines: keep it.
    if (missing) Start(path, isCw);
    return;
  }
  std::string content = BadQsoHeader(isCw) + kLineEnd;
  content.reserve(old.size() + 2);
  bool header = true;
  ForEachTextLine(old, [&](std::string_view line) {
    if (header) {
      header = false;
      return;
    }
    if (BadQsoLineBelongsTo(line, call, timeKey)) return;
    content += line;
    content += kLineEnd;
  });
  // Most removals are of a QSO that has no line here: the file stays as it is.
  if (content == old) return;

  // A failed rewrite keeps the old file; the next removal tries again.
  ReplaceFileContents(path, content);
}
