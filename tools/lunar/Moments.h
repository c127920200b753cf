// The astronomical moments the tables are made of: the 24 solar terms of each year and
// the new moons of a span, as Julian days of Universal Time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/lunar/Ephemeris.h"
#include "tools/lunar/LunarMonths.h"

namespace lunar {

struct Moments {
  int firstTermYear = 0;
  std::vector<std::array<double, 24>> terms;  // per year, 小寒 (285°) first, 冬至 (270°) last
  std::vector<double> newMoons;               // ascending
};

// Solar term longitude of term index 0 to 23.
inline double TermLongitude(int index) { return double((285 + 15 * index) % 360); }

bool ComputeMoments(const Ephemeris& ephemeris, int firstTermYear, int lastTermYear, double newMoonsFrom,
                    double newMoonsTo, Moments& moments, std::string& error);

// Civil days of the moments for the calendar rules, each moment in the zone `zone` gives
// for it; winter solstices of the years firstSolsticeYear to lastSolsticeYear.
CalendarEvents CivilEvents(const Moments& moments, int32_t (*zone)(double), int firstSolsticeYear,
                           int lastSolsticeYear);

}  // namespace lunar
