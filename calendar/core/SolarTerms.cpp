#include "calendar/core/SolarTerms.h"

#include "calendar/core/LunarTables.h"

namespace cal {
namespace {

const uint8_t* TermRecord(int year, int term) {
  int index = (year - kFirstTermYear) * kTermsPerYear + (term - 1);
  return kSolarTermTable + index * kTermRecordSize;
}

bool InTermRange(int year) { return year >= kFirstTermYear && year <= kLastTermYear; }

}  // namespace

int SolarTermOn(const GregorianDate& date) {
  if (!InTermRange(date.year)) return 0;
  for (int term = 1; term <= kTermsPerYear; ++term) {
    const uint8_t* record = TermRecord(date.year, term);
    if (record[0] > date.month) break;
    if (record[0] == date.month && record[1] == date.day) return term;
  }
  return 0;
}

std::optional<DateTimeParts> SolarTermParts(int year, int term) {
  if (!InTermRange(year) || term < 1 || term > kTermsPerYear) return std::nullopt;
  const uint8_t* record = TermRecord(year, term);
  DateTimeParts parts;
  parts.date = GregorianDate{uint16_t(year), record[0], record[1]};
  parts.hour = record[2];
  parts.minute = record[3];
  parts.second = record[4];
  return parts;
}

double SolarTermMoment(int year, int term) {
  std::optional<DateTimeParts> parts = SolarTermParts(year, term);
  if (!parts) return MakeDateTime(GregorianDate{100, 1, 1}, 0, 0, 0);
  return MakeDateTime(parts->date, parts->hour, parts->minute, parts->second);
}

}  // namespace cal
