#include "runtime/core/DateTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace rt {
namespace {

void ExpectParts(double value, int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  const DateTimeParts p = SplitDateTime(value);
  EXPECT_EQ(p.year, y) << value;
  EXPECT_EQ(p.month, mo) << value;
  EXPECT_EQ(p.day, d) << value;
  EXPECT_EQ(p.hour, h) << value;
  EXPECT_EQ(p.minute, mi) << value;
  EXPECT_EQ(p.second, s) << value;
}

TEST(DateTime, KnownDayNumbers) {
  ExpectParts(0, 1899, 12, 30);
  ExpectParts(1, 1899, 12, 31);
  ExpectParts(2, 1900, 1, 1);
  ExpectParts(60, 1900, 2, 28);  // 1900 has no 29 February
  ExpectParts(61, 1900, 3, 1);
  ExpectParts(36526, 2000, 1, 1);
  ExpectParts(45351, 2024, 2, 29);
  ExpectParts(45418, 2024, 5, 6);
  ExpectParts(-115858, 1582, 10, 15);
  ExpectParts(kMinDateTime, 100, 1, 1);
  ExpectParts(kMaxDateTime, 9999, 12, 31);
  EXPECT_EQ(MakeDateTime(2024, 5, 6), 45418);
  EXPECT_EQ(MakeDateTime(100, 1, 1), kMinDateTime);
  EXPECT_EQ(MakeDateTime(9999, 12, 31), kMaxDateTime);
}

// Every day of the valid range: splitting gives the calendar's successor of the day
// before, and composing gives the day number back.
TEST(DateTime, EveryValidDayRoundTrips) {
  static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int y = 100, m = 1, d = 1;
  int failures = 0;
  for (int n = int(kMinDateTime); n <= int(kMaxDateTime) && failures < 5; ++n) {
    const DateTimeParts p = SplitDateTime(n);
    if (p.year != y || p.month != m || p.day != d || MakeDateTime(p) != n) {
      ADD_FAILURE() << "day " << n << " split as " << p.year << '-' << p.month << '-' << p.day;
      ++failures;
    }
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (++d > kDaysInMonth[m - 1] + (m == 2 && leap)) {
      d = 1;
      if (++m > 12) m = 1, ++y;
    }
  }
}

TEST(DateTime, TimeOfDayRoundsToTheNearestSecond) {
  ExpectParts(0.5, 1899, 12, 30, 12);
  ExpectParts(45418 + 8.5 / 24, 2024, 5, 6, 8, 30);
  ExpectParts(45418 + (8.5 / 24) * (1 - 1e-15), 2024, 5, 6, 8, 30);
  ExpectParts(45418 + 0.4 / 86400, 2024, 5, 6);
  ExpectParts(45418 + 0.6 / 86400, 2024, 5, 6, 0, 0, 1);
  // Just before midnight rounds into the next day, also across a year's end.
  ExpectParts(45657 + 1 - 0.1 / 86400, 2025, 1, 1);
  ExpectParts(45657 + 1 - 1.0 / 86400, 2024, 12, 31, 23, 59, 59);
  for (int s = 0; s < 86400; s += 7) {
    const double v = MakeDateTime(2024, 5, 6, 0, 0, s);
    ExpectParts(v, 2024, 5, 6, s / 3600, s / 60 % 60, s % 60);
    if (HasFailure()) break;
  }
}

TEST(DateTime, NegativeValuesCountTheFractionAsTimeOfTheTruncatedDay) {
  ExpectParts(-1.25, 1899, 12, 29, 6);
  ExpectParts(-1.75, 1899, 12, 29, 18);
  ExpectParts(-0.5, 1899, 12, 30, 12);
  ExpectParts(-2, 1899, 12, 28);
  EXPECT_EQ(MakeDateTime(1899, 12, 29, 6, 0, 0), -1.25);
  EXPECT_EQ(MakeDateTime(1899, 12, 30, 12, 0, 0), 0.5);
  EXPECT_EQ(MakeDateTime(1800, 1, 1, 18, 0, 0), MakeDateTime(1800, 1, 1) - 0.75);
  // Rounding up to 24:00 moves to the next calendar day, which is the day number + 1.
  ExpectParts(-1 - (1 - 0.1 / 86400), 1899, 12, 30);
  ExpectParts(-0.9999999999, 1899, 12, 31);
}

TEST(DateTime, OutOfRangeValuesAreClamped) {
  EXPECT_EQ(ClampDateTime(-1e300), kMinDateTime);
  EXPECT_EQ(ClampDateTime(1e300), kMaxDateTime);
  EXPECT_EQ(ClampDateTime(-std::numeric_limits<double>::infinity()), kMinDateTime);
  EXPECT_EQ(ClampDateTime(std::numeric_limits<double>::quiet_NaN()), 0);
  ExpectParts(-657434.5, 100, 1, 1);
  ExpectParts(2958465.75, 9999, 12, 31);  // the clamp drops the time of the last day
  ExpectParts(std::numeric_limits<double>::infinity(), 9999, 12, 31);
  EXPECT_EQ(MakeDateTime(10000, 1, 1), kMaxDateTime);
  EXPECT_EQ(MakeDateTime(99, 12, 31), kMinDateTime);
  EXPECT_EQ(MakeDateTime(9999, 12, 31, 12, 0, 0), kMaxDateTime);
  EXPECT_EQ(MakeDateTime(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX), kMaxDateTime);
  EXPECT_EQ(MakeDateTime(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN), kMinDateTime);
}

TEST(DateTime, FieldsOutOfRangeCarryOver) {
  EXPECT_EQ(MakeDateTime(2023, 13, 1), MakeDateTime(2024, 1, 1));
  EXPECT_EQ(MakeDateTime(2024, 0, 1), MakeDateTime(2023, 12, 1));
  EXPECT_EQ(MakeDateTime(2024, 3, 0), MakeDateTime(2024, 2, 29));
  EXPECT_EQ(MakeDateTime(2024, 1, 1, 25, 0, 0), MakeDateTime(2024, 1, 2, 1, 0, 0));
  EXPECT_EQ(MakeDateTime(2024, 1, 1, 0, 0, -1), MakeDateTime(2023, 12, 31, 23, 59, 59));
  EXPECT_EQ(MakeDateTime(2024, 1, 1, 0, 90, 60), MakeDateTime(2024, 1, 1, 1, 31, 0));
}

TEST(DateTime, DatePartDropsTheTimeOfDay) {
  EXPECT_EQ(DatePartValue(45418.75), 45418);
  EXPECT_EQ(DatePartValue(45418), 45418);
  EXPECT_EQ(DatePartValue(-1.25), -1);
  EXPECT_EQ(DatePartValue(-0.5), 0);
  EXPECT_EQ(DatePartValue(45418.99999999), 45419);  // 24:00 after rounding is the next day
  EXPECT_EQ(DatePartValue(1e9), kMaxDateTime);
  EXPECT_EQ(DatePartValue(-1e9), kMinDateTime);
  EXPECT_EQ(DatePartValue(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace rt
