#include "tools/cty/cty_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/text/text_utils.h"

namespace {

using tools_text::IsBlank;
using tools_text::IsDigit;
using tools_text::Trim;
using tools_text::Upper;

// A CQ zone as the file writes it ("05", "40"); 0 when it is none.
int ZoneValue(const std::string& text) {
  if (text.empty() || text.size() > 2) return 0;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + (c - '0');
  }
  return (value >= 1 && value <= 40) ? value : 0;
}

bool IsContinent(const std::string& text) {
  for (const char* c : {"AF", "AN", "AS", "EU", "NA", "OC", "SA"})
    if (text == c) return true;
  return false;
}

std::string LineError(std::size_t line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// Portable and similar suffixes that say nothing about the country.
bool IsIgnoredSuffix(const std::string& part) {
  for (const char* s : {"P", "M", "AM", "QRP", "QRPP", "A", "B"})
    if (part == s) return true;
  return false;
}

}  // namespace

bool CtyFile::Load(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *this = CtyFile();
    if (error) *error = path + ": cannot be read";
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (Parse(text, error)) return true;
  if (error) *error = path + ": " + *error;
  return false;
}

bool CtyFile::Parse(const std::string& text, std::string* error) {
  *this = CtyFile();
  auto fail = [&](std::size_t line, const std::string& what) {
    *this = CtyFile();
    if (error) *error = LineError(line, what);
    return false;
  };

  bool inAliases = false;
  std::size_t headerLine = 0;
  std::size_t lineNumber = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Trim(line).empty()) continue;

    if (!inAliases) {
      // Header: eight fields, each ended by ':'.
      std::vector<std::string> fields;
      std::size_t from = 0;
      for (int i = 0; i < 8; ++i) {
        const std::size_t colon = line.find(':', from);
        if (colon == std::string::npos) return fail(lineNumber, "entity header needs eight fields ended by ':'");
        fields.push_back(Trim(line.substr(from, colon - from)));
        from = colon + 1;
      }
      if (!Trim(line.substr(from)).empty()) return fail(lineNumber, "text after the primary prefix");
      CtyEntity entity;
      entity.name = fields[0];
      entity.cqZone = ZoneValue(fields[1]);
      if (entity.cqZone == 0) return fail(lineNumber, "CQ zone \"" + fields[1] + "\" is not 1 to 40");
      entity.continent = fields[3];
      if (!IsContinent(entity.continent))
        return fail(lineNumber, "continent \"" + fields[3] + "\" is unknown");
      // Written forms such as "GM/s" keep their own spelling.
      entity.prefix = fields[7];
      if (!entity.prefix.empty() && entity.prefix[0] == '*') {
        entity.waeOnly = true;
        entity.prefix.erase(0, 1);
      }
      if (entity.prefix.empty()) return fail(lineNumber, "primary prefix is empty");
      if (entity.name.empty()) return fail(lineNumber, "entity name is empty");
      m_entities.push_back(entity);
      inAliases = true;
      headerLine = lineNumber;
      continue;
    }

    // A ':' cannot occur in an alias: the record before lacks its ';'.
    if (line.find(':') != std::string::npos)
      return fail(lineNumber, "entity \"" + m_entities.back().name + "\" (line " +
                                  std::to_string(headerLine) + ") is not ended by ';'");

    // Alias list: tokens separated by ',', the record ended by ';'; a line end
    // also ends a token.
    std::size_t i = 0;
    while (i < line.size() && inAliases) {
      std::size_t stop = line.find_first_of(",;", i);
      if (stop == std::string::npos) stop = line.size();
      const std::string token = Trim(line.substr(i, stop - i));
      if (stop < line.size() && line[stop] == ';') inAliases = false;
      i = stop + 1;
      if (token.empty()) continue;

      std::size_t t = 0;
      const bool wholeCall = token[0] == '=';
      if (wholeCall) ++t;
      const std::size_t nameEnd = std::min(token.find_first_of("([<{~", t), token.size());
      const std::string name = Upper(Trim(token.substr(t, nameEnd - t)));
      if (name.empty()) return fail(lineNumber, "alias \"" + token + "\" has no prefix");
      for (char c : name)
        if (!(IsDigit(c) || (c >= 'A' && c <= 'Z') || c == '/'))
          return fail(lineNumber, "alias \"" + token + "\" has a character that is no call sign's");

      Alias alias;
      alias.entity = m_entities.size() - 1;
      for (t = nameEnd; t < token.size();) {
        const char open = token[t];
        const char close = open == '(' ? ')' : open == '[' ? ']' : open == '<' ? '>' : open == '{' ? '}'
                                                                    : open == '~' ? '~' : '\0';
        const std::size_t shut = close ? token.find(close, t + 1) : std::string::npos;
        if (shut == std::string::npos)
          return fail(lineNumber, "alias \"" + token + "\" has an unterminated or unknown override");
        const std::string value = token.substr(t + 1, shut - t - 1);
        if (open == '(') {
          alias.cqZone = ZoneValue(value);
          if (alias.cqZone == 0) return fail(lineNumber, "alias \"" + token + "\": CQ zone is not 1 to 40");
        } else if (open == '{') {
          if (!IsContinent(value)) return fail(lineNumber, "alias \"" + token + "\": continent is unknown");
          alias.continent = value;
        }
        t = shut + 1;
      }

      // The first entity to claim an alias keeps it, except that a WAE-only
      // entity takes it from a DXCC one: the file lists such calls under both
      // (Shetland's under Scotland too, Vienna's under Austria too), in either
      // order, and CQ WW counts the WAE entity.
      auto& table = wholeCall ? m_wholeCalls : m_prefixes;
      const auto claimed = table.emplace(name, alias);
      if (!claimed.second && m_entities.back().waeOnly && !m_entities[claimed.first->second.entity].waeOnly)
        claimed.first->second = alias;
      if (!wholeCall) m_longestPrefix = std::max(m_longestPrefix, name.size());
    }
    if (!inAliases && i < line.size() && !Trim(line.substr(i)).empty())
      return fail(lineNumber, "text after the ';' that ends an entity");
  }
  if (inAliases)
    return fail(headerLine, "entity \"" + m_entities.back().name + "\" is not ended by ';'");
  if (m_entities.empty()) return fail(lineNumber, "no entity in the file");
  return true;
}

void CtyFile::Fill(const Alias& alias, CtyResolution& out) const {
  const CtyEntity& entity = m_entities[alias.entity];
  out.prefix = entity.prefix;
  out.continent = alias.continent.empty() ? entity.continent : alias.continent;
  out.cqZone = alias.cqZone ? alias.cqZone : entity.cqZone;
  out.entity = &entity;
}

bool CtyFile::Lookup(const std::string& call, bool wholeCalls, CtyResolution& out) const {
  if (wholeCalls) {
    const auto whole = m_wholeCalls.find(call);
    if (whole != m_wholeCalls.end()) {
      Fill(whole->second, out);
      return true;
    }
  }
  for (std::size_t length = std::min(call.size(), m_longestPrefix); length > 0; --length) {
    const auto found = m_prefixes.find(call.substr(0, length));
    if (found != m_prefixes.end()) {
      Fill(found->second, out);
      return true;
    }
  }
  return false;
}

bool CtyFile::Resolve(const std::string& rawCall, CtyResolution& out) const {
  out = CtyResolution();
  const std::string call = Upper(Trim(rawCall));
  if (call.empty()) return false;

  const auto whole = m_wholeCalls.find(call);
  if (whole != m_wholeCalls.end()) {
    Fill(whole->second, out);
    return true;
  }

  std::vector<std::string> parts;
  std::stringstream split(call);
  for (std::string part; std::getline(split, part, '/');)
    if (!part.empty()) parts.push_back(part);
  if (parts.empty()) return false;

  while (parts.size() > 1 && IsIgnoredSuffix(parts.back())) parts.pop_back();
  if (parts.size() > 1 && parts.back() == "MM") return false;

  std::string joined = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) joined += "/" + parts[i];
  if (joined != call) {
    const auto stripped = m_wholeCalls.find(joined);
    if (stripped != m_wholeCalls.end()) {
      Fill(stripped->second, out);
      return true;
    }
  }

  char areaDigit = 0;
  if (parts.size() > 1 && parts.back().size() == 1 && IsDigit(parts.back()[0])) {
    areaDigit = parts.back()[0];
    parts.pop_back();
  }

  bool found = false;
  if (parts.size() == 1) {
    std::string lookup = parts[0];
    if (areaDigit) {
      // The call's own area digit ends its prefix ("7K1" of 7K1MAG, "9A1" of
      // 9A1DR); a prefix may begin with a digit of its own, which stays.
      const auto last = std::find_if(lookup.rbegin(), lookup.rend(), IsDigit);
      if (last != lookup.rend()) *last = areaDigit;
    }
    found = Lookup(lookup, true, out);
  } else {
    const std::string& first = parts[0];
    const std::string& second = parts[1];
    found = Lookup(second.size() < first.size() ? second : first, false, out);
  }
  if (!found) out = CtyResolution();
  return found;
}
