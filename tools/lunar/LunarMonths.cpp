#include "tools/lunar/LunarMonths.h"

#include <algorithm>

namespace lunar {
namespace {

// The index of the month (new moon) whose span holds the day, -1 outside them all.
int MonthHolding(const std::vector<int32_t>& newMoonDays, int32_t day) {
  auto next = std::upper_bound(newMoonDays.begin(), newMoonDays.end(), day);
  if (next == newMoonDays.begin() || next == newMoonDays.end()) return -1;
  return int(next - newMoonDays.begin()) - 1;
}

bool HasPrincipalTerm(const std::vector<int32_t>& termDays, int32_t firstDay, int32_t nextFirstDay) {
  auto term = std::lower_bound(termDays.begin(), termDays.end(), firstDay);
  return term != termDays.end() && *term < nextFirstDay;
}

}  // namespace

bool NumberLunarMonths(const CalendarEvents& events, std::vector<LunarMonth>& months, std::string& error) {
  const std::vector<int32_t>& moons = events.newMoonDays;
  for (size_t i = 1; i < moons.size(); ++i) {
    int32_t length = moons[i] - moons[i - 1];
    if (length != 29 && length != 30) {
      error = "new moons " + std::to_string(moons[i - 1]) + " and " + std::to_string(moons[i]) +
              " are not one month apart";
      return false;
    }
  }
  months.clear();
  for (size_t s = 1; s < events.solsticeDays.size(); ++s) {
    int year = events.firstSolsticeYear + int(s);  // the year whose months 1 to 10 lie in the span
    int from = MonthHolding(moons, events.solsticeDays[s - 1]);
    int to = MonthHolding(moons, events.solsticeDays[s]);
    if (from < 0 || to < 0) {
      error = "the winter solstices of " + std::to_string(year - 1) + " and " + std::to_string(year) +
              " are not both covered by new moons";
      return false;
    }
    int count = to - from;
    if (count != 12 && count != 13) {
      error = std::to_string(count) + " months between the winter solstices of " + std::to_string(year - 1) +
              " and " + std::to_string(year);
      return false;
    }
    bool leapPending = count == 13;
    int number = 10;  // the month before month 11
    for (int i = from; i < to; ++i) {
      LunarMonth month;
      month.firstDay = moons[i];
      month.nextFirstDay = moons[i + 1];
      if (leapPending && i != from &&
          !HasPrincipalTerm(events.principalTermDays, month.firstDay, month.nextFirstDay)) {
        leapPending = false;
        month.leap = true;
      } else {
        number = number % 12 + 1;
      }
      month.number = number;
      month.year = number >= 11 ? year - 1 : year;
      months.push_back(month);
    }
    if (leapPending) {
      error = "no month without a principal term between the winter solstices of " +
              std::to_string(year - 1) + " and " + std::to_string(year);
      return false;
    }
  }
  return true;
}

bool PackLunarYears(const std::vector<LunarMonth>& months, int firstYear, int lastYear,
                    std::vector<LunarYear>& years, std::string& error) {
  years.clear();
  for (int year = firstYear; year <= lastYear; ++year) {
    LunarYear packed;
    packed.year = year;
    int count = 0;
    int expected = 1;
    for (const LunarMonth& month : months) {
      if (month.year != year) continue;
      if (month.leap) {
        if (packed.leapMonth != 0 || month.number != expected - 1) {
          error = "lunar year " + std::to_string(year) + " has a misplaced leap month";
          return false;
        }
        packed.leapMonth = month.number;
      } else if (month.number != expected++) {
        error = "lunar year " + std::to_string(year) + " has its months out of order";
        return false;
      }
      if (month.length() == 30) packed.word = uint16_t(packed.word | (1u << (15 - count)));
      ++count;
    }
    if (expected != 13 || count != (packed.leapMonth != 0 ? 13 : 12)) {
      error = "lunar year " + std::to_string(year) + " is incomplete";
      return false;
    }
    years.push_back(packed);
  }
  return true;
}

}  // namespace lunar
