// Contents of the month calendar window's year and month lists in both layouts, and
// the date a choice in them selects.
#pragma once

#include <string>
#include <vector>

#include "calendar/core/MonthGrid.h"

namespace cal {

constexpr int kFirstListedYear = 1902;
constexpr int kLastListedYear = 2047;
constexpr int kListedYearCount = kLastListedYear - kFirstListedYear + 1;  // 146

// Gregorian layout "公历 %d 年"; lunar layout the stem-branch year of 1 May with its
// animal and number ("%Y(%S)-%y").
std::vector<std::string> YearListItems(CalendarLayout layout);

// The list item of the selected year (the lunar year in lunar layout); -1 when the
// year is not listed.
int YearListIndex(const MonthGrid& grid);

// Gregorian layout "一月" to "十二月"; lunar layout the twelve month names with the
// leap month's name right after its month when `lunarYear` has one.
std::vector<std::string> MonthListItems(CalendarLayout layout, int lunarYear);

struct ListedMonth {
  int month = 1;
  bool leap = false;
};

// Item i of the month list, with leap month L of the listed year (0 for none): in
// Gregorian layout month i + 1; in lunar layout month i + 1 before L, the leap month L
// at i = L, month i after it.
ListedMonth MonthOfListItem(CalendarLayout layout, int leapMonth, int index);

// The inverse: the item showing a month in a list with leap month L (0 for none).
int MonthListIndexOf(CalendarLayout layout, int leapMonth, int month, bool leap);
// The item showing the selected month in the list of its year.
int MonthListIndex(const MonthGrid& grid);

// The leap month a month list of this year shows: 0 in Gregorian layout.
int ListedLeapMonth(CalendarLayout layout, int year);

// Applies both lists: selects the listed year and month, with the selected day clamped
// to the new month's length. Rejected for an index outside its list.
SelectResult SelectFromLists(MonthGrid& grid, int yearIndex, int monthIndex, bool notify);

}  // namespace cal
