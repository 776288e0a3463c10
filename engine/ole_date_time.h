// COleDateTime: the host's date-time value, as it crosses the plug-in boundary.
//
// Layout contract (the host passes pointers to its own values): a double at
// offset 0 counting days since 1899-12-30 00:00, whose fraction is the time of
// day, and a 32-bit status at offset 8; 16 bytes in all. For days before the
// epoch the date scale's own rule applies: the integer part is the day and the
// fraction still counts *forward* into that day, so -1.25 is 1899-12-29 06:00.
//
// Formatting breaks the value down, rounded to the nearest second as the
// platform does, and applies strftime-style conversions. An invalid value, and
// any value that cannot be broken down (NaN, infinities, years outside 100 to
// 9999), formats as "Invalid DateTime"; a null value as the empty text.
//
// Equality: equal statuses and either both valid with equal day counts or both
// null. Two invalid values are never equal.
#ifndef STATS_ENGINE_OLE_DATE_TIME_H_
#define STATS_ENGINE_OLE_DATE_TIME_H_

#include <cstddef>
#include <cstdint>
#include <string>

struct DateTimeParts {
  int year = 0;    // 100 .. 9999
  int month = 0;   // 1 .. 12
  int day = 0;     // 1 .. 31
  int hour = 0;    // 0 .. 23
  int minute = 0;  // 0 .. 59
  int second = 0;  // 0 .. 59
  int dayOfWeek = 0;  // 0 = Sunday
  int dayOfYear = 0;  // 1 .. 366
};

class COleDateTime {
 public:
  enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

  COleDateTime() : m_dt(0.0), m_status(valid) {}
  explicit COleDateTime(double days, DateTimeStatus status = valid)
      : m_dt(days), m_status(status) {}

  // A valid value for a calendar date and time; invalid when out of range.
  static COleDateTime FromParts(int year, int month, int day, int hour,
                                int minute, int second);

  bool operator==(const COleDateTime& other) const;
  bool operator!=(const COleDateTime& other) const { return !(*this == other); }

  // Breaks a valid value down, rounded to the nearest second. False for an
  // invalid or null value and for days that are not representable.
  bool GetParts(DateTimeParts* parts) const;

  // strftime-style formatting of the broken-down value (see top of file).
  std::string Format(const char* pattern) const;

  double m_dt;
  DateTimeStatus m_status;
};

static_assert(sizeof(COleDateTime) == 16, "host layout: 16 bytes");
static_assert(offsetof(COleDateTime, m_dt) == 0, "host layout: days at 0");
static_assert(offsetof(COleDateTime, m_status) == 8, "host layout: status at 8");
static_assert(sizeof(COleDateTime::DateTimeStatus) == 4, "32-bit status");

#endif  // STATS_ENGINE_OLE_DATE_TIME_H_
