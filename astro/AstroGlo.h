#pragma once
// Object numbers and the angle primitives shared by the horoscope model, the aspect search, the
// drawings and the filters.
//
// Object numbers: 0 the vernal point; 1..13 Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn,
// Uranus, Neptune, Pluto, lunar node, Chiron, Lilith; 14..25 the house cusps 1..12 (14 Ascendant,
// 23 MC); 26..37 the beginnings of the signs Aries..Pisces.
//
// Angles are ecliptic longitudes (and latitudes) in degrees, doubles; longitudes are normalised to
// 0 <= x < 360 (Norm360 of astro/WiskFies.h). The aspect search reads the aspect table (Aspekten,
// AantalAspekten of shell/Aspekten.h) and the orbs and flags of the settings (shell/Instellingen.h).

#include <cstdint>
#include <stdexcept>

#include "astro/WiskFies.h"

namespace orvan {

inline constexpr int ObjLentepunt = 0;
inline constexpr int ObjZon = 1;
inline constexpr int ObjMaan = 2;
inline constexpr int ObjMercurius = 3;
inline constexpr int ObjVenus = 4;
inline constexpr int ObjMars = 5;
inline constexpr int ObjJupiter = 6;
inline constexpr int ObjSaturnus = 7;
inline constexpr int ObjUranus = 8;
inline constexpr int ObjNeptunus = 9;
inline constexpr int ObjPluto = 10;
inline constexpr int ObjKnoop = 11;
inline constexpr int ObjChiron = 12;
inline constexpr int ObjLilith = 13;
inline constexpr int AantalPlaneten = 13;         // objects 1..13
inline constexpr int ObjAscendant = 14;           // cusp 1
inline constexpr int ObjMC = 23;                  // cusp 10
inline constexpr int EersteKuspObject = 14;       // cusp n is object 13 + n
inline constexpr int LaatsteKuspObject = 25;
inline constexpr int EersteTekenObject = 26;      // sign n (1 Aries) starts at object 25 + n
inline constexpr int LaatsteTekenObject = 37;

inline constexpr int AantalAspektObjecten = 15;            // selection indices of AspektObject
inline constexpr int AantalAspektObjectenMetKuspen = 19;   // selection indices of AspektObjectMetKuspen

// The exception of an object number outside the numbering ("Impossible object number").
class TOnmogelijkObject : public std::out_of_range {
 public:
  TOnmogelijkObject() : std::out_of_range("Impossible object number") {}
};

// Typical daily motion of an object in degrees per day, to bound time searches: the bodies 1..13
// their mean motion (the lunar node -0.2), cusps 14..25 360 when `metKuspen` else 0, signs 26..37 0.
// Throws TOnmogelijkObject for any other number.
float DagelijkseBeweging(int object, bool metKuspen);

// True for the bodies 1..13, the Ascendant (14) and the MC (23); for cusps 2, 3, 11 and 12 (15, 16,
// 24, 25) the setting OokAspektenOpKuspen; false for every other number.
bool DoetMeeInAspekten(int object);

// The object of selection index 1..15: objects 1..13, then 14 (Ascendant) and 23 (MC), the order of
// the fifteen weights of the settings. 0 for another index.
int AspektObject(int index);
// The object of selection index 1..19: as AspektObject, then 15, 16, 24, 25 (cusps 2, 3, 11, 12).
// 0 for another index.
int AspektObjectMetKuspen(int index);

// Sun, Moon, Mercury, Venus, Mars, Ascendant and MC.
bool IsPersoonlijk(int object);
// Jupiter to Pluto.
bool IsTraag(int object);

// x reduced into -180 < x <= 180 degrees.
double Norm180(double x);

// b - a reduced into -180 <= d < 180 degrees (a difference of exactly 180 gives -180).
double Verschil(double a, double b);

// The point halfway along the arc from p1 forward (increasing longitude) to p2, 0 <= x < 360:
// Midpunt(350, 10) = 0, Midpunt(10, 350) = 180.
double Midpunt(double p1, double p2);

// True when x lies on the arc from `van` (inclusive) forward to `tot` (exclusive); the arc passes
// 0 degrees when tot < van and is empty when tot = van. All three in 0 <= x < 360.
bool InBoog(double x, double van, double tot);

// The number of whole signs (0..11) from p1 forward to p2, with a tolerance of 15 degrees.
int TekenAfstand(double p1, double p2);

// The great-circle distance in degrees (0..180) between two points of the ecliptic sphere given
// by longitude and latitude in degrees.
double HoekAfstand(double lengte1, double lengte2, double breedte1, double breedte2);

// The aspect between the longitudes lengte1 and lengte2 (degrees). The separation 0..180 is
// compared with the rows 1..AantalAspekten of the aspect table in order, and the first row whose
// angle lies strictly within the orb wins: the row's own Orb with `eigenOrb`, else the transit orb
// TraOrb of the settings for every row. The result is the row number, negative when lengte2 lies
// less than 180 degrees behind lengte1, and 0 when no row matches. `afwijking` (separation minus
// the row's angle, positive when wider than exact) is set only when a row matches.
std::int8_t ZoekAspekt(bool eigenOrb, double lengte1, double lengte2, double& afwijking);

// The largest Orb of the rows 1..AantalAspekten; 0 for an empty table.
double GrootsteOrb();

}  // namespace orvan
