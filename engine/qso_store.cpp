#include "engine/qso_store.h"

#include <algorithm>
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

}  // namespace

void QsoStore::Count(const CInfo& record, std::uint64_t serial, int change) {
  std::string callKey = Key(record.m_call, record.m_band);
  auto call = m_byCallBand.find(callKey);
  if (call == m_byCallBand.end()) {
    if (change < 0) return;
    call = m_byCallBand.emplace(std::move(callKey), CallOnBand()).first;
  }
  CallOnBand& entry = call->second;
  if (entry.total == 0) entry.mode = record.m_mode;
  if (record.m_mode == entry.mode) {
    entry.inMode += change;
  } else {
    int& other = entry.otherModes[record.m_mode];
    other += change;
    if (other <= 0) entry.otherModes.erase(record.m_mode);
  }
  if (change > 0) {
    entry.serials.push_back(serial);
  } else {
    auto at = std::lower_bound(entry.serials.begin(), entry.serials.end(), serial);
    if (at != entry.serials.end() && *at == serial) entry.serials.erase(at);
  }
  entry.total += change;
  if (entry.total <= 0) m_byCallBand.erase(call);

  std::string prefixKey = Key(record.m_band, record.m_prefix);
  auto prefix = m_byBandPrefix.find(prefixKey);
  if (prefix == m_byBandPrefix.end()) {
    if (change > 0) m_byBandPrefix.emplace(std::move(prefixKey), change);
  } else if ((prefix->second += change) <= 0) {
    m_byBandPrefix.erase(prefix);
  }
}

void QsoStore::Append(CInfo record) {
  const std::uint64_t serial = m_nextSerial++;
  Count(record, serial, +1);
  m_records.push_back(std::move(record));
  m_serials.push_back(serial);
}

void QsoStore::RemoveAt(int i) {
  const CInfo& record = At(i);
  Count(record, m_serials[static_cast<std::size_t>(i)], -1);
  m_records.erase(m_records.begin() + i);
  m_serials.erase(m_serials.begin() + i);
}

void QsoStore::Clear() {
  m_records.clear();
  m_byCallBand.clear();
  m_byBandPrefix.clear();
  m_serials.clear();
}

bool QsoStore::HasCallOnBandInMode(const std::string& call, const std::string& band,
                                   const std::string& mode) const {
  auto found = m_byCallBand.find(Key(call, band));
  if (found == m_byCallBand.end()) return false;
  const CallOnBand& entry = found->second;
  if (mode == entry.mode) return entry.inMode > 0;
  return entry.otherModes.find(mode) != entry.otherModes.end();
}

bool QsoStore::HasCallOnBand(const std::string& call, const std::string& band) const {
  return m_byCallBand.find(Key(call, band)) != m_byCallBand.end();
}

bool QsoStore::HasPrefixOnBand(const std::string& band, const std::string& prefix) const {
  return m_byBandPrefix.find(Key(band, prefix)) != m_byBandPrefix.end();
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

int QsoStore::FindLast(const std::string& call, const std::string& band) const {
  auto found = m_byCallBand.find(Key(call, band));
  if (found == m_byCallBand.end() || found->second.serials.empty()) return -1;
  const std::uint64_t last = found->second.serials.back();
  auto at = std::lower_bound(m_serials.begin(), m_serials.end(), last);
  return static_cast<int>(at - m_serials.begin());
}
