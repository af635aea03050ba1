#pragma once
// The planet calculator: ecliptic longitude, latitude, distance and daily speed of the Sun, Moon,
// planets, Chiron, the lunar nodes and the mean lunar apogee for a moment in ephemeris time.
//
// Time: JD50ET, the ephemeris-time day number JD - 2433282. Angles in degrees, distances in AU,
// speeds in degrees of longitude per day. Positions are referred to the ecliptic and the true
// equinox of date (the mean equinox with option bit 4).
//
// The Earth (and so the Sun), Mercury, Venus and Mars come from mean elements, Kepler's equation and
// the periodic terms of "HelConst.dat"; the Moon from a lunar series whose tables are in the same
// file; Jupiter to Pluto and Chiron are interpolated in the ephemeris files "LRZ6_n.PC".

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/EfemerisBestand.h"
#include "astro/HelConst.h"

namespace orvan {

// Calculation codes.
enum TCalcKode : int {
  KodeZon = 0, KodeMaan, KodeMercurius, KodeVenus, KodeMars, KodeJupiter, KodeSaturnus,
  KodeUranus, KodeNeptunus, KodePluto, KodeGemKnoop, KodeWareKnoop, KodeChiron, KodeApogeum
};
inline constexpr int AantalCalcKodes = 14;

// Option bits of Bereken.
inline constexpr std::uint8_t OptHeliocentrisch = 1;
inline constexpr std::uint8_t OptGeenLichttijd = 2;
inline constexpr std::uint8_t OptGeenNutatie = 4;
inline constexpr std::uint8_t OptMaanSnelheid = 16;
inline constexpr std::uint8_t StandaardOpties = 16;   // geocentric, light time, nutation, Moon speed

inline constexpr double Lichttijd = 0.0057683;   // days per AU, as applied to positions

// The calculation code of an object number 1..13 (Sun .. Lilith); object 11, the lunar node, is
// the true node when `wareKnoop`. Any other object number throws std::invalid_argument
// ("Impossible planet number").
int CalcKode(int object, bool wareKnoop = true);

// One set of mean orbital elements (epoch JD 2415020.0). Rates of L per day; the T^2 and T^3
// terms and the rates of the angles in arcseconds per Julian century (squared, cubed).
struct TBaanElementen {
  double a, P, L0, L1, L2, L3, w0, w1, w2, w3, e0, e1, e2, N0, N1, N2, N3, i0, i1, i2;
};
// 0 Earth (heliocentric), 1 Moon (geocentric), 2 Mercury, 3 Venus, 4 Mars.
extern const std::array<TBaanElementen, 5> BaanElementen;

// The mean longitudes of the perturbing planets (degrees, degrees per Julian year), with
// Y = (JD50 + 36524) / 365.25.
struct TGemLengteRij {
  double basis, snelheid;
};
extern const std::array<TGemLengteRij, AantalGemLengtes> GemLengteRijen;

// The mean elements of one set at a moment (degrees, AU).
struct TElementStand {
  double L = 0, perihelium = 0, e = 0, knoop = 0, i = 0, M = 0;
};

// Everything computed from the time alone.
struct TTijdstand {
  double jdET = 0;
  double T = 0;   // Julian centuries since JD 2415020.0
  std::array<TElementStand, 5> el{};
  double gemScheefheid = 0, scheefheid = 0, nutatie = 0;   // degrees
  std::array<double, AantalGemLengtes> gemLengte{};        // degrees
};

// A heliocentric position of the mean equinox of date with its rates per day.
struct THelioPositie {
  double lengte = 0, straal = 0, hoogte = 0;      // degrees, AU, AU
  double dLengte = 0, dStraal = 0, dHoogte = 0;   // per day
  double M = 0;   // mean anomaly with its fixed corrections, degrees
};

// The parts of the lunar series that do not depend on the tables (angles in radians except where
// said), for the data tools and tests.
struct TMaanDelen {
  double a = 0;                 // days since JD 2415020.0
  double l = 0, l2 = 0, F = 0, D = 0;
  double E = 0, g = 0;          // the eccentricity factor and the factor g of the series
  double basisLengte = 0;       // Lm + (dL + P) / 3600, degrees (before the table sums)
  double N = 0, W = 0;          // of the latitude formula, arcseconds
};

struct TMaanPositie {
  double lengte = 0, breedte = 0, afstand = 0, hoogte = 0;   // degrees, degrees, AU, AU
};

class TPlaCalculator {
 public:
  // A calculator that reads "HelConst.dat" and the ephemeris files from `map` (with a trailing
  // "/"). Bereken fails until the tables are loaded (LaadConstanten) or given (ZetConstanten).
  explicit TPlaCalculator(std::string map);
  ~TPlaCalculator();
  TPlaCalculator(const TPlaCalculator&) = delete;
  TPlaCalculator& operator=(const TPlaCalculator&) = delete;

  // Reads map + "HelConst.dat"; false with the reason when it is missing or damaged.
  bool LaadConstanten(std::string& fout);
  // Takes the tables directly (any row counts; the data tools fit against the calculator without
  // terms).
  void ZetConstanten(const THelConst& tabellen);
  const THelConst& Constanten() const { return tabellen_; }
  bool HeeftConstanten() const { return geladen_; }
  const std::string& Map() const { return map_; }

  // The position of body `code` (0..13) at jdET (JD50, ephemeris time) with the option bits
  // `opties`. Longitude 0 <= lengte < 360 and latitude in degrees, distance in AU, speed in degrees
  // of longitude per day. False, with the outputs untouched and the reason in Fout(), for a code
  // outside 0..13, before the tables are loaded, or when an ephemeris file is missing, damaged or does not reach the moment.
  bool Bereken(int code, std::uint8_t opties, double& breedte, double& snelheid, double& afstand,
               double& lengte, double jdET);

  // The nutation in longitude and the true obliquity of the ecliptic at jdET, in degrees.
  void NutatieEnScheefheid(double jdET, double& nutatie, double& scheefheid);

  const std::string& Fout() const { return fout_; }

  // For the data tools and tests.
  const TTijdstand& Tijdstand(double jdET);
  THelioPositie Heliocentrisch(int set, double jdET);   // set 0, 2, 3 or 4
  TMaanDelen MaanDelen(double jdET);
  TMaanPositie Maan(double jdET);                       // geocentric, mean equinox of date
  const TEfemerisBlok& Blok() const { return blok_; }
  // The heliocentric position of file slot `slot` (0 Chiron .. 5 Pluto); false when the files fail.
  bool UitEfemeris(int slot, double jdET, THelioPositie& positie);

 private:
  void ZetTijd(double jdET);
  // The mean elements of jdET into `st`; with `alleenMaan` only the Earth's and the Moon's sets
  // (what the lunar series needs), without obliquity, nutation and the perturbing planets.
  static void BerekenTijdstand(double jdET, TTijdstand& st, bool alleenMaan);
  THelioPositie BerekenHelio(int set);
  static TMaanDelen BerekenMaanDelen(const TTijdstand& st);
  TMaanPositie BerekenMaan(const TTijdstand& st) const;
  TMaanPositie MaanOp(double jdET);   // with the elements of jdET; the calculator's stay as they are
  const THelioPositie& Aarde(double jdET);
  double WareKnoop(double jdET, double& snelheid);

  std::string map_;
  THelConst tabellen_;
  std::array<std::vector<std::array<double, 4>>, 5> fasen_;   // cos B, sin B, cos D, sin D per term
  // The largest multipliers of each argument row and of M per set that the tables of multiples
  // serve; terms with larger multipliers (the slow secular ones) take their own sine and cosine.
  std::array<std::array<int, AantalGemLengtes>, 5> maxK1_{};
  std::array<int, 5> maxK2_{};
  int maxKMaan_ = 0;
  bool geladen_ = false;

  TTijdstand stand_;
  double aardeJd_;
  THelioPositie aarde_;
  double maanJd_;
  TMaanPositie maan_;
  TEfemerisBlok blok_;
  std::string fout_;
};

}  // namespace orvan
