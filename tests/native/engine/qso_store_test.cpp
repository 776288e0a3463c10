// The store's counts must give the answers a scan in index order gives, after
// any mix of appends, removals (including one of several equal records) and
// clears. A small vocabulary makes equal keys, and texts that only a separator
// keeps apart ("AB"+"C" and "A"+"BC"), common.
#include "engine/qso_store.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kCalls = {"A", "AB", "ABC", "K1A", ""};
const std::vector<std::string> kBands = {"C", "BC", "20m", "40m", ""};
const std::vector<std::string> kModes = {"CW", "SSB", "C"};
const std::vector<std::string> kPrefixes = {"K", "DL", "B", "", "20m"};

COleDateTime TimeOf(int minute) {
  COleDateTime t;
  t.m_dt = 46000.0 + minute / 1440.0;
  return t;
}

bool ScanCallBandMode(const QsoStore& s, const std::string& call, const std::string& band,
                      const std::string& mode) {
  for (const CInfo& r : s)
    if (r.m_call == call && r.m_band == band && r.m_mode == mode) return true;
  return false;
}

bool ScanCallBand(const QsoStore& s, const std::string& call, const std::string& band) {
  for (const CInfo& r : s)
    if (r.m_call == call && r.m_band == band) return true;
  return false;
}

bool ScanBandPrefix(const QsoStore& s, const std::string& band, const std::string& prefix) {
  for (const CInfo& r : s)
    if (r.m_band == band && r.m_prefix == prefix) return true;
  return false;
}

int ScanFirst(const QsoStore& s, const std::string& call, const std::string& mode,
              const std::string& band, const COleDateTime& time) {
  for (int i = 0; i < s.GetCount(); ++i) {
    const CInfo& r = s.At(i);
    if (r.m_call == call && r.m_mode == mode && r.m_band == band && r.m_time == time) return i;
  }
  return -1;
}

int ScanLast(const QsoStore& s, const std::string& call, const std::string& band) {
  int last = -1;
  for (int i = 0; i < s.GetCount(); ++i)
    if (s.At(i).m_call == call && s.At(i).m_band == band) last = i;
  return last;
}

void ExpectAnswersAsScan(const QsoStore& s, int step) {
  for (const auto& call : kCalls) {
    for (const auto& band : kBands) {
      EXPECT_EQ(s.HasCallOnBand(call, band), ScanCallBand(s, call, band))
          << "step " << step << " call '" << call << "' band '" << band << "'";
      EXPECT_EQ(s.FindLast(call, band), ScanLast(s, call, band))
          << "step " << step << " call '" << call << "' band '" << band << "'";
      for (const auto& mode : kModes) {
        EXPECT_EQ(s.HasCallOnBandInMode(call, band, mode), ScanCallBandMode(s, call, band, mode))
            << "step " << step;
        for (int minute = 0; minute < 3; ++minute)
          EXPECT_EQ(s.FindFirst(call, mode, band, TimeOf(minute)),
                    ScanFirst(s, call, mode, band, TimeOf(minute)))
              << "step " << step;
      }
    }
  }
  for (const auto& band : kBands)
    for (const auto& prefix : kPrefixes)
      EXPECT_EQ(s.HasPrefixOnBand(band, prefix), ScanBandPrefix(s, band, prefix))
          << "step " << step << " band '" << band << "' prefix '" << prefix << "'";
}

TEST(QsoStoreTest, CountsAnswerAsAScanAfterAnyMixOfChanges) {
  std::mt19937 random(20261211);
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  QsoStore store;
  for (int step = 0; step < 600; ++step) {
    const int action = std::uniform_int_distribution<int>(0, 99)(random);
    if (action < 65 || store.IsEmpty()) {
      CInfo r;
      r.m_call = pick(kCalls);
      r.m_band = pick(kBands);
      r.m_mode = pick(kModes);
      r.m_prefix = pick(kPrefixes);
      r.m_time = TimeOf(std::uniform_int_distribution<int>(0, 2)(random));
      store.Append(r);
    } else if (action < 98) {
      store.RemoveAt(std::uniform_int_distribution<int>(0, store.GetCount() - 1)(random));
    } else {
      store.Clear();
    }
    ExpectAnswersAsScan(store, step);
    if (HasFailure()) return;
  }
}

TEST(QsoStoreTest, RemovingOneOfTwoEqualRecordsKeepsTheOther) {
  QsoStore store;
  CInfo r;
  r.m_call = "DL1ABC";
  r.m_band = "20m";
  r.m_mode = "CW";
  r.m_prefix = "DL";
  store.Append(r);
  store.Append(r);
  store.RemoveAt(0);
  EXPECT_TRUE(store.HasCallOnBandInMode("DL1ABC", "20m", "CW"));
  EXPECT_TRUE(store.HasPrefixOnBand("20m", "DL"));
  EXPECT_EQ(store.FindFirst("DL1ABC", "CW", "20m", r.m_time), 0);
  store.RemoveAt(0);
  EXPECT_FALSE(store.HasCallOnBand("DL1ABC", "20m"));
  EXPECT_FALSE(store.HasPrefixOnBand("20m", "DL"));
  EXPECT_THROW(store.RemoveAt(0), std::out_of_range);
}

}  // namespace
