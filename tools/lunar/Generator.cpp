#include "tools/lunar/Generator.h"

#include "tools/lunar/CivilTime.h"

namespace lunar {

bool ComputeLunarYears(const Moments& moments, int32_t (*zone)(double), std::vector<LunarMonth>& months,
                       std::vector<LunarYear>& years, std::string& error) {
  // Month 11 of the year before the first lunar year opens the first span; the last
  // lunar year ends inside the span closed by the solstice after it.
  CalendarEvents events = CivilEvents(moments, zone, kFirstLunarYear - 2, kLastLunarYear + 1);
  return NumberLunarMonths(events, months, error) &&
         PackLunarYears(months, kFirstLunarYear, kLastLunarYear, years, error);
}

bool ComputeTables(const Ephemeris& ephemeris, int32_t (*zone)(double), Tables& tables, std::string& error) {
  double from = JulianDayOf(cal::GregorianDate{kFirstLunarYear - 2, 11, 1});
  double to = JulianDayOf(cal::GregorianDate{kLastLunarYear + 2, 3, 1});
  if (!ComputeMoments(ephemeris, kFirstTermYear, kLastTermYear, from, to, tables.moments, error))
    return false;
  if (!ComputeLunarYears(tables.moments, zone, tables.months, tables.years, error)) return false;

  tables.termYears.clear();
  for (size_t i = 0; i < tables.moments.terms.size(); ++i) {
    TermYear termYear;
    termYear.year = tables.moments.firstTermYear + int(i);
    for (int term = 0; term < 24; ++term) {
      termYear.terms[term] = ToCivil(tables.moments.terms[i][term], kUtc8);
      if (termYear.terms[term].date.year != termYear.year) {
        error = "a term of " + std::to_string(termYear.year) + " falls in another year";
        return false;
      }
    }
    tables.termYears.push_back(termYear);
  }
  return true;
}

}  // namespace lunar
