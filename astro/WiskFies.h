#pragma once
// Small mathematical helpers of the astronomical code: angles in degrees, reduction of angles and
// trigonometry with arguments in degrees.

#include <cmath>
#include <cstdint>

namespace orvan {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TweePi = 2.0 * Pi;
inline constexpr double GrRad = Pi / 180.0;   // radians per degree
inline constexpr double RadGr = 180.0 / Pi;   // degrees per radian

// x reduced into 0 <= x < 360 (degrees).
inline double Norm360(double x) {
  x -= 360.0 * std::floor(x * (1.0 / 360.0));
  if (x >= 360.0) x -= 360.0;   // a tiny negative value can round up to 360
  if (x < 0.0) x = 0.0;
  return x;
}

// x reduced into -180 <= x < 180 (degrees); for differences of longitudes.
inline double Tussen180(double x) {
  x = Norm360(x + 180.0) - 180.0;
  return x;
}

inline double SinG(double graden) { return std::sin(graden * GrRad); }
inline double CosG(double graden) { return std::cos(graden * GrRad); }

// The largest integer not greater than x, for day numbers of the ephemeris files.
inline std::int64_t Vloer(double x) { return static_cast<std::int64_t>(std::floor(x)); }

}  // namespace orvan
