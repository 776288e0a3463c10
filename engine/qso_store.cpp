#include "engine/qso_store.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::size_t kFirstTableSize = 1024;

// FNV-1a over the call, a separator and the band. Host texts come from C
// strings, so a zero byte cannot occur inside a field and keeps ("AB", "C")
// apart from ("A", "BC").
std::uint32_t HashOf(const std::string& call, const std::string& band) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : call) h = (h ^ c) * 16777619u;
  h = (h ^ 0u) * 16777619u;
  for (unsigned char c : band) h = (h ^ c) * 16777619u;
  return h;
}

// The counts of one band's entry in a (const or not) list, or null.
template <typename Entries>
auto CountsOfBand(Entries& entries, const std::string& band) -> decltype(&entries[0].counts) {
  for (auto& entry : entries)
    if (entry.band == band) return &entry.counts;
  return nullptr;
}

}  // namespace

const QsoStore::Slot& QsoStore::SlotAt(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= m_order.size())
    throw std::out_of_range("QsoStore: no record at this index");
  return *m_order[static_cast<std::size_t>(i)];
}

QsoStore::Slot& QsoStore::TakeSlot() {
  if (!m_free.empty()) {
    Slot* slot = m_free.back();
    m_free.pop_back();
    slot->record = CInfo();
    slot->nextSameKey = nullptr;
    return *slot;
  }
  m_pool.emplace_back();
  return m_pool.back();
}

std::size_t QsoStore::Probe(const std::string& call, const std::string& band,
                            std::uint32_t hash) const {
  const std::size_t mask = m_table.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const CallOnBand& entry = m_table[at];
    if (!entry.first) return at;
    if (entry.hash == hash && entry.first->record.m_call == call &&
        entry.first->record.m_band == band)
      return at;
  }
}

void QsoStore::GrowTable() {
  std::vector<CallOnBand> old(std::max(kFirstTableSize, m_table.size() * 2));
  old.swap(m_table);
  const std::size_t mask = m_table.size() - 1;
  for (CallOnBand& entry : old) {
    if (!entry.first) continue;
    std::size_t at = entry.hash & mask;
    while (m_table[at].first) at = (at + 1) & mask;
    m_table[at] = entry;
  }
}

// Backward-shift deletion: later entries of the same probe run move up into
// the hole, so that no search ever stops early at it.
void QsoStore::EraseEntry(std::size_t hole) {
  const std::size_t mask = m_table.size() - 1;
  m_table[hole] = CallOnBand();
  for (std::size_t at = (hole + 1) & mask; m_table[at].first; at = (at + 1) & mask) {
    const std::size_t home = m_table[at].hash & mask;
    // The entry may fill the hole unless its home lies cyclically in (hole, at].
    const bool homeBetween =
        hole <= at ? (home > hole && home <= at) : (home > hole || home <= at);
    if (homeBetween) continue;
    m_table[hole] = m_table[at];
    m_table[at] = CallOnBand();
    hole = at;
  }
  --m_tableUsed;
}

void QsoStore::CountPrefix(const CInfo& record, int change) {
  auto* counts = CountsOfBand(m_byBandPrefix, record.m_band);
  if (!counts) {
    if (change <= 0) return;
    m_byBandPrefix.push_back(BandPrefixes{record.m_band, {}});
    counts = &m_byBandPrefix.back().counts;
  }
  auto found = counts->find(record.m_prefix);
  if (found == counts->end()) {
    if (change > 0) counts->emplace(record.m_prefix, change);
  } else if ((found->second += change) <= 0) {
    counts->erase(found);
  }
}

bool QsoStore::File(Slot& slot, bool markDupe) {
  CInfo& record = slot.record;
  const std::uint32_t hash = HashOf(record.m_call, record.m_band);
  std::size_t at = 0;
  try {
    // Everything that can fail comes before the first change.
    if ((m_tableUsed + 1) * 2 > m_table.size()) GrowTable();
    if (m_order.size() == m_order.capacity()) m_order.reserve(m_order.size() * 2 + 64);
    at = Probe(record.m_call, record.m_band, hash);
    CountPrefix(record, +1);
  } catch (...) {
    m_free.push_back(&slot);
    throw;
  }

  bool dupe = false;
  CallOnBand& entry = m_table[at];
  slot.nextSameKey = nullptr;
  if (entry.first) {
    Slot* last = entry.first;
    for (;; last = last->nextSameKey) {
      dupe = dupe || last->record.m_mode == record.m_mode;
      if (!last->nextSameKey) break;
    }
    last->nextSameKey = &slot;
  } else {
    entry.hash = hash;
    entry.first = &slot;
    ++m_tableUsed;
  }
  if (markDupe) record.m_dupe = record.m_invalid = dupe ? 1 : 0;
  slot.sequence = m_nextSequence++;
  m_order.push_back(&slot);
  if (m_observer) m_observer->Appended(record, slot.sequence);
  return dupe;
}

void QsoStore::Append(CInfo record) {
  Slot& slot = TakeSlot();
  slot.record = std::move(record);
  File(slot, /*markDupe=*/false);
}

void QsoStore::RemoveAt(int i) {
  Slot* slot = const_cast<Slot*>(&SlotAt(i));
  m_free.push_back(slot);  // the one step that can fail, before any change
  const CInfo& record = slot->record;
  if (m_observer) m_observer->Removing(record, slot->sequence);

  const std::size_t at = Probe(record.m_call, record.m_band,
                               HashOf(record.m_call, record.m_band));
  CallOnBand& entry = m_table[at];
  if (entry.first == slot) {
    if (slot->nextSameKey)
      entry.first = slot->nextSameKey;
    else
      EraseEntry(at);
  } else {
    Slot* before = entry.first;
    while (before->nextSameKey != slot) before = before->nextSameKey;
    before->nextSameKey = slot->nextSameKey;
  }
  slot->nextSameKey = nullptr;
  CountPrefix(record, -1);
  m_order.erase(m_order.begin() + i);
}

void QsoStore::Clear() {
  if (m_observer) m_observer->Clearing();
  m_order.clear();
  m_free.clear();
  m_pool.clear();
  m_table.clear();
  m_tableUsed = 0;
  m_byBandPrefix.clear();
}

int QsoStore::PositionOf(const Slot* slot) const {
  auto at = std::lower_bound(m_order.begin(), m_order.end(), slot->sequence,
                             [](const Slot* s, std::uint64_t sequence) {
                               return s->sequence < sequence;
                             });
  return static_cast<int>(at - m_order.begin());
}

bool QsoStore::HasCallOnBandInMode(const std::string& call, const std::string& band,
                                   const std::string& mode) const {
  if (m_table.empty()) return false;
  const CallOnBand& entry = m_table[Probe(call, band, HashOf(call, band))];
  for (const Slot* slot = entry.first; slot; slot = slot->nextSameKey)
    if (slot->record.m_mode == mode) return true;
  return false;
}

bool QsoStore::HasCallOnBand(const std::string& call, const std::string& band) const {
  if (m_table.empty()) return false;
  return m_table[Probe(call, band, HashOf(call, band))].first != nullptr;
}

bool QsoStore::HasPrefixOnBand(const std::string& band, const std::string& prefix) const {
  const auto* counts = CountsOfBand(m_byBandPrefix, band);
  return counts && counts->find(prefix) != counts->end();
}

int QsoStore::FindFirst(const std::string& call, const std::string& mode, const std::string& band,
                        const COleDateTime& time) const {
  if (m_table.empty()) return -1;
  const CallOnBand& entry = m_table[Probe(call, band, HashOf(call, band))];
  // The chain keeps store order, so its first match is the scan's.
  for (const Slot* slot = entry.first; slot; slot = slot->nextSameKey)
    if (slot->record.m_mode == mode && slot->record.m_time == time) return PositionOf(slot);
  return -1;
}

int QsoStore::FindLast(const std::string& call, const std::string& band) const {
  if (m_table.empty()) return -1;
  const Slot* last = m_table[Probe(call, band, HashOf(call, band))].first;
  if (!last) return -1;
  while (last->nextSameKey) last = last->nextSameKey;
  return PositionOf(last);
}
