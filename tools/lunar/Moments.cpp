#include "tools/lunar/Moments.h"

#include <algorithm>
#include <cmath>

#include "tools/lunar/CivilTime.h"

namespace lunar {
namespace {

constexpr double kTropicalYearDegreesPerDay = 360.0 / 365.2422;
constexpr double kSynodicMonth = 29.530588853;
constexpr double kNewMoonEpoch = 2451550.09766;    // a mean new moon, 6 January 2000
constexpr double kSunLongitudeOnJanuary1 = 280.0;  // roughly, for first guesses

}  // namespace

bool ComputeMoments(const Ephemeris& ephemeris, int firstTermYear, int lastTermYear, double newMoonsFrom,
                    double newMoonsTo, Moments& moments, std::string& error) {
  moments = Moments();
  moments.firstTermYear = firstTermYear;
  for (int year = firstTermYear; year <= lastTermYear; ++year) {
    double january1 = JulianDayOf(cal::GregorianDate{uint16_t(year), 1, 1});
    std::array<double, 24> terms{};
    for (int i = 0; i < 24; ++i) {
      double longitude = TermLongitude(i);
      double ahead = std::fmod(longitude - kSunLongitudeOnJanuary1 + 360.0, 360.0);
      if (!ephemeris.SunReaches(longitude, january1 + ahead / kTropicalYearDegreesPerDay, terms[i], error)) {
        error = "year " + std::to_string(year) + ": " + error;
        return false;
      }
    }
    moments.terms.push_back(terms);
  }
  long first = std::lround(std::floor((newMoonsFrom - kNewMoonEpoch) / kSynodicMonth));
  for (long k = first;; ++k) {
    double jd = 0;
    if (!ephemeris.NewMoonNear(kNewMoonEpoch + k * kSynodicMonth, jd, error)) return false;
    if (jd > newMoonsTo) break;
    if (jd < newMoonsFrom) continue;
    if (!moments.newMoons.empty() && jd - moments.newMoons.back() < 20) {
      error = "two guesses found the same new moon";
      return false;
    }
    moments.newMoons.push_back(jd);
  }
  return true;
}

CalendarEvents CivilEvents(const Moments& moments, int32_t (*zone)(double), int firstSolsticeYear,
                           int lastSolsticeYear) {
  auto day = [zone](double jd) { return ToCivil(jd, zone(jd)).day; };
  CalendarEvents events;
  for (double jd : moments.newMoons) events.newMoonDays.push_back(day(jd));
  for (const auto& year : moments.terms) {
    for (int i = 1; i < 24; i += 2) events.principalTermDays.push_back(day(year[i]));
  }
  std::sort(events.principalTermDays.begin(), events.principalTermDays.end());
  events.firstSolsticeYear = firstSolsticeYear;
  for (int year = firstSolsticeYear; year <= lastSolsticeYear; ++year) {
    events.solsticeDays.push_back(day(moments.terms[size_t(year - moments.firstTermYear)][23]));
  }
  return events;
}

}  // namespace lunar
