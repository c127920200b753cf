#include "calendar/core/GregorianDate.h"

namespace cal {
namespace {

// Days before each month in a common year.
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Floor division for the year terms, so year 0 counts like any other.
int32_t FloorDiv(int32_t a, int32_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Day number with 1 January of year 1 as day 1 (a Monday).
int32_t DayNumber(const GregorianDate& date) {
  int32_t y = int32_t(date.year) - 1;
  int month = (date.month >= 1 && date.month <= 12) ? date.month : 1;
  int32_t days = 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400);
  days += kDaysBeforeMonth[month - 1] + date.day;
  if (month >= 3 && IsGregorianLeapYear(date.year)) ++days;
  return days;
}

}  // namespace

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int GregorianMonthDays(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsGregorianLeapYear(year)) return 29;
  return kLengths[month - 1];
}

bool IsValidGregorianDate(const GregorianDate& date) {
  return date.day >= 1 && date.day <= GregorianMonthDays(date.year, date.month);
}

int32_t GregorianDaysBetween(const GregorianDate& a, const GregorianDate& b) {
  return DayNumber(a) - DayNumber(b);
}

bool StepDay(GregorianDate& date, bool forward) {
  if (date.month < 1 || date.month > 12) return false;
  if (forward) {
    if (date.day + 1 <= GregorianMonthDays(date.year, date.month)) {
      ++date.day;
    } else if (date.month < 12) {
      ++date.month;
      date.day = 1;
    } else {
      if (date.year == UINT16_MAX) return false;
      ++date.year;
      date.month = 1;
      date.day = 1;
    }
    return true;
  }
  if (date.day > 1) {
    // A day past the month's end steps back onto its last day.
    int last = GregorianMonthDays(date.year, date.month);
    date.day = uint16_t(date.day - 1 > last ? last : date.day - 1);
  } else if (date.month > 1) {
    --date.month;
    date.day = uint16_t(GregorianMonthDays(date.year, date.month));
  } else {
    if (date.year == 0) return false;
    --date.year;
    date.month = 12;
    date.day = 31;
  }
  return true;
}

int DayOfWeek(const GregorianDate& date) {
  if (date.month < 1 || date.month > 12) return 0;
  int32_t r = DayNumber(date) % 7;
  if (r < 0) r += 7;
  return r == 0 ? 7 : int(r);
}

}  // namespace cal
