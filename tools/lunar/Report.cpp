#include "tools/lunar/Report.h"

#include <cmath>

#include "tools/lunar/CivilTime.h"

namespace lunar {
namespace {

constexpr double kNearMidnightSeconds = 20 * 60;
constexpr double kTermNearMidnightSeconds = 2 * 60;
const char* const kTermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

void PrintMoment(std::FILE* out, double jd, int32_t zone) {
  CivilMoment m = ToCivil(jd, zone);
  std::fprintf(out, "%04d-%02d-%02d %02d:%02d:%02d", m.date.year, m.date.month, m.date.day, m.hour(),
               m.minute(), m.second());
}

int32_t Utc8(double) { return kUtc8; }

void ReportNearMidnight(const Tables& tables, std::FILE* out) {
  std::fprintf(out, "\nNew moons within %.0f minutes of the calendar's midnight (lunar years %d-%d):\n",
               kNearMidnightSeconds / 60, kFirstLunarYear, kLastLunarYear);
  for (double jd : tables.moments.newMoons) {
    int32_t zone = CalendarZone(jd);
    CivilMoment m = ToCivil(jd, zone);
    if (m.date.year < kFirstLunarYear || m.date.year > kLastLunarYear + 1) continue;
    double off = SecondsFromMidnight(jd, zone);
    if (std::fabs(off) > kNearMidnightSeconds) continue;
    std::fprintf(out, "  ");
    PrintMoment(out, jd, zone);
    std::fprintf(out, " %s  %+6.0f s from midnight\n", zone == kUtc8 ? "UTC+8" : "Beijing mean time", off);
  }
  std::fprintf(out, "\nPrincipal terms within %.0f minutes of the calendar's midnight:\n",
               kNearMidnightSeconds / 60);
  for (size_t y = 0; y < tables.moments.terms.size(); ++y) {
    int year = tables.moments.firstTermYear + int(y);
    if (year < kFirstLunarYear - 1 || year > kLastLunarYear + 1) continue;
    for (int i = 1; i < 24; i += 2) {
      double jd = tables.moments.terms[y][i];
      int32_t zone = CalendarZone(jd);
      double off = SecondsFromMidnight(jd, zone);
      if (std::fabs(off) > kNearMidnightSeconds) continue;
      std::fprintf(out, "  %s ", kTermNames[i]);
      PrintMoment(out, jd, zone);
      std::fprintf(out, "  %+6.0f s\n", off);
    }
  }
  std::fprintf(out, "\nSolar terms within %.0f minutes of midnight UTC+8 (table years %d-%d):\n",
               kTermNearMidnightSeconds / 60, kFirstTermYear, kLastTermYear);
  for (size_t y = 0; y < tables.moments.terms.size(); ++y) {
    for (int i = 0; i < 24; ++i) {
      double jd = tables.moments.terms[y][i];
      double off = SecondsFromMidnight(jd, kUtc8);
      if (std::fabs(off) > kTermNearMidnightSeconds) continue;
      std::fprintf(out, "  %s ", kTermNames[i]);
      PrintMoment(out, jd, kUtc8);
      std::fprintf(out, "  %+5.1f s\n", off);
    }
  }
}

bool ReportAnalytic(const Tables& tables, std::FILE* out, std::string& error) {
  Ephemeris analytic(EphemerisSource::kAnalytic);
  Moments other;
  double from = tables.moments.newMoons.front() - 1, to = tables.moments.newMoons.back() + 1;
  if (!ComputeMoments(analytic, kFirstTermYear, kLastTermYear, from, to, other, error)) return false;
  if (other.newMoons.size() != tables.moments.newMoons.size()) {
    error = "the analytic theory finds another number of new moons";
    return false;
  }
  double termWorst = 0, moonWorst = 0;
  int termDates = 0, moonDates = 0;
  for (size_t y = 0; y < other.terms.size(); ++y) {
    for (int i = 0; i < 24; ++i) {
      double a = tables.moments.terms[y][i], b = other.terms[y][i];
      termWorst = std::fmax(termWorst, std::fabs(a - b) * kSecondsPerDay);
      if (ToCivil(a, kUtc8).day != ToCivil(b, kUtc8).day) ++termDates;
    }
  }
  for (size_t i = 0; i < other.newMoons.size(); ++i) {
    double a = tables.moments.newMoons[i], b = other.newMoons[i];
    moonWorst = std::fmax(moonWorst, std::fabs(a - b) * kSecondsPerDay);
    if (ToCivil(a, CalendarZone(a)).day != ToCivil(b, CalendarZone(b)).day) ++moonDates;
  }
  std::vector<LunarMonth> months;
  std::vector<LunarYear> years;
  if (!ComputeLunarYears(other, CalendarZone, months, years, error)) return false;
  int yearDiffs = 0;
  for (size_t i = 0; i < years.size(); ++i) {
    yearDiffs += years[i].word != tables.years[i].word || years[i].leapMonth != tables.years[i].leapMonth;
  }
  std::fprintf(out, "\nAnalytic theory against the ephemeris files:\n");
  std::fprintf(out, "  solar terms %d-%d: largest difference %.2f s, %d civil dates differ\n", kFirstTermYear,
               kLastTermYear, termWorst, termDates);
  std::fprintf(out, "  new moons: largest difference %.2f s, %d civil dates differ\n", moonWorst, moonDates);
  std::fprintf(out, "  lunar years %d-%d that differ: %d\n", kFirstLunarYear, kLastLunarYear, yearDiffs);
  return true;
}

bool ReportOtherZoneRule(const Tables& tables, int32_t (*zone)(double), const char* rule, std::FILE* out,
                         std::string& error) {
  std::vector<LunarMonth> months;
  std::vector<LunarYear> years;
  if (!ComputeLunarYears(tables.moments, zone, months, years, error)) return false;
  std::fprintf(out, "\nLunar years that %s would change:\n", rule);
  for (size_t i = 0; i < years.size(); ++i) {
    if (years[i].word == tables.years[i].word && years[i].leapMonth == tables.years[i].leapMonth) continue;
    std::fprintf(out, "  %d: 0x%04X leap %d, with it 0x%04X leap %d\n", years[i].year, tables.years[i].word,
                 tables.years[i].leapMonth, years[i].word, years[i].leapMonth);
  }
  return true;
}

bool ReportZoneRule(const Tables& tables, std::FILE* out, std::string& error) {
  return ReportOtherZoneRule(tables, Utc8, "UTC+8 for every year", out, error) &&
         ReportOtherZoneRule(tables, BeijingBefore1929Zone, "Beijing mean time for every year before 1929",
                             out, error);
}

// Which results move when every moment is shifted: the margin the tables have against
// errors of the ephemeris and of Delta-T.
bool ReportSensitivity(const Tables& tables, std::FILE* out, std::string& error) {
  std::fprintf(out, "\nResults that move when every moment is shifted:\n");
  for (double shift : {-60.0, -30.0, -10.0, 10.0, 30.0, 60.0}) {
    Moments shifted = tables.moments;
    for (auto& year : shifted.terms) {
      for (double& jd : year) jd += shift / kSecondsPerDay;
    }
    for (double& jd : shifted.newMoons) jd += shift / kSecondsPerDay;
    std::vector<LunarMonth> months;
    std::vector<LunarYear> years;
    if (!ComputeLunarYears(shifted, CalendarZone, months, years, error)) return false;
    std::fprintf(out, "  %+4.0f s: lunar years", shift);
    for (size_t i = 0; i < years.size(); ++i) {
      if (years[i].word != tables.years[i].word || years[i].leapMonth != tables.years[i].leapMonth) {
        std::fprintf(out, " %d", years[i].year);
      }
    }
    std::fprintf(out, "; term dates");
    for (size_t y = 0; y < shifted.terms.size(); ++y) {
      for (int i = 0; i < 24; ++i) {
        if (ToCivil(shifted.terms[y][i], kUtc8).day != tables.termYears[y].terms[i].day) {
          std::fprintf(out, " %d-%s", tables.termYears[y].year, kTermNames[i]);
        }
      }
    }
    std::fprintf(out, "\n");
  }
  return true;
}

}  // namespace

bool WriteReport(const Tables& tables, std::FILE* out, std::string& error) {
  Ephemeris files;
  std::fprintf(out, "Delta-T (TT - UT):");
  for (int year : {1880, 1901, 1929, 1950, 1980, 2000, 2011, 2025, 2049, 2079}) {
    std::fprintf(out, " %d %.1f s;", year,
                 files.DeltaTSeconds(JulianDayOf(cal::GregorianDate{uint16_t(year), 7, 1})));
  }
  std::fprintf(out, "\n\nTerms of 2011 (UTC+8, unrounded):\n");
  const auto& terms2011 = tables.moments.terms[size_t(2011 - tables.moments.firstTermYear)];
  for (int i : {0, 2, 23}) {
    double local = (terms2011[i] + double(kUtc8) / kSecondsPerDay + 0.5) * kSecondsPerDay;
    std::fprintf(out, "  %s ", kTermNames[i]);
    PrintMoment(out, terms2011[i], kUtc8);
    std::fprintf(out, " (%.3f s past the whole second)\n", local - std::floor(local));
  }
  ReportNearMidnight(tables, out);
  return ReportZoneRule(tables, out, error) && ReportSensitivity(tables, out, error) &&
         ReportAnalytic(tables, out, error);
}

}  // namespace lunar
