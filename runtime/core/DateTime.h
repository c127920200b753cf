// Date-times: a double counting days since 30 December 1899, the fraction being the
// time of day. Valid years are 100 to 9999; values outside are clamped, never rejected.
//
// Values before 30 December 1899 are negative. Their whole-number part (toward zero)
// names the day and the fraction's magnitude is the time of day, so -1.25 is
// 29 December 1899 at 06:00 and -0.5 is 30 December 1899 at 12:00.
#pragma once

namespace rt {

constexpr double kMinDateTime = -657434.0;  // 1 January 100
constexpr double kMaxDateTime = 2958465.0;  // 31 December 9999

struct DateTimeParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Clamps to kMinDateTime .. kMaxDateTime; a NaN counts as 0 (30 December 1899).
double ClampDateTime(double value);

// Clamps, then splits into calendar fields (proleptic Gregorian). The time of day is
// rounded to the nearest second; a day that rounds up to 24:00 becomes the next day.
DateTimeParts SplitDateTime(double value);

// Composes a date-time. Fields out of their usual range carry over (month 13 is January
// of the next year, day 0 the last day of the month before, second 60 the next minute);
// the result is clamped like any other date-time.
double MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
double MakeDateTime(const DateTimeParts& parts);

// The day of the value at 00:00:00, after clamping.
double DatePartValue(double value);

}  // namespace rt
