// Writes the generated lunar tables as the C++ source the calendar library compiles.
#pragma once

#include <string>
#include <vector>

#include "tools/lunar/CivilTime.h"
#include "tools/lunar/LunarMonths.h"

namespace lunar {

struct TermYear {
  int year = 0;
  CivilMoment terms[24];  // in UTC+8, 小寒 first
};

std::string WriteTableSource(const std::vector<LunarYear>& years, const std::vector<TermYear>& termYears);

}  // namespace lunar
