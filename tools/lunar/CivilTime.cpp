#include "tools/lunar/CivilTime.h"

#include <cmath>

#include "calendar/core/DateTimeParts.h"

namespace lunar {
namespace {

constexpr double kJdOfEpoch = 2415018.5;  // 30 December 1899 00:00 UT
constexpr cal::GregorianDate kEpoch{1899, 12, 30};
constexpr cal::GregorianDate kBeijingMeridianFrom{1914, 1, 1};
constexpr cal::GregorianDate kStandardMeridianFrom{1929, 1, 1};

// The moment a civil date begins in UTC+8, as a Julian day of Universal Time.
double StartInUtc8(const cal::GregorianDate& date) {
  return JulianDayOf(date) - double(kUtc8) / kSecondsPerDay;
}

}  // namespace

CivilMoment ToCivil(double jdUt, int32_t offsetSeconds) {
  int64_t seconds = std::llround((jdUt - kJdOfEpoch) * kSecondsPerDay) + offsetSeconds;
  int64_t day = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
  CivilMoment civil;
  civil.day = int32_t(day);
  civil.secondOfDay = int32_t(seconds - day * kSecondsPerDay);
  cal::DateTimeParts parts;
  cal::SplitDateTime(double(civil.day), parts);
  civil.date = parts.date;
  return civil;
}

double JulianDayOf(const cal::GregorianDate& date) {
  return kJdOfEpoch + cal::GregorianDaysBetween(date, kEpoch);
}

int32_t CalendarZone(double jdUt) {
  bool beijingEra = jdUt >= StartInUtc8(kBeijingMeridianFrom) && jdUt < StartInUtc8(kStandardMeridianFrom);
  return beijingEra ? kBeijingMeanTime : kUtc8;
}

int32_t BeijingBefore1929Zone(double jdUt) {
  return jdUt < StartInUtc8(kStandardMeridianFrom) ? kBeijingMeanTime : kUtc8;
}

double SecondsFromMidnight(double jdUt, int32_t offsetSeconds) {
  double local = (jdUt - kJdOfEpoch) * kSecondsPerDay + offsetSeconds;
  double sinceMidnight = local - std::floor(local / kSecondsPerDay) * kSecondsPerDay;
  return sinceMidnight > kSecondsPerDay / 2 ? sinceMidnight - kSecondsPerDay : sinceMidnight;
}

}  // namespace lunar
