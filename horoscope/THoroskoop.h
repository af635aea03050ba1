#pragma once
// The base of every chart. A chart owns its birth-moment data (THorData), turns it into universal
// time, the day numbers JD50 (UT) and JD50ET (ephemeris time), asks the process planet calculator
// for the fourteen bodies and the house routine for the twelve cusps, and offers the results by
// object number (astro/AstroGlo.h).
//
// Positions are geocentric, ecliptic and of the true equinox of date: longitudes and latitudes in
// degrees, distances in AU, speeds in degrees of longitude per day (negative = retrograde), right
// ascension and declination in degrees. Sidereal time is local apparent sidereal time in hours.

#include <array>
#include <cstdint>
#include <string>

#include "horoscope/THorData.h"
#include "shell/LangUtils.h"
#include "time_place/JulDayF.h"

namespace orvan {

// Calculator slots 0..13, the body codes of the planet calculator: 0..9 Sun..Pluto, 10 mean node,
// 11 true node, 12 Chiron, 13 Lilith.
inline constexpr int AantalSlots = 14;

// Chart kinds.
inline constexpr char SoortNatal = 'R';
inline constexpr char SoortTransit = 'T';
inline constexpr char SoortSekProg = 'S';
inline constexpr char SoortPrimDir = 'P';
inline constexpr char SoortKomposiet = 'K';

// The name key of object 0.
inline constexpr const char* LentepuntSleutel = TaalSleutel("Lentepunt");

// Iteration count of Placidus in a chart.
inline constexpr int HuisIteraties = 2;

class THoroskoop {
 public:
  // A cleared chart of kind `soort`.
  explicit THoroskoop(char soort);
  THoroskoop(const THoroskoop&) = delete;
  THoroskoop& operator=(const THoroskoop&) = delete;

  // --- Virtual operations, in slot order. ---

  // The chart name: Name of the data.
  virtual std::string Naam() const;
  // UT date and time -> UT (JD50) and ET (JD50ET); the UT date becomes the Gregorian date of that
  // moment (the time fields stay as they are).
  virtual void BerekenJD();
  // Nutation in longitude and true obliquity at ET from the planet calculator, and the local
  // apparent sidereal time of UT at the place's longitude.
  virtual void BerekenSterretijd();
  // The cusps of the house system of the settings, with their right ascension and declination.
  virtual void BerekenHuizen();
  // Clears the chart: not calculated, not loaded, no IC warning, the data cleared.
  virtual void Wis();
  // Place name and coordinates: "Amsterdam (52°22'N, 4°53'E)".
  virtual std::string PlaatsTekst() const;
  // "Clock: " and the entered date and time; empty for a chart entered in universal time.
  virtual std::string KlokTekst() const;
  // "GMT : " and the UT date and time, with " ±" and the precision when it is above 0 seconds.
  virtual std::string GMTTekst() const;
  // The Julian day (UT) and the sidereal time as text.
  virtual std::string JulDatTekst() const;
  // PlaatsTekst, KlokTekst (for clock time) and GMTTekst on lines of their own (CR LF).
  virtual std::string GegevensTekst() const;
  // The entered moment -> the UT moment (clock time minus the difference to Greenwich time).
  virtual void BerekenUT();
  // BerekenPlaneet for slot 0..13, stopping at the first failure.
  virtual bool BerekenPlaneten();
  // One slot at ET from the planet calculator; on failure the message "FoutEfem" and false.
  virtual bool BerekenPlaneet(int slot);
  // The whole chart from its data; the result is Berekend.
  virtual bool Bereken();
  // The value of a property of the chart's record; the base has none (0, both flags false).
  virtual double EigenschapWaarde(const std::string& naam, bool& nietGevonden, bool& heeftWaarde);

  virtual ~THoroskoop();

  // --- Moment. ---

  // Every change of the chart moment goes through here: UT := jd50, ET := jd50 + Delta T.
  void ZetJD(double jd50);
  // The chart at the universal-time day number jd50, from sidereal time on (Bereken without its
  // first two steps): the UT date and time become those of jd50 (Gregorian), then sidereal time,
  // houses, bodies and distributions. The result is Berekend.
  bool BerekenMoment(double jd50);

  // --- Accessors by object number. ---

  // The calculator slot of object 1..13 (object 11 follows the setting GebruikWareKnoop); throws
  // std::invalid_argument ("Impossible planet number") for any other number.
  static int Slot(int object);

  // Bodies from their slot, cusps 14..25, signs 26..37 (n - 26) * 30; any other number 0.
  double Lengte(int object) const;
  // Ecliptic latitude of a body; 0 for any other object.
  double Breedte(int object) const;
  // Distance of a body in AU; 0 for any other object.
  double Afstand(int object) const;
  // Speed of a body; otherwise the typical daily motion with moving cusps (360 for cusps, 0 for
  // signs and the vernal point). Throws TOnmogelijkObject for a number outside 0..37.
  double Snelheid(int object) const;
  // Bodies from their slot, cusps from the cusp arrays, 0 for signs and the vernal point.
  double Rechteklimming(int object) const;
  double Declinatie(int object) const;
  double Ascendant() const { return Kusp[1]; }
  double MC() const { return Kusp[10]; }

  // The house 1..12 of a longitude: the first house h with the longitude in [cusp h, cusp h + 1),
  // wrapping through 0 degrees. 1 when no house holds it (only with degenerate cusps).
  int Huis(double lengte) const;
  // The Sun lies in houses 1..6.
  bool IsNachtHoroskoop() const;
  // The longitude of Arabic part 1..11 (0 <= x < 360); the Ascendant for any other number.
  double ArabischPunt(int k) const;
  // Element, cross, above-horizon and east percentages from the fifteen weights of the settings.
  void Verdelingen();

  // The great-circle angle in degrees between object a of this chart and object b of `ander`.
  double TweeDimHoek(const THoroskoop& ander, int a, int b) const;
  // 1 + the whole signs from object a of this chart to object b of `ander`, 15 degrees tolerance.
  int PlaneetHuis(const THoroskoop& ander, int a, int b) const;

  // Ecliptic (longitude, latitude) to equatorial (right ascension 0..360, declination) by the
  // chart's obliquity, and back; all in degrees.
  void EklNaarEkw(double lengte, double breedte, double& ra, double& decl) const;
  void EkwNaarEkl(double ra, double decl, double& lengte, double& breedte) const;

  // --- Fields. ---

  TDatumRec UTDatum;   // the chart moment in universal time (Gregorian after BerekenJD)
  TTijdRec UTTijd;
  std::int8_t ZoekObject1 = 0;   // objects of a running exact-moment search
  std::int8_t ZoekObject2 = 0;
  double ZoekHoek = 0;           // target angle of that search, degrees
  std::uint8_t ZoekModus = 0;    // 0: difference of longitudes
  bool Berekend = false;         // the last calculation succeeded
  std::array<double, AantalSlots> PlaLengte{};     // per slot, degrees
  std::array<double, AantalSlots> PlaAfstand{};    // AU
  std::array<double, AantalSlots> PlaBreedte{};    // degrees
  std::array<double, AantalSlots> PlaSnelheid{};   // degrees of longitude per day
  std::array<double, AantalSlots> PlaRA{};         // right ascension, degrees
  std::array<double, AantalSlots> PlaDecl{};       // declination, degrees
  THorData Data;
  bool Porphyrius = false;       // the houses fell back to (or are) Porphyry
  bool MCICVerwisseld = false;   // the MC was replaced by the IC
  bool Geladen = false;          // the chart holds data (loaded or entered)
  const char Soort;              // 'R', 'T', 'S', 'P' or 'K'
  double ET = 0;                 // JD50ET
  double UT = 0;                 // JD50 (UT)
  double Sterretijd = 0;         // local apparent sidereal time, hours 0..<24
  double BewaardUT = 0;          // the UT at which the chart was last calculated
  double Nutatie = 0;            // nutation in longitude at ET, degrees
  double Scheefheid = 0;         // true obliquity at ET, degrees
  std::array<double, 13> Kusp{};       // [1..12], degrees; 1 Ascendant, 10 MC
  std::array<double, 13> KuspRA{};     // [1..12], degrees
  std::array<double, 13> KuspDecl{};   // [1..12], degrees
  std::array<float, 5> Element{};      // [1..4] fire, earth, air, water, percent
  std::array<float, 4> Kruis{};        // [1..3] cardinal, fixed, mutable, percent
  float BovenHorizon = 0;              // planets above the horizon, percent
  float Oost = 0;                      // planets in the eastern hemisphere, percent

 private:
  double PlaneetWaarde(const std::array<double, AantalSlots>& waarden, int object) const;
};

}  // namespace orvan
