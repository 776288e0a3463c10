#include "reports/scoring.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "engine/contest_state.h"
#include "reports/score_index.h"

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

// The rejected QSOs and the score, once the rows and the dupes are known.
void Finish(const ContestState& state, ScoreSummary& s) {
  s.badQsos = state.m_rejectedQsos.Count();
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

ScoreSummary ComputeScore(ContestState& state) {
  ScoreSummary s;
  const QsoStore& store = state.m_qsoStore;
  const int n = store.GetCount();
  const double referenceTime = n >= 2 ? store.At(n - 1).m_time.m_dt : 0.0;
  const bool hasReference = n >= 1;
  const std::string referenceBand = hasReference ? store.At(n - 1).m_band : std::string();

  SortBands(state.m_workedBands);

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
    std::bitset<kLastCqZone + 1> seenZones;
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
    const int p = QsoPoints(state.m_ownPrefix, state.m_ownContinent, qso);
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
    if (keys.zone && !row->seenZones.test(qso.m_zone)) {
      row->seenZones.set(qso.m_zone);
      row->zones->push_back(static_cast<unsigned>(qso.m_zone));
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

  Finish(state, s);
  return s;
}

ScoreSummary CurrentScore(ContestState& state, ScoreIndex& scoreIndex) {
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
  scoreIndex.Summarise(state.m_qsoStore, reading, &s);
  Finish(state, s);
  return s;
}
