// Dates in cell texts: reading a text as a date, and writing one in a column's date
// format (the strftime subset %Y %y %m %d %H %M %S %%).
#pragma once

#include <string>
#include <string_view>

namespace grid {

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

// "yyyy-mm-dd", "yyyy/mm/dd" or "yyyy.mm.dd" (one- or two-digit month and day), with
// anything after the day ignored when it starts with a space or 'T'. False for other
// texts and for dates that do not exist (years 100..9999).
bool ParseDateText(std::string_view text, CivilDate* date);

std::string FormatDate(const CivilDate& date, std::string_view format);

}  // namespace grid
