// orvan-cli planets --jd-et JD [--options N] | --batch [--options N]: the planet calculator's
// result for every calculation code at a Julian day in ephemeris time (TT).
//
// Output per moment: "nutation DPSI EPS" (nutation in longitude and true obliquity, degrees), then
// one line "CODE LON LAT DIST SPEED" per code 0..13 (degrees, degrees, AU, degrees per day), all
// with 9 decimals. With --batch the moments are read from standard input, one JD a line.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

#include "astro/PlaCalculator.h"
#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "shell/Interaktie.h"
#include "shell/ProgrammaMap.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik =
    "usage: orvan-cli planets --jd-et JD [--options N]  or  orvan-cli planets --batch [--options N]";
inline constexpr double JD50Verschil = 2433282.0;   // JD - JD50

bool LeesGetal(const std::string& tekst, double& x) {
  std::size_t begin = tekst.find_first_not_of(" \t\r");
  std::size_t eind = tekst.find_last_not_of(" \t\r");
  if (begin == std::string::npos) return false;
  const char* b = tekst.data() + begin;
  const char* e = tekst.data() + eind + 1;
  if (*b == '+') ++b;
  const auto [p, ec] = std::from_chars(b, e, x);
  return ec == std::errc() && p == e && std::isfinite(x);
}

// Prints the block of one moment; false (after the message, with nothing of the block printed)
// when a code fails.
bool DrukMoment(TPlaCalculator& calc, double jdET, std::uint8_t opties) {
  const double jd50ET = jdET - JD50Verschil;
  double nutatie, scheefheid;
  calc.NutatieEnScheefheid(jd50ET, nutatie, scheefheid);
  char regel[160];
  std::string blok;
  std::snprintf(regel, sizeof regel, "nutation %.9f %.9f\n", nutatie + 0.0, scheefheid);
  blok += regel;
  for (int code = 0; code < AantalCalcKodes; ++code) {
    double breedte, snelheid, afstand, lengte;
    if (!calc.Bereken(code, opties, breedte, snelheid, afstand, lengte, jd50ET)) {
      std::fflush(stdout);
      std::fprintf(stderr, "orvan-cli planets: code %d at JD %.6f: %s\n", code, jdET, calc.Fout().c_str());
      return false;
    }
    // + 0.0 prints a negative zero as 0.
    std::snprintf(regel, sizeof regel, "%d %.9f %.9f %.9f %.9f\n", code, lengte + 0.0, breedte + 0.0,
                  afstand + 0.0, snelheid + 0.0);
    blok += regel;
  }
  std::fputs(blok.c_str(), stdout);
  return true;
}

}  // namespace

int OpdrachtPlanets(const TArgumenten& argumenten) {
  TArgumenten args = argumenten;
  bool fout = false;
  const bool batch = NeemVlag(args, "batch");
  const auto jdTekst = NeemOptie(args, "jd-et", fout);
  const auto optieTekst = NeemOptie(args, "options", fout);
  if (fout || !args.empty() || batch == jdTekst.has_value()) return Fout("planets", Gebruik);
  int opties = StandaardOpties;
  if (optieTekst) {
    double x;
    if (!LeesGetal(*optieTekst, x) || x != std::floor(x) || x < 0 || x > 255)
      return Fout("planets", "--options needs a whole number from 0 to 255, not \"" + *optieTekst + "\"");
    opties = static_cast<int>(x);
  }
  double jdET = 0;
  if (jdTekst && !LeesGetal(*jdTekst, jdET))
    return Fout("planets", "--jd-et needs a Julian day, not \"" + *jdTekst + "\"");

  // Start-up as the program does it: the program folder, then the planet calculator (which ends
  // the tool with exit code 1 when "HelConst.dat" is missing or damaged).
  std::string mapFout;
  if (!OpenProgrammaMap(mapFout)) {
    Meldingen().Melding("", mapFout, "");
    Toepassing().Beeindig(1);
    return 1;
  }
  if (!StartPlaCalculator()) return 1;
  TPlaCalculator& calc = PlaCalculator();
  const auto o = static_cast<std::uint8_t>(opties);
  if (!batch) return DrukMoment(calc, jdET, o) ? 0 : 3;
  std::string regel;
  long nummer = 0;
  while (std::getline(std::cin, regel)) {
    ++nummer;
    if (regel.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (!LeesGetal(regel, jdET)) {
      std::fflush(stdout);
      return Fout("planets", "line " + std::to_string(nummer) + " is no Julian day: \"" + regel + "\"");
    }
    if (!DrukMoment(calc, jdET, o)) return 3;
  }
  return 0;
}

}  // namespace orvan::cli
