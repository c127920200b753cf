#include "book/core/BookDate.h"

#include <cstdio>
#include <string>

#include "runtime/core/DateTime.h"

namespace book {

bool IsValidDay(int year, int month, int day) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

namespace {

// The year, month and day of a "YYYY-MM-DD" text naming a valid day; false for anything else.
bool ReadIsoDate(std::string_view text, int* year, int* month, int* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int* fields[3] = {year, month, day};
  const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    *fields[f] = 0;
    for (int i = 0; i < lengths[f]; ++i) {
      char c = text[size_t(starts[f] + i)];
      if (c < '0' || c > '9') return false;
      *fields[f] = *fields[f] * 10 + (c - '0');
    }
  }
  return IsValidDay(*year, *month, *day);
}

}  // namespace

std::string IsoDate(int year, int month, int day) {
  if (!IsValidDay(year, month, day)) return {};
  char text[40];  // room for any int, though a valid day needs 11
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

bool IsIsoDate(std::string_view text) {
  int year = 0, month = 0, day = 0;
  return ReadIsoDate(text, &year, &month, &day);
}

}  // namespace book

namespace book {

std::string DayBefore(std::string_view iso) {
  int year = 0, month = 0, day = 0;
  if (!ReadIsoDate(iso, &year, &month, &day)) return {};
  if (--day == 0 && --month == 0) {
    month = 12;
    --year;
  }
  if (day == 0)  // the month's last day
    for (day = 31; day > 28 && !IsValidDay(year, month, day);) --day;
  return IsoDate(year, month, day);
}

bool DayNumber(std::string_view iso, int64_t* day) {
  int year = 0, month = 0, dayOfMonth = 0;
  if (!ReadIsoDate(iso, &year, &month, &dayOfMonth)) return false;
  *day = int64_t(rt::MakeDateTime(year, month, dayOfMonth));  // whole days: the date-time's day count
  return true;
}

}  // namespace book
