// Date-times (days since 30 December 1899, the fraction being the time of day) split into
// calendar fields and built back from them.
#pragma once

#include <cstdint>

#include "calendar/core/GregorianDate.h"

namespace cal {

struct DateTimeParts {
  GregorianDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Splits a date-time, rounded to the nearest second. Before 30 December 1899 the whole days
// count back and the fraction still counts forward into the day (-1.25 is 29 December 1899
// 06:00). False for values that are not finite or lie outside the years 100 to 9999.
bool SplitDateTime(double value, DateTimeParts& parts);

// The date-time of a date and time of day (fields taken as given, not checked), in the
// same convention as SplitDateTime before 1899.
double MakeDateTime(const GregorianDate& date, int hour, int minute, int second);

// Seconds since midnight, for comparing times of day.
inline int32_t SecondsOfDay(const DateTimeParts& parts) {
  return parts.hour * 3600 + parts.minute * 60 + parts.second;
}

}  // namespace cal
