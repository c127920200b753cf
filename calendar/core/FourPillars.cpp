#include "calendar/core/FourPillars.h"

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/SolarTerms.h"

namespace cal {
namespace {

constexpr GregorianDate kFirstDay{1901, 2, 19};
constexpr GregorianDate kTableStart{1901, 1, 1};
constexpr int kLastYear = 2048;
constexpr int kYearIndex1901 = 38;  // 辛丑
constexpr int kDayIndex1901 = 16;   // 1 January 1901 is 己卯

// Stem of the month pillar by the year stem's group (rows) and the month branch (columns).
constexpr int kMonthStems[5][12] = {
    {3, 4, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2},   // 甲, 己
    {5, 6, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4},   // 乙, 庚
    {7, 8, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6},   // 丙, 辛
    {9, 10, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8},  // 丁, 壬
    {1, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},   // 戊, 癸
};

int StemGroup(int stem) { return (stem - 1) % 5 + 1; }

// The term whose span holds the moment: the latest term begun at or before it within the
// same Gregorian year, 0 when that year's first term (小寒) has not begun yet.
int GoverningTerm(const DateTimeParts& moment) {
  int term = SolarTermOn(moment.date);
  if (term != 0) {
    std::optional<DateTimeParts> start = SolarTermParts(moment.date.year, term);
    return (start && SecondsOfDay(moment) >= SecondsOfDay(*start)) ? term : term - 1;
  }
  GregorianDate day = moment.date;
  while (StepDay(day, false) && day.year == moment.date.year) {
    term = SolarTermOn(day);
    if (term != 0) return term;
  }
  return 0;
}

}  // namespace

int StemOf(int index) { return (index >= 1 && index <= 60) ? (index - 1) % 10 + 1 : 0; }
int BranchOf(int index) { return (index >= 1 && index <= 60) ? (index - 1) % 12 + 1 : 0; }

int SexagenaryIndex(int stem, int branch) {
  for (int index = 1; index <= 60; ++index) {
    if (StemOf(index) == stem && BranchOf(index) == branch) return index;
  }
  return 0;
}

Pillars FourPillars(double dateTime) {
  Pillars pillars;
  DateTimeParts moment;
  if (!SplitDateTime(dateTime, moment)) return pillars;
  const GregorianDate& date = moment.date;
  if (date.year > kLastYear || GregorianDaysBetween(date, kFirstDay) < 0) return pillars;

  // Year: it turns at 立春 (term 3), not on 1 January.
  int g = (date.year - 1901) % 60;
  int year = g > 22 ? g - 22 : g + kYearIndex1901;
  int term = GoverningTerm(moment);
  if (term <= 2) year = year == 1 ? 60 : year - 1;

  // Month: 立春 opens 寅, every second term the next branch; 小寒 opens 丑, 大雪 子.
  int k = term == 0 ? 11 : (term - 1) / 2;
  int monthBranch = k <= 10 ? k + 2 : k - 10;
  int monthStem = kMonthStems[StemGroup(StemOf(year)) - 1][monthBranch - 1];

  // Day: a 60-day cycle counted from 1 January 1901; the day begins at 23:00.
  int r = GregorianDaysBetween(date, kTableStart) % 60;
  int day = r > 44 ? r - 44 : r + kDayIndex1901;
  if (moment.hour >= 23) day = day == 60 ? 1 : day + 1;

  // Hour: two-hour branches, 子 from 23:00 to 01:00.
  int hourBranch = (moment.hour >= 23 || moment.hour == 0) ? 1 : (moment.hour - 1) / 2 + 2;
  int hourStem = (2 * (StemGroup(StemOf(day)) - 1) + hourBranch - 1) % 10 + 1;

  pillars.year = year;
  pillars.month = SexagenaryIndex(monthStem, monthBranch);
  pillars.day = day;
  pillars.hour = SexagenaryIndex(hourStem, hourBranch);
  return pillars;
}

}  // namespace cal
