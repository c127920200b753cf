// The description text of a day through a small placeholder language:
//   %Y stem-branch of the pillar year   %S its zodiac animal
//   %M lunar month name                 %D lunar day name
//   %y %m %d Gregorian year, month, day (decimal, no leading zeros)
// The pillar year (and so %Y and %S) changes at 立春, not at the lunar new year.
#pragma once

#include <string>

namespace cal {

extern const char kDefaultLunarPattern[];  // "%Y年(%S)%M%D %y-%m-%d"

// Empty when the date-time has no lunar date (outside 19 February 1901 to 2048).
std::string FormatLunarText(double dateTime, const std::string& pattern);

}  // namespace cal
