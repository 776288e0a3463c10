// QsoStore: the plug-in's copy of the contest log, CInfo records by value in
// intake order. An index is a position in that order; removing a record moves
// every later one down by one.
//
// Every search answers exactly as a scan of the records in index order would
// (first match wins). The store keeps its records per (call, band) in a flat
// table, in store order, and a count per (band, prefix), all compared byte for
// byte, so that the questions asked on every typed character, every logged QSO
// and every removal take constant time however long the log grows. Records are
// reachable only read-only, so the table cannot fall out of step with them.
//
// A record never moves once stored: the records live in slots of a pool that
// only grows (a removed record's slot is used again), and the store order is a
// list of slots. So a removal moves one pointer per later record, not records,
// and intake builds its record in place. Each record also carries a sequence
// number, given at append and rising with store order, that stays its own
// while other records come and go; an observer (the incremental score) hears
// of every append, removal and clear with it.
#ifndef STATS_ENGINE_QSO_STORE_H_
#define STATS_ENGINE_QSO_STORE_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/qso.h"

// Told of every change of a store, after an append and before a removal or a
// clear, so that it can keep figures of its own in step with the records.
class QsoStoreObserver {
 public:
  virtual ~QsoStoreObserver() = default;
  virtual void Appended(const CInfo& record, std::uint64_t sequence) = 0;
  virtual void Removing(const CInfo& record, std::uint64_t sequence) = 0;
  virtual void Clearing() = 0;
};

class QsoStore {
  struct Slot {
    CInfo record;
    std::uint64_t sequence = 0;
    Slot* nextSameKey = nullptr;  // the next record of its (call, band)
  };

 public:
  QsoStore() = default;
  // The table and the observer point into the pool: a store is not copied.
  QsoStore(const QsoStore&) = delete;
  QsoStore& operator=(const QsoStore&) = delete;

  int GetCount() const { return static_cast<int>(m_order.size()); }
  bool IsEmpty() const { return m_order.empty(); }

  // Record i, 0 <= i < count; any other index throws std::out_of_range.
  const CInfo& At(int i) const { return SlotAt(i).record; }
  // Sequence number of record i (same range rule): rises with the index.
  std::uint64_t SequenceAt(int i) const { return SlotAt(i).sequence; }

  void Append(CInfo record);

  // Intake's append: the record is built in place by fill(CInfo&), which
  // finds it in its new state. Then, with the one table look-up that files it,
  // m_dupe and m_invalid become 1 when an earlier record has the same m_call,
  // m_band and m_mode (the dupe rule), 0 otherwise. Returns that verdict.
  template <typename Fill>
  bool AppendMarkingDupe(Fill fill) {
    Slot& slot = TakeSlot();
    try {
      fill(slot.record);
    } catch (...) {
      m_free.push_back(&slot);
      throw;
    }
    return File(slot, /*markDupe=*/true);
  }

  // Removes record i (std::out_of_range for any other index).
  void RemoveAt(int i);
  void Clear();

  // Whether some record has this m_call, m_band and m_mode (the dupe rule).
  bool HasCallOnBandInMode(const std::string& call, const std::string& band,
                           const std::string& mode) const;
  // Whether some record has this m_call and m_band, whatever its mode.
  bool HasCallOnBand(const std::string& call, const std::string& band) const;
  // Whether some record on `band` has this m_prefix.
  bool HasPrefixOnBand(const std::string& band, const std::string& prefix) const;

  // The index of the first record with this call, mode, band and time (the
  // date value's own equality), or -1.
  int FindFirst(const std::string& call, const std::string& mode, const std::string& band,
                const COleDateTime& time) const;

  // The index of the last record with this m_call and m_band, whatever its
  // mode, or -1. Asked for each band on every typed character, so it answers
  // from the table without a scan.
  int FindLast(const std::string& call, const std::string& band) const;

  // At most one observer; null for none. It must outlive its store.
  void SetObserver(QsoStoreObserver* observer) { m_observer = observer; }
  const QsoStoreObserver* Observer() const { return m_observer; }

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = CInfo;
    using difference_type = std::ptrdiff_t;
    using pointer = const CInfo*;
    using reference = const CInfo&;
    explicit const_iterator(std::vector<Slot*>::const_iterator at) : m_at(at) {}
    reference operator*() const { return (*m_at)->record; }
    pointer operator->() const { return &(*m_at)->record; }
    const_iterator& operator++() {
      ++m_at;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return m_at == other.m_at; }
    bool operator!=(const const_iterator& other) const { return m_at != other.m_at; }

   private:
    std::vector<Slot*>::const_iterator m_at;
  };
  const_iterator begin() const { return const_iterator(m_order.begin()); }
  const_iterator end() const { return const_iterator(m_order.end()); }

 private:
  // The records of one (call, band), in store order: the first here, any
  // later ones (dupes, the other mode) chained from it. An entry without a
  // first record is free.
  struct CallOnBand {
    std::uint32_t hash = 0;
    Slot* first = nullptr;
  };

  const Slot& SlotAt(int i) const;
  Slot& TakeSlot();
  // Files the filled slot: table, prefix count, order, observer.
  bool File(Slot& slot, bool markDupe);
  // The entry of (call, band), or the free entry where it belongs.
  std::size_t Probe(const std::string& call, const std::string& band, std::uint32_t hash) const;
  void GrowTable();
  void EraseEntry(std::size_t at);
  int PositionOf(const Slot* slot) const;
  void CountPrefix(const CInfo& record, int change);

  std::deque<Slot> m_pool;        // grows at its end only: slots never move
  std::vector<Slot*> m_free;      // slots of removed records
  std::vector<Slot*> m_order;     // store order
  std::uint64_t m_nextSequence = 0;
  std::vector<CallOnBand> m_table;  // open addressing, linear probing
  std::size_t m_tableUsed = 0;
  // Per band text (a handful), the records per prefix.
  struct BandPrefixes {
    std::string band;
    std::unordered_map<std::string, int> counts;
  };
  std::vector<BandPrefixes> m_byBandPrefix;
  QsoStoreObserver* m_observer = nullptr;
};

#endif  // STATS_ENGINE_QSO_STORE_H_
