// Apparent geocentric positions of the Sun and the Moon (true equinox of date: nutation,
// aberration and light-time applied) from the ephemeris library, and the moments when the
// Sun reaches a longitude and when the Moon overtakes the Sun. Times are Julian days of
// Universal Time; the library converts with its Delta-T model (UT = TT - Delta-T).
#pragma once

#include <string>

namespace lunar {

enum class EphemerisSource {
  kFiles,     // the numerically integrated ephemeris files (the tables are made from these)
  kAnalytic,  // the library's built-in analytic theory, used only as a cross-check
};

class Ephemeris {
 public:
  explicit Ephemeris(EphemerisSource source = EphemerisSource::kFiles);

  // Points the library at the ephemeris files and checks that it really reads them (it
  // would otherwise fall back to its analytic theory without a word). The library is one
  // process-wide state: CloseEphemeris() releases it when all instances are done.
  bool Open(const std::string& directory, std::string& error);

  // Longitude in degrees [0, 360) and its rate in degrees per day.
  bool SunLongitude(double jdUt, double& longitude, double& speed, std::string& error) const;
  bool MoonLongitude(double jdUt, double& longitude, double& speed, std::string& error) const;

  // The moment nearest `guess` (within about a week) when the Sun's apparent longitude is
  // `longitude` degrees.
  bool SunReaches(double longitude, double guess, double& jdUt, std::string& error) const;

  // The new moon (Moon's and Sun's apparent longitudes equal) nearest `guess` (within
  // about ten days).
  bool NewMoonNear(double guess, double& jdUt, std::string& error) const;

  // Delta-T (TT - UT) in seconds.
  double DeltaTSeconds(double jdUt) const;

 private:
  bool Longitude(int body, double jdUt, double& longitude, double& speed, std::string& error) const;

  int flags_;
};

void CloseEphemeris();

// Wraps an angle into (-180, 180].
double WrapDegrees(double angle);

}  // namespace lunar
