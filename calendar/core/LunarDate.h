// Conversion between Gregorian dates and lunar dates of the years 1901 to 2049, driven by
// the stored lunar year and leap month tables.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/core/GregorianDate.h"

namespace cal {

struct LunarDate {
  uint16_t year = 0;
  uint16_t month = 0;  // 1 to 12
  uint16_t day = 0;    // 1 to 30
  bool leap = false;   // the leap month that follows month number `month`
};

inline bool operator==(const LunarDate& a, const LunarDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.leap == b.leap;
}
inline bool operator!=(const LunarDate& a, const LunarDate& b) { return !(a == b); }

// The month the year's leap month follows, 0 for none; -1 outside 1901 to 2049.
int LeapMonthOf(int year);

struct LunarMonthLengths {
  int days = 0;      // 29 or 30
  int leapDays = 0;  // of the leap month following this one, 0 when there is none
};

// (0, 0) outside 1901 to 2049 or for a month outside 1 to 12.
LunarMonthLengths LunarMonthDays(int year, int month);

// All months of the year, its leap month included; 0 outside 1901 to 2049.
int LunarYearDays(int year);

// Fails for an invalid date, for dates before 19 February 1901 (lunar 1901-01-01) and for
// dates in 2049 or later.
std::optional<LunarDate> GregorianToLunar(const GregorianDate& date);

// Fails outside the lunar years 1901 to 2049, for a month outside 1 to 12, for a day beyond
// the month's length, and for lunar dates whose Gregorian day falls outside the range
// GregorianToLunar accepts. A leap flag on a month without a leap month is dropped.
std::optional<GregorianDate> LunarToGregorian(const LunarDate& lunar);

}  // namespace cal
