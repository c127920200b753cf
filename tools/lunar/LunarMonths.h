// The rules of the Chinese lunar calendar applied to civil days of new moons and principal
// terms: a month begins on the day of a new moon; the month holding the winter solstice is
// month 11; when 13 months lie from one month 11 to the next, the first of them without a
// principal term is the leap month and repeats the number of the month before it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lunar {

struct LunarMonth {
  int32_t firstDay = 0;  // civil day numbers (days since 30 December 1899)
  int32_t nextFirstDay = 0;
  int year = 0;
  int number = 0;  // 1 to 12
  bool leap = false;
  int length() const { return nextFirstDay - firstDay; }
};

struct CalendarEvents {
  std::vector<int32_t> newMoonDays;        // ascending
  std::vector<int32_t> principalTermDays;  // ascending; the terms at multiples of 30°
  // The day of each winter solstice, for consecutive years from firstSolsticeYear.
  std::vector<int32_t> solsticeDays;
  int firstSolsticeYear = 0;
};

// Numbers every month from the month 11 of the first solstice to the month before the
// month 11 of the last one. Fails with a message when the events break the calendar's
// assumptions (a gap in the new moons, a solstice outside them, a span of other than 12
// or 13 months).
bool NumberLunarMonths(const CalendarEvents& events, std::vector<LunarMonth>& months, std::string& error);

struct LunarYear {
  int year = 0;
  uint16_t word = 0;  // month lengths from bit 15 down, 1 for 30 days
  int leapMonth = 0;  // the month the leap month follows, 0 for none
};

// Packs the months of each lunar year from firstYear to lastYear; fails when a year is
// incomplete or not of 12 or 13 months.
bool PackLunarYears(const std::vector<LunarMonth>& months, int firstYear, int lastYear,
                    std::vector<LunarYear>& years, std::string& error);

}  // namespace lunar
