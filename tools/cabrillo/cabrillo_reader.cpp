#include "tools/cabrillo/cabrillo_reader.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/text/text_utils.h"

namespace {

using tools_text::IsBlank;
using tools_text::IsDigit;
using tools_text::Trim;
using tools_text::Upper;

// Digits only, at most nine of them; -1 otherwise.
long Digits(const std::string& text) {
  if (text.empty() || text.size() > 9) return -1;
  long value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool ParseFrequency(const std::string& text, unsigned& khz) {
  const std::size_t dot = text.find('.');
  const long whole = Digits(text.substr(0, dot));
  if (whole < 0) return false;
  if (dot != std::string::npos && Digits(text.substr(dot + 1)) < 0) return false;
  khz = static_cast<unsigned>(whole);
  return true;
}

bool ParseDate(const std::string& text, CabrilloQso& qso) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const long year = Digits(text.substr(0, 4));
  const long month = Digits(text.substr(5, 2));
  const long day = Digits(text.substr(8, 2));
  if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  qso.year = static_cast<int>(year);
  qso.month = static_cast<int>(month);
  qso.day = static_cast<int>(day);
  return true;
}

bool ParseTime(const std::string& text, CabrilloQso& qso) {
  if (text.size() != 4) return false;
  const long hour = Digits(text.substr(0, 2));
  const long minute = Digits(text.substr(2, 2));
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  qso.hour = static_cast<int>(hour);
  qso.minute = static_cast<int>(minute);
  return true;
}

std::string Exchange(const std::string& field) { return field == "-" ? std::string() : field; }

// One QSO line's fields after "QSO:"; an empty text when it fits, else why not.
std::string ReadQso(const std::vector<std::string>& f, CabrilloQso& qso) {
  if (f.size() != 10 && f.size() != 11)
    return "QSO line has " + std::to_string(f.size()) +
           " fields; the CQ WW template has 10, or 11 with the transmitter";
  if (!ParseFrequency(f[0], qso.freqKhz)) return "frequency \"" + f[0] + "\" is not a number of kHz";
  qso.band = BandOfKhz(qso.freqKhz);
  const std::string mode = Upper(f[1]);
  qso.mode = mode == "PH" ? "SSB" : mode;
  if (!ParseDate(f[2], qso)) return "date \"" + f[2] + "\" is not yyyy-mm-dd";
  if (!ParseTime(f[3], qso)) return "time \"" + f[3] + "\" is not hhmm";
  qso.sentCall = f[4];
  qso.rstSent = f[5];
  qso.exchSent = Exchange(f[6]);
  qso.call = f[7];
  qso.rstRcvd = f[8];
  qso.exchRcvd = Exchange(f[9]);
  if (f.size() == 11) qso.transmitter = f[10];
  return std::string();
}

}  // namespace

std::string CabrilloFile::Tag(const std::string& name) const {
  const std::string wanted = Upper(name);
  for (const auto& tag : tags)
    if (tag.first == wanted) return tag.second;
  return std::string();
}

std::string BandOfKhz(unsigned khz) {
  struct Range {
    unsigned low, high;
    const char* name;
  };
  static const Range kBands[] = {
      {1800, 2000, "160m"},    {3500, 4000, "80m"},     {5250, 5450, "60m"},
      {7000, 7300, "40m"},     {10100, 10150, "30m"},   {14000, 14350, "20m"},
      {18068, 18168, "17m"},   {21000, 21450, "15m"},   {24890, 24990, "12m"},
      {28000, 29700, "10m"},   {50000, 54000, "6m"},    {144000, 148000, "2m"},
      // Cabrillo's band designators for VHF.
      {50, 50, "6m"},          {144, 144, "2m"},
  };
  for (const Range& band : kBands)
    if (khz >= band.low && khz <= band.high) return band.name;
  return "?m";
}

CabrilloFile ParseCabrillo(const std::string& text) {
  CabrilloFile log;
  bool started = false;
  int lineNumber = 0;
  // A byte-order mark that an editor put before the first tag is no text.
  const char kByteOrderMark[] = "\xEF\xBB\xBF";
  std::size_t pos = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++lineNumber;
    if (line.empty()) continue;

    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) {
      log.errors.push_back({lineNumber, "line has no tag"});
      continue;
    }
    const std::string tag = Upper(Trim(line.substr(0, colon)));
    const std::string value = Trim(line.substr(colon + 1));
    if (tag == "START-OF-LOG") {
      started = true;
      log.version = value;
      continue;
    }
    if (tag == "END-OF-LOG" || tag == "X-QSO") continue;
    if (tag != "QSO") {
      log.tags.emplace_back(tag, value);
      continue;
    }

    std::vector<std::string> fields;
    std::istringstream words(value);
    for (std::string word; words >> word;) fields.push_back(word);
    CabrilloQso qso;
    qso.line = lineNumber;
    qso.text = line;
    const std::string problem = ReadQso(fields, qso);
    if (problem.empty())
      log.qsos.push_back(qso);
    else
      log.errors.push_back({lineNumber, problem});
  }
  if (!started) log.errors.insert(log.errors.begin(), {1, "no START-OF-LOG line"});
  return log;
}

bool ReadCabrilloFile(const std::string& path, CabrilloFile& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    out = CabrilloFile();
    return false;
  }
  out = ParseCabrillo(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  return true;
}
