// The lunar calendar library (library 4): eleven unit types, the eleventh being the
// month calendar unit CnMonthCalendar; no commands.
#pragma once

#include "runtime/win/Library.h"

namespace cal::win {

const rt::win::LibraryInfo& CalendarLibrary();

// Own property numbers of the month calendar unit (unit property index minus 8).
namespace calprop {
constexpr int kSelectedDate = 0;  // 8
constexpr int kLunarYear = 1;
constexpr int kLunarMonth = 2;
constexpr int kLunarDay = 3;
constexpr int kLeapMonth = 4;
constexpr int kLayout = 5;  // 13: 1 Gregorian layout
constexpr int kYearStemBranch = 6;
constexpr int kLunarMonthName = 7;
constexpr int kLunarDayName = 8;
constexpr int kZodiac = 9;
constexpr int kSolarTerm = 10;
constexpr int kWeekday = 11;
constexpr int kLunarMonthLength = 12;
constexpr int kLunarYearLength = 13;
constexpr int kPattern = 17;    // 25
constexpr int kBandShown = 21;  // 29
}  // namespace calprop

}  // namespace cal::win
