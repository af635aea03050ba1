#pragma once
// Chiron outside the reference's span (JD 1967601.5 to 3419437.5): the orbit is integrated from the
// reference's own position and velocity at the nearest end of that span, with the gravitation of
// the Sun, the eight planets, the Moon and Pluto taken from the reference. The result joins the
// reference continuously in position and velocity.
//
// Frame: barycentric, ecliptic and equinox J2000, AU and days (TT).

#include <array>
#include <functional>
#include <string>

#include "tools/ephemeris/Referentie.h"

namespace orvan::efem {

using TVector = std::array<double, 3>;

struct TChironToestand {
  double jd = 0;
  TVector x{}, v{};   // barycentric position and velocity
};

// Integrates from the reference state at jdStart to jdEind (either direction) with fixed steps of
// `stap` days (a divisor of 80) and calls `uitvoer` with the heliocentric position of Chiron in the
// ecliptic and mean equinox of date (longitude in degrees, radius vector and z in AU) at every JD
// jdStart + 80 k between the two. False with the reason when the reference fails.
bool IntegreerChiron(TReferentie& ref, double jdStart, double jdEind, double stap,
                     const std::function<void(double jd, double lengte, double straal, double z)>& uitvoer,
                     std::string& fout);

// The heliocentric position of a J2000 ecliptic vector in the ecliptic and mean equinox of date
// (the rotation is taken from the reference's own positions of Jupiter and Saturn in both frames).
bool NaarDatum(TReferentie& ref, double jd, const TVector& heliocentrischJ2000, double& lengte,
               double& straal, double& z, std::string& fout);

}  // namespace orvan::efem
