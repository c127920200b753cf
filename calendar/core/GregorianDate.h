// Proleptic Gregorian dates: day counts, month lengths, stepping and weekdays.
#pragma once

#include <cstdint>

namespace cal {

struct GregorianDate {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day = 0;
};

inline bool operator==(const GregorianDate& a, const GregorianDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator!=(const GregorianDate& a, const GregorianDate& b) { return !(a == b); }

bool IsGregorianLeapYear(int year);

// 28 to 31; 0 for a month outside 1 to 12.
int GregorianMonthDays(int year, int month);

// True when the month is 1 to 12 and the day lies within that month.
bool IsValidGregorianDate(const GregorianDate& date);

// Days from b to a (a - b). Month numbers outside 1 to 12 count as January.
int32_t GregorianDaysBetween(const GregorianDate& a, const GregorianDate& b);

// Moves the date one day forward or back. A date with a month outside 1 to 12, or a step
// past the ends of the 16-bit year range, leaves it unchanged and returns false.
bool StepDay(GregorianDate& date, bool forward);

// 1 Monday ... 6 Saturday, 7 Sunday; 0 for a month outside 1 to 12.
int DayOfWeek(const GregorianDate& date);

}  // namespace cal
