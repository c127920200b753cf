#include "book/core/BookDate.h"

#include <cstdio>
#include <string>

namespace book {

bool IsValidDay(int year, int month, int day) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string IsoDate(int year, int month, int day) {
  if (!IsValidDay(year, month, day)) return {};
  char text[40];  // room for any int, though a valid day needs 11
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

bool IsIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int fields[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f)
    for (int i = 0; i < lengths[f]; ++i) {
      char c = text[size_t(starts[f] + i)];
      if (c < '0' || c > '9') return false;
      fields[f] = fields[f] * 10 + (c - '0');
    }
  return IsValidDay(fields[0], fields[1], fields[2]);
}

}  // namespace book

namespace book {

std::string DayBefore(std::string_view iso) {
  if (!IsIsoDate(iso)) return {};
  int year = std::stoi(std::string(iso.substr(0, 4)));
  int month = std::stoi(std::string(iso.substr(5, 2)));
  int day = std::stoi(std::string(iso.substr(8, 2))) - 1;
  if (day == 0 && --month == 0) {
    month = 12;
    --year;
  }
  if (day == 0)  // the month's last day
    for (day = 31; day > 28 && !IsValidDay(year, month, day);) --day;
  return IsoDate(year, month, day);
}

// Counted by whole years from March, so the leap day ends a year (the civil-day count).
bool DayNumber(std::string_view iso, int64_t* day) {
  if (!IsIsoDate(iso)) return false;
  auto field = [&](size_t at, size_t length) {
    int64_t value = 0;
    for (size_t i = at; i < at + length; ++i) value = value * 10 + (iso[i] - '0');
    return value;
  };
  int64_t year = field(0, 4), month = field(5, 2), dayOfMonth = field(8, 2);
  if (month <= 2) --year;
  int64_t era = year / 400, yearOfEra = year - era * 400;  // years from 100 on: never negative
  int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + dayOfMonth - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  *day = era * 146097 + dayOfEra - 719468;
  return true;
}

}  // namespace book
