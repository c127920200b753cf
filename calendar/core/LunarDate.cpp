#include "calendar/core/LunarDate.h"

#include <algorithm>
#include <array>

#include "calendar/core/LunarTables.h"

namespace cal {
namespace {

constexpr GregorianDate kFirstLunarDay{1901, 2, 19};  // lunar 1901-01-01
constexpr GregorianDate kTableStart{1901, 1, 1};
constexpr int kDaysToFirstLunarDay = 49;
constexpr int kLastConvertibleYear = 2048;
constexpr int kMaxSearchRounds = 100;

bool InLunarRange(int year) { return year >= kFirstLunarYear && year <= kLastLunarYear; }

// Day offsets from 19 February 1901 of each lunar year's first day, and one past the last
// year, so a conversion finds its year without summing every year before it.
const std::array<int32_t, kLunarYearCount + 1>& YearStarts() {
  static const std::array<int32_t, kLunarYearCount + 1> starts = [] {
    std::array<int32_t, kLunarYearCount + 1> s{};
    for (int i = 0; i < kLunarYearCount; ++i) s[i + 1] = s[i] + LunarYearDays(kFirstLunarYear + i);
    return s;
  }();
  return starts;
}

bool IsConvertible(const GregorianDate& date) {
  return IsValidGregorianDate(date) && date.year <= kLastConvertibleYear &&
         GregorianDaysBetween(date, kFirstLunarDay) >= 0;
}

// Orders lunar dates by (year, month, day), leap flags aside.
int CompareNumbers(const LunarDate& a, const LunarDate& b) {
  if (a.year != b.year) return a.year < b.year ? -1 : 1;
  if (a.month != b.month) return a.month < b.month ? -1 : 1;
  if (a.day != b.day) return a.day < b.day ? -1 : 1;
  return 0;
}

void StepDays(GregorianDate& date, int count, bool forward) {
  for (int i = 0; i < count; ++i) StepDay(date, forward);
}

}  // namespace

int LeapMonthOf(int year) {
  if (!InLunarRange(year)) return -1;
  int offset = year - kFirstLunarYear;
  uint8_t pair = kLeapMonthTable[offset / 2];
  return offset % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

LunarMonthLengths LunarMonthDays(int year, int month) {
  LunarMonthLengths lengths;
  if (!InLunarRange(year) || month < 1 || month > 12) return lengths;
  uint16_t word = kLunarYearTable[year - kFirstLunarYear];
  int leap = LeapMonthOf(year);
  int bit = (leap == 0 || month <= leap) ? 16 - month : 15 - month;
  lengths.days = (word >> bit) & 1 ? 30 : 29;
  if (month == leap) lengths.leapDays = (word >> (bit - 1)) & 1 ? 30 : 29;
  return lengths;
}

int LunarYearDays(int year) {
  if (!InLunarRange(year)) return 0;
  int total = 0;
  for (int month = 1; month <= 12; ++month) {
    LunarMonthLengths lengths = LunarMonthDays(year, month);
    total += lengths.days + lengths.leapDays;
  }
  return total;
}

std::optional<LunarDate> GregorianToLunar(const GregorianDate& date) {
  if (!IsConvertible(date)) return std::nullopt;
  int32_t n = GregorianDaysBetween(date, kTableStart) - kDaysToFirstLunarDay;

  const auto& starts = YearStarts();
  auto next = std::upper_bound(starts.begin() + 1, starts.begin() + kLunarYearCount, n);
  int index = int(next - (starts.begin() + 1));
  n -= starts[index];

  LunarDate lunar;
  lunar.year = uint16_t(kFirstLunarYear + index);
  int leap = LeapMonthOf(lunar.year);
  for (int month = 1; month <= 12; ++month) {
    LunarMonthLengths lengths = LunarMonthDays(lunar.year, month);
    lunar.month = uint16_t(month);
    if (n < lengths.days) break;
    n -= lengths.days;
    if (month == leap) {
      if (n < lengths.leapDays) {
        lunar.leap = true;
        break;
      }
      n -= lengths.leapDays;
    }
  }
  lunar.day = uint16_t(n + 1);
  return lunar;
}

std::optional<GregorianDate> LunarToGregorian(const LunarDate& lunar) {
  if (!InLunarRange(lunar.year) || lunar.month < 1 || lunar.month > 12) return std::nullopt;
  LunarDate target = lunar;
  if (target.leap && LeapMonthOf(target.year) != target.month) target.leap = false;
  LunarMonthLengths lengths = LunarMonthDays(target.year, target.month);
  int length = target.leap ? lengths.leapDays : lengths.days;
  if (target.day < 1 || target.day > length) return std::nullopt;

  // Walk from the Gregorian date with the same numbers toward the target; the lunar date
  // trails the Gregorian one by three to eight weeks.
  GregorianDate candidate{target.year, target.month, target.day};
  int monthDays = GregorianMonthDays(candidate.year, candidate.month);
  if (candidate.day > monthDays) candidate.day = uint16_t(monthDays);
  for (int round = 0; round < kMaxSearchRounds; ++round) {
    std::optional<LunarDate> found = GregorianToLunar(candidate);
    if (!found) {
      // Outside the convertible days: head back into them.
      StepDay(candidate, GregorianDaysBetween(candidate, kFirstLunarDay) < 0);
      continue;
    }
    int order = CompareNumbers(*found, target);
    if (order == 0) {
      if (found->leap == target.leap) return candidate;
      StepDays(candidate, 31, !found->leap);
    } else {
      StepDay(candidate, order < 0);
    }
  }
  return std::nullopt;
}

}  // namespace cal
