#include "calendar/core/LunarDate.h"

#include <gtest/gtest.h>

#include "calendar/core/LunarTables.h"

namespace cal {
namespace {

LunarDate Lunar(int year, int month, int day, bool leap = false) {
  return LunarDate{uint16_t(year), uint16_t(month), uint16_t(day), leap};
}

TEST(LunarTables, ReproduceTheKnownYears) {
  EXPECT_EQ(kLunarYearTable[1901 - 1901], 0x4AE0);
  EXPECT_EQ(kLunarYearTable[1903 - 1901], 0x5268);
  // The years whose new moons fall within minutes of midnight in the reckoning of their
  // time: the calendar office's own method up to 1913, the Beijing meridian 1914-1928.
  EXPECT_EQ(kLunarYearTable[1906 - 1901], 0x6AA8);
  EXPECT_EQ(LeapMonthOf(1906), 4);
  EXPECT_EQ(kLunarYearTable[1914 - 1901], 0xD528);
  EXPECT_EQ(kLunarYearTable[1915 - 1901], 0xB540);
  EXPECT_EQ(kLunarYearTable[1916 - 1901], 0xD6A0);
  EXPECT_EQ(kLunarYearTable[1920 - 1901], 0x4970);
  EXPECT_EQ(kLunarYearTable[2011 - 1901], 0xB4A0);
  EXPECT_EQ(kLunarYearTable[2012 - 1901], 0xB550);
  EXPECT_EQ(kLunarYearTable[2033 - 1901], 0x4AE8);
  EXPECT_EQ(kLunarYearTable[2049 - 1901], 0xADA0);
  const uint8_t firstLeapBytes[] = {0x00, 0x50, 0x04, 0x00, 0x20, 0x60, 0x05};
  for (size_t i = 0; i < sizeof firstLeapBytes; ++i) EXPECT_EQ(kLeapMonthTable[i], firstLeapBytes[i]) << i;
  EXPECT_EQ(kLeapMonthTable[74] & 0x0F, 0);  // the unused nibble after 2049
}

TEST(LunarTables, YearsAreWellFormed) {
  for (int year = 1901; year <= 2049; ++year) {
    int leap = LeapMonthOf(year);
    ASSERT_GE(leap, 0);
    ASSERT_LE(leap, 12);
    int months = leap ? 13 : 12;
    // Bits below the last month are clear.
    ASSERT_EQ(kLunarYearTable[year - 1901] & ((1u << (16 - months)) - 1), 0u) << year;
    int days = LunarYearDays(year);
    if (leap) {
      ASSERT_TRUE(days >= 383 && days <= 385) << year;
    } else {
      ASSERT_TRUE(days >= 353 && days <= 355) << year;
    }
  }
}

TEST(LunarDate, MonthLengthsAndLeapMonths) {
  EXPECT_EQ(LeapMonthOf(2012), 4);
  EXPECT_EQ(LeapMonthOf(2033), 11);
  EXPECT_EQ(LeapMonthOf(2011), 0);
  EXPECT_EQ(LeapMonthOf(1900), -1);
  EXPECT_EQ(LeapMonthOf(2050), -1);
  // 2012: 1 to 4 and the leap fourth month from bits 15 to 11, the rest one bit lower.
  EXPECT_EQ(LunarMonthDays(2012, 1).days, 30);
  EXPECT_EQ(LunarMonthDays(2012, 4).days, 30);
  EXPECT_EQ(LunarMonthDays(2012, 4).leapDays, 29);
  EXPECT_EQ(LunarMonthDays(2012, 5).leapDays, 0);
  EXPECT_EQ(LunarMonthDays(2012, 5).days, 30);
  EXPECT_EQ(LunarMonthDays(2033, 11).days, 30);
  EXPECT_EQ(LunarMonthDays(2033, 11).leapDays, 29);
  EXPECT_EQ(LunarMonthDays(2033, 12).days, 30);
  EXPECT_EQ(LunarYearDays(1901), 354);
  EXPECT_EQ(LunarYearDays(1903), 383);
  EXPECT_EQ(LunarYearDays(2011), 354);
  EXPECT_EQ(LunarYearDays(2012), 384);
  EXPECT_EQ(LunarYearDays(2033), 384);
  EXPECT_EQ(LunarYearDays(2049), 355);
  for (int bad : {0, 13, -1}) {
    EXPECT_EQ(LunarMonthDays(2011, bad).days, 0);
    EXPECT_EQ(LunarMonthDays(2011, bad).leapDays, 0);
  }
  EXPECT_EQ(LunarMonthDays(1900, 1).days, 0);
  EXPECT_EQ(LunarYearDays(1900), 0);
  EXPECT_EQ(LunarYearDays(2050), 0);
}

TEST(LunarDate, ConvertsTheKnownDates) {
  EXPECT_EQ(GregorianToLunar({2011, 2, 3}), Lunar(2011, 1, 1));
  EXPECT_EQ(GregorianToLunar({2012, 5, 21}), Lunar(2012, 4, 1, true));
  EXPECT_EQ(GregorianToLunar({1949, 10, 1}), Lunar(1949, 8, 10));
  EXPECT_EQ(GregorianToLunar({1901, 2, 19}), Lunar(1901, 1, 1));
  // New moons within minutes of midnight: 1906's fourth month on the UTC+8 day (23:52 on
  // the 23rd in Beijing mean time), the tenth months of 1914 and 1920 on the Beijing day
  // (just after midnight in UTC+8).
  EXPECT_EQ(GregorianToLunar({1906, 4, 23}), Lunar(1906, 3, 30));
  EXPECT_EQ(GregorianToLunar({1906, 4, 24}), Lunar(1906, 4, 1));
  EXPECT_EQ(GregorianToLunar({1914, 11, 17}), Lunar(1914, 10, 1));
  EXPECT_EQ(GregorianToLunar({1920, 11, 10}), Lunar(1920, 10, 1));
}

TEST(LunarDate, NewYearsDaysMatchThePublishedCalendar) {
  const GregorianDate newYears[] = {
      {1902, 2, 8},  {1912, 2, 18}, {1916, 2, 3},  {1920, 2, 20}, {1929, 2, 10}, {1949, 1, 29},
      {1950, 2, 17}, {1966, 1, 21}, {1978, 2, 7},  {1985, 2, 20}, {1996, 2, 19}, {2000, 2, 5},
      {2007, 2, 18}, {2020, 1, 25}, {2023, 1, 22}, {2030, 2, 3},  {2034, 2, 19}, {2047, 1, 26},
  };
  for (const GregorianDate& date : newYears) {
    EXPECT_EQ(GregorianToLunar(date), Lunar(date.year, 1, 1)) << date.year;
    GregorianDate eve = date;
    StepDay(eve, false);
    auto last = GregorianToLunar(eve);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->year, date.year - 1);
    EXPECT_EQ(last->month, 12);
  }
}

TEST(LunarDate, RefusesDatesOutsideTheTables) {
  EXPECT_FALSE(GregorianToLunar({1901, 2, 18}));
  EXPECT_FALSE(GregorianToLunar({1900, 6, 1}));
  EXPECT_FALSE(GregorianToLunar({2049, 1, 1}));
  EXPECT_FALSE(GregorianToLunar({65535, 1, 1}));
  EXPECT_FALSE(GregorianToLunar({2011, 0, 1}));
  EXPECT_FALSE(GregorianToLunar({2011, 13, 1}));
  EXPECT_FALSE(GregorianToLunar({2011, 2, 29}));
  EXPECT_FALSE(GregorianToLunar({2011, 1, 0}));
}

TEST(LunarDate, EveryDayRoundTrips) {
  GregorianDate date{1901, 2, 19};
  LunarDate previous;
  int days = 0;
  while (date.year <= 2048) {
    auto lunar = GregorianToLunar(date);
    ASSERT_TRUE(lunar) << date.year << "-" << date.month << "-" << date.day;
    ASSERT_EQ(LunarToGregorian(*lunar), date) << date.year << "-" << date.month << "-" << date.day;
    if (days > 0 && lunar->day != 1) {
      ASSERT_EQ(lunar->day, previous.day + 1);
      ASSERT_EQ(lunar->month, previous.month);
      ASSERT_EQ(lunar->leap, previous.leap);
    }
    previous = *lunar;
    StepDay(date, true);
    ++days;
  }
  EXPECT_EQ(days, GregorianDaysBetween({2049, 1, 1}, {1901, 2, 19}));
}

TEST(LunarDate, LeapFlagsAndLeapMonths) {
  EXPECT_EQ(LunarToGregorian(Lunar(2012, 4, 1, true)), (GregorianDate{2012, 5, 21}));
  EXPECT_EQ(LunarToGregorian(Lunar(2012, 4, 1)), (GregorianDate{2012, 4, 21}));
  // A leap flag on a month without a leap month is dropped.
  EXPECT_EQ(LunarToGregorian(Lunar(2012, 5, 1, true)), LunarToGregorian(Lunar(2012, 5, 1)));
  EXPECT_EQ(LunarToGregorian(Lunar(2011, 1, 1, true)), (GregorianDate{2011, 2, 3}));
  // 2033 repeats its eleventh month.
  auto leapEleven = LunarToGregorian(Lunar(2033, 11, 1, true));
  auto eleven = LunarToGregorian(Lunar(2033, 11, 1));
  ASSERT_TRUE(leapEleven && eleven);
  EXPECT_EQ(GregorianDaysBetween(*leapEleven, *eleven), LunarMonthDays(2033, 11).days);
  EXPECT_EQ(GregorianToLunar(*leapEleven), Lunar(2033, 11, 1, true));
}

TEST(LunarDate, LunarToGregorianRefusesBadDates) {
  EXPECT_FALSE(LunarToGregorian(Lunar(1900, 12, 1)));
  EXPECT_FALSE(LunarToGregorian(Lunar(2050, 1, 1)));
  EXPECT_FALSE(LunarToGregorian(Lunar(2011, 0, 1)));
  EXPECT_FALSE(LunarToGregorian(Lunar(2011, 13, 1)));
  EXPECT_FALSE(LunarToGregorian(Lunar(2011, 1, 0)));
  EXPECT_FALSE(LunarToGregorian(Lunar(2011, 1, 31)));
  EXPECT_FALSE(LunarToGregorian(Lunar(65535, 65535, 65535, true)));
  // 2011's second month has 29 days.
  ASSERT_EQ(LunarMonthDays(2011, 2).days, 29);
  EXPECT_FALSE(LunarToGregorian(Lunar(2011, 2, 30)));
  // Lunar dates whose day lies beyond 2048 cannot be confirmed by the conversion.
  EXPECT_FALSE(LunarToGregorian(Lunar(2049, 6, 1)));
  EXPECT_TRUE(LunarToGregorian(Lunar(1901, 1, 1)));
}

}  // namespace
}  // namespace cal
