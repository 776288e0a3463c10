#include "tools/host/host_log.h"

#include <algorithm>
#include <cstdio>

#include "tools/cabrillo/cabrillo_reader.h"
#include "tools/cty/cty_file.h"

namespace host {

namespace {

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

void ResolveTyping(const CtyFile& cty, const std::string& call, std::vector<TypedCall>& out) {
  out.clear();
  out.reserve(call.size());
  CtyResolution resolved;
  for (std::size_t length = 1; length <= call.size(); ++length) {
    TypedCall typed;
    typed.text = call.substr(0, length);
    if (cty.Resolve(typed.text, resolved)) {
      typed.prefix = resolved.prefix;
      typed.zone = resolved.cqZone;
    }
    out.push_back(typed);
  }
}

bool LoadHostLog(const std::string& path, const CtyFile& cty, HostLog& log, std::string* error) {
  CabrilloFile file;
  if (!ReadCabrilloFile(path, file)) {
    if (error) *error = "cannot read the log " + path;
    return false;
  }
  log = HostLog();
  log.tags = file.tags;
  for (const auto& problem : file.errors) {
    char where[32];
    std::snprintf(where, sizeof where, "line %d: ", problem.line);
    log.problems.push_back(where + problem.message);
  }

  log.ownCall = Upper(Trimmed(file.Tag("CALLSIGN")));
  if (log.ownCall.empty() && !file.qsos.empty()) log.ownCall = file.qsos.front().sentCall;
  CtyResolution resolved;
  if (cty.Resolve(log.ownCall, resolved)) {
    log.ownPrefix = resolved.prefix;
    log.ownContinent = resolved.continent;
  }

  // The contest's mode: the CONTEST tag when it names one, else the mode most
  // QSOs were made in.
  std::string contest = Upper(Trimmed(file.Tag("CONTEST")));
  if (contest == "CQ-WW-CW" || contest == "CQ-WW-SSB") {
    log.cw = contest == "CQ-WW-CW";
    log.modeFromContestTag = true;
  } else {
    long cw = 0, ssb = 0;
    for (const auto& q : file.qsos) {
      cw += q.mode == "CW";
      ssb += q.mode == "SSB";
    }
    log.cw = cw >= ssb;
  }

  log.qsos.reserve(file.qsos.size());
  for (const auto& q : file.qsos) {
    HostQso entry;
    entry.line = q.line;
    PluginQso& qso = entry.qso;
    qso.ownCall = log.ownCall;
    qso.call = q.call;
    qso.time = MakeDate(q.year, q.month, q.day, q.hour, q.minute);
    qso.freqHz = q.freqKhz * 1000u;
    qso.mode = q.mode;
    qso.rstSent = q.rstSent;
    qso.rstRcvd = q.rstRcvd;
    qso.exchSent = q.exchSent;
    qso.exchRcvd = q.exchRcvd;
    qso.band = q.band;
    if (cty.Resolve(q.call, resolved)) {
      qso.prefix = resolved.prefix;
      qso.continent = resolved.continent;
    } else {
      log.unresolved.emplace_back(q.line, q.text);
    }
    log.qsos.push_back(std::move(entry));
  }

  if (!file.qsos.empty()) {
    const CabrilloQso& first = file.qsos.front();
    const CabrilloQso& last = file.qsos.back();
    log.firstDay = MakeDate(first.year, first.month, first.day);
    log.lastDay = MakeDate(last.year, last.month, last.day);
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> HeaderSettings(const HostLog& log) {
  static const struct { const char* tag; const char* key; } kKeys[] = {
      {"NAME", "Name"},
      {"ADDRESS", "Address"},
      {"ADDRESS-CITY", "Address_City"},
      {"ADDRESS-STATE-PROVINCE", "Address_St_Prov"},
      {"ADDRESS-POSTALCODE", "Address_PostalCode"},
      {"ADDRESS-COUNTRY", "Address_Country"},
      {"EMAIL", "Email"},
      {"CLUB", "Club"},
      {"OPERATORS", "Operators"},
  };
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& entry : kKeys) {
    for (const auto& tag : log.tags) {
      if (tag.first == entry.tag) {
        out.emplace_back(entry.key, Trimmed(tag.second));
        break;
      }
    }
  }
  // Several SOAPBOX lines are one soap box, kept with its line breaks coded.
  std::string soapbox;
  int soapboxLines = 0;
  for (const auto& tag : log.tags) {
    if (tag.first != "SOAPBOX") continue;
    if (soapboxLines++) soapbox += "<CR><LF>";
    soapbox += Trimmed(tag.second);
  }
  if (soapboxLines) out.emplace_back("SoapBox", soapbox);
  return out;
}

}  // namespace host
