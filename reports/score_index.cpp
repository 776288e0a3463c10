#include "reports/score_index.h"

#include <algorithm>
#include <cmath>

#include "reports/score_rules.h"

namespace {

// Takes `sequence` out of a rising list; true when it was the first.
bool EraseSequence(std::vector<std::uint64_t>& sequences, std::uint64_t sequence) {
  auto at = std::lower_bound(sequences.begin(), sequences.end(), sequence);
  if (at == sequences.end() || *at != sequence) return false;
  const bool first = at == sequences.begin();
  sequences.erase(at);
  return first;
}

bool EarlierOnScale(double a, double b) { return LinearDays(a) < LinearDays(b); }

// The count of times in a list that lie less than `limit` minutes before the
// reference (later ones included). The minutes fall as a time moves later on
// the scale, so the times inside form the end of the list.
int CountWithin(const std::vector<double>& times, double reference, long long limit) {
  auto first = std::partition_point(times.begin(), times.end(), [&](double time) {
    return RateMinutesBetween(reference, time) >= limit;
  });
  return static_cast<int>(times.end() - first);
}

}  // namespace

ScoreIndex::Band* ScoreIndex::Find(const std::string& name) {
  // Logs run on one band for a while: the last band found is tried first.
  if (m_lastBand && m_lastBand->name == name) return m_lastBand;
  for (Band& band : m_bands)
    if (band.name == name) return m_lastBand = &band;
  return nullptr;
}

ScoreIndex::Band& ScoreIndex::FindOrAdd(const std::string& name) {
  if (Band* band = Find(name)) return *band;
  m_bands.emplace_back();
  m_bands.back().name = name;
  return *(m_lastBand = &m_bands.back());
}

void ScoreIndex::Add(const CInfo& record, std::uint64_t sequence) {
  if (IsIgnoredByScore(record.m_call)) return;
  Band& band = FindOrAdd(record.m_band);
  band.dupes += record.m_dupe;
  if (record.m_invalid != 0) return;
  const int points = QsoPoints(m_ownPrefix, m_ownContinent, record);
  ++band.qsos;
  band.points += points;
  band.counted.emplace_back(sequence, points);

  const MultiplierKeys keys = MultiplierKeysOf(record);
  if (keys.country) {
    auto entry = band.countries.try_emplace(record.m_prefix).first;
    if (entry->second.sequences.empty())
      band.countryOrder.emplace_hint(band.countryOrder.end(), sequence, &entry->first);
    entry->second.sequences.push_back(sequence);
  }
  if (keys.zone) {
    const unsigned zone = static_cast<unsigned>(record.m_zone);
    Occurrences& occurrences = band.zones[zone];
    if (occurrences.sequences.empty())
      band.zoneOrder.emplace_hint(band.zoneOrder.end(), sequence, zone);
    occurrences.sequences.push_back(sequence);
  }

  const double time = record.m_time.m_dt;
  if (!std::isnan(LinearDays(time))) {
    std::vector<double>& times = band.times[points];
    // Logs arrive mostly in time order: then the time goes at the end.
    if (times.empty() || !EarlierOnScale(time, times.back()))
      times.push_back(time);
    else
      times.insert(std::upper_bound(times.begin(), times.end(), time, EarlierOnScale), time);
  }
}

void ScoreIndex::Remove(const CInfo& record, std::uint64_t sequence) {
  if (IsIgnoredByScore(record.m_call)) return;
  Band* found = Find(record.m_band);
  if (!found) return;
  Band& band = *found;
  band.dupes -= record.m_dupe;
  if (record.m_invalid != 0) return;
  const int points = QsoPoints(m_ownPrefix, m_ownContinent, record);
  --band.qsos;
  band.points -= points;
  auto counted = std::lower_bound(band.counted.begin(), band.counted.end(),
                                  std::make_pair(sequence, 0));
  if (counted != band.counted.end() && counted->first == sequence) band.counted.erase(counted);

  const MultiplierKeys keys = MultiplierKeysOf(record);
  if (keys.country) {
    auto entry = band.countries.find(record.m_prefix);
    if (entry != band.countries.end() && EraseSequence(entry->second.sequences, sequence)) {
      // The first occurrence goes: the key moves to its next one, if any.
      band.countryOrder.erase(sequence);
      if (entry->second.sequences.empty())
        band.countries.erase(entry);
      else
        band.countryOrder.emplace(entry->second.sequences.front(), &entry->first);
    }
  }
  if (keys.zone) {
    const unsigned zone = static_cast<unsigned>(record.m_zone);
    Occurrences& occurrences = band.zones[zone];
    if (EraseSequence(occurrences.sequences, sequence)) {
      band.zoneOrder.erase(sequence);
      if (!occurrences.sequences.empty())
        band.zoneOrder.emplace(occurrences.sequences.front(), zone);
    }
  }

  const double time = record.m_time.m_dt;
  if (!std::isnan(LinearDays(time))) {
    // Times at one point of the scale are alike to the windows: any one goes.
    std::vector<double>& times = band.times[points];
    auto at = std::lower_bound(times.begin(), times.end(), time, EarlierOnScale);
    if (at != times.end() && !EarlierOnScale(time, *at)) times.erase(at);
  }
}

void ScoreIndex::Appended(const CInfo& record, std::uint64_t sequence) {
  if (m_stale) return;  // the next reading rebuilds from the store
  try {
    Add(record, sequence);
  } catch (...) {
    m_stale = true;
  }
}

void ScoreIndex::Removing(const CInfo& record, std::uint64_t sequence) {
  if (m_stale) return;
  try {
    Remove(record, sequence);
  } catch (...) {
    m_stale = true;
  }
}

void ScoreIndex::Clearing() {
  // A reset clears the store and may bring another own station; a log that is
  // then fed back in whole is indexed in one go at the first reading.
  m_bands.clear();
  m_lastBand = nullptr;
  m_stale = true;
}

void ScoreIndex::Rebuild(const QsoStore& store) {
  m_bands.clear();
  m_lastBand = nullptr;
  m_stale = true;
  const int n = store.GetCount();
  for (int i = 0; i < n; ++i) Add(store.At(i), store.SequenceAt(i));
  m_stale = false;
}

void ScoreIndex::Summarise(const QsoStore& store, const Reading& reading, ScoreSummary* s) {
  // A store that does not tell this index of its changes may have changed
  // unseen since the last reading.
  if (store.Observer() != this) m_stale = true;
  if (m_stale || reading.ownPrefix != m_ownPrefix || reading.ownContinent != m_ownContinent) {
    m_ownPrefix = reading.ownPrefix;
    m_ownContinent = reading.ownContinent;
    Rebuild(store);
  }

  const std::vector<std::string>& listed = *reading.listed;
  for (std::size_t r = 0; r < listed.size(); ++r) {
    BandScore row;
    row.band = listed[r];
    Band* band = Find(listed[r]);
    std::vector<std::string>* countries = reading.countryLists[r];
    std::vector<unsigned>* zones = reading.zoneLists[r];
    if (countries) countries->clear();
    if (zones) zones->clear();
    if (band) {
      row.qsos = band->qsos;
      row.points = band->points;
      row.countries = static_cast<int>(band->countryOrder.size());
      row.zones = static_cast<int>(band->zoneOrder.size());
      s->dupes += band->dupes;
      if (countries)
        for (const auto& first : band->countryOrder) countries->push_back(*first.second);
      if (zones)
        for (const auto& first : band->zoneOrder) zones->push_back(first.second);
    }
    s->totalQsos += row.qsos;
    s->totalPoints += row.points;
    s->totalCountries += row.countries;
    s->totalZones += row.zones;
    s->rows.push_back(row);
  }

  // Rates and the last QSO's points: the band of the last stored QSO, when
  // it is listed.
  const int n = store.GetCount();
  if (n == 0) return;
  const CInfo& reference = store.At(n - 1);
  if (std::find(listed.begin(), listed.end(), reference.m_band) == listed.end()) return;
  Band* band = Find(reference.m_band);
  if (!band || band->counted.empty()) return;
  s->lastQsoPoints = band->counted.back().second;
  if (!reading.countRates) return;
  const double referenceTime = n >= 2 ? reference.m_time.m_dt : 0.0;
  for (int points = 0; points < 4; ++points) {
    const std::vector<double>& times = band->times[points];
    const int hour = CountWithin(times, referenceTime, 60);
    const int tenMinutes = CountWithin(times, referenceTime, 10);
    s->hourQsos += hour;
    s->hourPoints += hour * points;
    s->tenMinQsos += tenMinutes;
    s->tenMinPoints += tenMinutes * points;
  }
}
