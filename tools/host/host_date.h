// HostDate: the date-time value as the host lays it out in memory and passes
// it to the plug-in by pointer: a double counting days since 1899-12-30 00:00
// at offset 0 (the fraction is the time of day), a 32-bit status at offset 8
// (0 valid, 1 invalid, 2 null), 16 bytes in all. The stand-in host builds its
// own values so that it shares no code with the plug-in it drives.
#ifndef STATS_TOOLS_HOST_HOST_DATE_H_
#define STATS_TOOLS_HOST_HOST_DATE_H_

#include <cstddef>
#include <cstdint>

namespace host {

struct HostDate {
  double days = 0.0;
  std::int32_t status = 0;
  std::int32_t reserved = 0;
};

static_assert(sizeof(HostDate) == 16, "the host's value is 16 bytes");
static_assert(offsetof(HostDate, days) == 0, "days at offset 0");
static_assert(offsetof(HostDate, status) == 8, "status at offset 8");

// Days from 1899-12-30 to the given civil date (proleptic Gregorian).
inline long DaysSinceEpoch(int year, int month, int day) {
  // Days from 1970-01-01 (Howard Hinnant's algorithm), shifted to 1899-12-30.
  const long y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long mp = (month + 9) % 12;
  const long doy = (153 * mp + 2) / 5 + day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;
}

inline HostDate MakeDate(int year, int month, int day, int hour = 0, int minute = 0) {
  HostDate date;
  date.days = static_cast<double>(DaysSinceEpoch(year, month, day)) +
              (hour * 60 + minute) / 1440.0;
  return date;
}

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_DATE_H_
