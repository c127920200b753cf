#include <gtest/gtest.h>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/LunarNames.h"

namespace cal {
namespace {

double LateOn(GregorianDate date) { return MakeDateTime(date, 23, 59, 59); }

TEST(LunarNames, MonthsAndDays) {
  EXPECT_EQ(LunarMonthName(1, false), "正月");
  EXPECT_EQ(LunarMonthName(10, false), "十月");
  EXPECT_EQ(LunarMonthName(11, false), "冬月");
  EXPECT_EQ(LunarMonthName(12, false), "腊月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(11, true), "闰冬月");
  EXPECT_EQ(LunarMonthName(0, false), "");
  EXPECT_EQ(LunarMonthName(13, true), "");
  EXPECT_EQ(LunarDayName(1), "初一");
  EXPECT_EQ(LunarDayName(10), "初十");
  EXPECT_EQ(LunarDayName(11), "十一");
  EXPECT_EQ(LunarDayName(19), "十九");
  EXPECT_EQ(LunarDayName(20), "二十");
  EXPECT_EQ(LunarDayName(21), "廿一");
  EXPECT_EQ(LunarDayName(29), "廿九");
  EXPECT_EQ(LunarDayName(30), "三十");
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
}

TEST(LunarNames, TermsStemsBranchesAndAnimals) {
  EXPECT_EQ(SolarTermName(1), "小寒");
  EXPECT_EQ(SolarTermName(3), "立春");
  EXPECT_EQ(SolarTermName(24), "冬至");
  EXPECT_EQ(SolarTermName(0), "");
  EXPECT_EQ(SolarTermName(25), "");
  EXPECT_EQ(StemBranchText(8, 4), "辛卯");
  EXPECT_EQ(StemBranchText(10, 12), "癸亥");
  EXPECT_EQ(StemBranchText(0, 4), "卯");
  EXPECT_EQ(StemBranchText(8, 13), "辛");
  EXPECT_EQ(StemBranchText(-1, 0), "");
  EXPECT_EQ(ZodiacName(1), "鼠");
  EXPECT_EQ(ZodiacName(4), "兔");
  EXPECT_EQ(ZodiacName(12), "猪");
  EXPECT_EQ(ZodiacName(0), "");
  EXPECT_EQ(ZodiacName(13), "");
}

TEST(LunarFormat, DefaultPatternAroundTheNewYearAndSpringsBeginning) {
  EXPECT_STREQ(kDefaultLunarPattern, "%Y年(%S)%M%D %y-%m-%d");
  // Lunar new year's day, but 立春 is a day later: still the year of the tiger.
  EXPECT_EQ(FormatLunarText(LateOn({2011, 2, 3}), kDefaultLunarPattern), "庚寅年(虎)正月初一 2011-2-3");
  EXPECT_EQ(FormatLunarText(LateOn({2011, 2, 4}), kDefaultLunarPattern), "辛卯年(兔)正月初二 2011-2-4");
  EXPECT_EQ(FormatLunarText(LateOn({2012, 5, 21}), kDefaultLunarPattern), "壬辰年(龙)闰四月初一 2012-5-21");
  EXPECT_EQ(FormatLunarText(LateOn({1949, 10, 1}), kDefaultLunarPattern), "己丑年(牛)八月初十 1949-10-1");
}

TEST(LunarFormat, PlaceholdersRepeatAndOthersStay) {
  double day = LateOn({2011, 2, 4});
  EXPECT_EQ(FormatLunarText(day, "%Y(%S)-%y"), "辛卯(兔)-2011");
  EXPECT_EQ(FormatLunarText(day, "%d/%d %M%M %x %%"), "4/4 正月正月 %x %%");
  EXPECT_EQ(FormatLunarText(day, ""), "");
  EXPECT_EQ(FormatLunarText(day, "%"), "%");
  // A replacement is not scanned again for placeholders.
  EXPECT_EQ(FormatLunarText(day, "%%yy"), "%2011y");
}

TEST(LunarFormat, DatesWithoutALunarDateGiveNothing) {
  EXPECT_EQ(FormatLunarText(LateOn({1901, 2, 18}), kDefaultLunarPattern), "");
  EXPECT_EQ(FormatLunarText(LateOn({2049, 1, 1}), kDefaultLunarPattern), "");
  EXPECT_EQ(FormatLunarText(1e300, kDefaultLunarPattern), "");
  EXPECT_EQ(FormatLunarText(LateOn({1901, 2, 19}), kDefaultLunarPattern), "辛丑年(牛)正月初一 1901-2-19");
}

}  // namespace
}  // namespace cal
