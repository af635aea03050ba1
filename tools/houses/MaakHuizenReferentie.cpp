// Writes the reference house cusps that the house routine's tests are checked against, computed
// by an independent implementation of the same house systems: the Swiss Ephemeris library
// (swe_houses_armc), for given sidereal times, obliquities and latitudes. A development tool only;
// see README.md in this folder.
//
// Output (standard output): comment lines starting with "#", a header line, then one line per
// case: Orvan's house letter, obliquity (degrees), latitude (degrees, north positive), local
// sidereal time (hours), the library's return code (0, or -1 when it fell back to Porphyry) and
// the twelve cusps (ecliptic longitude of date, degrees).

#include <cstdio>
#include <vector>

#include <swephexp.h>

namespace {

struct Systeem {
  char orvan;      // Orvan's letter
  int bibliotheek; // the library's letter for the same system
};

constexpr Systeem Systemen[] = {
    {'R', 'R'}, {'C', 'C'}, {'V', 'V'}, {'E', 'E'}, {'K', 'K'}, {'P', 'P'}, {'Y', 'O'},
};

// Sidereal times around the clock: the four quarter points exactly, and every two hours at an
// odd offset so that no case falls on a special value.
std::vector<double> Sterrentijden() {
  std::vector<double> lst = {0.0, 6.0, 12.0, 18.0};
  for (int i = 0; i < 12; ++i) lst.push_back(0.7345 + 2.0 * i);
  return lst;
}

void Schrijf(double scheefheid, const std::vector<double>& breedten, std::vector<double> extra = {}) {
  std::vector<double> tijden = Sterrentijden();
  tijden.insert(tijden.end(), extra.begin(), extra.end());
  for (const Systeem& s : Systemen) {
    for (double breedte : breedten) {
      for (double lst : tijden) {
        double kuspen[13] = {};
        double ascmc[10] = {};
        const int rc = swe_houses_armc(lst * 15.0, breedte, scheefheid, s.bibliotheek, kuspen, ascmc);
        std::printf("%c\t%.7f\t%.4f\t%.4f\t%d", s.orvan, scheefheid, breedte, lst, rc);
        for (int k = 1; k <= 12; ++k) std::printf("\t%.8f", kuspen[k]);
        std::printf("\n");
      }
    }
  }
}

}  // namespace

int main() {
  char versie[256] = {};
  swe_version(versie);
  std::printf("# House cusps from the Swiss Ephemeris %s, swe_houses_armc (ARMC = 15 * lst).\n", versie);
  std::printf("# Written by tools/houses/MaakHuizenReferentie; letters are Orvan's (Y = the library's O).\n");
  std::printf("letter\tobliquity\tlatitude\tlst\trc\tc1\tc2\tc3\tc4\tc5\tc6\tc7\tc8\tc9\tc10\tc11\tc12\n");

  // Obliquity of J2000, over latitudes from the equator to 66 degrees north and south.
  std::vector<double> breedten = {0.0};
  for (double b : {1.0, 10.0, 20.0, 30.0, 40.0, 45.0, 50.0, 52.37, 55.0, 60.0, 63.0, 65.0, 66.0}) {
    breedten.push_back(b);
    breedten.push_back(-b);
  }
  Schrijf(23.4392911, breedten);

  // The smallest and largest obliquities of historical dates. With 24.2 degrees latitude 66 lies
  // beyond 90 degrees minus the obliquity, where Koch and Placidus fall back to Porphyry and, for
  // sidereal times near 6h and 18h, the MC lies below the horizon; the extra times fall there.
  const std::vector<double> enkele = {0.0, 30.0, -30.0, 65.0, -65.0, 66.0, -66.0};
  Schrijf(22.6, enkele);
  Schrijf(24.2, enkele, {5.9, 6.1, 17.9, 18.1});
  swe_close();
  return 0;
}
