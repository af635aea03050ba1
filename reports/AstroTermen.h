#pragma once
// The astrological terms of the reports in the four languages (1 Dutch, 2 English, 3 French,
// 4 German): names and abbreviations of planets, cusps and signs, elements and crosses, the titles
// of the distribution section and the house system names, and the value texts of positions.
// Every lookup uses the current language (HuidigeTaal, shell/LangUtils.h).
//
// Object numbers: 0 the vernal point; 1..13 Sun .. Lilith; 14..25 the cusps 1..12 (14 Ascendant,
// 23 MC); 26..37 the beginnings of the signs Aries .. Pisces. Signs 0..11 are Aries .. Pisces.
//
// Lookups throw std::invalid_argument: "Unknown language" when the current language is not 1..4,
// "???" for a number outside the range of the table.

#include <cstddef>
#include <string>

namespace orvan {

inline constexpr std::size_t NaamBreedte = 13;          // names of planets, cusps, signs
inline constexpr std::size_t ArabischPuntBreedte = 40;  // names of the Arabic parts
inline constexpr int AantalArabischePunten = 11;

// Planet names (1..13), not padded.
std::string PlaneetNaam(int planeet);
// Three-character planet abbreviations (1..13).
std::string PlaneetAfk(int planeet);
// Three-character cusp abbreviations (1..12), such as "ASC", "h2 ", "MC ".
std::string KuspAfk(int kusp);
// Sign names (0..11), not padded.
std::string TekenNaam(int teken);
// The first three characters of the sign name.
std::string TekenAfk(int teken);
// Cusp names (1..12), not padded: "Ascendant", "cusp 2", ..., "Midheaven", ...
std::string KuspNaam(int kusp);
// Elements 1..4 (fire, earth, air, water) and crosses 1..3 (cardinal, fixed, mutable).
std::string ElementNaam(int element);
std::string KruisNaam(int kruis);

// The titles and words of the distribution section.
enum class TVerdelingTitel {
  Elementen,
  Kruisen,
  BovenHorizon,
  OostelijkeHemisfeer,
  Gewichten,
  Boven,
  Oost,
  Geen
};
std::string VerdelingTitel(TVerdelingTitel titel);

// The name of house system `huisSys` (0..6: Regiomontanus, Campanus, Vehlow, equal, Koch,
// Placidus, Porphyry).
std::string HuisSysteemNaam(int huisSys);

// The translation keys of the sexes (0 male, 1 female, 2 unknown, 3 neutral) and of the Arabic
// parts (1..11).
const char* GeslachtSleutel(int geslacht);
const char* ArabischPuntSleutel(int punt);
// The translated name of an Arabic part, padded with blanks to 40 characters.
std::string ArabischPuntNaam(int punt);

// The name of object 0..37, always 13 characters: 0 the text of "Lentepunt", 1..13 the planet
// name, 14..25 the cusp name, 26..37 the sign name.
std::string ObjektNaam(int object);
// The three-character abbreviation of object 1..37.
std::string ObjektAfk(int object);

// Value texts. Angles in degrees.
// Degrees right-aligned in four places, "°", two-digit minutes, "'" (whole minutes, truncated).
std::string GraadTekst(double graden);
// A longitude: the degree text within its sign, a blank and the sign abbreviation ("  29°59' vis").
std::string LengteTekst(double lengte);
// A latitude or declination: the degree text of |x| and one letter: a blank within 1e-7 degree of
// 0, "N" north, else "Z" in Dutch and "S" in the other languages.
std::string BreedteTekst(double x);
// A daily motion (degrees per day): |v| with 4 decimals in 7 places, then a blank, or "R" when
// retrograde.
std::string SnelheidTekst(double v);
// A distance in AU with 6 decimals in 9 places.
std::string AfstandTekst(double afstand);

}  // namespace orvan
