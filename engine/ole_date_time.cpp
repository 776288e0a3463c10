#include "engine/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace {

// The scale reaches from 100-01-01 (day -657434) to 9999-12-31 (day 2958465);
// a value is accepted while its day, fraction included, lies inside that span.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

// Day 0 of the scale, 1899-12-30, counted from 1970-01-01.
constexpr long kScaleToCivil = -25569;

// The platform nudges the fraction up by this much before it cuts the time
// into hours, minutes and seconds, so a time that falls a hair short of a
// whole second (or of a half second) through binary representation still
// rounds the way its decimal value says.
constexpr double kFractionNudge = 1e-11;

constexpr const char* kInvalidText = "Invalid DateTime";

bool IsLeapYear(long year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(long year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Proleptic Gregorian calendar on 400-year eras (March-based years, so the
// leap day is the last day of its year).
long DaysFromCivil(long year, int month, int day) {
  const long y = month <= 2 ? year - 1 : year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153L * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, long* year, int* month, int* day) {
  const long z = days + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long dayOfEra = z - era * 146097;
  const long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long mp = (5 * dayOfYear + 2) / 153;
  *day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = yearOfEra + era * 400 + (*month <= 2 ? 1 : 0);
}

const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",
                                     "May",     "June",     "July",      "August",
                                     "September", "October", "November", "December"};

void AppendNumber(std::string* out, long value, int width, bool padded) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*ld", padded ? width : 1, value);
  out->append(buffer);
}

void AppendShortName(std::string* out, const char* name) { out->append(name, 3); }

}  // namespace

COleDateTime COleDateTime::FromParts(int year, int month, int day, int hour,
                                     int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59) {
    return COleDateTime(0.0, invalid);
  }
  const double days =
      static_cast<double>(DaysFromCivil(year, month, day) - kScaleToCivil);
  const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
  // Before the epoch the fraction still counts forward from the day's start,
  // so it moves away from zero together with the integer part.
  return COleDateTime(days < 0.0 ? days - time : days + time, valid);
}

bool COleDateTime::operator==(const COleDateTime& other) const {
  if (m_status != other.m_status) return false;
  if (m_status == valid) return m_dt == other.m_dt;
  return m_status == null;
}

bool COleDateTime::GetParts(DateTimeParts* parts) const {
  if (m_status != valid || parts == nullptr) return false;
  const double dt = m_dt;
  // The negated test keeps NaN out as well.
  if (!(dt > kFirstDay - 1.0 && dt < kLastDay + 1.0)) return false;

  long day = static_cast<long>(dt);  // toward zero: the day of either sign
  const double fraction = std::fabs(dt - static_cast<double>(day));  // exact
  double nudged = fraction + kFractionNudge;
  if (nudged >= 1.0) nudged = fraction;

  // Whole seconds of the day, then the half second decides.
  const double seconds = nudged * 86400.0;
  long whole = static_cast<long>(seconds);
  if (seconds - static_cast<double>(whole) > 0.5) ++whole;
  if (whole >= 86400) {  // rounded into the next day
    whole -= 86400;
    ++day;
  }

  long year = 0;
  int month = 0;
  int dayOfMonth = 0;
  CivilFromDays(day + kScaleToCivil, &year, &month, &dayOfMonth);
  if (year < 100 || year > 9999) return false;

  parts->year = static_cast<int>(year);
  parts->month = month;
  parts->day = dayOfMonth;
  parts->hour = static_cast<int>(whole / 3600);
  parts->minute = static_cast<int>(whole / 60 % 60);
  parts->second = static_cast<int>(whole % 60);
  // Day 0 was a Saturday.
  parts->dayOfWeek = static_cast<int>(((day + 6) % 7 + 7) % 7);
  parts->dayOfYear = static_cast<int>(day + kScaleToCivil - DaysFromCivil(year, 1, 1) + 1);
  return true;
}

std::string COleDateTime::Format(const char* pattern) const {
  if (m_status == null) return std::string();
  DateTimeParts p;
  if (!GetParts(&p)) return kInvalidText;
  std::string out;
  if (pattern == nullptr) return out;

  for (const char* c = pattern; *c != '\0'; ++c) {
    if (*c != '%') {
      out.push_back(*c);
      continue;
    }
    const char* start = c;
    // '#' drops the leading zeros of a number, as the platform's runtime does.
    bool padded = true;
    if (c[1] == '#') {
      padded = false;
      ++c;
    }
    const char code = c[1];
    if (code == '\0') {  // a lone '%' at the end stays as written
      out.append(start);
      break;
    }
    ++c;
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    switch (code) {
      case 'Y': AppendNumber(&out, p.year, 1, padded); break;
      case 'y': AppendNumber(&out, p.year % 100, 2, padded); break;
      case 'C': AppendNumber(&out, p.year / 100, 2, padded); break;
      case 'm': AppendNumber(&out, p.month, 2, padded); break;
      case 'd': AppendNumber(&out, p.day, 2, padded); break;
      case 'j': AppendNumber(&out, p.dayOfYear, 3, padded); break;
      case 'H': AppendNumber(&out, p.hour, 2, padded); break;
      case 'I': AppendNumber(&out, hour12, 2, padded); break;
      case 'M': AppendNumber(&out, p.minute, 2, padded); break;
      case 'S': AppendNumber(&out, p.second, 2, padded); break;
      case 'w': AppendNumber(&out, p.dayOfWeek, 1, padded); break;
      case 'p': out.append(p.hour < 12 ? "AM" : "PM"); break;
      case 'a': AppendShortName(&out, kDayNames[p.dayOfWeek]); break;
      case 'A': out.append(kDayNames[p.dayOfWeek]); break;
      case 'b': AppendShortName(&out, kMonthNames[p.month - 1]); break;
      case 'B': out.append(kMonthNames[p.month - 1]); break;
      case '%': out.push_back('%'); break;
      default:  // unknown conversions are copied, not dropped
        out.append(start, c + 1);
        break;
    }
  }
  return out;
}
