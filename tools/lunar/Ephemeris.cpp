#include "tools/lunar/Ephemeris.h"

#include <swephexp.h>

#include <cmath>

namespace lunar {
namespace {

constexpr double kTolerance = 1e-9;  // days, about 0.1 ms
constexpr int kMaxIterations = 50;
constexpr double kMaxStep = 10.0;  // days: a larger Newton step means a wrong guess

}  // namespace

double WrapDegrees(double angle) {
  angle = std::fmod(angle, 360.0);
  if (angle <= -180.0) angle += 360.0;
  if (angle > 180.0) angle -= 360.0;
  return angle;
}

Ephemeris::Ephemeris(EphemerisSource source)
    : flags_(SEFLG_SPEED | (source == EphemerisSource::kFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH)) {}

void CloseEphemeris() { swe_close(); }

bool Ephemeris::Open(const std::string& directory, std::string& error) {
  swe_set_ephe_path(directory.c_str());
  double longitude = 0, speed = 0;
  return Longitude(SE_MOON, 2451545.0, longitude, speed, error);
}

bool Ephemeris::Longitude(int body, double jdUt, double& longitude, double& speed, std::string& error) const {
  double x[6] = {};
  char message[AS_MAXCH] = {};
  int32 used = swe_calc_ut(jdUt, body, flags_, x, message);
  if (used < 0) {
    error = message;
    return false;
  }
  // The library quietly switches theories when it cannot read the files.
  if ((used & (SEFLG_SWIEPH | SEFLG_MOSEPH)) != (flags_ & (SEFLG_SWIEPH | SEFLG_MOSEPH))) {
    error = "the ephemeris files were not found or do not cover the date";
    if (message[0] != 0) error += std::string(": ") + message;
    return false;
  }
  longitude = x[0];
  speed = x[3];
  return true;
}

bool Ephemeris::SunLongitude(double jdUt, double& longitude, double& speed, std::string& error) const {
  return Longitude(SE_SUN, jdUt, longitude, speed, error);
}

bool Ephemeris::MoonLongitude(double jdUt, double& longitude, double& speed, std::string& error) const {
  return Longitude(SE_MOON, jdUt, longitude, speed, error);
}

bool Ephemeris::SunReaches(double longitude, double guess, double& jdUt, std::string& error) const {
  double t = guess;
  for (int i = 0; i < kMaxIterations; ++i) {
    double sun = 0, speed = 0;
    if (!SunLongitude(t, sun, speed, error)) return false;
    double step = WrapDegrees(longitude - sun) / speed;
    if (std::fabs(step) > kMaxStep) break;
    t += step;
    if (std::fabs(step) < kTolerance) {
      jdUt = t;
      return true;
    }
  }
  error = "the Sun's longitude search did not converge";
  return false;
}

bool Ephemeris::NewMoonNear(double guess, double& jdUt, std::string& error) const {
  double t = guess;
  for (int i = 0; i < kMaxIterations; ++i) {
    double sun = 0, sunSpeed = 0, moon = 0, moonSpeed = 0;
    if (!SunLongitude(t, sun, sunSpeed, error) || !MoonLongitude(t, moon, moonSpeed, error)) return false;
    double step = -WrapDegrees(moon - sun) / (moonSpeed - sunSpeed);
    if (std::fabs(step) > kMaxStep) break;
    t += step;
    if (std::fabs(step) < kTolerance) {
      jdUt = t;
      return true;
    }
  }
  error = "the new moon search did not converge";
  return false;
}

double Ephemeris::DeltaTSeconds(double jdUt) const {
  char message[AS_MAXCH] = {};
  return swe_deltat_ex(jdUt, flags_ & (SEFLG_SWIEPH | SEFLG_MOSEPH), message) * 86400.0;
}

}  // namespace lunar
