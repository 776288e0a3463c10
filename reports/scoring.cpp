#include "reports/scoring.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_set>

#include "plugin/plugin_state.h"
#include "reports/score_index.h"
#include "reports/score_rules.h"

namespace {

// Half a second in days: the span is rounded to the nearest second.
constexpr double kHalfSecond = 5.787037037037037e-6;
constexpr double kMinutesPerDay = 1440.0;

// Sorting key of a band name: padded on the left with '0' to 20 characters, so
// that "160m" sorts before "80m" the way the contest lists its bands.
std::string PaddedBand(const std::string& name) {
  constexpr std::size_t kWidth = 20;
  if (name.size() >= kWidth) return name;
  return std::string(kWidth - name.size(), '0') + name;
}

// Descending order of the padded names, by exchanging out-of-order pairs; the
// list is short (six bands at most), and the order stays in the state.
void SortBands(std::vector<std::string>& bands) {
  for (std::size_t i = 0; i + 1 < bands.size(); ++i)
    for (std::size_t j = i + 1; j < bands.size(); ++j)
      if (PaddedBand(bands[i]) < PaddedBand(bands[j])) std::swap(bands[i], bands[j]);
}

// Lines of a text file; a last line without a line end counts, a file that
// cannot be opened has none.
int CountLines(const std::string& path) {
  if (path.empty()) return 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  int lines = 0;
  int last = '\n';
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    for (std::size_t i = 0; i < n; ++i)
      if (buffer[i] == '\n') ++lines;
    last = static_cast<unsigned char>(buffer[n - 1]);
  }
  std::fclose(file);
  if (last != '\n') ++lines;
  return lines;
}

// The rejected QSOs and the score, once the rows and the dupes are known.
void Finish(int fileLines, ScoreSummary& s) {
  // The file holds a heading line and one line per rejected QSO or dupe.
  const int rejected = std::max(fileLines - s.dupes, 1);
  s.badQsos = rejected - 1;
  // Wider arithmetic: a log large enough to pass the int range saturates
  // instead of wrapping.
  const long long score = static_cast<long long>(s.totalPoints) *
                          (static_cast<long long>(s.totalCountries) + s.totalZones);
  s.score = static_cast<int>(std::min<long long>(score, std::numeric_limits<int>::max()));
}

}  // namespace

double LinearDays(double d) {
  if (d >= 0) return d;
  const double c = std::ceil(d);
  return c - (d - c);
}

long long RateMinutesBetween(double reference, double time) {
  const double span = LinearDays(reference) - LinearDays(time);
  const double minutes = std::trunc((span + (span >= 0 ? kHalfSecond : -kHalfSecond)) *
                                    kMinutesPerDay);
  // Far-off or unknown times (NaN) must not reach the integer conversion.
  constexpr double kLimit = 9.0e18;
  if (std::isnan(minutes)) return std::numeric_limits<long long>::max();
  if (minutes >= kLimit) return std::numeric_limits<long long>::max();
  if (minutes <= -kLimit) return std::numeric_limits<long long>::min();
  return static_cast<long long>(minutes);
}

int QsoPoints(const PluginState& state, const CInfo& qso) {
  return QsoPointsFor(state.m_ownPrefix, state.m_ownContinent, qso);
}

ScoreSummary ComputeScore(PluginState& state) {
  ScoreSummary s;
  const QsoStore& store = state.m_qsoStore;
  const int n = store.GetCount();
  const double referenceTime = n >= 2 ? store.At(n - 1).m_time.m_dt : 0.0;
  const bool hasReference = n >= 1;
  const std::string referenceBand = hasReference ? store.At(n - 1).m_band : std::string();

  SortBands(state.m_workedBands);
  const int fileLines = CountLines(state.m_badQsoPath);

  // One pass over the store, each QSO going to the row of its band; within a
  // row the QSOs keep store order, so the lists come out as a scan band by
  // band would build them. The sets only speed up the membership tests.
  struct Row {
    BandScore score;
    std::vector<std::string>* countries;
    std::vector<unsigned>* zones;
    std::vector<std::string> scratchCountries;
    std::vector<unsigned> scratchZones;
    std::unordered_set<std::string> seenCountries;
    std::bitset<64> seenSmallZones;  // the forty CQ zones and a little more
    std::unordered_set<unsigned> seenZones;  // any other number logged
  };
  std::vector<Row> rows(state.m_workedBands.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    Row& row = rows[r];
    const std::string& band = state.m_workedBands[r];
    row.score.band = band;
    // Intake stores the band list's own spelling; a name outside the list gets
    // lists of its own, so that it can never overwrite another band's.
    const int index = state.m_bands.IndexOf(band);
    row.countries = index >= 0 ? &state.m_bandCountries[index] : &row.scratchCountries;
    row.zones = index >= 0 ? &state.m_bandZones[index] : &row.scratchZones;
    row.countries->clear();
    row.zones->clear();
  }
  // Logs run on one band for a while: the last row found is tried first.
  Row* lastRow = nullptr;
  auto rowOf = [&](const std::string& band) -> Row* {
    if (lastRow && lastRow->score.band == band) return lastRow;
    for (std::size_t r = 0; r < rows.size(); ++r)
      if (state.m_workedBands[r] == band) return lastRow = &rows[r];
    return nullptr;
  };

  for (const CInfo& qso : store) {
    if (IsIgnoredByScore(qso.m_call)) continue;
    Row* row = rowOf(qso.m_band);
    if (!row) continue;
    s.dupes += qso.m_dupe;
    if (qso.m_invalid != 0) continue;
    ++row->score.qsos;
    const int p = QsoPoints(state, qso);
    row->score.points += p;
    if (hasReference && qso.m_band == referenceBand) {
      s.lastQsoPoints = p;
      if (state.m_exportMode == 0) {
        const long long minutes = RateMinutesBetween(referenceTime, qso.m_time.m_dt);
        if (minutes < 60) {
          ++s.hourQsos;
          s.hourPoints += p;
        }
        if (minutes < 10) {
          ++s.tenMinQsos;
          s.tenMinPoints += p;
        }
      }
    }
    const MultiplierKeys keys = MultiplierKeysOf(qso);
    if (keys.country && row->seenCountries.insert(qso.m_prefix).second) {
      row->countries->push_back(qso.m_prefix);
      ++row->score.countries;
    }
    const unsigned zone = static_cast<unsigned>(qso.m_zone);
    bool newZone = false;
    if (keys.zone && zone < row->seenSmallZones.size()) {
      newZone = !row->seenSmallZones.test(zone);
      row->seenSmallZones.set(zone);
    } else if (keys.zone) {
      newZone = row->seenZones.insert(zone).second;
    }
    if (newZone) {
      row->zones->push_back(zone);
      ++row->score.zones;
    }
  }

  for (Row& row : rows) {
    s.totalQsos += row.score.qsos;
    s.totalPoints += row.score.points;
    s.totalCountries += row.score.countries;
    s.totalZones += row.score.zones;
    s.rows.push_back(row.score);
  }

  Finish(fileLines, s);
  return s;
}

ScoreSummary CurrentScore(PluginState& state) {
  SortBands(state.m_workedBands);
  const std::vector<std::string>& listed = state.m_workedBands;
  ScoreIndex::Reading reading;
  reading.ownPrefix = state.m_ownPrefix;
  reading.ownContinent = state.m_ownContinent;
  reading.countRates = state.m_exportMode == 0;
  reading.listed = &listed;
  bool taken[kBandCount] = {};
  for (std::size_t r = 0; r < listed.size(); ++r) {
    // Two listed names that are equal or share a band's lists make rows the
    // pass fills in its own way; intake never lists such names, and the pass
    // answers for them.
    for (std::size_t q = 0; q < r; ++q)
      if (listed[q] == listed[r]) return ComputeScore(state);
    const int index = state.m_bands.IndexOf(listed[r]);
    if (index >= 0 && taken[index]) return ComputeScore(state);
    if (index >= 0) taken[index] = true;
    reading.countryLists.push_back(index >= 0 ? &state.m_bandCountries[index] : nullptr);
    reading.zoneLists.push_back(index >= 0 ? &state.m_bandZones[index] : nullptr);
  }
  ScoreSummary s;
  state.m_scoreIndex.Summarise(state.m_qsoStore, reading, &s);
  Finish(CountLines(state.m_badQsoPath), s);
  return s;
}
