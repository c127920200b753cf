#include "calendar/core/GregorianDate.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/core/DateTimeParts.h"

namespace cal {
namespace {

TEST(GregorianDate, MonthLengthsFollowTheCenturyRule) {
  EXPECT_EQ(GregorianMonthDays(2011, 2), 28);
  EXPECT_EQ(GregorianMonthDays(2012, 2), 29);
  EXPECT_EQ(GregorianMonthDays(1900, 2), 28);
  EXPECT_EQ(GregorianMonthDays(2000, 2), 29);
  EXPECT_EQ(GregorianMonthDays(2011, 4), 30);
  EXPECT_EQ(GregorianMonthDays(2011, 12), 31);
  EXPECT_EQ(GregorianMonthDays(2011, 0), 0);
  EXPECT_EQ(GregorianMonthDays(2011, 13), 0);
  EXPECT_FALSE(IsValidGregorianDate({2011, 2, 29}));
  EXPECT_FALSE(IsValidGregorianDate({2011, 1, 0}));
  EXPECT_TRUE(IsValidGregorianDate({2012, 2, 29}));
}

TEST(GregorianDate, DaysBetweenAgreesWithStepping) {
  // Walk day by day across two century years and check every count and weekday.
  GregorianDate origin{1899, 12, 31};  // a Sunday
  GregorianDate date = origin;
  for (int32_t n = 0; n <= 366 * 205; ++n) {
    ASSERT_EQ(GregorianDaysBetween(date, origin), n) << date.year << "-" << date.month << "-" << date.day;
    ASSERT_EQ(GregorianDaysBetween(origin, date), -n);
    ASSERT_EQ(DayOfWeek(date), n % 7 == 0 ? 7 : n % 7);
    ASSERT_TRUE(IsValidGregorianDate(date));
    ASSERT_TRUE(StepDay(date, true));
  }
  for (int32_t n = 366 * 205 + 1; n > 0; --n) ASSERT_TRUE(StepDay(date, false));
  EXPECT_EQ(date, origin);
}

TEST(GregorianDate, StepDayCrossesMonthsAndYears) {
  GregorianDate d{2011, 12, 31};
  StepDay(d, true);
  EXPECT_EQ(d, (GregorianDate{2012, 1, 1}));
  StepDay(d, false);
  EXPECT_EQ(d, (GregorianDate{2011, 12, 31}));
  d = {2012, 3, 1};
  StepDay(d, false);
  EXPECT_EQ(d, (GregorianDate{2012, 2, 29}));
  d = {2100, 2, 28};
  StepDay(d, true);
  EXPECT_EQ(d, (GregorianDate{2100, 3, 1}));
}

TEST(GregorianDate, StepDayRefusesBadMonthsAndTheRangeEnds) {
  GregorianDate d{2011, 13, 5};
  EXPECT_FALSE(StepDay(d, true));
  EXPECT_EQ(d, (GregorianDate{2011, 13, 5}));
  d = {65535, 12, 31};
  EXPECT_FALSE(StepDay(d, true));
  d = {0, 1, 1};
  EXPECT_FALSE(StepDay(d, false));
  // A day past the month's end lands inside the month.
  d = {2011, 2, 40};
  StepDay(d, false);
  EXPECT_EQ(d, (GregorianDate{2011, 2, 28}));
}

TEST(GregorianDate, KnownWeekdays) {
  EXPECT_EQ(DayOfWeek({2011, 1, 1}), 6);
  EXPECT_EQ(DayOfWeek({1, 1, 1}), 1);
  EXPECT_EQ(DayOfWeek({1949, 10, 1}), 6);
  EXPECT_EQ(DayOfWeek({2000, 2, 29}), 2);
  EXPECT_EQ(DayOfWeek({0, 12, 31}), 7);
  EXPECT_EQ(DayOfWeek({2011, 0, 1}), 0);
  EXPECT_EQ(DayOfWeek({2011, 13, 1}), 0);
}

TEST(DateTimeParts, SplitsAroundTheEpoch) {
  DateTimeParts p;
  ASSERT_TRUE(SplitDateTime(0.0, p));
  EXPECT_EQ(p.date, (GregorianDate{1899, 12, 30}));
  ASSERT_TRUE(SplitDateTime(2.75, p));
  EXPECT_EQ(p.date, (GregorianDate{1900, 1, 1}));
  EXPECT_EQ(p.hour, 18);
  // Before the epoch the fraction still runs forward through the day.
  ASSERT_TRUE(SplitDateTime(-1.25, p));
  EXPECT_EQ(p.date, (GregorianDate{1899, 12, 29}));
  EXPECT_EQ(p.hour, 6);
  // Rounded to the second, carrying into the next day.
  ASSERT_TRUE(SplitDateTime(40578.0 + 86399.6 / 86400, p));
  EXPECT_EQ(p.date, (GregorianDate{2011, 2, 5}));
  EXPECT_EQ(SecondsOfDay(p), 0);
}

TEST(DateTimeParts, MakeAndSplitRoundTripOverTheValidYears) {
  for (int32_t day = -657434; day <= 2958465; day += 97) {
    GregorianDate date;
    DateTimeParts p;
    ASSERT_TRUE(SplitDateTime(day, p)) << day;
    date = p.date;
    double value = MakeDateTime(date, 13, 5, 9);
    if (day >= 0) {
      ASSERT_EQ(value, day + (13 * 3600 + 5 * 60 + 9) / 86400.0);
    }
    ASSERT_TRUE(SplitDateTime(value, p));
    ASSERT_EQ(p.date, date);
    ASSERT_EQ(SecondsOfDay(p), 13 * 3600 + 5 * 60 + 9);
  }
}

TEST(DateTimeParts, RefusesValuesOutsideTheValidYears) {
  DateTimeParts p;
  EXPECT_TRUE(SplitDateTime(-657434.0, p));
  EXPECT_EQ(p.date, (GregorianDate{100, 1, 1}));
  EXPECT_TRUE(SplitDateTime(2958465.5, p));
  EXPECT_EQ(p.date, (GregorianDate{9999, 12, 31}));
  EXPECT_FALSE(SplitDateTime(-657435.0, p));
  EXPECT_FALSE(SplitDateTime(2958466.0, p));
  EXPECT_FALSE(SplitDateTime(2958465.99999999, p));  // rounds into the year 10000
  EXPECT_FALSE(SplitDateTime(1e300, p));
  EXPECT_FALSE(SplitDateTime(-1e300, p));
  EXPECT_FALSE(SplitDateTime(std::numeric_limits<double>::quiet_NaN(), p));
  EXPECT_FALSE(SplitDateTime(std::numeric_limits<double>::infinity(), p));
}

}  // namespace
}  // namespace cal
