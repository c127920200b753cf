#include "calendar/core/FourPillars.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarNames.h"
#include "calendar/core/SolarTerms.h"

namespace cal {
namespace {

std::string Text(int index) { return StemBranchText(StemOf(index), BranchOf(index)); }

double At(GregorianDate date, int hour, int minute = 0, int second = 0) {
  return MakeDateTime(date, hour, minute, second);
}

TEST(Sexagenary, IndicesStemsAndBranches) {
  EXPECT_EQ(Text(1), "甲子");
  EXPECT_EQ(Text(38), "辛丑");
  EXPECT_EQ(Text(60), "癸亥");
  for (int index = 1; index <= 60; ++index) {
    ASSERT_EQ(SexagenaryIndex(StemOf(index), BranchOf(index)), index);
  }
  EXPECT_EQ(SexagenaryIndex(1, 2), 0);  // 甲丑 mixes parities
  EXPECT_EQ(SexagenaryIndex(0, 1), 0);
  EXPECT_EQ(SexagenaryIndex(11, 1), 0);
  EXPECT_EQ(StemOf(0), 0);
  EXPECT_EQ(BranchOf(61), 0);
}

TEST(FourPillars, YearAndMonthTurnAtTheMomentSpringBegins) {
  auto start = SolarTermParts(2011, 3);
  ASSERT_TRUE(start);
  double moment = At(start->date, start->hour, start->minute, start->second);
  Pillars before = FourPillars(moment - 1.0 / 86400);
  Pillars after = FourPillars(moment);
  EXPECT_EQ(Text(before.year), "庚寅");
  EXPECT_EQ(Text(before.month), "己丑");
  EXPECT_EQ(Text(after.year), "辛卯");
  EXPECT_EQ(Text(after.month), "庚寅");
  EXPECT_EQ(before.day, after.day);
  // The day before and the morning of the day keep the old year too.
  EXPECT_EQ(Text(FourPillars(At({2011, 2, 3}, 23, 59, 59)).year), "庚寅");
  EXPECT_EQ(Text(FourPillars(At({2011, 2, 4}, 0, 0, 0)).year), "庚寅");
  EXPECT_EQ(Text(FourPillars(At({2011, 2, 5}, 0, 0, 0)).year), "辛卯");
}

TEST(FourPillars, MonthsFollowTheTermsAcrossTheYearEnd) {
  // 大雪 opens the 子 month, which runs over New Year's Day to 小寒.
  EXPECT_EQ(Text(FourPillars(At({2010, 12, 31}, 12)).month), "戊子");
  EXPECT_EQ(Text(FourPillars(At({2011, 1, 1}, 12)).month), "戊子");
  EXPECT_EQ(Text(FourPillars(At({2011, 1, 1}, 12)).year), "庚寅");
  EXPECT_EQ(Text(FourPillars(At({2011, 1, 7}, 12)).month), "己丑");
  EXPECT_EQ(Text(FourPillars(At({2011, 3, 10}, 12)).month), "辛卯");
  EXPECT_EQ(Text(FourPillars(At({2011, 12, 25}, 12)).month), "庚子");
  EXPECT_EQ(Text(FourPillars(At({1949, 10, 1}, 15)).year), "己丑");
  EXPECT_EQ(Text(FourPillars(At({1949, 10, 1}, 15)).month), "癸酉");
}

TEST(FourPillars, DaysAndHours) {
  EXPECT_EQ(Text(FourPillars(At({2000, 1, 1}, 12)).day), "戊午");
  EXPECT_EQ(Text(FourPillars(At({1949, 10, 1}, 15)).day), "甲子");
  Pillars noon = FourPillars(At({2000, 1, 1}, 12));
  EXPECT_EQ(Text(noon.hour), "戊午");
  EXPECT_EQ(Text(FourPillars(At({2000, 1, 1}, 0, 30)).hour), "壬子");
  EXPECT_EQ(Text(FourPillars(At({2000, 1, 1}, 1)).hour), "癸丑");
  // From 23:00 the next day has begun: its 子 hour and its day pillar.
  Pillars late = FourPillars(At({2000, 1, 1}, 23, 30));
  EXPECT_EQ(Text(late.day), "己未");
  EXPECT_EQ(Text(late.hour), "甲子");
  // The 60-day cycle wraps from 癸亥 to 甲子.
  EXPECT_EQ(Text(FourPillars(At({1949, 9, 30}, 23)).day), "甲子");
}

TEST(FourPillars, OutsideTheRangeAllZero) {
  for (double value : {At({1901, 2, 18}, 23, 59, 59), At({2049, 1, 1}, 0), At({1800, 5, 5}, 5), -1e9, 1e300,
                       std::numeric_limits<double>::quiet_NaN()}) {
    Pillars p = FourPillars(value);
    EXPECT_EQ(p.year, 0);
    EXPECT_EQ(p.month, 0);
    EXPECT_EQ(p.day, 0);
    EXPECT_EQ(p.hour, 0);
  }
  EXPECT_EQ(Text(FourPillars(At({1901, 2, 19}, 0)).year), "辛丑");
  EXPECT_NE(FourPillars(At({2048, 12, 31}, 23, 59, 59)).hour, 0);
}

}  // namespace
}  // namespace cal
