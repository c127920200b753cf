#include "calendar/core/MonthGrid.h"

#include <optional>

#include "calendar/core/LunarNames.h"
#include "calendar/core/LunarTables.h"
#include "calendar/core/SolarTerms.h"

namespace cal {

namespace {
constexpr GregorianDate kFirstLunarDay{1901, 2, 19};  // lunar 1901-01-01
}  // namespace

DayCellTexts TextsOf(const DayCell& cell) {
  DayCellTexts t;
  t.gregorian = cell.date.day == 1 ? std::to_string(cell.date.month) + "." + std::to_string(1)
                                   : std::to_string(cell.date.day);
  t.lunar =
      cell.lunar.day == 1 ? LunarMonthName(cell.lunar.month, cell.lunar.leap) : LunarDayName(cell.lunar.day);
  return t;
}

int LunarMonthLength(int year, int month, bool leap) {
  LunarMonthLengths lengths = LunarMonthDays(year, month);
  if (!leap) return lengths.days;
  return LeapMonthOf(year) == month ? lengths.leapDays : 0;
}

MonthGrid::MonthGrid() {
  selected_ = GregorianDate{2000, 1, 1};
  selectedLunar_ = *GregorianToLunar(selected_);
  Rebuild();
}

SelectResult MonthGrid::Select(const GregorianDate& date, bool notify) {
  if (date.month < 1 || date.month > 12 || date.year > 2048) return SelectResult::kRejected;
  if (date.day == 0 || date.day > GregorianMonthDays(date.year, date.month)) return SelectResult::kRejected;
  if (GregorianDaysBetween(date, kFirstLunarDay) < 0) return SelectResult::kRejected;
  if (!notify && date == selected_) return SelectResult::kUnchanged;
  std::optional<LunarDate> lunar = GregorianToLunar(date);
  if (!lunar) return SelectResult::kRejected;
  selected_ = date;
  selectedLunar_ = *lunar;
  Rebuild();
  return SelectResult::kSelected;
}

SelectResult MonthGrid::SelectLunar(LunarDate lunar, bool notify) {
  if (lunar.year < kFirstLunarYear || lunar.year > kLastLunarYear) return SelectResult::kRejected;
  if (lunar.month < 1 || lunar.month > 12) return SelectResult::kRejected;
  if (lunar.leap && LeapMonthOf(lunar.year) != lunar.month) lunar.leap = false;
  if (lunar.day < 1 || lunar.day > LunarMonthLength(lunar.year, lunar.month, lunar.leap))
    return SelectResult::kRejected;
  std::optional<GregorianDate> date = LunarToGregorian(lunar);
  if (!date) return SelectResult::kRejected;
  return Select(*date, notify);
}

void MonthGrid::SetLayout(CalendarLayout layout) {
  layout_ = layout;
  Rebuild();
}

int MonthGrid::SelectedCell() const {
  for (int i = 0; i < kDayCellCount; ++i)
    if (cells_[i].date == selected_) return i;
  return -1;
}

void MonthGrid::Rebuild() {
  // The first day of the shown month, then back to the Monday on or before it.
  GregorianDate day{selected_.year, selected_.month, 1};
  if (layout_ == CalendarLayout::kLunar) {
    LunarDate first = selectedLunar_;
    first.day = 1;
    if (std::optional<GregorianDate> start = LunarToGregorian(first)) day = *start;
  }
  for (int back = DayOfWeek(day) - 1; back > 0; --back) StepDay(day, false);

  termsText_.clear();
  for (DayCell& cell : cells_) {
    cell.date = day;
    cell.lunar = GregorianToLunar(day).value_or(LunarDate{});
    cell.weekday = DayOfWeek(day);
    cell.solarTerm = SolarTermOn(day);
    if (layout_ == CalendarLayout::kGregorian) {
      cell.inShownMonth = day.month == selected_.month;
    } else {
      cell.inShownMonth = cell.lunar.month == selectedLunar_.month && cell.lunar.leap == selectedLunar_.leap;
    }
    if (cell.inShownMonth && cell.solarTerm != 0) {
      if (!termsText_.empty()) termsText_ += "  ";
      termsText_ += LunarDayName(cell.lunar.day) + SolarTermName(cell.solarTerm);
    }
    StepDay(day, true);
  }
}

}  // namespace cal
