#pragma once
// Aspects and orbs between chart positions, on the primitives of astro/AstroGlo.h.
//
// An aspect is found by ZoekAspekt: the first row of the aspect table, in table order, whose angle
// lies strictly within the orb wins. Orbs belong to the rows only: the row's own Orb ("own orb")
// or the transit orb TraOrb of the settings for every row ("uniform orb"); no object has an orb
// of its own. Aspect numbers are signed: positive when the second position lies 0..180 degrees
// ahead of the first, negative when it lies behind, 0 for no aspect.

#include <cstdint>
#include <vector>

#include "horoscope/THoroskoop.h"

namespace orvan {

// How a row whose Orb is exactly half of GrootsteOrb counts: the moment reports of transits,
// progressions and directions count it as major, the sensitive-point builder as minor.
enum class THalveOrb { Majeur, Mineur };

// Row `nummer` (the sign is ignored) is major: its Orb exceeds half of GrootsteOrb, or equals it
// with THalveOrb::Majeur. False for a number outside the table.
bool IsMajeurAspekt(int nummer, THalveOrb halveOrb);
// Row `nummer` is among the majors when `majeure` or among the minors when `mineure`.
bool AspektGekozen(int nummer, bool majeure, bool mineure, THalveOrb halveOrb);

// Own orbs between two charts, unless one of them is a transit, progression or direction chart:
// then the uniform orb.
bool EigenOrbTussen(const THoroskoop& a, const THoroskoop& b);

// The aspect from object a of chart h1 to object b of chart h2, 0 unless both objects take part
// in aspects (DoetMeeInAspekten). `afwijking` is set only when an aspect is found.
std::int8_t HoroskoopAspekt(const THoroskoop& h1, int a, const THoroskoop& h2, int b,
                            bool eigenOrb, double& afwijking);

struct TAspektVondst {
  int object1 = 0;
  int object2 = 0;
  std::int8_t aspekt = 0;   // signed row number
  double afwijking = 0;     // separation minus the row's angle, degrees
};

// The aspects of one chart: every pair of aspect objects object1 < object2, with own orbs.
std::vector<TAspektVondst> AspektenInHoroskoop(const THoroskoop& h);

// The contact of position `lengte` with the axis through `midpunt` (both 0..360 degrees) under
// the midpoint orb MidOrb: true near either end of the axis. `afwijking` is the distance from the
// nearer end, 0..90 degrees.
bool MidpuntContact(double midpunt, double lengte, double& afwijking);

}  // namespace orvan
