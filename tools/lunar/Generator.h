// Everything the table program computes, from the ephemeris to the packed tables.
#pragma once

#include <string>
#include <vector>

#include "tools/lunar/Ephemeris.h"
#include "tools/lunar/LunarMonths.h"
#include "tools/lunar/Moments.h"
#include "tools/lunar/TableWriter.h"

namespace lunar {

constexpr int kFirstLunarYear = 1901;
constexpr int kLastLunarYear = 2049;
constexpr int kFirstTermYear = 1880;
constexpr int kLastTermYear = 2079;

struct Tables {
  Moments moments;
  std::vector<LunarMonth> months;
  std::vector<LunarYear> years;
  std::vector<TermYear> termYears;
};

// The months follow the calendar's zone rule; pass another rule to see what it would give.
bool ComputeTables(const Ephemeris& ephemeris, int32_t (*zone)(double), Tables& tables, std::string& error);

// Months only, from moments already computed.
bool ComputeLunarYears(const Moments& moments, int32_t (*zone)(double), std::vector<LunarMonth>& months,
                       std::vector<LunarYear>& years, std::string& error);

}  // namespace lunar
