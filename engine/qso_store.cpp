#include "engine/qso_store.h"

#include <utility>

namespace {

// Host texts come from C strings, so a zero byte cannot occur inside a field
// and keeps ("AB", "C") apart from ("A", "BC").
std::string Key(const std::string& a, const std::string& b) {
  std::string key;
  key.reserve(a.size() + b.size() + 1);
  key += a;
  key += '\0';
  key += b;
  return key;
}

std::string Key(const std::string& a, const std::string& b, const std::string& c) {
  std::string key = Key(a, b);
  key += '\0';
  key += c;
  return key;
}

void Change(std::unordered_map<std::string, int>& counts, std::string key, int change) {
  auto it = counts.find(key);
  if (it == counts.end()) {
    if (change > 0) counts.emplace(std::move(key), change);
    return;
  }
  it->second += change;
  if (it->second <= 0) counts.erase(it);
}

bool Present(const std::unordered_map<std::string, int>& counts, const std::string& key) {
  return counts.find(key) != counts.end();
}

}  // namespace

void QsoStore::Count(const CInfo& record, int change) {
  Change(m_byCallBandMode, Key(record.m_call, record.m_band, record.m_mode), change);
  Change(m_byCallBand, Key(record.m_call, record.m_band), change);
  Change(m_byBandPrefix, Key(record.m_band, record.m_prefix), change);
}

void QsoStore::Append(CInfo record) {
  Count(record, +1);
  m_records.push_back(std::move(record));
}

void QsoStore::RemoveAt(int i) {
  const CInfo& record = At(i);
  Count(record, -1);
  m_records.erase(m_records.begin() + i);
}

void QsoStore::Clear() {
  m_records.clear();
  m_byCallBandMode.clear();
  m_byCallBand.clear();
  m_byBandPrefix.clear();
}

bool QsoStore::HasCallOnBandInMode(const std::string& call, const std::string& band,
                                   const std::string& mode) const {
  return Present(m_byCallBandMode, Key(call, band, mode));
}

bool QsoStore::HasCallOnBand(const std::string& call, const std::string& band) const {
  return Present(m_byCallBand, Key(call, band));
}

bool QsoStore::HasPrefixOnBand(const std::string& band, const std::string& prefix) const {
  return Present(m_byBandPrefix, Key(band, prefix));
}

int QsoStore::FindFirst(const std::string& call, const std::string& mode, const std::string& band,
                        const COleDateTime& time) const {
  // Most removals are of a QSO that is there; the scan is only skipped when
  // the counts say no record can match.
  if (!HasCallOnBandInMode(call, band, mode)) return -1;
  for (std::size_t i = 0; i < m_records.size(); ++i) {
    const CInfo& record = m_records[i];
    if (record.m_call == call && record.m_mode == mode && record.m_band == band &&
        record.m_time == time)
      return static_cast<int>(i);
  }
  return -1;
}
