// CtyFile: the country file in CTY.DAT form, and the resolution of a call sign
// to what the host hands the plug-in with every QSO: the DXCC country prefix,
// the continent and the CQ zone.
//
// The file: one record per entity, a header line of eight fields each ended by
// ':' (name, CQ zone, ITU zone, continent, latitude, longitude, time offset,
// primary prefix), then alias prefixes separated by ',' over any number of
// lines, the last ended by ';'. An alias starting with '=' is a whole call that
// must match exactly. After an alias, "(n)" overrides the CQ zone and "{XX}" the
// continent; "[n]" (ITU zone), "<lat/lon>" and "~offset~" are read and dropped.
//
// Country prefix: the entity's primary prefix as the file writes it ("K", "VE",
// "UA9", "3D2/c"). An entity that counts on the WAE list only is marked '*' in
// the file ("*4U1V", "*GM/s", "*IT9", "*JW/b", "*TA1"); CQ WW counts these as
// countries of their own, so they keep that prefix without the '*' ("IT9"),
// and `waeOnly` says where it came from. The file lists the calls of a WAE
// entity under its DXCC entity as well; the WAE entity wins them. Otherwise the
// first entity to list an alias keeps it.
//
// Resolution of a call (upper-cased, blanks around it dropped):
// 1. A whole-call entry equal to the call as written wins ("N2NL/MM").
// 2. Trailing portable suffixes are dropped: "/P", "/M", "/AM", "/QRP",
//    "/QRPP", "/A", "/B". A whole-call entry equal to what is left wins.
// 3. "/MM" at the end (maritime mobile) is in no country: the call does not
//    resolve, unless step 1 found it.
// 4. A single digit at the end replaces the call's area digit, the last digit
//    of the call, which ends its prefix, for the look-up ("W1AW/7" is looked
//    up as "W7AW", "7K1MAG/2" as "7K2MAG", "9A1DR/3" as "9A3DR"); a call
//    without a digit is looked up unchanged.
// 5. Two parts left: the shorter is the country prefix and is looked up alone
//    ("DL/K1ABC" and "K1ABC/DL" look up "DL"); with equal lengths the first
//    part is the prefix. More than two parts: the first two are used so.
// 6. The look-up call: a whole-call entry equal to it, else the longest alias
//    prefix it starts with. Nothing matching: the call does not resolve.
// Zone and continent come from the matching alias's overrides, else from the
// entity's header.
#ifndef STATS_TOOLS_CTY_CTY_FILE_H_
#define STATS_TOOLS_CTY_CTY_FILE_H_

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

struct CtyEntity {
  std::string name;       // "Fed. Rep. of Germany"
  std::string prefix;     // primary prefix without the WAE mark: "DL", "IT9"
  std::string continent;  // "EU"
  int cqZone = 0;
  bool waeOnly = false;   // the file marked the primary prefix with '*'
};

struct CtyResolution {
  std::string prefix;     // the entity's primary prefix
  std::string continent;  // after the alias's override
  int cqZone = 0;         // after the alias's override
  const CtyEntity* entity = nullptr;  // points into the CtyFile that resolved it
};

class CtyFile {
 public:
  // Reads and parses the file. False when it cannot be read or is malformed;
  // `error` then names the file and the line. A failed load leaves the object
  // empty.
  bool Load(const std::string& path, std::string* error);

  // Parses file content (CR LF or LF line ends). Same failure rules as Load,
  // with "line N" in `error`.
  bool Parse(const std::string& text, std::string* error);

  // True and `out` filled when the call resolves; false and `out` emptied
  // otherwise (unknown prefix, maritime mobile, empty call).
  bool Resolve(const std::string& call, CtyResolution& out) const;

  const std::vector<CtyEntity>& Entities() const { return m_entities; }

 private:
  struct Alias {
    std::size_t entity = 0;
    int cqZone = 0;         // 0: the entity's
    std::string continent;  // empty: the entity's
  };

  bool Lookup(const std::string& call, bool wholeCalls, CtyResolution& out) const;
  void Fill(const Alias& alias, CtyResolution& out) const;

  std::vector<CtyEntity> m_entities;
  std::unordered_map<std::string, Alias> m_prefixes;
  std::unordered_map<std::string, Alias> m_wholeCalls;
  std::size_t m_longestPrefix = 0;
};

#endif  // STATS_TOOLS_CTY_CTY_FILE_H_
