#pragma once
// The reference ephemeris of the data tools: the Swiss Ephemeris library (libswe, Debian package
// libswe-dev) with the ephemeris files of swe-basic-data and swe-standard-data, which are derived
// from JPL DE431. Every position is checked to come from those files, never from the library's
// analytical fallback.
//
// Times are JD in TT (the library's ephemeris time). Angles in degrees, distances in AU; the
// ecliptic and equinox of date.

#include <string>

namespace orvan::efem {

inline constexpr const char* StandaardEfemerisMap = "/usr/share/libswe/ephe";

// The library's version text.
std::string ReferentieVersie();

class TReferentie {
 public:
  explicit TReferentie(const std::string& map = StandaardEfemerisMap);
  ~TReferentie();

  // Polar or rectangular coordinates (x[0..2]) and rates (x[3..5]) of body `ipl` with the library
  // flags `vlaggen` (speed and the ephemeris files are always asked). False with the reason when the
  // reference has no file data for that moment.
  bool Bereken(int ipl, double jdTT, int vlaggen, double x[6], std::string& fout);

  // Geometric heliocentric position of a planet (lon, lat in degrees, r in AU, z in AU), ecliptic
  // and mean equinox of date, no light time, no aberration.
  bool Helio(int ipl, double jdTT, double& lengte, double& breedte, double& straal, double& z,
             std::string& fout);
  // The same for the Earth: the geometric geocentric Sun reversed.
  bool AardeHelio(double jdTT, double& lengte, double& breedte, double& straal, std::string& fout);
  // The apparent geocentric position (true equinox of date, light time, aberration, deflection).
  bool Schijnbaar(int ipl, double jdTT, double& lengte, double& breedte, double& afstand,
                  std::string& fout);
  // Nutation in longitude and true obliquity (degrees).
  bool Nutatie(double jdTT, double& dpsi, double& scheefheid, std::string& fout);
};

}  // namespace orvan::efem
