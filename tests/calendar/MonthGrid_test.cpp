#include "calendar/core/MonthGrid.h"

#include <gtest/gtest.h>

#include "calendar/core/CalendarLists.h"
#include "calendar/core/MonthGridGeometry.h"

namespace cal {
namespace {

GregorianDate Date(int y, int m, int d) { return GregorianDate{uint16_t(y), uint16_t(m), uint16_t(d)}; }
LunarDate Lunar(int y, int m, int d, bool leap = false) {
  return LunarDate{uint16_t(y), uint16_t(m), uint16_t(d), leap};
}
int ShownCount(const MonthGrid& g) {
  int n = 0;
  for (int i = 0; i < kDayCellCount; ++i) n += g.Cell(i).inShownMonth;
  return n;
}

TEST(MonthGrid, FirstRowStartsOnTheMondayOnOrBeforeTheFirst) {
  MonthGrid g;
  // 1 August 2011 is a Monday: the grid starts on it.
  ASSERT_EQ(g.Select(Date(2011, 8, 15), false), SelectResult::kSelected);
  EXPECT_EQ(g.Cell(0).date, Date(2011, 8, 1));
  EXPECT_TRUE(g.Cell(0).inShownMonth);
  EXPECT_EQ(g.Cell(41).date, Date(2011, 9, 11));
  EXPECT_EQ(ShownCount(g), 31);
  EXPECT_EQ(g.SelectedCell(), 14);

  // 1 May 2011 is a Sunday: six days of April come first.
  ASSERT_EQ(g.Select(Date(2011, 5, 1), false), SelectResult::kSelected);
  EXPECT_EQ(g.Cell(0).date, Date(2011, 4, 25));
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(g.Cell(i).inShownMonth) << i;
  EXPECT_EQ(g.Cell(6).date, Date(2011, 5, 1));
  EXPECT_EQ(g.Cell(6).weekday, 7);
  EXPECT_TRUE(g.Cell(6).inShownMonth);
  EXPECT_EQ(TextsOf(g.Cell(6)).gregorian, "5.1");
  EXPECT_EQ(TextsOf(g.Cell(7)).gregorian, "2");
}

TEST(MonthGrid, LeapMonthIsAMonthOfItsOwnInLunarLayout) {
  MonthGrid g;
  g.SetLayout(CalendarLayout::kLunar);
  ASSERT_EQ(g.SelectLunar(Lunar(2012, 4, 1, true), false), SelectResult::kSelected);
  EXPECT_EQ(g.Selected(), Date(2012, 5, 21));  // a Monday
  EXPECT_EQ(g.Cell(0).date, Date(2012, 5, 21));
  EXPECT_EQ(TextsOf(g.Cell(0)).lunar, "闰四月");
  EXPECT_EQ(ShownCount(g), LunarMonthLength(2012, 4, true));
  for (int i = 0; i < kDayCellCount; ++i) {
    const DayCell& c = g.Cell(i);
    EXPECT_EQ(c.inShownMonth, c.lunar.month == 4 && c.lunar.leap) << i;
  }

  // The lists of 2012: the leap month right after 四月, chosen by its own item.
  std::vector<std::string> months = MonthListItems(CalendarLayout::kLunar, 2012);
  ASSERT_EQ(months.size(), 13u);
  EXPECT_EQ(months[3], "四月");
  EXPECT_EQ(months[4], "闰四月");
  EXPECT_EQ(months[12], "腊月");
  EXPECT_EQ(MonthListIndex(g), 4);
  EXPECT_EQ(YearListIndex(g), 110);
  ASSERT_EQ(SelectFromLists(g, 110, 5, false), SelectResult::kSelected);
  EXPECT_EQ(g.SelectedLunar(), Lunar(2012, 5, 1));
  EXPECT_EQ(MonthListIndex(g), 5);
  ASSERT_EQ(SelectFromLists(g, 110, 3, false), SelectResult::kSelected);
  EXPECT_EQ(g.SelectedLunar(), Lunar(2012, 4, 1));
  EXPECT_EQ(MonthListIndex(g), 3);
  EXPECT_EQ(SelectFromLists(g, 110, 13, false), SelectResult::kRejected);
  // 2011 has no leap month: twelve items, and 4 is 五月 there.
  ASSERT_EQ(SelectFromLists(g, 109, 4, false), SelectResult::kSelected);
  EXPECT_EQ(g.SelectedLunar(), Lunar(2011, 5, 1));
}

TEST(MonthGrid, SelectionOutsideTheTablesIsIgnored) {
  MonthGrid g;
  ASSERT_EQ(g.Select(Date(2011, 2, 4), false), SelectResult::kSelected);
  for (GregorianDate bad : {Date(1901, 2, 18), Date(1900, 6, 1), Date(2049, 1, 1), Date(2100, 1, 1),
                            Date(2011, 13, 1), Date(2011, 0, 1), Date(2011, 2, 29), Date(2011, 2, 0)}) {
    EXPECT_EQ(g.Select(bad, true), SelectResult::kRejected);
  }
  EXPECT_EQ(g.Selected(), Date(2011, 2, 4));
  EXPECT_EQ(g.Select(Date(1901, 2, 19), false), SelectResult::kSelected);
  EXPECT_EQ(g.Select(Date(2048, 12, 31), false), SelectResult::kSelected);

  // The same date again counts only when a notification is asked for.
  EXPECT_EQ(g.Select(Date(2048, 12, 31), false), SelectResult::kUnchanged);
  EXPECT_EQ(g.Select(Date(2048, 12, 31), true), SelectResult::kSelected);

  EXPECT_EQ(g.SelectLunar(Lunar(1900, 1, 1), false), SelectResult::kRejected);
  EXPECT_EQ(g.SelectLunar(Lunar(2011, 13, 1), false), SelectResult::kRejected);
  EXPECT_EQ(g.SelectLunar(Lunar(2011, 1, 31), false), SelectResult::kRejected);
  // A leap flag on a month without a leap month is dropped.
  ASSERT_EQ(g.SelectLunar(Lunar(2011, 4, 1, true), false), SelectResult::kSelected);
  EXPECT_EQ(g.SelectedLunar(), Lunar(2011, 4, 1));
}

TEST(MonthGrid, StatusTextListsTheTermsOfTheShownMonth) {
  MonthGrid g;
  g.Select(Date(2011, 2, 10), false);
  EXPECT_EQ(g.TermsText(), "初二立春  十七雨水");
  // The lunar month 正月 of 2011 runs from 3 February to 4 March: 立春, 雨水, but not 惊蛰 (6 March).
  g.SetLayout(CalendarLayout::kLunar);
  EXPECT_EQ(g.Cell(g.SelectedCell()).date, Date(2011, 2, 10));
  EXPECT_EQ(g.TermsText(), "初二立春  十七雨水");
  EXPECT_EQ(TextsOf(g.Cell(3)).lunar, "正月");  // Thursday 3 February, lunar new year
}

TEST(MonthGridGeometry, CellsShareTheirBorderLines) {
  EXPECT_EQ(kGridWidth, 365);
  EXPECT_EQ(kGridHeight, 232);
  PixelRect first = CellRect(0), last = CellRect(41);
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(first.top, 20);
  EXPECT_EQ(first.right, 53);
  EXPECT_EQ(first.bottom, 53);
  EXPECT_EQ(last.left, 312);
  EXPECT_EQ(last.top, 180);
  EXPECT_EQ(CellAt(52, 52), 0);  // the shared corner belongs to the first cell
  EXPECT_EQ(CellAt(53, 20), 1);
  EXPECT_EQ(CellAt(0, 53), 7);
  EXPECT_EQ(CellAt(364, 212), 41);
  EXPECT_EQ(CellAt(0, 19), -1);
  EXPECT_EQ(CellAt(365, 100), -1);
  EXPECT_EQ(CellAt(100, 213), -1);
  EXPECT_EQ(CellAt(-1, 30), -1);
  EXPECT_EQ(StatusBandRect().top, 212);
  EXPECT_EQ(CellAreaRect().bottom, 213);
}

TEST(CalendarLists, YearsAndGregorianMonths) {
  std::vector<std::string> gregorian = YearListItems(CalendarLayout::kGregorian);
  ASSERT_EQ(gregorian.size(), 146u);
  EXPECT_EQ(gregorian.front(), "公历 1902 年");
  EXPECT_EQ(gregorian.back(), "公历 2047 年");
  std::vector<std::string> lunar = YearListItems(CalendarLayout::kLunar);
  ASSERT_EQ(lunar.size(), 146u);
  EXPECT_EQ(lunar[2011 - 1902], "辛卯(兔)-2011");
  EXPECT_EQ(MonthListItems(CalendarLayout::kGregorian, 2012).back(), "十二月");

  MonthGrid g;
  g.Select(Date(2011, 1, 31), false);
  ASSERT_EQ(SelectFromLists(g, 2011 - 1902, 1, false), SelectResult::kSelected);
  EXPECT_EQ(g.Selected(), Date(2011, 2, 28));  // the day clamped to February
  ASSERT_EQ(SelectFromLists(g, 2012 - 1902, 1, false), SelectResult::kSelected);
  EXPECT_EQ(g.Selected(), Date(2012, 2, 28));
  EXPECT_EQ(SelectFromLists(g, 146, 1, false), SelectResult::kRejected);
  EXPECT_EQ(SelectFromLists(g, 0, 12, false), SelectResult::kRejected);
  g.Select(Date(1901, 3, 1), false);
  EXPECT_EQ(YearListIndex(g), -1);  // 1901 is not listed
}

}  // namespace
}  // namespace cal
