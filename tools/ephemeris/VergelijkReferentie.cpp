// vergelijk_referentie: the accuracy of the planet calculator against the reference ephemeris.
//
//   vergelijk_referentie DATADIR [--ephe PATH] [--moments N] [--seed S]
//
// Reads "HelConst.dat" and the ephemeris files from DATADIR and compares, at N random moments from
// 1800 to 2200 and N more from 1000 BC to 3000 AD (ephemeris time, fixed seeds), every calculation
// code with option byte 16 against the reference's apparent geocentric position (true equinox of
// date): the mean node, the true node and the mean apogee against the reference's own, and the
// nutation in longitude and the true obliquity. Prints a Markdown table of the largest and the RMS
// difference in arcseconds.

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/Rwplcalc.h"
#include "astro/WiskFies.h"
#include "tools/ephemeris/Monsters.h"
#include "tools/ephemeris/Referentie.h"

namespace {

using namespace orvan;
using namespace orvan::efem;

constexpr double JD50Verschil = 2433282.0;
constexpr double ChironVan = 1967601.5, ChironTot = 3419437.5;

struct TMaat {
  double max = 0, som = 0;
  long n = 0;
  double jdMax = 0;
  void Voeg(double x, double jd) {
    x = std::fabs(x);
    if (x > max) {
      max = x;
      jdMax = jd;
    }
    som += x * x;
    ++n;
  }
  double Rms() const { return n ? std::sqrt(som / n) : 0; }
};

struct TRegel {
  const char* naam;
  TMaat lengte, breedte;
  TMaat lengteZonderAfbuiging;   // against the reference without the Sun's light deflection
  TMaat breedteZonderAberratie;  // against the reference without aberration and deflection
};

const char* Namen[AantalCalcKodes] = {"Sun",     "Moon",    "Mercury",   "Venus",     "Mars",
                                      "Jupiter", "Saturn",  "Uranus",    "Neptune",   "Pluto",
                                      "mean node", "true node", "Chiron", "mean apogee"};

int Referentienummer(int code) {
  switch (code) {
    case KodeGemKnoop: return SE_MEAN_NODE;
    case KodeWareKnoop: return SE_TRUE_NODE;
    case KodeChiron: return SE_CHIRON;
    case KodeApogeum: return SE_MEAN_APOG;
    default: return code;   // 0 Sun .. 9 Pluto have the same numbers
  }
}

bool Vergelijk(TPlaCalculator& calc, TReferentie& ref, const std::vector<double>& momenten,
               std::vector<TRegel>& regels, TMaat& nutatie, TMaat& scheefheid, long& zonderChiron,
               std::string& fout) {
  regels.assign(AantalCalcKodes, {});
  for (int c = 0; c < AantalCalcKodes; ++c) regels[c].naam = Namen[c];
  for (const double jd : momenten) {
    const double jd50 = jd - JD50Verschil;
    for (int code = 0; code < AantalCalcKodes; ++code) {
      if (code == KodeChiron && (jd < ChironVan || jd > ChironTot)) {
        ++zonderChiron;
        continue;
      }
      double b, v, a, l;
      if (!calc.Bereken(code, StandaardOpties, b, v, a, l, jd50)) {
        fout = std::string(Namen[code]) + " at JD " + std::to_string(jd) + ": " + calc.Fout();
        return false;
      }
      double rl, rb, ra;
      if (!ref.Schijnbaar(Referentienummer(code), jd, rl, rb, ra, fout)) return false;
      regels[code].lengte.Voeg(Tussen180(l - rl) * 3600.0, jd);
      regels[code].breedte.Voeg((b - rb) * 3600.0, jd);
      if (code <= KodePluto || code == KodeChiron) {
        double x[6];
        if (!ref.Bereken(Referentienummer(code), jd, SEFLG_NOGDEFL, x, fout)) return false;
        regels[code].lengteZonderAfbuiging.Voeg(Tussen180(l - x[0]) * 3600.0, jd);
        if (!ref.Bereken(Referentienummer(code), jd, SEFLG_NOGDEFL | SEFLG_NOABERR, x, fout)) return false;
        regels[code].breedteZonderAberratie.Voeg((b - x[1]) * 3600.0, jd);
      }
    }
    double dpsi, eps, n, s;
    if (!ref.Nutatie(jd, dpsi, eps, fout)) return false;
    calc.NutatieEnScheefheid(jd50, n, s);
    nutatie.Voeg((n - dpsi) * 3600.0, jd);
    scheefheid.Voeg((s - eps) * 3600.0, jd);
  }
  return true;
}

void Druk(const char* kop, const std::vector<TRegel>& regels, const TMaat& nutatie, const TMaat& scheefheid,
          long zonderChiron) {
  std::printf("\n%s\n\n", kop);
  std::printf("| code | body | longitude max | longitude RMS | latitude max | latitude RMS | worst moment (year) |\n");
  std::printf("|---:|---|---:|---:|---:|---:|---:|\n");
  for (int c = 0; c < AantalCalcKodes; ++c) {
    const TRegel& r = regels[c];
    std::printf("| %d | %s | %.2f\" | %.2f\" | %.2f\" | %.2f\" | %.1f |\n", c, r.naam, r.lengte.max, r.lengte.Rms(),
                r.breedte.max, r.breedte.Rms(), JDInJaar(r.lengte.jdMax));
  }
  std::printf("| | nutation in longitude | %.3f\" | %.3f\" | | | |\n", nutatie.max, nutatie.Rms());
  std::printf("| | true obliquity | %.3f\" | %.3f\" | | | |\n", scheefheid.max, scheefheid.Rms());
  std::printf("\nThe same against the reference without what the fixed formulas leave out: the longitude "
              "without the light deflection by the Sun, the latitude also without the aberration.\n\n");
  std::printf("| code | body | longitude max | longitude RMS | latitude max | latitude RMS |\n");
  std::printf("|---:|---|---:|---:|---:|---:|\n");
  for (int c = 0; c < AantalCalcKodes; ++c) {
    const TRegel& r = regels[c];
    if (!r.lengteZonderAfbuiging.n) continue;
    std::printf("| %d | %s | %.2f\" | %.2f\" | %.2f\" | %.2f\" |\n", c, r.naam, r.lengteZonderAfbuiging.max,
                r.lengteZonderAfbuiging.Rms(), r.breedteZonderAberratie.max, r.breedteZonderAberratie.Rms());
  }
  if (zonderChiron)
    std::printf("\nChiron: %ld moments outside the reference's span (JD %.1f to %.1f) are not compared.\n",
                zonderChiron, ChironVan, ChironTot);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string map, ephe = StandaardEfemerisMap;
  int aantal = 2000;
  unsigned long long zaad = 19500101;
  for (std::size_t i = 0; i < args.size(); ++i) {
    auto waarde = [&]() -> std::string {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "vergelijk_referentie: %s needs a value\n", args[i].c_str());
        std::exit(2);
      }
      return args[++i];
    };
    if (args[i] == "--ephe") ephe = waarde();
    else if (args[i] == "--moments") aantal = std::stoi(waarde());
    else if (args[i] == "--seed") zaad = std::stoull(waarde());
    else if (map.empty()) map = args[i];
    else {
      std::fprintf(stderr, "vergelijk_referentie: unexpected argument \"%s\"\n", args[i].c_str());
      return 2;
    }
  }
  if (map.empty()) {
    std::fprintf(stderr, "usage: vergelijk_referentie DATADIR [--ephe PATH] [--moments N] [--seed S]\n");
    return 2;
  }
  if (map.back() != '/') map += '/';
  TPlaCalculator calc(map);
  std::string fout;
  if (!calc.LaadConstanten(fout)) {
    std::fprintf(stderr, "vergelijk_referentie: HelConst.dat: %s\n", fout.c_str());
    return 1;
  }
  TReferentie ref(ephe);
  std::printf("Orvan's planet calculator against Swiss Ephemeris %s (files in %s), option byte 16; "
              "%d random moments per span (seed %llu), ephemeris time; differences in arcseconds.\n",
              ReferentieVersie().c_str(), ephe.c_str(), aantal, zaad);
  const struct {
    const char* kop;
    double van, tot;
  } spannen[] = {{"1800 to 2200", 1800, 2200}, {"1000 BC to 3000 AD", -999, 3000}};
  for (int k = 0; k < 2; ++k) {
    std::vector<TRegel> regels;
    TMaat nutatie, scheefheid;
    long zonderChiron = 0;
    if (!Vergelijk(calc, ref, Momenten(aantal, spannen[k].van, spannen[k].tot, zaad + k), regels, nutatie,
                   scheefheid, zonderChiron, fout)) {
      std::fprintf(stderr, "vergelijk_referentie: %s\n", fout.c_str());
      return 1;
    }
    Druk(spannen[k].kop, regels, nutatie, scheefheid, zonderChiron);
  }
  return 0;
}
