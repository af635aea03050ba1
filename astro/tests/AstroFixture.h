#pragma once
// Small generated data files for the calculator's tests: a "HelConst.dat" with the right row counts
// and ephemeris files whose slots follow given functions of the Julian day.

#include <functional>
#include <string>

#include "astro/EfemerisBestand.h"
#include "astro/HelConst.h"

namespace orvan::test {

// Tables of the right sizes whose terms are all zero (the calculator then gives the mean elements
// with their fixed corrections), with a few non-zero rows so that reading them can be checked.
THelConst ProefConstanten();

// Writes ProefConstanten() as map + "HelConst.dat".
void SchrijfProefConstanten(const std::string& map);

// A slot's heliocentric longitude (degrees), radius vector and height (AU) at a JD.
struct TProefPositie {
  double lengte, straal, hoogte;
};
using TProefBaan = std::function<TProefPositie(int slot, double jd)>;

// Writes the ephemeris files eerste..laatste into `map`, every record from the given orbit
// (rounded to the file's units).
void SchrijfProefEfemeris(const std::string& map, int eerste, int laatste, const TProefBaan& baan);

// Slow circular orbits, a different one per slot, whose longitudes pass 0 degrees.
TProefPositie CirkelBaan(int slot, double jd);

}  // namespace orvan::test
