#include "calendar/core/LunarFormat.h"

#include <optional>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/FourPillars.h"
#include "calendar/core/LunarDate.h"
#include "calendar/core/LunarNames.h"

namespace cal {
namespace {

// Replaces every occurrence, scanning on past each replacement so it is never rescanned.
void ReplaceAll(std::string& text, const char* placeholder, const std::string& value) {
  const std::string key(placeholder);
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
    text.replace(at, key.size(), value);
  }
}

}  // namespace

const char kDefaultLunarPattern[] = "%Y年(%S)%M%D %y-%m-%d";

std::string FormatLunarText(double dateTime, const std::string& pattern) {
  DateTimeParts moment;
  if (!SplitDateTime(dateTime, moment)) return std::string();
  std::optional<LunarDate> lunar = GregorianToLunar(moment.date);
  if (!lunar) return std::string();
  Pillars pillars = FourPillars(dateTime);

  std::string text = pattern;
  ReplaceAll(text, "%Y", StemBranchText(StemOf(pillars.year), BranchOf(pillars.year)));
  ReplaceAll(text, "%S", ZodiacName(BranchOf(pillars.year)));
  ReplaceAll(text, "%M", LunarMonthName(lunar->month, lunar->leap));
  ReplaceAll(text, "%D", LunarDayName(lunar->day));
  ReplaceAll(text, "%y", std::to_string(moment.date.year));
  ReplaceAll(text, "%m", std::to_string(moment.date.month));
  ReplaceAll(text, "%d", std::to_string(moment.date.day));
  return text;
}

}  // namespace cal
