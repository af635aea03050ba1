#pragma once
// The standard place a new user starts with, before choosing one: the capital of the country of
// the system locale, as named in the shipped place list.

#include <string>

namespace orvan {

// The standard place when the locale names no country with a capital in the list: London, on the
// Greenwich meridian.
inline constexpr const char* StandaardPlaatsZonderLand = "London (GB)";

// The country (ISO 3166 alpha-2, upper case) of the system locale: the territory of the first of
// LC_ALL, LC_MESSAGES and LANG that is set ("nl_BE.UTF-8" gives BE). A locale without a
// territory gives the country of its language for Dutch (NL), English (GB), French (FR) and German
// (DE), else an empty text.
std::string LandVanLocale();

// The place-list name of the capital of a country ("NL" gives "Amsterdam (NL)"): the place the
// atlas marks as the country's capital, else its most populous place. Empty for an unknown code.
std::string HoofdstadVan(const std::string& landKode);

// The standard place for this system: the capital of LandVanLocale(), else StandaardPlaatsZonderLand.
std::string StandaardPlaatsNaam();

}  // namespace orvan
