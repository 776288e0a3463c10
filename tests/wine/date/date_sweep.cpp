// Checks COleDateTime's break-down against the platform's own conversion,
// VariantTimeToSystemTime, over a sweep of day counts: random values across
// the whole scale and beyond its ends, both sides of every rounding edge
// (half seconds, whole seconds, the nudge the platform applies), carries at
// the ends of days, months and years, negative days, and FromParts against
// SystemTimeToVariantTime. Prints every mismatch (the first ones in full) and
// exits non-zero when there is any.
//
// Where this code deliberately differs from the platform the difference is
// counted and shown under its own heading, never as a mismatch:
//  - values the platform accepts but whose date lies outside 100..9999
//    (a time that rounds past 9999-12-31 23:59:59.5), or that are NaN, are
//    invalid here;
//  - after a rounding carry into the next day the platform may leave
//    wDayOfWeek at the day before; the weekday here is that of the date shown;
//  - a carry out of 30 November (23:59:59.5 and later) may land the platform
//    on 1 January of the next year; the calendar's answer is 1 December.
#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr int kShownPerKind = 12;

struct Tally {
  const char* name;
  long checked = 0;
  long bad = 0;
};

long g_mismatches = 0;
long g_outsideScale = 0;
long g_staleWeekday = 0;
long g_novemberCarry = 0;

std::string Show(const SYSTEMTIME& st) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", st.wYear,
                st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds,
                st.wDayOfWeek);
  return buffer;
}

std::string Show(const DateTimeParts& p) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d dow %d", p.year, p.month,
                p.day, p.hour, p.minute, p.second, p.dayOfWeek);
  return buffer;
}

bool SameDateAndTime(const SYSTEMTIME& st, const DateTimeParts& p) {
  return st.wYear == p.year && st.wMonth == p.month && st.wDay == p.day && st.wHour == p.hour &&
         st.wMinute == p.minute && st.wSecond == p.second && st.wMilliseconds == 0;
}

// One value through both conversions.
void Check(Tally* tally, double days) {
  ++tally->checked;
  SYSTEMTIME st = {};
  const bool platformOk = VariantTimeToSystemTime(days, &st) != FALSE;
  DateTimeParts parts;
  const bool ownOk = COleDateTime(days).GetParts(&parts);

  if (platformOk && !ownOk &&
      (std::isnan(days) || st.wYear < 100 || st.wYear > 9999)) {
    if (g_outsideScale++ < kShownPerKind)
      std::printf("  outside the scale (invalid here): %.17g -> platform %s\n", days,
                  Show(st).c_str());
    return;
  }
  if (platformOk != ownOk) {
    ++tally->bad;
    if (g_mismatches++ < 200)
      std::printf("MISMATCH [%s] %.17g: platform %s, own %s\n", tally->name, days,
                  platformOk ? Show(st).c_str() : "FALSE", ownOk ? Show(parts).c_str() : "false");
    return;
  }
  if (!ownOk) return;
  if (parts.month == 12 && parts.day == 1 && parts.hour == 0 && parts.minute == 0 &&
      parts.second == 0 && st.wYear == parts.year + 1 && st.wMonth == 1 && st.wDay == 1 &&
      st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0) {
    if (g_novemberCarry++ < kShownPerKind)
      std::printf("  carry out of 30 November lands the platform in January: %.17g -> %s, own %s\n",
                  days, Show(st).c_str(), Show(parts).c_str());
    return;
  }
  if (!SameDateAndTime(st, parts)) {
    ++tally->bad;
    if (g_mismatches++ < 200)
      std::printf("MISMATCH [%s] %.17g: platform %s, own %s\n", tally->name, days,
                  Show(st).c_str(), Show(parts).c_str());
    return;
  }
  if (st.wDayOfWeek != parts.dayOfWeek) {
    const bool carried = (st.wDayOfWeek + 1) % 7 == parts.dayOfWeek && parts.hour == 0 &&
                         parts.minute == 0 && parts.second == 0;
    if (carried) {
      if (g_staleWeekday++ < kShownPerKind)
        std::printf("  weekday left behind by the platform after a carry: %.17g -> %s, own %s\n",
                    days, Show(st).c_str(), Show(parts).c_str());
      return;
    }
    ++tally->bad;
    if (g_mismatches++ < 200)
      std::printf("MISMATCH [%s] weekday %.17g: platform %s, own %s\n", tally->name, days,
                  Show(st).c_str(), Show(parts).c_str());
  }
}

// The value and a few neighbours on each side, one unit in the last place apart.
void CheckAround(Tally* tally, double days, int steps) {
  Check(tally, days);
  double up = days;
  double down = days;
  for (int i = 0; i < steps; ++i) {
    up = std::nextafter(up, std::numeric_limits<double>::infinity());
    down = std::nextafter(down, -std::numeric_limits<double>::infinity());
    Check(tally, up);
    Check(tally, down);
  }
}

// A time of day given in seconds, placed on a day of either sign.
double At(long day, double seconds) {
  return day < 0 ? day - seconds * kSecond : day + seconds * kSecond;
}

void Report(const Tally& t) {
  std::printf("%-34s %9ld checked, %ld mismatched\n", t.name, t.checked, t.bad);
}

}  // namespace

int main() {
  std::mt19937_64 random(20261128);
  std::uniform_real_distribution<double> wholeScale(-657436.0, 2958467.0);
  std::uniform_real_distribution<double> negativeDays(-657435.0, 0.0);
  std::uniform_int_distribution<long> anyDay(-657434, 2958465);
  std::uniform_int_distribution<long> anyNegativeDay(-657434, -1);
  std::uniform_int_distribution<int> anySecond(0, 86399);
  std::vector<Tally> tallies;

  {
    Tally t{"random across the scale"};
    for (int i = 0; i < 2000000; ++i) Check(&t, wholeScale(random));
    tallies.push_back(t);
  }
  {
    Tally t{"random negative days"};
    for (int i = 0; i < 500000; ++i) Check(&t, negativeDays(random));
    tallies.push_back(t);
  }
  {
    // Random bit patterns within the scale's magnitudes: every fraction the
    // double can hold, not only those a uniform draw prefers.
    Tally t{"random bit patterns"};
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 500000; ++i) {
      std::uint64_t b = bits(random);
      double d;
      std::memcpy(&d, &b, sizeof d);
      if (!(std::fabs(d) < 3e6)) d = std::fmod(d, 3e6);
      if (std::isnan(d)) continue;
      Check(&t, d);
    }
    tallies.push_back(t);
  }
  {
    Tally t{"half-second edges"};
    for (int i = 0; i < 100000; ++i) {
      const long day = i % 4 == 0 ? anyNegativeDay(random) : anyDay(random);
      CheckAround(&t, At(day, anySecond(random) + 0.5), 3);
    }
    tallies.push_back(t);
  }
  {
    // The platform nudges the fraction by 1e-11 days (0.864 microseconds)
    // before cutting it: probe both sides of the half second that moves.
    Tally t{"nudged half-second edges"};
    const double nudge = 1e-11 * 86400.0;
    for (int i = 0; i < 50000; ++i) {
      const long day = i % 4 == 0 ? anyNegativeDay(random) : anyDay(random);
      const int s = anySecond(random);
      for (double off : {-1e-6, -5e-7, -1e-7, 1e-7, 5e-7, 1e-6})
        Check(&t, At(day, s + 0.5 - nudge + off));
    }
    tallies.push_back(t);
  }
  {
    Tally t{"whole-second edges"};
    for (int i = 0; i < 100000; ++i) {
      const long day = i % 4 == 0 ? anyNegativeDay(random) : anyDay(random);
      CheckAround(&t, At(day, anySecond(random)), 3);
    }
    tallies.push_back(t);
  }
  {
    Tally t{"carries at day, month, year ends"};
    for (int year : {100, 101, 1582, 1899, 1900, 1904, 1999, 2000, 2024, 2026, 2100, 9998, 9999}) {
      for (int month = 1; month <= 12; ++month) {
        for (int dayOfMonth : {27, 28, 29, 30, 31}) {
          const COleDateTime start = COleDateTime::FromParts(year, month, dayOfMonth, 0, 0, 0);
          if (start.m_status != COleDateTime::valid) continue;
          const long day = static_cast<long>(start.m_dt);
          for (double s : {86399.0, 86399.4, 86399.49, 86399.5, 86399.51, 86399.6, 86399.99,
                           86399.999999})
            CheckAround(&t, At(day, s), 2);
        }
      }
    }
    tallies.push_back(t);
  }
  {
    Tally t{"every day at a few times"};
    for (long day = -657434; day <= 2958465; ++day) {
      Check(&t, static_cast<double>(day));
      Check(&t, At(day, 43200.25));
      Check(&t, At(day, static_cast<double>((day * 7919LL % 86400 + 86400) % 86400) + 0.5));
    }
    tallies.push_back(t);
  }
  {
    Tally t{"ends of the scale"};
    for (double d : {-657435.0, -657434.999999, -657434.5, -657434.0, -657433.5, -1.0, -0.5, -0.0,
                     0.0, 0.5, 1.0, 2958465.0, 2958465.5, 2958465.99999, 2958465.999994,
                     2958465.999995, 2958465.999999, 2958466.0})
      CheckAround(&t, d, 3);
    for (double d : {std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), 1e300, -1e300,
                     std::numeric_limits<double>::denorm_min(),
                     std::numeric_limits<double>::quiet_NaN()})
      Check(&t, d);
    tallies.push_back(t);
  }
  {
    // FromParts against SystemTimeToVariantTime: both must land in the same
    // second (the encodings may differ in the last bits).
    Tally t{"FromParts vs SystemTimeToVariantTime"};
    std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), hour(0, 23),
        minute(0, 59), second(0, 59);
    long bitDifferences = 0;
    for (int i = 0; i < 300000; ++i) {
      SYSTEMTIME st = {};
      st.wYear = static_cast<WORD>(i % 5 == 0 ? 1800 + year(random) % 100 : year(random));
      st.wMonth = static_cast<WORD>(month(random));
      st.wDay = static_cast<WORD>(day(random));
      st.wHour = static_cast<WORD>(hour(random));
      st.wMinute = static_cast<WORD>(minute(random));
      st.wSecond = static_cast<WORD>(second(random));
      const COleDateTime own =
          COleDateTime::FromParts(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
      if (own.m_status != COleDateTime::valid) continue;  // no such day: the platform rolls it
      ++t.checked;
      double platform = 0.0;
      if (!SystemTimeToVariantTime(&st, &platform) || std::fabs(platform - own.m_dt) > 1e-8) {
        ++t.bad;
        if (g_mismatches++ < 200)
          std::printf("MISMATCH [%s] %04u-%02u-%02u %02u:%02u:%02u: platform %.17g, own %.17g\n",
                      t.name, st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                      platform, own.m_dt);
        continue;
      }
      if (platform != own.m_dt) ++bitDifferences;
      Tally back{t.name};
      Check(&back, own.m_dt);
      t.bad += back.bad;
    }
    std::printf("  FromParts encodings differing in the last bits only: %ld\n", bitDifferences);
    tallies.push_back(t);
  }

  std::printf("\n");
  for (const Tally& t : tallies) Report(t);
  std::printf("outside the scale, invalid here but accepted by the platform: %ld\n",
              g_outsideScale);
  std::printf("weekday left behind by the platform after a carry: %ld\n", g_staleWeekday);
  std::printf("carry out of 30 November landing the platform on 1 January: %ld\n",
              g_novemberCarry);
  std::printf("%s: %ld mismatches\n", g_mismatches == 0 ? "PASS" : "FAIL", g_mismatches);
  return g_mismatches == 0 ? 0 : 1;
}
