#pragma once
// The moments at which the terms of "HelConst.dat" are fitted and checked: random, reproducible,
// two thirds between 1600 and 2400 and one third over 1000 BC to 3000 AD, so that the fit serves
// modern and historical charts with the weight on the modern ones.

#include <cstdint>
#include <vector>

namespace orvan::efem {

// JD (TT) of the year (astronomical numbering, fractional) and back; Julian years from J2000.
inline double JaarInJD(double jaar) { return 2451545.0 + (jaar - 2000.0) * 365.25; }
inline double JDInJaar(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

std::vector<double> FitMomenten(int aantal, std::uint64_t zaad);

// The weight of a fit moment: 1 from 1600 to 2400, less before and after (the terms serve the
// modern centuries first; the drift of the fixed elements far from 1900 would otherwise choose them).
double FitGewicht(double jd);

// `aantal` random moments, uniform between two years.
std::vector<double> Momenten(int aantal, double vanJaar, double totJaar, std::uint64_t zaad);

}  // namespace orvan::efem
