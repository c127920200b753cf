#include "runtime/core/DateTime.h"

#include <cstdint>

namespace rt {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Day number of 30 December 1899 counted from 1 January 1970.
constexpr int64_t kEpochOffset = -25569;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }

// Days since 1 January 1970 of a proleptic Gregorian date (month 1..12, any day).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, DateTimeParts& out) {
  z += 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  out.day = int(doy - (153 * mp + 2) / 5 + 1);
  out.month = int(m);
  out.year = int(yoe + era * 400 + (m <= 2));
}

// Day number and seconds of the day back into the date-time encoding.
double Compose(int64_t dayNumber, int64_t seconds) {
  const double time = double(seconds) / double(kSecondsPerDay);
  const double day = double(dayNumber);
  return ClampDateTime(dayNumber >= 0 ? day + time : day - time);
}

}  // namespace

double ClampDateTime(double value) {
  if (value != value) return 0.0;
  if (value < kMinDateTime) return kMinDateTime;
  if (value > kMaxDateTime) return kMaxDateTime;
  return value;
}

DateTimeParts SplitDateTime(double value) {
  value = ClampDateTime(value);
  int64_t dayNumber = int64_t(value);           // toward zero: the day of a negative value too
  double fraction = value - double(dayNumber);  // exact
  if (fraction < 0) fraction = -fraction;
  int64_t seconds = int64_t(fraction * double(kSecondsPerDay) + 0.5);
  if (seconds >= kSecondsPerDay) {  // 23:59:59.5 and later round into the next day
    seconds -= kSecondsPerDay;
    ++dayNumber;
  }
  DateTimeParts parts;
  CivilFromDays(dayNumber + kEpochOffset, parts);
  parts.hour = int(seconds / 3600);
  parts.minute = int(seconds / 60 % 60);
  parts.second = int(seconds % 60);
  return parts;
}

double MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const int64_t monthIndex = int64_t(month) - 1;
  const int64_t y = int64_t(year) + FloorDiv(monthIndex, 12);
  const int64_t m = FloorMod(monthIndex, 12) + 1;
  int64_t dayNumber = DaysFromCivil(y, m, 1) + (int64_t(day) - 1) - kEpochOffset;
  const int64_t totalSeconds = int64_t(hour) * 3600 + int64_t(minute) * 60 + int64_t(second);
  dayNumber += FloorDiv(totalSeconds, kSecondsPerDay);
  // Far outside the valid years: clamp before the day number meets a double's limits.
  if (dayNumber < int64_t(kMinDateTime)) return kMinDateTime;
  if (dayNumber > int64_t(kMaxDateTime)) return kMaxDateTime;
  return Compose(dayNumber, FloorMod(totalSeconds, kSecondsPerDay));
}

double MakeDateTime(const DateTimeParts& p) {
  return MakeDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second);
}

double DatePartValue(double value) {
  const DateTimeParts p = SplitDateTime(value);
  return MakeDateTime(p.year, p.month, p.day);
}

}  // namespace rt
