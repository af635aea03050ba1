// maak_efemeris: writes the ephemeris files LRZ6_n.PC from the reference ephemeris.
//
//   maak_efemeris OUTDIR [--first N] [--last N] [--ephe PATH]
//   maak_efemeris --check-chiron JD DAYS [--ephe PATH]
//
// Every record holds, at the tabular epoch JD = 100000 n + 80 r + 0.5, the geometric heliocentric
// longitude, radius vector and z of Chiron, Jupiter, Saturn, Uranus, Neptune and Pluto, ecliptic
// and mean equinox of date. Chiron outside the reference's span comes from the integration of
// ChironBaan. --check-chiron integrates from the tabular epoch JD over DAYS days (negative:
// backwards) inside the reference's span and prints how far the integration departs from it.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "astro/EfemerisBestand.h"
#include "tools/ephemeris/ChironBaan.h"
#include "tools/ephemeris/Referentie.h"

namespace {

using namespace orvan;
using namespace orvan::efem;

constexpr double ChironVan = 1967601.5;   // the reference's span of Chiron
constexpr double ChironTot = 3419437.5;

struct TPos {
  double lengte, straal, z;
};

int Stop(const std::string& melding) {
  std::fprintf(stderr, "maak_efemeris: %s\n", melding.c_str());
  return 1;
}

std::int32_t LengteEenheden(double graden) {
  long long e = std::llround(std::fmod(std::fmod(graden, 360.0) + 360.0, 360.0) * EfemLengteEenheid);
  if (e >= 360LL * 3600000) e -= 360LL * 3600000;
  return static_cast<std::int32_t>(e);
}

std::int32_t AfstandEenheden(double au) { return static_cast<std::int32_t>(std::llround(au * EfemAfstandEenheid)); }

int ControleerChiron(TReferentie& ref, double start, double dagen) {
  // From `start` over `dagen` days (either direction), compared with the reference every 80 days.
  double grootste = 0, grootsteStraal = 0, jdGrootste = 0;
  std::string fout;
  std::string fout2;
  const bool ok = IntegreerChiron(ref, start, start + dagen, 2.0,
                                  [&](double jd, double lengte, double straal, double) {
                                    double l, b, r, z;
                                    if (!ref.Helio(SE_CHIRON, jd, l, b, r, z, fout2)) return;
                                    double d = std::fabs(std::remainder(l - lengte, 360.0)) * 3600;
                                    if (d > grootste) {
                                      grootste = d;
                                      jdGrootste = jd;
                                    }
                                    grootsteStraal = std::max(grootsteStraal, std::fabs(r - straal));
                                  },
                                  fout);
  if (!ok) return Stop(fout);
  std::printf("Chiron integrated from JD %.1f over %.0f days: largest difference from the reference "
              "%.3f\" in heliocentric longitude (at JD %.1f), %.2e AU in radius vector\n",
              start, dagen, grootste, jdGrootste, grootsteStraal);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string map, ephe = StandaardEfemerisMap;
  int eerste = 6, laatste = 28;
  bool controle = false;
  double controleStart = 0, controleDagen = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto waarde = [&]() -> std::string {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "maak_efemeris: %s needs a value\n", a.c_str());
        std::exit(2);
      }
      return args[++i];
    };
    if (a == "--first") eerste = std::stoi(waarde());
    else if (a == "--last") laatste = std::stoi(waarde());
    else if (a == "--ephe") ephe = waarde();
    else if (a == "--check-chiron") {
      controle = true;
      controleStart = std::stod(waarde());
      controleDagen = std::stod(waarde());
    }
    else if (map.empty()) map = a;
    else return Stop("unexpected argument \"" + a + "\"");
  }
  TReferentie ref(ephe);
  if (controle) return ControleerChiron(ref, controleStart, controleDagen);
  if (map.empty() || eerste > laatste) {
    std::fprintf(stderr, "usage: maak_efemeris OUTDIR [--first N] [--last N] [--ephe PATH]\n");
    return 2;
  }
  if (map.back() != '/') map += '/';
  std::filesystem::create_directories(map);

  // Chiron outside the reference's span, integrated from its first and last tabular epochs inside.
  const double binnenVan = std::ceil((ChironVan - 0.5) / 80) * 80 + 0.5;
  const double binnenTot = std::floor((ChironTot - 0.5) / 80) * 80 + 0.5;
  const double bereikVan = 100000.0 * eerste + 0.5;
  const double bereikTot = 100000.0 * laatste + 80.0 * (EfemRecordsPerBestand - 1) + 0.5;
  std::map<long long, TPos> chiron;
  std::string fout;
  auto bewaar = [&](double jd, double lengte, double straal, double z) {
    chiron[std::llround(jd - 0.5)] = {lengte, straal, z};
  };
  if (bereikVan < binnenVan) {
    std::fprintf(stderr, "integrating Chiron from JD %.1f back to JD %.1f\n", binnenVan, bereikVan);
    if (!IntegreerChiron(ref, binnenVan, bereikVan, 2.0, bewaar, fout)) return Stop(fout);
  }
  if (bereikTot > binnenTot) {
    std::fprintf(stderr, "integrating Chiron from JD %.1f on to JD %.1f\n", binnenTot, bereikTot);
    if (!IntegreerChiron(ref, binnenTot, bereikTot, 2.0, bewaar, fout)) return Stop(fout);
  }

  const int planeten[EfemSlots] = {SE_CHIRON, SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO};
  for (int n = eerste; n <= laatste; ++n) {
    std::vector<unsigned char> inhoud(static_cast<std::size_t>(EfemRecordLengte) * EfemRecordsPerBestand);
    for (int r = 0; r < EfemRecordsPerBestand; ++r) {
      const long long dag = 100000LL * n + 80LL * r;
      const double jd = dag + 0.5;
      TEfemerisRecord record;
      for (int s = 0; s < EfemSlots; ++s) {
        TPos p;
        if (s == SlotChiron && (jd < binnenVan || jd > binnenTot)) {
          const auto it = chiron.find(dag);
          if (it == chiron.end()) return Stop("no integrated Chiron at JD " + std::to_string(jd));
          p = it->second;
        } else {
          double breedte;
          if (!ref.Helio(planeten[s], jd, p.lengte, breedte, p.straal, p.z, fout)) return Stop(fout);
        }
        record[s] = {LengteEenheden(p.lengte), AfstandEenheden(p.straal), AfstandEenheden(p.z)};
      }
      unsigned char* bytes = inhoud.data() + static_cast<std::size_t>(EfemRecordLengte) * r;
      CodeerRecord(record, bytes);
      TEfemerisRecord terug;
      if (!DecodeerRecord(bytes, terug)) return Stop("record out of range at JD " + std::to_string(jd));
    }
    const std::string naam = map + EfemerisBestandsnaam(n);
    {
      std::ofstream uit(naam + ".part", std::ios::binary | std::ios::trunc);
      uit.write(reinterpret_cast<const char*>(inhoud.data()), static_cast<std::streamsize>(inhoud.size()));
      if (!uit) return Stop("cannot write " + naam);
    }
    std::filesystem::rename(naam + ".part", naam);
    std::fprintf(stderr, "%s\n", naam.c_str());
  }
  return 0;
}
