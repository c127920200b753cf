// The 24 solar terms of the years 1880 to 2079 from the stored table of their moments
// (Beijing time, UTC+8). Terms are numbered 1 (小寒) to 24 (冬至).
#pragma once

#include <optional>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/GregorianDate.h"

namespace cal {

// The number of the term that begins on this day, 0 for none or outside 1880 to 2079.
int SolarTermOn(const GregorianDate& date);

// The moment the term begins; nothing outside 1880 to 2079 or for a term outside 1 to 24.
std::optional<DateTimeParts> SolarTermParts(int year, int term);

// The moment as a date-time; 1 January 100 00:00:00 when SolarTermParts gives nothing.
double SolarTermMoment(int year, int term);

}  // namespace cal
