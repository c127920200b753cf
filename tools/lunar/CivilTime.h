// Civil dates and times of astronomical moments (Julian days of Universal Time).
#pragma once

#include <cstdint>

#include "calendar/core/GregorianDate.h"

namespace lunar {

constexpr int32_t kSecondsPerDay = 86400;
constexpr int32_t kUtc8 = 8 * 3600;  // China's standard time, the 120° E meridian
// Local mean time of the Beijing meridian, 116°25' E (4 minutes of time per degree).
constexpr int32_t kBeijingMeanTime = 7 * 3600 + 45 * 60 + 40;

struct CivilMoment {
  int32_t day = 0;  // days since 30 December 1899
  int32_t secondOfDay = 0;
  cal::GregorianDate date;
  int hour() const { return secondOfDay / 3600; }
  int minute() const { return secondOfDay / 60 % 60; }
  int second() const { return secondOfDay % 60; }
};

// The moment in the time zone `offsetSeconds` east of Greenwich, rounded to the second.
CivilMoment ToCivil(double jdUt, int32_t offsetSeconds);

// The Julian day (UT) at 00:00 UT of a date.
double JulianDayOf(const cal::GregorianDate& date);

// The zone the lunar calendar is reckoned in at a moment: up to the end of 1928 the
// calendar was computed for the meridian of Beijing; from 1929 for 120° E.
int32_t CalendarZone(double jdUt);

// Seconds from the moment to the nearest civil midnight in its zone (signed: negative just
// before midnight), for finding the days that a small error could move.
double SecondsFromMidnight(double jdUt, int32_t offsetSeconds);

}  // namespace lunar
