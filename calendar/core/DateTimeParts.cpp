#include "calendar/core/DateTimeParts.h"

#include <cmath>

namespace cal {
namespace {

constexpr GregorianDate kEpoch{1899, 12, 30};
constexpr double kFirstValid = -657434.0;     // 1 January 100
constexpr double kLastValid = 2958465.0 + 1;  // the day after 31 December 9999
constexpr int32_t kSecondsPerDay = 86400;

// The date a whole number of days after 30 December 1899 (years 100 to 9999 only).
GregorianDate DateOfDay(int32_t dayNumber) {
  // Count 400-year cycles from 1 March of year 0, so leap days come last in each year.
  int32_t z = dayNumber + 693899;  // days since 0000-03-01
  int32_t era = z / 146097;
  int32_t doe = z - era * 146097;
  int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int32_t mp = (5 * doy + 2) / 153;
  int32_t day = doy - (153 * mp + 2) / 5 + 1;
  int32_t month = mp < 10 ? mp + 3 : mp - 9;
  int32_t year = era * 400 + yoe + (month <= 2 ? 1 : 0);
  return GregorianDate{uint16_t(year), uint16_t(month), uint16_t(day)};
}

}  // namespace

bool SplitDateTime(double value, DateTimeParts& parts) {
  if (!std::isfinite(value) || value <= kFirstValid - 1 || value >= kLastValid) return false;
  double whole = std::trunc(value);
  double fraction = std::fabs(value - whole);
  int32_t day = int32_t(whole);
  int32_t seconds = int32_t(std::lround(fraction * kSecondsPerDay));
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;  // the fraction always counts forward, even before the epoch
  }
  if (day < int32_t(kFirstValid) || day >= int32_t(kLastValid)) return false;
  parts.date = DateOfDay(day);
  parts.hour = seconds / 3600;
  parts.minute = seconds / 60 % 60;
  parts.second = seconds % 60;
  return true;
}

double MakeDateTime(const GregorianDate& date, int hour, int minute, int second) {
  double days = GregorianDaysBetween(date, kEpoch);
  double fraction = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
  return days < 0 ? days - fraction : days + fraction;
}

}  // namespace cal
