#pragma once
// Text readers and writers of the birth-moment values: integers, times, angles, coordinates.
// Readers return a success flag and never throw; a number that does not fit its 16-bit field is a
// failure.

#include <cstdint>
#include <string>

#include "time_place/JulDayF.h"

namespace orvan {

// The integer scanner: drops leading characters up to the first "-" or digit, reads the longest
// integer there and removes it from `tekst`. False when no number is left or it does not fit 32 bits.
bool LeesGetal(std::string& tekst, std::int32_t& getal);

// Kinds of LeesTijd.
inline constexpr int SoortKloktijd = 0;      // clock time, hours < 24
inline constexpr int SoortTijdverschil = 1;  // difference to Greenwich time, hours < 14
inline constexpr int SoortHoek = 2;          // an angle in degrees, minutes and seconds

bool LeesTijd(const std::string& tekst, int soort, TTijdRec& tijd);

// Kinds of LeesGeo.
inline constexpr int SoortBreedte = 0;
inline constexpr int SoortLengte = 1;

// Reads a latitude or longitude into d.mm notation (52N22, 52 22 and 52.22 give 52.22).
bool LeesGeo(const std::string& tekst, int soort, float& waarde);

std::string TijdTekst(const TTijdRec& t);          // " 11h41m09s", "-1h30m00s"
std::string GraadMinTekst(double x);               // "  52°30'"
std::string GeoKort(double x, bool isBreedte);     // "52N22", "4E05", "73W59"
std::string GeoTekst(double lengte, double breedte);  // the coordinate line of reports

}  // namespace orvan
