#include "calendar/core/CalendarLists.h"

#include <algorithm>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/LunarNames.h"

namespace cal {

namespace {
const char* const kGregorianMonthNames[12] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                              "七月", "八月", "九月", "十月", "十一月", "十二月"};
}  // namespace

int ListedLeapMonth(CalendarLayout layout, int year) {
  return layout == CalendarLayout::kLunar ? std::max(0, LeapMonthOf(year)) : 0;
}

std::vector<std::string> YearListItems(CalendarLayout layout) {
  std::vector<std::string> items;
  items.reserve(kListedYearCount);
  for (int year = kFirstListedYear; year <= kLastListedYear; ++year) {
    if (layout == CalendarLayout::kGregorian) {
      items.push_back("公历 " + std::to_string(year) + " 年");
    } else {
      GregorianDate may{uint16_t(year), 5, 1};
      items.push_back(FormatLunarText(MakeDateTime(may, 0, 0, 0), "%Y(%S)-%y"));
    }
  }
  return items;
}

int YearListIndex(const MonthGrid& grid) {
  int year = grid.Layout() == CalendarLayout::kGregorian ? grid.Selected().year : grid.SelectedLunar().year;
  if (year < kFirstListedYear || year > kLastListedYear) return -1;
  return year - kFirstListedYear;
}

std::vector<std::string> MonthListItems(CalendarLayout layout, int lunarYear) {
  std::vector<std::string> items;
  if (layout == CalendarLayout::kGregorian) {
    items.assign(std::begin(kGregorianMonthNames), std::end(kGregorianMonthNames));
    return items;
  }
  int leap = ListedLeapMonth(layout, lunarYear);
  for (int month = 1; month <= 12; ++month) {
    items.push_back(LunarMonthName(month, false));
    if (month == leap) items.push_back(LunarMonthName(month, true));
  }
  return items;
}

ListedMonth MonthOfListItem(CalendarLayout layout, int leapMonth, int index) {
  if (layout == CalendarLayout::kGregorian || leapMonth == 0 || index < leapMonth) return {index + 1, false};
  if (index == leapMonth) return {leapMonth, true};
  return {index, false};
}

int MonthListIndexOf(CalendarLayout layout, int leapMonth, int month, bool leap) {
  if (layout == CalendarLayout::kGregorian || leapMonth == 0 || month < leapMonth) return month - 1;
  if (month == leapMonth) return leap ? leapMonth : leapMonth - 1;
  return month;  // one down after the leap month
}

int MonthListIndex(const MonthGrid& grid) {
  if (grid.Layout() == CalendarLayout::kGregorian) return grid.Selected().month - 1;
  const LunarDate& lunar = grid.SelectedLunar();
  return MonthListIndexOf(grid.Layout(), ListedLeapMonth(grid.Layout(), lunar.year), lunar.month, lunar.leap);
}

SelectResult SelectFromLists(MonthGrid& grid, int yearIndex, int monthIndex, bool notify) {
  if (yearIndex < 0 || yearIndex >= kListedYearCount || monthIndex < 0) return SelectResult::kRejected;
  int year = kFirstListedYear + yearIndex;
  CalendarLayout layout = grid.Layout();
  if (layout == CalendarLayout::kGregorian) {
    if (monthIndex >= 12) return SelectResult::kRejected;
    int month = monthIndex + 1;
    int day = std::min<int>(grid.Selected().day, GregorianMonthDays(year, month));
    return grid.Select(GregorianDate{uint16_t(year), uint16_t(month), uint16_t(day)}, notify);
  }
  int leap = ListedLeapMonth(layout, year);
  if (monthIndex >= (leap ? 13 : 12)) return SelectResult::kRejected;
  ListedMonth listed = MonthOfListItem(layout, leap, monthIndex);
  int day = std::min(int(grid.SelectedLunar().day), LunarMonthLength(year, listed.month, listed.leap));
  return grid.SelectLunar(LunarDate{uint16_t(year), uint16_t(listed.month), uint16_t(day), listed.leap},
                          notify);
}

}  // namespace cal
