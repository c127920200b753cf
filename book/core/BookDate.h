// Dates as the book keeps them: "YYYY-MM-DD", which sort as texts in date order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace book {

// A real calendar day, years 100..9999 (the program's date range).
bool IsValidDay(int year, int month, int day);

// "YYYY-MM-DD" of a real day, "" otherwise.
std::string IsoDate(int year, int month, int day);

// True for "YYYY-MM-DD" naming a real day.
bool IsIsoDate(std::string_view text);

// The day before an ISO date, "" before the year 100 or for no date.
std::string DayBefore(std::string_view iso);

// The day number of an ISO date (the date-time's whole days); false for no date. Two
// dates' numbers differ by the days between them.
bool DayNumber(std::string_view iso, int64_t* day);

}  // namespace book
