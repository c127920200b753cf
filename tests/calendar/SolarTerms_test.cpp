#include "calendar/core/SolarTerms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "calendar/core/LunarTables.h"

namespace cal {
namespace {

// The moments the tables were checked against; ours come from the ephemeris and may
// differ by a few seconds (Delta-T and the solar theory used).
TEST(SolarTerms, MomentsOf2011AreWithinSecondsOfTheReference) {
  struct Known {
    int term;
    GregorianDate date;
    int seconds;
  } known[] = {
      {1, {2011, 1, 6}, 0 * 3600 + 54 * 60 + 34},
      {3, {2011, 2, 4}, 12 * 3600 + 32 * 60 + 52},
      {24, {2011, 12, 22}, 13 * 3600 + 29 * 60 + 57},
  };
  for (const Known& k : known) {
    auto parts = SolarTermParts(2011, k.term);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->date, k.date);
    EXPECT_LE(std::abs(SecondsOfDay(*parts) - k.seconds), 10) << k.term;
    EXPECT_EQ(SolarTermOn(k.date), k.term);
  }
}

TEST(SolarTerms, EveryYearHasItsTermsInOrder) {
  for (int year = 1880; year <= 2079; ++year) {
    double previous = 0;
    for (int term = 1; term <= 24; ++term) {
      auto parts = SolarTermParts(year, term);
      ASSERT_TRUE(parts);
      ASSERT_TRUE(IsValidGregorianDate(parts->date)) << year << " " << term;
      // Two terms a month: 小寒 and 大寒 in January ... 大雪 and 冬至 in December.
      ASSERT_EQ(parts->date.month, (term + 1) / 2) << year << " " << term;
      ASSERT_LT(SecondsOfDay(*parts), 86400);
      ASSERT_LT(parts->minute, 60);
      ASSERT_LT(parts->second, 60);
      ASSERT_EQ(SolarTermMoment(year, term),
                MakeDateTime(parts->date, parts->hour, parts->minute, parts->second));
      // Terms are 14.7 to 15.7 days apart.
      double moment = GregorianDaysBetween(parts->date, {1880, 1, 1}) + SecondsOfDay(*parts) / 86400.0;
      if (term > 1) {
        ASSERT_GT(moment - previous, 14.5) << year << " " << term;
        ASSERT_LT(moment - previous, 16.0) << year << " " << term;
      }
      previous = moment;
      ASSERT_EQ(SolarTermOn(parts->date), term);
    }
  }
}

TEST(SolarTerms, OtherDaysAndOutOfRangeYearsHaveNoTerm) {
  EXPECT_EQ(SolarTermOn({2011, 1, 5}), 0);
  EXPECT_EQ(SolarTermOn({2011, 12, 31}), 0);
  EXPECT_EQ(SolarTermOn({1879, 1, 6}), 0);
  EXPECT_EQ(SolarTermOn({2080, 1, 6}), 0);
  EXPECT_EQ(SolarTermOn({2011, 0, 0}), 0);
  EXPECT_EQ(SolarTermOn({2011, 200, 6}), 0);
}

TEST(SolarTerms, MomentIsADateTimeOrTheYear100) {
  double moment = SolarTermMoment(2011, 3);
  EXPECT_EQ(std::floor(moment), 40578);  // 4 February 2011
  DateTimeParts split;
  ASSERT_TRUE(SplitDateTime(moment, split));
  auto parts = SolarTermParts(2011, 3);
  ASSERT_TRUE(parts);
  EXPECT_EQ(split.date, parts->date);
  EXPECT_EQ(SecondsOfDay(split), SecondsOfDay(*parts));
  const double year100 = -657434.0;
  EXPECT_EQ(SolarTermMoment(1879, 1), year100);
  EXPECT_EQ(SolarTermMoment(2080, 1), year100);
  EXPECT_EQ(SolarTermMoment(2011, 0), year100);
  EXPECT_EQ(SolarTermMoment(2011, 25), year100);
  EXPECT_EQ(SolarTermMoment(-5, -5), year100);
  EXPECT_FALSE(SolarTermParts(2011, 25));
}

}  // namespace
}  // namespace cal
