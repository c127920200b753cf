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

// The zone the lunar calendar is reckoned in at a moment, by who computed the calendar:
//  - up to the end of 1913, the imperial calendar office with its method of 1742 (the Sun
//    on Kepler's ellipse, the Moon after Newton's theory), for Beijing. That method's new
//    moons run minutes late against a modern ephemeris, by about as much as Beijing is
//    ahead of 120° E, and its days agree with a modern computation in UTC+8, not with one
//    in Beijing mean time. In 1901-1913 the two differ only for the new moon of 23/24
//    April 1906 (23:52 Beijing mean time, 00:06 UTC+8): the issued calendar starts the
//    fourth month on the 24th, as UTC+8 gives. So UTC+8 stands in for those years;
//  - 1914 to 1928, the observatory in Beijing with modern tables, for the Beijing
//    meridian: Beijing mean time (this puts 1914, 1915, 1916 and 1920 right);
//  - from 1929, 120° E: UTC+8.
int32_t CalendarZone(double jdUt);

// The former rule, Beijing mean time for every year before 1929, which the report
// compares against.
int32_t BeijingBefore1929Zone(double jdUt);

// Seconds from the moment to the nearest civil midnight in its zone (signed: negative just
// before midnight), for finding the days that a small error could move.
double SecondsFromMidnight(double jdUt, int32_t offsetSeconds);

}  // namespace lunar
