// The month shown by the day grid: the selected date, the layout, and the 42 day cells
// (six weeks from Monday) with the texts each cell and the status band show.
#pragma once

#include <array>
#include <string>

#include "calendar/core/GregorianDate.h"
#include "calendar/core/LunarDate.h"

namespace cal {

enum class CalendarLayout { kGregorian, kLunar };

constexpr int kDayCellCount = 42;

struct DayCell {
  GregorianDate date;
  LunarDate lunar;
  int weekday = 0;    // 1 Monday ... 7 Sunday
  int solarTerm = 0;  // 1 to 24, 0 when no term begins that day
  bool inShownMonth = false;
};

// The two texts of a cell: the Gregorian number at the bottom ("%d", or "%d.%d" with
// the month on the 1st) and the lunar text at the top (the month name on lunar day 1,
// else the day name).
struct DayCellTexts {
  std::string gregorian;
  std::string lunar;
};
DayCellTexts TextsOf(const DayCell& cell);

// Result of a selection request.
enum class SelectResult {
  kRejected,   // not a date the lunar tables cover: nothing changed
  kUnchanged,  // the date already selected and no notification asked for
  kSelected,   // stored and the cells rebuilt
};

class MonthGrid {
 public:
  // Starts on 1 January 2000 (the window selects today right after).
  MonthGrid();

  // Selects a Gregorian date. Rejected: a month outside 1 to 12, a year above 2048, a
  // date before 19 February 1901, a day 0 or beyond the month. Without `notify` a date
  // equal to the selection changes nothing.
  SelectResult Select(const GregorianDate& date, bool notify);

  // Selects by lunar date: year 1901 to 2049, month 1 to 12; a leap flag on a month
  // that is not the year's leap month is dropped; a day beyond the month is rejected.
  SelectResult SelectLunar(LunarDate lunar, bool notify);

  void SetLayout(CalendarLayout layout);
  CalendarLayout Layout() const { return layout_; }

  const GregorianDate& Selected() const { return selected_; }
  const LunarDate& SelectedLunar() const { return selectedLunar_; }
  const DayCell& Cell(int index) const { return cells_[index]; }
  // The cell holding the selected date (every selection is shown).
  int SelectedCell() const;

  // The solar terms of the shown month, in order: lunar day name and term name per
  // entry, two spaces between entries.
  const std::string& TermsText() const { return termsText_; }

 private:
  void Rebuild();

  GregorianDate selected_;
  LunarDate selectedLunar_;
  CalendarLayout layout_ = CalendarLayout::kGregorian;
  std::array<DayCell, kDayCellCount> cells_{};
  std::string termsText_;
};

// Days of a lunar month (of its leap month when `leap`); 0 for a month the tables lack.
int LunarMonthLength(int year, int month, bool leap);

}  // namespace cal
