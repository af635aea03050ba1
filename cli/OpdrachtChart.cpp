// orvan-cli chart: one chart from birth data typed as a user types them, or, with --batch, one
// chart per universal-time Julian day read from standard input at one place.
//
//   orvan-cli chart --date DATE --time TIME (--ut | --diff H:M:S) [--julian]
//                   --lat LAT --long LONG [--house R|C|V|E|K|P|Y]
//   orvan-cli chart --batch --lat LAT --long LONG [--house R|C|V|E|K|P|Y]
//
// DATE is day month year, TIME a clock time, --diff the difference of that clock to universal time
// (clock time minus UT, east positive), --ut says TIME is universal time; --julian reads the date
// in the Julian calendar. LAT and LONG take the place notations of the program (52N22, 52 22,
// 52.22 degrees.minutes; south and west negative or S and W). The house system defaults to the
// settings. The chart's lines are "name value": jd_ut and jd_et (Julian days), deltat_s,
// sidereal_h (local apparent sidereal time), nutation and obliquity (degrees), "body N LON LAT DIST
// SPEED RA DECL" for objects 1..13 (degrees, AU, degrees per day), "cusp N LON" for the twelve
// cusps, the two house warnings porphyrius and mcic (0 or 1) and the distributions in percent.

#include "cli/OpdrachtChart.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

#include "astro/AstroGlo.h"
#include "astro/RwHsCalc.h"
#include "cli/Argumenten.h"
#include "cli/GeboorteOpties.h"
#include "cli/Opdrachten.h"
#include "horoscope/THoroskoop.h"
#include "shell/GetalTekst.h"
#include "shell/Instellingen.h"
#include "time_place/JulDayF.h"
#include "time_place/KonvUtil.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik =
    "usage: orvan-cli chart --date DATE --time TIME (--ut | --diff H:M:S) [--julian] --lat LAT "
    "--long LONG [--house R|C|V|E|K|P|Y]\n"
    "       orvan-cli chart --batch --lat LAT --long LONG [--house R|C|V|E|K|P|Y]";

// Appends x with 9 decimals.
void Voeg(std::string& regel, double x) {
  char buf[64];
  const auto [eind, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 9);
  if (ec == std::errc()) regel.append(buf, eind);
}

void Regel(const char* naam, double x) {
  std::string r = naam;
  r += ' ';
  Voeg(r, x);
  std::printf("%s\n", r.c_str());
}

void DrukHoroskoop(const THoroskoop& h) {
  Regel("jd_ut", h.UT + JD50Verschuiving);
  Regel("jd_et", h.ET + JD50Verschuiving);
  Regel("deltat_s", (h.ET - h.UT) * 86400.0);
  Regel("sidereal_h", h.Sterretijd);
  Regel("nutation", h.Nutatie);
  Regel("obliquity", h.Scheefheid);
  for (int object = 1; object <= AantalPlaneten; ++object) {
    std::string r = "body " + std::to_string(object);
    for (double x : {h.Lengte(object), h.Breedte(object), h.Afstand(object), h.Snelheid(object),
                     h.Rechteklimming(object), h.Declinatie(object)}) {
      r += ' ';
      Voeg(r, x);
    }
    std::printf("%s\n", r.c_str());
  }
  for (int k = 1; k <= 12; ++k) {
    std::string r = "cusp " + std::to_string(k) + ' ';
    Voeg(r, h.Kusp[static_cast<std::size_t>(k)]);
    std::printf("%s\n", r.c_str());
  }
  std::printf("porphyrius %d\nmcic %d\n", h.Porphyrius ? 1 : 0, h.MCICVerwisseld ? 1 : 0);
  const char* elementen[] = {"element_fire", "element_earth", "element_air", "element_water"};
  for (int i = 1; i <= 4; ++i) Regel(elementen[i - 1], h.Element[static_cast<std::size_t>(i)]);
  const char* kruisen[] = {"cross_cardinal", "cross_fixed", "cross_mutable"};
  for (int i = 1; i <= 3; ++i) Regel(kruisen[i - 1], h.Kruis[static_cast<std::size_t>(i)]);
  Regel("above_horizon", h.BovenHorizon);
  Regel("east", h.Oost);
}

// A Julian day: a decimal number and nothing else but blanks around it.
bool LeesJD(const std::string& tekst, double& jd) {
  return LeesReeelGetal(tekst, jd) && std::isfinite(jd);
}

}  // namespace

int ChartBatch(std::istream& in, std::ostream& uit, float breedteDm, float lengteDm) {
  THoroskoop h(SoortNatal);
  h.Data.Plaats.Breedte = breedteDm;
  h.Data.Plaats.Lengte = lengteDm;
  std::string regel, lijn;
  long nummer = 0;
  while (std::getline(in, regel)) {
    ++nummer;
    if (regel.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    double jd = 0;
    if (!LeesJD(regel, jd)) {
      uit.flush();
      return Fout("chart", "invalid JD on line " + std::to_string(nummer) + ": \"" + regel + "\"");
    }
    if (!h.BerekenMoment(jd - JD50Verschuiving)) {
      uit.flush();
      return 1;
    }
    lijn.clear();
    Voeg(lijn, jd);
    lijn += ' ';
    Voeg(lijn, h.Sterretijd);
    for (int object = 1; object <= AantalPlaneten; ++object) {
      lijn += ' ';
      Voeg(lijn, h.Lengte(object));
    }
    for (int k = 1; k <= 12; ++k) {
      lijn += ' ';
      Voeg(lijn, h.Kusp[static_cast<std::size_t>(k)]);
    }
    lijn += '\n';
    uit.write(lijn.data(), static_cast<std::streamsize>(lijn.size()));
  }
  uit.flush();
  return 0;
}

int OpdrachtChart(const TArgumenten& argumenten) {
  TArgumenten args = argumenten;
  const bool batch = NeemVlag(args, "batch");
  const TGeboorteOpties opties = NeemGeboorteOpties(args);
  if (opties.ontbreekt)
    return Fout("chart", "an option is missing its value\n" + std::string(Gebruik));
  if (!args.empty()) return Fout("chart", "unknown argument " + args.front() + "\n" + Gebruik);

  float breedte = 0, lengte = 0;
  int huisSysteem = -1;
  if (const int status = LeesPlaatsOpties("chart", opties, breedte, lengte, huisSysteem))
    return status;

  THoroskoop h(SoortNatal);
  if (batch) {
    if (opties.HeeftMoment())
      return Fout("chart", "--batch takes the moments from standard input: no --date, --time, "
                           "--ut, --diff or --julian");
  } else {
    if (const int status = LeesMomentOpties("chart", opties, h.Data)) return status;
    h.Data.Plaats.Breedte = breedte;
    h.Data.Plaats.Lengte = lengte;
  }

  // The program folder, the language table and the settings, as the program starts; the house
  // system of the command line is used for this run only (nothing is written back).
  StartKern();
  if (huisSysteem >= 0) Instellingen.HuisSys = static_cast<std::uint8_t>(huisSysteem);

  if (batch) return ChartBatch(std::cin, std::cout, breedte, lengte);
  if (!h.Bereken()) return 1;   // the calculator's message is on standard error
  DrukHoroskoop(h);
  return 0;
}

}  // namespace orvan::cli
