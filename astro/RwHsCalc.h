#pragma once
// Sidereal time, the angles (Ascendant, MC) and the house cusps in seven house systems.
//
// Sidereal time is Greenwich apparent sidereal time in hours for a universal-time day number
// (JD50, UT); nutation in longitude and true obliquity of the date come from the planet calculator
// for the ephemeris-time day number. The house routine takes degrees and hours and returns
// ecliptic longitudes of date in degrees, but works inside in centiseconds of arc (hundredths of
// an arcsecond, 360 degrees = 129,600,000) in long double.

#include <array>
#include <cstddef>

namespace orvan {

// Centiseconds of arc.
inline constexpr long double CsPerGraad = 360000.0L;
inline constexpr long double Cs90 = 32400000.0L;
inline constexpr long double Cs180 = 64800000.0L;
inline constexpr long double Cs270 = 97200000.0L;
inline constexpr long double Cs360 = 129600000.0L;
inline constexpr long double RadPerCs = 3.141592653589793238462643383279502884L / Cs180;
inline constexpr long double CsPerRad = Cs180 / 3.141592653589793238462643383279502884L;

// House systems: the index held in the settings ("HuisSys") and the letter the routine works on.
inline constexpr int AantalHuisSystemen = 7;
inline constexpr int StandaardHuisSysteem = 5;   // Placidus
inline constexpr int HuisSysteemRegiomontanus = 0;
inline constexpr int HuisSysteemCampanus = 1;
inline constexpr int HuisSysteemVehlow = 2;
inline constexpr int HuisSysteemGelijk = 3;
inline constexpr int HuisSysteemKoch = 4;
inline constexpr int HuisSysteemPlacidus = 5;
inline constexpr int HuisSysteemPorphyrius = 6;

// The letter of house system index 0..6 ('R', 'C', 'V', 'E', 'K', 'P', 'Y'); '\0' for any other index.
char HuisSysteemLetter(int index);
// The index 0..6 of a house system letter (upper or lower case); -1 for any other letter.
int HuisSysteemIndex(char letter);
// The name of house system index 0..6 in language 1..4 (Dutch, English, French, German);
// an empty text for an index or language outside those ranges.
const char* HuisSysteemNaam(int index, int taal);

// Greenwich apparent sidereal time in hours, 0 <= result < 24, for the universal-time day number
// jd50. `nutatie` is the nutation in longitude and `scheefheid` the true obliquity, both in
// degrees, of the same moment (computed for its ephemeris time).
double Sterrentijd(double nutatie, double scheefheid, double jd50);

// Local apparent sidereal time in hours, 0 <= result < 24: Sterrentijd plus the east longitude
// (decimal degrees, east positive) / 15.
double LokaleSterrentijd(double nutatie, double scheefheid, double jd50, double oosterLengte);

// The ecliptic longitude (centiseconds, 0 <= result < 360 degrees) where the great circle through
// the north and south points of the horizon of a place with pole height `pool` meets the ecliptic,
// for the right ascension `ra` of that circle's meeting point with the equator. `pool` and `ra` are
// in centiseconds; cosEps and sinEps are the cosine and sine of the obliquity.
long double AscVanPool(long double cosEps, long double sinEps, long double pool, long double ra);

// The twelve cusps, as ecliptic longitudes of date in degrees, 0 <= cusp < 360.
struct THuizen {
  std::array<double, 12> kuspen{};   // kuspen[0] is cusp 1
  bool Porphyrius = false;           // Porphyry trisection was used, chosen or as fall-back
  bool MCICVerwisseld = false;       // the MC was replaced by the IC

  double Kusp(int nummer) const { return kuspen[static_cast<std::size_t>(nummer - 1)]; }
};

// The house cusps of system `letter` (see HuisSysteemLetter, either case) for true obliquity
// `scheefheid` and geographic latitude `breedte` (degrees, north positive, -90..90) and local
// sidereal time `lst` (hours). Cusp 1 is the Ascendant and cusp 10 the MC, except in equal houses
// (cusp 10 = Ascendant + 270) and Vehlow (cusp 1 = Ascendant - 15). Koch and Placidus fall back
// to Porphyry where they are undefined, |breedte| >= 90 - scheefheid. `iteraties` is the number of
// Placidus passes after the start estimate (charts use 2; less than 1 counts as 1).
// A letter outside the seven gives only the Ascendant, the MC and their opposites; cusps 2, 3,
// 11 and 12 are then 0 and cusps 5, 6, 8 and 9 are 180.
THuizen Huizen(char letter, int iteraties, double scheefheid, double breedte, double lst);

}  // namespace orvan
