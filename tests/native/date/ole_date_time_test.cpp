// The host's date-time value: break-down with rounding to the second, the
// negative-day rule, the limits of the scale, formatting and equality.
#include "engine/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct KnownValue {
  const char* what;
  double days;
  const char* expected;  // "%Y-%m-%d %H:%M:%S"
  int dayOfWeek;
  int dayOfYear;
};

std::string Broken(double days) {
  return COleDateTime(days).Format("%Y-%m-%d %H:%M:%S");
}

class KnownValues : public ::testing::TestWithParam<KnownValue> {};

TEST_P(KnownValues, BreakDownAndRound) {
  const KnownValue& k = GetParam();
  EXPECT_EQ(Broken(k.days), k.expected) << k.what << " " << k.days;
  DateTimeParts parts;
  ASSERT_TRUE(COleDateTime(k.days).GetParts(&parts)) << k.what;
  EXPECT_EQ(parts.dayOfWeek, k.dayOfWeek) << k.what;
  EXPECT_EQ(parts.dayOfYear, k.dayOfYear) << k.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownValues,
    ::testing::Values(
        KnownValue{"epoch", 0.0, "1899-12-30 00:00:00", 6, 364},
        KnownValue{"contest time", 46354.0 + 12.0 / 1440.0, "2026-11-28 00:12:00", 6, 332},
        KnownValue{"1980-01-01", 29221.0, "1980-01-01 00:00:00", 2, 1},
        KnownValue{"18:01:16", 29221.7508765432, "1980-01-01 18:01:16", 2, 1},
        KnownValue{"23:43:59.96 rounds up", 29221.9888884444, "1980-01-01 23:44:00", 2, 1},
        // Negative days: the integer part is the day, the fraction runs forward.
        KnownValue{"-1.25", -1.25, "1899-12-29 06:00:00", 5, 363},
        KnownValue{"-0.5", -0.5, "1899-12-30 12:00:00", 6, 364},
        KnownValue{"-0.25 equals 0.25", -0.25, "1899-12-30 06:00:00", 6, 364},
        KnownValue{"-1.0", -1.0, "1899-12-29 00:00:00", 5, 363},
        KnownValue{"-4.0", -4.0, "1899-12-26 00:00:00", 2, 360},
        KnownValue{"-5.25", -5.25, "1899-12-25 06:00:00", 1, 359},
        KnownValue{"-5 23:59:58.999", -5.9999884259259, "1899-12-25 23:59:59", 1, 359},
        // Half-second rounding, both signs.
        KnownValue{"0.4 s down", 29221.0 + 0.4 * kSecond, "1980-01-01 00:00:00", 2, 1},
        KnownValue{"0.5 s up", 29221.0 + 0.5 * kSecond, "1980-01-01 00:00:01", 2, 1},
        KnownValue{"0.6 s up", 29221.0 + 0.6 * kSecond, "1980-01-01 00:00:01", 2, 1},
        KnownValue{"12:00:30.5 up", 29221.5 + 30.5 * kSecond, "1980-01-01 12:00:31", 2, 1},
        KnownValue{"12:00:30.49 down", 29221.5 + 30.49 * kSecond, "1980-01-01 12:00:30", 2, 1},
        KnownValue{"negative 0.4 s down", -1.0 - 0.4 * kSecond, "1899-12-29 00:00:00", 5, 363},
        KnownValue{"negative 0.5 s up", -1.0 - 0.5 * kSecond, "1899-12-29 00:00:01", 5, 363},
        KnownValue{"negative 0.6 s up", -1.0 - 0.6 * kSecond, "1899-12-29 00:00:01", 5, 363},
        // Carry through minute, hour, day, month and year.
        KnownValue{"carry 00:59:59.5", 29221.0 + 3599.5 * kSecond, "1980-01-01 01:00:00", 2, 1},
        KnownValue{"carry 23:59:59.5", 29221.0 + 86399.5 * kSecond, "1980-01-02 00:00:00", 3, 2},
        KnownValue{"carry 23:59:59.4 stays", 29221.0 + 86399.4 * kSecond, "1980-01-01 23:59:59", 2, 1},
        KnownValue{"carry out of 30 November", 45626.0 + 86399.6 * kSecond, "2024-12-01 00:00:00", 0, 336},
        KnownValue{"carry year end", 46387.0 + 86399.6 * kSecond, "2027-01-01 00:00:00", 5, 1},
        KnownValue{"carry negative day forward", -1.0 - 86399.6 * kSecond, "1899-12-30 00:00:00", 6, 364},
        KnownValue{"carry negative into next month", -30.0 - 86399.6 * kSecond, "1899-12-01 00:00:00", 5, 335},
        KnownValue{"carry into 1900-03-01", 60.0 + 86399.6 * kSecond, "1900-03-01 00:00:00", 4, 60},
        KnownValue{"carry into 2000-02-29", 36584.0 + 86399.6 * kSecond, "2000-02-29 00:00:00", 2, 60},
        // Leap years: 1900 has no 29 February, 2000 has one.
        KnownValue{"1900-02-28", 60.0, "1900-02-28 00:00:00", 3, 59},
        KnownValue{"1900-03-01", 61.0, "1900-03-01 00:00:00", 4, 60},
        KnownValue{"2000-02-29", 36585.0, "2000-02-29 00:00:00", 2, 60},
        KnownValue{"2000-12-31", 36891.0, "2000-12-31 00:00:00", 0, 366},
        // Ends of the scale.
        KnownValue{"first day", -657434.0, "100-01-01 00:00:00", 5, 1},
        KnownValue{"first day evening", -657434.99, "100-01-01 23:45:36", 5, 1},
        KnownValue{"last day", 2958465.0, "9999-12-31 00:00:00", 5, 365},
        KnownValue{"last second", 2958465.0 + 86399.0 * kSecond, "9999-12-31 23:59:59", 5, 365}));

TEST(DateTimeFormat, ValuesThatCannotBeBrokenDownAreInvalid) {
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[] = {
      std::numeric_limits<double>::quiet_NaN(),
      -std::numeric_limits<double>::quiet_NaN(),
      inf,
      -inf,
      1e300,
      -1e300,
      std::numeric_limits<double>::max(),
      -657435.0,                              // 99-12-31
      -657435.5,
      2958466.0,                              // 10000-01-01
      2958465.0 + 86399.6 * kSecond,          // rounds into 10000-01-01
      static_cast<double>(1LL << 40),
  };
  for (double days : cases) {
    COleDateTime value(days);
    DateTimeParts parts;
    EXPECT_FALSE(value.GetParts(&parts)) << days;
    EXPECT_EQ(value.Format("%Y-%m-%d %H%M"), "Invalid DateTime") << days;
    EXPECT_EQ(value.Format(""), "Invalid DateTime") << days;
  }
}

TEST(DateTimeFormat, StatusDecidesBeforeTheDays) {
  EXPECT_EQ(COleDateTime(46354.0, COleDateTime::invalid).Format("%Y"), "Invalid DateTime");
  EXPECT_EQ(COleDateTime(46354.0, COleDateTime::null).Format("%Y"), "");
  EXPECT_EQ(COleDateTime(std::nan(""), COleDateTime::null).Format("%Y"), "");
  DateTimeParts parts;
  EXPECT_FALSE(COleDateTime(46354.0, COleDateTime::invalid).GetParts(&parts));
  EXPECT_FALSE(COleDateTime(46354.0, COleDateTime::null).GetParts(&parts));
}

TEST(DateTimeFormat, PatternsTheSystemUses) {
  // 2026-11-28 09:05:07
  const COleDateTime t(46354.0 + (9 * 3600 + 5 * 60 + 7) * kSecond);
  struct Case {
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"%Y-%m-%d %H%M", "2026-11-28 0905"},
      {"%H%M", "0905"},
      {"%H:%M", "09:05"},
      {"%d.%m", "28.11"},
      {"%Y", "2026"},
      {"%d.%m.%Y", "28.11.2026"},
      {"%d_%m_%Y", "28_11_2026"},
      {"%S", "07"},
      {"100%%", "100%"},
      {"%%Y", "%Y"},
      {"", ""},
      {"plain", "plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(t.Format(c.pattern), c.expected) << c.pattern;
}

TEST(DateTimeFormat, FurtherConversions) {
  // 2026-03-01 15:04:09, a Sunday.
  const COleDateTime t(COleDateTime::FromParts(2026, 3, 1, 15, 4, 9));
  struct Case {
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"%y", "26"},      {"%j", "060"},     {"%a %A", "Sun Sunday"},
      {"%b %B", "Mar March"}, {"%I %p", "03 PM"}, {"%w", "0"},
      {"%#d.%#m.", "1.3."}, {"%#H", "15"},
      {"%q", "%q"},      {"50%", "50%"},    {"%#", "%#"},
  };
  for (const Case& c : cases) EXPECT_EQ(t.Format(c.pattern), c.expected) << c.pattern;

  EXPECT_EQ(COleDateTime(-657434.0).Format("%Y %y"), "100 00");
  EXPECT_EQ(COleDateTime(0.0).Format("%I %p"), "12 AM");
  EXPECT_EQ(COleDateTime(0.0).Format(nullptr), "");
}

TEST(DateTimeEquality, StatusAndDays) {
  const COleDateTime a(46354.5);
  EXPECT_TRUE(a == COleDateTime(46354.5));
  EXPECT_FALSE(a != COleDateTime(46354.5));
  EXPECT_FALSE(a == COleDateTime(46354.5 + kSecond));
  // Same moment, different encoding: the day counts differ.
  EXPECT_FALSE(COleDateTime(-0.5) == COleDateTime(0.5));

  const COleDateTime null1(1.0, COleDateTime::null);
  const COleDateTime null2(2.0, COleDateTime::null);
  EXPECT_TRUE(null1 == null2);
  EXPECT_FALSE(null1 == COleDateTime(1.0));
  EXPECT_FALSE(COleDateTime(1.0) == null1);

  const COleDateTime bad(1.0, COleDateTime::invalid);
  EXPECT_FALSE(bad == bad);
  EXPECT_TRUE(bad != bad);
  EXPECT_FALSE(bad == COleDateTime(1.0));
  EXPECT_FALSE(bad == null1);

  const COleDateTime nan(std::nan(""));
  EXPECT_FALSE(nan == nan);
}

TEST(DateTimeEquality, DefaultIsValidDayZero) {
  const COleDateTime d;
  EXPECT_EQ(d.m_status, COleDateTime::valid);
  EXPECT_EQ(d.m_dt, 0.0);
  EXPECT_EQ(d.Format("%Y-%m-%d %H%M"), "1899-12-30 0000");
}

TEST(DateTimeFromParts, EncodesBothSidesOfTheEpoch) {
  EXPECT_EQ(COleDateTime::FromParts(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
  EXPECT_EQ(COleDateTime::FromParts(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
  EXPECT_EQ(COleDateTime::FromParts(1899, 12, 29, 0, 0, 0).m_dt, -1.0);
  EXPECT_EQ(COleDateTime::FromParts(1899, 12, 30, 12, 0, 0).m_dt, 0.5);
  EXPECT_EQ(COleDateTime::FromParts(1900, 1, 1, 18, 0, 0).m_dt, 2.75);
  EXPECT_EQ(COleDateTime::FromParts(100, 1, 1, 0, 0, 0).m_dt, -657434.0);
  EXPECT_EQ(COleDateTime::FromParts(9999, 12, 31, 0, 0, 0).m_dt, 2958465.0);
  EXPECT_EQ(COleDateTime::FromParts(2026, 11, 28, 0, 12, 0).Format("%Y-%m-%d %H%M"),
            "2026-11-28 0012");
  EXPECT_EQ(COleDateTime::FromParts(2026, 11, 28, 0, 0, 0).m_status, COleDateTime::valid);
}

TEST(DateTimeFromParts, RejectsWhatIsNoCalendarDate) {
  struct Case {
    int y, mo, d, h, mi, s;
  };
  const Case cases[] = {
      {1900, 2, 29, 0, 0, 0}, {2100, 2, 29, 0, 0, 0}, {2026, 4, 31, 0, 0, 0},
      {2026, 1, 32, 0, 0, 0}, {2026, 1, 0, 0, 0, 0},  {2026, 0, 1, 0, 0, 0},
      {2026, 13, 1, 0, 0, 0}, {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0},
      {-2026, 1, 1, 0, 0, 0}, {2026, 1, 1, 24, 0, 0}, {2026, 1, 1, 0, 60, 0},
      {2026, 1, 1, 0, 0, 60}, {2026, 1, 1, -1, 0, 0}, {2026, 1, 1, 0, -1, 0},
      {2026, 1, 1, 0, 0, -1},
  };
  for (const Case& c : cases) {
    const COleDateTime t = COleDateTime::FromParts(c.y, c.mo, c.d, c.h, c.mi, c.s);
    EXPECT_EQ(t.m_status, COleDateTime::invalid)
        << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
    EXPECT_EQ(t.Format("%Y"), "Invalid DateTime");
  }
  EXPECT_EQ(COleDateTime::FromParts(2000, 2, 29, 0, 0, 0).m_status, COleDateTime::valid);
  EXPECT_EQ(COleDateTime::FromParts(2024, 2, 29, 23, 59, 59).m_status, COleDateTime::valid);
}

// Walks every day of the scale: each day must follow the one before by the
// calendar's own rules, and must come back from its parts unchanged.
TEST(DateTimeFromParts, EveryDayFollowsItsPredecessorAndRoundTrips) {
  auto daysIn = [](int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
  };
  int y = 100, m = 1, d = 1, dow = 5, doy = 1;
  int failures = 0;
  for (long day = -657434; day <= 2958465 && failures < 5; ++day) {
    // A different time on each day, so every second of the day is met.
    const int secs = static_cast<int>((day * 7919 % 86400 + 86400) % 86400);
    const COleDateTime t = COleDateTime::FromParts(y, m, d, secs / 3600, secs / 60 % 60, secs % 60);
    DateTimeParts p;
    const bool ok = t.GetParts(&p);
    if (!ok || static_cast<long>(std::trunc(t.m_dt)) != day || p.year != y || p.month != m ||
        p.day != d || p.hour != secs / 3600 || p.minute != secs / 60 % 60 ||
        p.second != secs % 60 || p.dayOfWeek != dow || p.dayOfYear != doy) {
      ADD_FAILURE() << "day " << day << " expected " << y << "-" << m << "-" << d << " +" << secs
                    << "s dow " << dow << " doy " << doy << ", got " << t.m_dt << " -> "
                    << p.year << "-" << p.month << "-" << p.day << " " << p.hour << ":"
                    << p.minute << ":" << p.second << " dow " << p.dayOfWeek << " doy "
                    << p.dayOfYear;
      ++failures;
    }
    // The whole day (no time) also breaks down to midnight of the same date.
    DateTimeParts whole;
    ASSERT_TRUE(COleDateTime(static_cast<double>(day)).GetParts(&whole)) << day;
    if (whole.year != y || whole.month != m || whole.day != d || whole.hour != 0 ||
        whole.minute != 0 || whole.second != 0) {
      ADD_FAILURE() << "whole day " << day;
      ++failures;
    }
    dow = (dow + 1) % 7;
    ++doy;
    if (++d > daysIn(y, m)) {
      d = 1;
      if (++m > 12) {
        m = 1;
        ++y;
        doy = 1;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
