// Sidereal time and house cusps. Inside the house routine every angle is in centiseconds of arc
// (long double); trigonometry converts to radians at the call.

#include "astro/RwHsCalc.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "astro/WiskFies.h"
#include "time_place/JulDayF.h"

namespace orvan {

namespace {

constexpr char Letters[AantalHuisSystemen] = {'R', 'C', 'V', 'E', 'K', 'P', 'Y'};

// Names per language 1..4 (Dutch, English, French, German).
constexpr const char* Namen[AantalHuisSystemen][4] = {
    {"Regiomontanus", "Regiomontanus", "Regiomontanus", "Regiomontanus"},
    {"Campanus", "Campanus", "Campanus", "Campanus"},
    {"Vehlow", "Vehlow", "Vehlow", "Vehlow"},
    {"Gelijke", "Equal", "Egales", "Gleiche"},
    {"Koch", "Koch", "Koch", "Koch"},
    {"Placidus", "Placidus", "Placidus", "Placidus"},
    {"Porphyrius", "Porphyrius", "Porphyrius", "Porphyrius"},
};

// frac(x) = x - Entier(x), 0 <= frac < 1.
double Frac(double x) { return x - Entier(x); }

// Trigonometry on centiseconds.
long double SinCs(long double cs) { return std::sin(cs * RadPerCs); }
long double CosCs(long double cs) { return std::cos(cs * RadPerCs); }
long double TanCs(long double cs) { return std::tan(cs * RadPerCs); }
long double AtanCs(long double x) { return std::atan(x) * CsPerRad; }
long double AsinCs(long double x) { return std::asin(std::clamp(x, -1.0L, 1.0L)) * CsPerRad; }

// Into 0 <= x < 360 degrees.
long double Norm(long double x) {
  x = std::fmod(x, Cs360);
  if (x < 0) x += Cs360;
  if (x >= Cs360) x -= Cs360;   // a tiny negative x rounds up to 360 when 360 is added
  return x;
}

// Into -180 <= x < 180 degrees.
long double Naar180(long double x) {
  x = Norm(x);
  if (x >= Cs180) x -= Cs360;
  return x;
}

// The base function of AscVanPool, for 0 <= d <= 90 degrees: the angle in 0..180 degrees whose
// tangent is sin d / (cos d cos eps - tan c sin eps). A zero numerator gives 0 and a zero
// denominator 90 degrees, the limits of the quotient, instead of a division by zero.
long double Basis(long double a, long double b, long double c, long double d) {
  const long double teller = SinCs(d);
  const long double noemer = CosCs(d) * a - TanCs(c) * b;
  if (teller == 0) return 0;
  if (noemer == 0) return Cs90;
  long double h = AtanCs(teller / noemer);
  if (h < 0) h += Cs180;
  return h;
}

// One Placidus cusp: the point of right ascension b (the meeting point with the equator) whose
// semi-arc fraction is `deel`, found from the start pole by `passen` passes.
long double PlacidusKusp(long double cosEps, long double sinEps, long double tanPhi,
                         long double b, long double deel, long double startPool, int passen) {
  b = Norm(b);
  if (b == 0 || b == Cs180) return b;
  long double kusp = AscVanPool(cosEps, sinEps, startPool, b);
  // Tangent of the declination of the estimate.
  long double t = std::tan(std::asin(SinCs(kusp) * sinEps));
  if (std::fabs(t) < 1e-9L) return b;
  for (int pas = 0; pas < passen; ++pas) {
    if (pas > 0) t = std::tan(std::asin(SinCs(kusp) * sinEps));
    // sin(deel * asin(tanPhi * t)) / t tends to deel * tanPhi as t goes to 0.
    const long double pool =
        t == 0 ? AtanCs(deel * tanPhi)
               : AtanCs(std::sin(deel * std::asin(std::clamp(tanPhi * t, -1.0L, 1.0L))) / t);
    kusp = AscVanPool(cosEps, sinEps, pool, b);
  }
  return kusp;
}

}  // namespace

char HuisSysteemLetter(int index) {
  if (index < 0 || index >= AantalHuisSystemen) return '\0';
  return Letters[index];
}

int HuisSysteemIndex(char letter) {
  const char groot = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  for (int i = 0; i < AantalHuisSystemen; ++i) {
    if (Letters[i] == groot) return i;
  }
  return -1;
}

const char* HuisSysteemNaam(int index, int taal) {
  if (index < 0 || index >= AantalHuisSystemen || taal < 1 || taal > 4) return "";
  return Namen[index][taal - 1];
}

double Sterrentijd(double nutatie, double scheefheid, double jd50) {
  // T in Julian centuries since 1900 January 0.5 (JD 2415020) of the moment itself, so that the
  // linear term carries the sidereal rate through the day; s is mean sidereal time in seconds.
  const double t = (jd50 + 18262.0) / 36525.0;
  const double s = 23925.836 + 8640184.542 * t + 0.0929 * t * t;
  // The equation of the equinoxes: nutation in longitude projected on the equator, in turns.
  const double equinoxen = CosG(scheefheid) * nutatie / 360.0;
  double uren = 24.0 * Frac(Frac(jd50 - 0.5) + s / 3600.0 / 24.0 + equinoxen);
  if (uren >= 24.0) uren -= 24.0;
  return uren;
}

double LokaleSterrentijd(double nutatie, double scheefheid, double jd50, double oosterLengte) {
  double uren = Sterrentijd(nutatie, scheefheid, jd50) + oosterLengte / 15.0;
  if (uren >= 24.0) {
    uren -= 24.0;
  } else if (uren < 0.0) {
    uren += 24.0;
  }
  if (uren < 0.0 || uren >= 24.0) {   // only for a longitude beyond +-180 degrees
    uren = std::fmod(uren, 24.0);
    if (uren < 0.0) uren += 24.0;
  }
  return uren;
}

long double AscVanPool(long double cosEps, long double sinEps, long double pool, long double ra) {
  const long double d = Norm(ra);
  const int kwadrant = std::min(3, static_cast<int>(d / Cs90));
  long double x = 0;
  switch (kwadrant) {
    case 0: x = Basis(cosEps, sinEps, pool, d); break;
    case 1: x = Cs180 - Basis(cosEps, sinEps, -pool, Cs180 - d); break;
    case 2: x = Basis(cosEps, sinEps, -pool, d - Cs180) + Cs180; break;
    default: x = Cs360 - Basis(cosEps, sinEps, pool, Cs360 - d); break;
  }
  return Norm(x);
}

THuizen Huizen(char letter, int iteraties, double scheefheid, double breedte, double lst) {
  const char systeem = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  const long double eps = static_cast<long double>(scheefheid) * CsPerGraad;
  const long double phi = static_cast<long double>(breedte) * CsPerGraad;
  long double ramc = Norm(static_cast<long double>(lst) * 15.0L * CsPerGraad);
  if (ramc == 0 && phi == 0) ramc = 1;

  const long double cosEps = CosCs(eps);
  const long double sinEps = SinCs(eps);
  auto f = [&](long double pool, long double ra) { return AscVanPool(cosEps, sinEps, pool, ra); };

  // k[1..12] in centiseconds; k[0] is unused.
  std::array<long double, 13> k{};
  THuizen uit;

  long double mc = Cs90;
  if (ramc != Cs90 && ramc != Cs270) mc = AtanCs(TanCs(ramc) / cosEps);
  if (ramc > Cs90 && ramc <= Cs270) mc += Cs180;
  mc = Norm(mc);
  const long double asc = Norm(f(phi, ramc + Cs90));
  k[1] = asc;
  k[10] = mc;

  // Beyond the polar circle the Ascendant can lie west of the MC; the IC then takes its place.
  long double p = Naar180(asc - mc);
  if (p < 0) {
    mc = Norm(mc + Cs180);
    k[10] = mc;
    p = Naar180(asc - mc);
    uit.MCICVerwisseld = true;
  }

  const bool onbepaald = std::fabs(phi) >= Cs90 - eps;   // Koch and Placidus need the pole of every cusp
  if (systeem == 'Y' || ((systeem == 'K' || systeem == 'P') && onbepaald)) {
    k[2] = asc + (Cs180 - p) / 3;
    k[3] = asc + 2 * (Cs180 - p) / 3;
    k[11] = mc + p / 3;
    k[12] = mc + 2 * p / 3;
    uit.Porphyrius = true;
  } else {
    switch (systeem) {
      case 'R': {
        const long double p1 = AtanCs(TanCs(phi) * 0.5L);
        const long double p2 = AtanCs(TanCs(phi) * std::sqrt(3.0L) / 2);
        k[11] = f(p1, ramc + 30 * CsPerGraad);
        k[12] = f(p2, ramc + 60 * CsPerGraad);
        k[2] = f(p2, ramc + 120 * CsPerGraad);
        k[3] = f(p1, ramc + 150 * CsPerGraad);
        break;
      }
      case 'C': {
        const long double wortel3 = std::sqrt(3.0L);
        const long double p1 = AsinCs(SinCs(phi) / 2);
        const long double p2 = AsinCs(SinCs(phi) * wortel3 / 2);
        const long double h1 = AtanCs(wortel3 / CosCs(phi));
        const long double h2 = AtanCs((1 / wortel3) / CosCs(phi));
        k[11] = f(p1, ramc + Cs90 - h1);
        k[12] = f(p2, ramc + Cs90 - h2);
        k[2] = f(p2, ramc + Cs90 + h2);
        k[3] = f(p1, ramc + Cs90 + h1);
        break;
      }
      case 'E':
        for (int i = 2; i <= 12; ++i) k[i] = asc + (i - 1) * 30 * CsPerGraad;
        break;
      case 'V':
        k[1] = asc - 15 * CsPerGraad;
        for (int i = 2; i <= 12; ++i) k[i] = k[1] + (i - 1) * 30 * CsPerGraad;
        break;
      case 'K': {
        const long double sa = SinCs(mc) * sinEps / CosCs(phi);
        const long double c = AtanCs(TanCs(phi) / std::cos(std::asin(std::clamp(sa, -1.0L, 1.0L))));
        // A third of the ascensional difference of the MC's degree, to a whole centisecond.
        const long double g = std::round(AsinCs(SinCs(c) * sa) / 3);
        k[11] = f(phi, ramc + 30 * CsPerGraad - 2 * g);
        k[12] = f(phi, ramc + 60 * CsPerGraad - g);
        k[2] = f(phi, ramc + 120 * CsPerGraad + g);
        k[3] = f(phi, ramc + 150 * CsPerGraad + 2 * g);
        break;
      }
      case 'P': {
        const long double tanPhi = TanCs(phi);
        const long double tanEps = TanCs(eps);
        const long double d = std::asin(std::clamp(tanPhi * tanEps, -1.0L, 1.0L));   // radians
        const long double q1 = AtanCs(std::sin(d / 3) / tanEps);
        const long double q2 = AtanCs(std::sin(2 * d / 3) / tanEps);
        const int passen = std::max(1, iteraties);
        const long double een = 1.0L / 3, twee = 2.0L / 3;
        k[11] = PlacidusKusp(cosEps, sinEps, tanPhi, ramc + 30 * CsPerGraad, een, q1, passen);
        k[12] = PlacidusKusp(cosEps, sinEps, tanPhi, ramc + 60 * CsPerGraad, twee, q2, passen);
        k[2] = PlacidusKusp(cosEps, sinEps, tanPhi, ramc + 120 * CsPerGraad, twee, q2, passen);
        k[3] = PlacidusKusp(cosEps, sinEps, tanPhi, ramc + 150 * CsPerGraad, een, q1, passen);
        break;
      }
      default:
        break;   // no intermediate cusps for an unknown system
    }
  }

  // With the IC in the MC's place, the intermediate cusps of these systems run the other way.
  if (uit.MCICVerwisseld && (systeem == 'C' || systeem == 'R')) {
    std::swap(k[12], k[2]);
    std::swap(k[11], k[3]);
  }

  for (int i = 4; i <= 9; ++i) k[i] = k[i < 7 ? i + 6 : i - 6] + Cs180;

  for (int i = 1; i <= 12; ++i) {
    double graden = static_cast<double>(Norm(k[i]) / CsPerGraad);
    if (graden >= 360.0) graden -= 360.0;
    uit.kuspen[static_cast<std::size_t>(i - 1)] = graden;
  }
  return uit;
}

}  // namespace orvan
