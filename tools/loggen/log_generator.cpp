#include "tools/loggen/log_generator.h"

#include <cstdio>
#include <fstream>
#include <unordered_set>

#include "tools/cty/cty_file.h"

#include "tools/text/text_utils.h"

namespace {

constexpr int kMinutes = 48 * 60;

// SplitMix64: small, fast and the same everywhere, unlike the standard
// library's distributions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1 (the modulo bias is far below anything a log could show).
  std::uint32_t Below(std::uint64_t n) { return n ? static_cast<std::uint32_t>(Next() % n) : 0; }
  int Between(int low, int high) { return low + static_cast<int>(Below(high - low + 1)); }
  bool PerMille(int chance) { return static_cast<int>(Below(1000)) < chance; }

 private:
  std::uint64_t m_state;
};

enum Band { k160, k80, k40, k20, k15, k10, kBands };

struct SubBand {
  unsigned low, high;
};
const SubBand kCwSegments[kBands] = {{1810, 1860},   {3500, 3570},   {7000, 7060},
                                     {14000, 14070}, {21000, 21070}, {28000, 28070}};
const SubBand kSsbSegments[kBands] = {{1843, 1900},   {3600, 3800},   {7060, 7200},
                                      {14150, 14340}, {21200, 21440}, {28400, 28800}};

// A rough local time is all the band plan needs.
int LocalOffsetHours(const std::string& continent) {
  if (continent == "EU") return 1;
  if (continent == "NA") return -5;
  if (continent == "SA") return -3;
  if (continent == "AF") return 2;
  if (continent == "AS") return 7;
  if (continent == "OC") return 10;
  return 0;
}

// Weights of the bands per local hour: low bands at night, high bands by day.
Band PickBand(Random& random, int localHour) {
  static const int kNight[kBands] = {2, 4, 4, 1, 0, 0};
  static const int kMorning[kBands] = {0, 1, 3, 4, 1, 0};
  static const int kDay[kBands] = {0, 0, 0, 3, 4, 4};
  static const int kAfternoon[kBands] = {0, 0, 1, 4, 3, 2};
  static const int kEvening[kBands] = {1, 3, 4, 2, 0, 0};
  const int* weights = localHour < 6 ? kNight : localHour < 9 ? kMorning : localHour < 15 ? kDay
                       : localHour < 18 ? kAfternoon : kEvening;
  int total = 0;
  for (int b = 0; b < kBands; ++b) total += weights[b];
  int pick = static_cast<int>(random.Below(total));
  for (int b = 0; b < kBands; ++b) {
    if (pick < weights[b]) return static_cast<Band>(b);
    pick -= weights[b];
  }
  return k20;
}

// Civil dates as days since 1970-01-01 and back (proleptic Gregorian).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = static_cast<int>(y - era * 400);
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = static_cast<int>(z - era * 146097);
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int>(yoe + era * 400) + (m <= 2);
}

using tools_text::Upper;

struct Stretch {
  Band band = k20;
  bool run = false;
  unsigned runFreq = 0;
};

// What the country file says of a call of the list, looked up once.
struct Station {
  enum State : char { kUnknown, kResolved, kUnresolvable } state = kUnknown;
  int zone = 0;
  bool ownContinent = false;
};

enum Kind : char { kNormal, kWarc, kMissingZone, kOtherMode };

}  // namespace

std::vector<std::string> ReadCallList(const std::string& path) {
  std::vector<std::string> calls;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    std::size_t begin = 0, end = line.size();
    while (begin < end && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
    while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) --end;
    if (begin == end || line[begin] == '#') continue;
    calls.push_back(Upper(line.substr(begin, end - begin)));
  }
  return calls;
}

bool GenerateLog(const LogGeneratorOptions& options, const CtyFile& cty,
                 const std::vector<std::string>& calls, std::string& out,
                 LogGeneratorCounts* countsOut, std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    return false;
  };
  out.clear();
  LogGeneratorCounts counts;
  if (options.qsos < 0) return fail("the number of QSOs cannot be negative");

  const std::string own = Upper(options.ownCall.empty() ? (options.cw ? "OK1XYZ" : "K1XYZ")
                                                        : options.ownCall);
  CtyResolution ownCountry;
  if (!cty.Resolve(own, ownCountry)) return fail("own call " + own + " is in no country of the country file");

  int year = options.startYear, month = options.startMonth, day = options.startDay;
  if (year == 0 && month == 0 && day == 0) {
    year = 2026;
    month = options.cw ? 11 : 10;
    day = options.cw ? 28 : 31;
  }
  const std::int64_t firstDay = DaysFromCivil(year, month, day);
  {
    int y, m, d;
    CivilFromDays(firstDay, y, m, d);
    if (month < 1 || month > 12 || y != year || m != month || d != day || year < 1900 || year > 9999)
      return fail("the start date is not a date");
  }

  std::vector<std::size_t> pool;
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (!calls[i].empty() && calls[i] != own) pool.push_back(i);
  if (pool.empty()) return fail("the call list holds no call but the own one");

  Random random(options.seed);
  const int offset = LocalOffsetHours(ownCountry.continent);
  const SubBand* segments = options.cw ? kCwSegments : kSsbSegments;
  const SubBand* otherSegments = options.cw ? kSsbSegments : kCwSegments;

  // The schedule: a weight (QSOs per minute, relative) and a stretch per minute.
  std::vector<std::uint32_t> weight(kMinutes, 0);
  std::vector<int> stretchOf(kMinutes, 0);
  std::vector<Stretch> stretches;
  for (int minute = 0; minute < kMinutes;) {
    const int length = random.Between(10, 60);
    const int localHour = ((minute / 60 + offset) % 24 + 24) % 24;
    Stretch stretch;
    stretch.band = PickBand(random, localHour);
    stretch.run = random.PerMille(550);
    const SubBand& sub = segments[stretch.band];
    stretch.runFreq = sub.low + random.Below(sub.high - sub.low + 1);
    const bool onAir = !random.PerMille(60);  // a short break
    std::uint32_t rate = stretch.run ? random.Between(120, 240) : random.Between(40, 80);
    if (minute < 180) rate = rate * 3 / 2;  // the opening rush
    stretches.push_back(stretch);
    for (int m = minute; m < minute + length && m < kMinutes; ++m) {
      weight[m] = onAir ? rate : 0;
      stretchOf[m] = static_cast<int>(stretches.size() - 1);
    }
    minute += length;
  }
  for (int night = 0; night < 2; ++night) {
    const int localStart = random.Between(2, 4);
    const int start = night * 1440 + ((localStart - offset + 24) % 24) * 60 + random.Between(0, 59);
    const int length = random.Between(120, 300);
    for (int m = start; m < start + length && m < kMinutes; ++m) weight[m] = 0;
  }
  std::uint64_t totalWeight = 0;
  for (std::uint32_t w : weight) totalWeight += w;
  if (totalWeight == 0) return fail("the schedule has no minute on the air");

  const int qsos = options.qsos;
  std::vector<Kind> kinds(qsos, kNormal);
  const int perKind = qsos >= 50 ? (qsos / 1000 > 1 ? qsos / 1000 : 1) : 0;
  for (Kind kind : {kWarc, kMissingZone, kOtherMode}) {
    for (int placed = 0; placed < perKind;) {
      const std::uint32_t at = random.Below(qsos);
      if (kinds[at] != kNormal) continue;
      kinds[at] = kind;
      ++placed;
    }
  }

  std::vector<Station> stations(calls.size());
  auto station = [&](std::size_t index) -> const Station& {
    Station& s = stations[index];
    if (s.state == Station::kUnknown) {
      CtyResolution country;
      if (cty.Resolve(calls[index], country)) {
        s.state = Station::kResolved;
        s.zone = country.cqZone;
        s.ownContinent = country.continent == ownCountry.continent;
      } else {
        s.state = Station::kUnresolvable;
      }
    }
    return s;
  };

  bool anyResolves = false;
  for (std::size_t i = 0; i < pool.size() && !anyResolves; ++i)
    anyResolves = station(pool[i]).state == Station::kResolved;
  if (!anyResolves) return fail("no call of the call list is in a country of the country file");

  std::unordered_set<std::size_t> worked[kBands];
  std::vector<std::size_t> workedList[kBands];
  // A call not yet worked on the band, favouring the own continent on the low
  // bands; a list too small for the log gives repeats rather than a hang.
  auto freshCall = [&](Band band) -> std::size_t {
    const int farChance = band <= k80 ? 300 : band == k40 ? 600 : 1000;
    for (int tries = 0; tries < 5000; ++tries) {
      const std::size_t candidate = pool[random.Below(pool.size())];
      const Station& s = station(candidate);
      if (s.state != Station::kResolved || worked[band].count(candidate)) continue;
      if (tries < 50 && !s.ownContinent && !random.PerMille(farChance)) continue;
      return candidate;
    }
    const std::size_t start = random.Below(pool.size());
    for (std::size_t i = 0;; ++i) {
      const std::size_t candidate = pool[(start + i) % pool.size()];
      if (station(candidate).state == Station::kResolved) return candidate;
    }
  };

  char line[256];
  out.reserve(static_cast<std::size_t>(qsos) * 84 + 1024);
  auto add = [&](const char* text) {
    out += text;
    out += "\r\n";
  };
  add("START-OF-LOG: 3.0");
  add(options.cw ? "CONTEST: CQ-WW-CW" : "CONTEST: CQ-WW-SSB");
  add(("CALLSIGN: " + own).c_str());
  add("CATEGORY-OPERATOR: SINGLE-OP");
  add("CATEGORY-ASSISTED: NON-ASSISTED");
  add("CATEGORY-BAND: ALL");
  add(options.cw ? "CATEGORY-MODE: CW" : "CATEGORY-MODE: SSB");
  add("CATEGORY-POWER: HIGH");
  add("CATEGORY-STATION: FIXED");
  add("CATEGORY-TRANSMITTER: ONE");
  add("CREATED-BY: stats-loggen");
  std::snprintf(line, sizeof line, "SOAPBOX: Synthetic test log, seed %llu, %d QSOs; not a contest entry.",
                static_cast<unsigned long long>(options.seed), qsos);
  add(line);

  char ownZone[8];
  std::snprintf(ownZone, sizeof ownZone, "%02d", ownCountry.cqZone);
  std::size_t minute = 0;
  std::uint64_t cumulative = weight[0];
  const char* const warcCw[] = {"10115", "18080", "24900"};
  const char* const warcSsb[] = {"18150", "24950"};
  for (int k = 0; k < qsos; ++k) {
    // Stratified positions over the weights: monotonic times, rates that
    // follow the schedule.
    const std::uint64_t position =
        (static_cast<std::uint64_t>(k) * totalWeight + random.Below(totalWeight)) / qsos;
    while (cumulative <= position && minute + 1 < weight.size()) cumulative += weight[++minute];
    const Stretch& stretch = stretches[stretchOf[minute]];
    const Band band = stretch.band;
    const Kind kind = kinds[k];

    bool cw = options.cw;
    const SubBand& sub = segments[band];
    unsigned freq = stretch.run ? stretch.runFreq : sub.low + random.Below(sub.high - sub.low + 1);
    char freqText[16];
    std::snprintf(freqText, sizeof freqText, "%u", freq);

    std::size_t call;
    if (kind == kNormal && !workedList[band].empty() && random.PerMille(20)) {
      call = workedList[band][random.Below(workedList[band].size())];
    } else {
      call = freshCall(band);
    }
    const bool isDupe = worked[band].count(call) != 0;

    char zone[8];
    std::snprintf(zone, sizeof zone, "%02d", station(call).zone);
    const char* exchRcvd = zone;
    switch (kind) {
      case kNormal:
        if (isDupe) {
          ++counts.dupes;
        } else {
          worked[band].insert(call);
          workedList[band].push_back(call);
        }
        break;
      case kWarc:
        if (options.cw)
          std::snprintf(freqText, sizeof freqText, "%s", warcCw[counts.warcBand % 3]);
        else
          std::snprintf(freqText, sizeof freqText, "%s", warcSsb[counts.warcBand % 2]);
        ++counts.warcBand;
        break;
      case kMissingZone:
        exchRcvd = "-";
        ++counts.missingZone;
        break;
      case kOtherMode: {
        cw = !cw;
        const SubBand& other = otherSegments[band];
        std::snprintf(freqText, sizeof freqText, "%u", other.low + random.Below(other.high - other.low + 1));
        ++counts.otherMode;
        break;
      }
    }

    int y, m, d;
    CivilFromDays(firstDay + static_cast<std::int64_t>(minute / 1440), y, m, d);
    const int hour = static_cast<int>(minute % 1440) / 60;
    const int min = static_cast<int>(minute % 60);
    const char* rst = cw ? "599" : "59";
    std::snprintf(line, sizeof line, "QSO: %5s %s %04d-%02d-%02d %02d%02d %-13s %-3s %-6s %-13s %-3s %s",
                  freqText, cw ? "CW" : "PH", y, m, d, hour, min, own.c_str(), rst, ownZone,
                  calls[call].c_str(), rst, exchRcvd);
    add(line);
    ++counts.qsos;
  }
  add("END-OF-LOG:");
  if (countsOut) *countsOut = counts;
  return true;
}
