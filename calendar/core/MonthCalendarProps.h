// The stored property data of a month calendar unit, after the 20 reserved bytes:
// word version (1); the selected date as an IEEE double in two words, low word first
// (0 = today); the layout word (1 Gregorian, 0 lunar); the band word (1 = the year and
// month band is shown); the description pattern as a counted text (empty = default).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace cal {

constexpr uint32_t kMonthCalendarPropsVersion = 1;

struct MonthCalendarProps {
  double selectedDate = 0;  // days since 30 December 1899; 0 = today
  bool gregorianLayout = true;
  bool bandShown = true;
  std::string pattern;
};

// False for a block that is short, of a higher version, or has bytes left over.
bool ReadMonthCalendarProps(const uint8_t* block, size_t length, MonthCalendarProps* out);

}  // namespace cal
