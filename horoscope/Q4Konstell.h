#pragma once
// The constellation search: move a chart's moment to the moment at which object 1 stands a given
// angle ahead of object 2 (difference of ecliptic longitudes), and the choice of the constellation
// dialog, kept for the program's life.
//
// Objects are numbered as in astro/AstroGlo.h: bodies 1..13, cusps 14..25, sign beginnings 26..37.
// A return is searched against the fixed point 26 (0 degrees Aries) with the natal longitude of the
// returning body plus the wanted angle as the angle.

#include <cstdint>

#include "horoscope/THoroskoop.h"
#include "shell/LangUtils.h"

namespace orvan {

// Search tolerances: days for a stationary point, degrees for the exact moment.
inline constexpr double KonstellXTolerantie = 1e-5;
inline constexpr double KonstellFTolerantie = 1e-5;

// The exact moment of the chart's search fields (ZoekObject1, ZoekObject2, ZoekHoek; mode 0) from
// its UT: the next one after it when the pair is bracketed, else the nearest one. The chart's UT
// becomes the moment found (the best one when the search ended on a bound, the starting moment when
// the objects are outside 1..37 or the mode is not 0). The result is whether the moment is exact.
bool ZoekExakt(THoroskoop& h);

// True when the pair is searched with bracketing (the first exact moment after the start): not
// when either object is the Moon or a cusp, nor for the Sun with an object above Venus.
bool WordtOmsloten(int object1, int object2);

// The moment of the chart's data (BerekenUT, BerekenJD), then ZoekExakt for object 1 at `hoek`
// degrees ahead of object 2; the data become the moment found as universal time in the chart's own
// calendar, precision 0:00:01, neutral sex. The result is ZoekExakt's.
bool ZoekKonstellatie(THoroskoop& h, int object1, int object2, double hoek);

// --- The constellation dialog. ---

// The choice of the last accepted dialog.
struct TKonstellKeuze {
  double Hoek = 0;              // decimal degrees
  std::uint8_t Object1 = 1;     // 1..25
  std::uint8_t Object2 = 1;     // 1..37
};
TKonstellKeuze& KonstellKeuze();

inline constexpr int EersteKeuzeObject = 1;
inline constexpr int LaatsteKeuzeObject1 = 25;   // last entry of the first object list
inline constexpr int LaatsteKeuzeObject2 = 37;   // last entry of the second object list
inline constexpr double KleinsteKonstellHoek = -180.0;
inline constexpr double GrootsteKonstellHoek = 180.0;

// Texts of the dialog.
inline constexpr const char* KonstellTitelSleutel = TaalSleutel("ZoekKonstellatie");
inline constexpr const char* KonstellHoekSleutel = TaalSleutel("Hoek");
inline constexpr const char* GeboortepositieSleutel = TaalSleutel("Geboortepositie");
inline constexpr const char* TransitpositieSleutel = TaalSleutel("Transitpositie");
inline constexpr const char* HoekMoetTussenSleutel = TaalSleutel("HoekMoetTussen");   // %d, %d
inline constexpr const char* OnmogelijkeKombSleutel = TaalSleutel("OnmogelijkeKomb");

// The angle lies within -180..180 degrees.
bool KonstellHoekGeldig(double hoek);
// A refused pair: in natal mode the same object twice (it never moves against itself), in either
// mode a cusp as first and a cusp as second object, and any object outside the dialog's lists.
bool OnmogelijkeKombinatie(bool natalModus, int object1, int object2);

}  // namespace orvan
