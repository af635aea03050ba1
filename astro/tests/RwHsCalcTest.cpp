// Sidereal time and house cusps: published sidereal times, the edge cases of the house routine and
// a cross-check of all seven systems against an independent implementation (the reference cusps
// in data/houses_reference.tsv, written by tools/houses/MaakHuizenReferentie).

#include "astro/RwHsCalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace orvan {
namespace {

constexpr double JD50Nul = 2433282.0;                   // JD of JD50 = 0
constexpr double Eps2000 = 23.4392911;                  // mean obliquity of J2000, degrees
constexpr const char* AlleLetters = "RCVEKPY";

// Shortest distance of two longitudes, in arcseconds.
double BoogSec(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 3600.0; }

// Forward distance from a to b in degrees, 0 <= result < 360.
double Vooruit(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  return d < 0 ? d + 360.0 : d;
}

std::string Kuspen(const THuizen& h) {
  std::string s;
  char b[32];
  for (int k = 1; k <= 12; ++k) {
    std::snprintf(b, sizeof b, " %d:%.6f", k, h.Kusp(k));
    s += b;
  }
  return s;
}

// ---------------------------------------------------------------------------------------------
// House system letters, indices and names.

TEST(HuisSysteem, LettersIndicesAndNamesOfTheSevenSystems) {
  struct Rij {
    int index;
    char letter;
    const char* namen[4];   // Dutch, English, French, German
  };
  const Rij rijen[] = {
      {0, 'R', {"Regiomontanus", "Regiomontanus", "Regiomontanus", "Regiomontanus"}},
      {1, 'C', {"Campanus", "Campanus", "Campanus", "Campanus"}},
      {2, 'V', {"Vehlow", "Vehlow", "Vehlow", "Vehlow"}},
      {3, 'E', {"Gelijke", "Equal", "Egales", "Gleiche"}},
      {4, 'K', {"Koch", "Koch", "Koch", "Koch"}},
      {5, 'P', {"Placidus", "Placidus", "Placidus", "Placidus"}},
      {6, 'Y', {"Porphyrius", "Porphyrius", "Porphyrius", "Porphyrius"}},
  };
  for (const Rij& r : rijen) {
    SCOPED_TRACE(r.letter);
    EXPECT_EQ(HuisSysteemLetter(r.index), r.letter);
    EXPECT_EQ(HuisSysteemIndex(r.letter), r.index);
    EXPECT_EQ(HuisSysteemIndex(static_cast<char>(r.letter - 'A' + 'a')), r.index);
    for (int taal = 1; taal <= 4; ++taal) EXPECT_STREQ(HuisSysteemNaam(r.index, taal), r.namen[taal - 1]);
  }
  EXPECT_EQ(HuisSysteemLetter(StandaardHuisSysteem), 'P');
  EXPECT_EQ(HuisSysteemLetter(-1), '\0');
  EXPECT_EQ(HuisSysteemLetter(7), '\0');
  EXPECT_EQ(HuisSysteemIndex('O'), -1);   // Porphyry is 'Y' here
  EXPECT_EQ(HuisSysteemIndex('\0'), -1);
  EXPECT_STREQ(HuisSysteemNaam(7, 1), "");
  EXPECT_STREQ(HuisSysteemNaam(3, 0), "");
  EXPECT_STREQ(HuisSysteemNaam(3, 5), "");
}

// ---------------------------------------------------------------------------------------------
// Sidereal time.

// Published Greenwich sidereal times. Sources: J. Meeus, Astronomical Algorithms (2nd ed., 1998),
// examples 12.a and 12.b; The Astronomical Almanac for the Year 2000, GMST at 0h UT1 of January 1.
// Those follow the IAU 1982 expression on the FK5 equinox; the routine here keeps Newcomb's
// expression on the FK4 equinox, which runs behind by the equinox correction 0.035 s + 0.085 s per
// century since 1950 (0.067 s in 1987, 0.078 s in 2000). The tolerance allows that and nothing
// more: a wrong epoch, rate or day fraction is off by seconds at least.
TEST(Sterrentijd, AgreesWithPublishedSiderealTimes) {
  struct Geval {
    const char* naam;
    double jd;              // UT
    double nutatieBoogsec;  // nutation in longitude, arcseconds
    double scheefheid;      // true obliquity, degrees
    double verwachtSec;     // sidereal time, seconds of time
  };
  const Geval gevallen[] = {
      {"Meeus 12.a, 1987-04-10 0h UT, mean", 2446895.5, 0.0, 23.4435692, 13 * 3600 + 10 * 60 + 46.3668},
      {"Meeus 12.a, 1987-04-10 0h UT, apparent", 2446895.5, -3.788, 23 + 26 / 60.0 + 36.87 / 3600,
       13 * 3600 + 10 * 60 + 46.1351},
      {"Meeus 12.b, 1987-04-10 19h21m UT, mean", 2446895.5 + 19.35 / 24, 0.0, 23.4435692,
       8 * 3600 + 34 * 60 + 57.0896},
      {"Astronomical Almanac 2000, 2000-01-01 0h UT, mean", 2451544.5, 0.0, Eps2000,
       6 * 3600 + 39 * 60 + 52.2707},
  };
  constexpr double tolSec = 0.1;
  for (const Geval& g : gevallen) {
    const double uren = Sterrentijd(g.nutatieBoogsec / 3600.0, g.scheefheid, g.jd - JD50Nul);
    EXPECT_NEAR(uren * 3600.0, g.verwachtSec, tolSec) << g.naam << ": got " << uren << " h";
  }
}

// Meeus example 12.a: nutation in longitude -3.788" at obliquity 23°26'36.87" makes the apparent
// time 0.2317 s earlier than the mean time.
TEST(Sterrentijd, EquationOfTheEquinoxes) {
  const double jd50 = 2446895.5 - JD50Nul;
  const double eps = 23 + 26 / 60.0 + 36.87 / 3600;
  const double verschil = (Sterrentijd(-3.788 / 3600.0, eps, jd50) - Sterrentijd(0.0, eps, jd50)) * 3600.0;
  EXPECT_NEAR(verschil, -0.2317, 0.0005);
}

TEST(Sterrentijd, RepeatsAfterASiderealDayAndStaysWithinTheDay) {
  // 0h UT of 2000 January 1 and a sidereal day later: the same sidereal time.
  const double jd50 = 2451544.5 - JD50Nul;
  const double siderischeDag = 0.99726956633;   // mean solar days
  EXPECT_NEAR(Sterrentijd(0, Eps2000, jd50 + siderischeDag), Sterrentijd(0, Eps2000, jd50), 1e-6);
  for (double dag = 0; dag < 400; dag += 0.37) {
    const double uren = Sterrentijd(0.004, Eps2000, jd50 + dag);
    ASSERT_GE(uren, 0.0) << dag;
    ASSERT_LT(uren, 24.0) << dag;
  }
}

TEST(LokaleSterrentijd, AddsTheEastLongitudeAndWrapsIntoTheDay) {
  const double jd50 = 2451544.5 - JD50Nul;
  const double nut = -0.0039, eps = Eps2000;
  const double gast = Sterrentijd(nut, eps, jd50);   // 6.64 h
  struct Geval {
    const char* naam;
    double dag;       // days after 2000-01-01 0h UT
    double lengte;    // east longitude, degrees
  };
  const Geval gevallen[] = {
      {"Greenwich", 0, 0},          {"east", 0, 4.8833},         {"west", 0, -73.9833},
      {"west, wraps below 0", 0, -150}, {"date line east", 0, 180}, {"date line west", 0, -180},
      {"east, wraps past 24", 0.7, 170}, {"west, stays", 0.7, -170},
  };
  for (const Geval& g : gevallen) {
    const double basis = Sterrentijd(nut, eps, jd50 + g.dag);
    double verwacht = std::fmod(basis + g.lengte / 15.0 + 48.0, 24.0);
    const double lst = LokaleSterrentijd(nut, eps, jd50 + g.dag, g.lengte);
    EXPECT_NEAR(lst, verwacht, 1e-12) << g.naam;
    EXPECT_GE(lst, 0.0) << g.naam;
    EXPECT_LT(lst, 24.0) << g.naam;
  }
  EXPECT_NEAR(LokaleSterrentijd(nut, eps, jd50, -150), gast - 10 + 24, 1e-12);
}

// ---------------------------------------------------------------------------------------------
// Edge cases of the house routine.

TEST(Huizen, RamcZeroAtTheEquatorIsComputedOneCentisecondLater) {
  const double eenCs = 1.0 / 360000.0 / 15.0;   // one centisecond of RAMC, in hours
  for (const char* l = AlleLetters; *l; ++l) {
    SCOPED_TRACE(*l);
    const THuizen h = Huizen(*l, 2, Eps2000, 0.0, 0.0);
    const THuizen verschoven = Huizen(*l, 2, Eps2000, 0.0, eenCs);
    for (int k = 1; k <= 12; ++k) {
      ASSERT_TRUE(std::isfinite(h.Kusp(k))) << k;
      EXPECT_DOUBLE_EQ(h.Kusp(k), verschoven.Kusp(k)) << k;
    }
    EXPECT_FALSE(h.MCICVerwisseld);
  }
  const THuizen p = Huizen('P', 2, Eps2000, 0.0, 0.0);
  EXPECT_LT(BoogSec(p.Kusp(10), 0.0), 0.02) << Kuspen(p);
  EXPECT_LT(BoogSec(p.Kusp(1), 90.0), 0.02) << Kuspen(p);
}

TEST(Huizen, RamcExactly90Or270GivesMcAt90Or270) {
  struct Geval {
    double lst;
    double breedte;
    double mc;
  };
  const Geval gevallen[] = {
      {6.0, 0.0, 90.0}, {6.0, 52.37, 90.0}, {6.0, -40.0, 90.0}, {6.0, 66.0, 90.0},
      {18.0, 0.0, 270.0}, {18.0, 52.37, 270.0}, {18.0, -40.0, 270.0}, {18.0, -66.0, 270.0},
  };
  for (const Geval& g : gevallen) {
    for (char l : {'R', 'C', 'K', 'P', 'Y'}) {
      const THuizen h = Huizen(l, 2, Eps2000, g.breedte, g.lst);
      EXPECT_EQ(h.Kusp(10), g.mc) << l << " lst " << g.lst << " lat " << g.breedte << Kuspen(h);
      EXPECT_EQ(h.Kusp(4), 360.0 - g.mc) << l << " lst " << g.lst << " lat " << g.breedte;
      EXPECT_FALSE(h.MCICVerwisseld) << l << " lst " << g.lst << " lat " << g.breedte;
    }
  }
}

TEST(Huizen, KochAndPlacidusFallBackToPorphyryInsideThePolarCircle) {
  struct Geval {
    const char* naam;
    char letter;
    double scheefheid, breedte;
    bool porphyrius;
  };
  const Geval gevallen[] = {
      {"Placidus 70N", 'P', Eps2000, 70.0, true},
      {"Koch 70N", 'K', Eps2000, 70.0, true},
      {"Placidus 70S", 'P', Eps2000, -70.0, true},
      {"Placidus at 90 - eps exactly", 'P', 24.0, 66.0, true},
      {"Koch at -(90 - eps) exactly", 'K', 24.0, -66.0, true},
      {"Placidus just inside", 'P', 24.0, 65.999, false},
      {"Koch just inside", 'K', 24.0, -65.999, false},
      {"Regiomontanus 70N", 'R', Eps2000, 70.0, false},
      {"Campanus 70N", 'C', Eps2000, 70.0, false},
      {"Porphyry chosen at 40N", 'Y', Eps2000, 40.0, true},
  };
  for (const Geval& g : gevallen) {
    for (double lst : {1.3, 9.0, 14.25, 20.5}) {
      const THuizen h = Huizen(g.letter, 2, g.scheefheid, g.breedte, lst);
      const THuizen y = Huizen('Y', 2, g.scheefheid, g.breedte, lst);
      EXPECT_EQ(h.Porphyrius, g.porphyrius) << g.naam << " lst " << lst;
      bool gelijk = true;
      for (int k = 1; k <= 12; ++k) gelijk = gelijk && h.Kusp(k) == y.Kusp(k);
      EXPECT_EQ(gelijk, g.porphyrius) << g.naam << " lst " << lst << "\n  " << Kuspen(h) << "\n  " << Kuspen(y);
    }
  }
}

TEST(Huizen, PorphyryTrisectsTheQuadrants) {
  for (double lst : {0.7, 7.9, 13.1, 22.4}) {
    const THuizen h = Huizen('Y', 2, Eps2000, 48.85, lst);
    const double p = Vooruit(h.Kusp(10), h.Kusp(1));   // MC to Ascendant
    EXPECT_NEAR(Vooruit(h.Kusp(10), h.Kusp(11)), p / 3, 1e-9) << lst;
    EXPECT_NEAR(Vooruit(h.Kusp(10), h.Kusp(12)), 2 * p / 3, 1e-9) << lst;
    EXPECT_NEAR(Vooruit(h.Kusp(1), h.Kusp(2)), (180 - p) / 3, 1e-9) << lst;
    EXPECT_NEAR(Vooruit(h.Kusp(1), h.Kusp(3)), 2 * (180 - p) / 3, 1e-9) << lst;
  }
}

TEST(Huizen, EqualAndVehlowHousesHangFromTheAscendant) {
  for (double breedte : {0.0, 52.37, -33.9, 70.0}) {
    for (double lst : {2.2, 11.0, 19.75}) {
      const THuizen r = Huizen('R', 2, Eps2000, breedte, lst);   // Ascendant and MC
      const THuizen e = Huizen('E', 2, Eps2000, breedte, lst);
      const THuizen v = Huizen('V', 2, Eps2000, breedte, lst);
      const double asc = r.Kusp(1);
      SCOPED_TRACE(testing::Message() << "lat " << breedte << " lst " << lst);
      EXPECT_NEAR(BoogSec(e.Kusp(10), asc + 270), 0, 1e-6);
      EXPECT_GT(BoogSec(e.Kusp(10), r.Kusp(10)), 3600.0);   // not the MC
      EXPECT_NEAR(BoogSec(v.Kusp(1), asc - 15), 0, 1e-6);
      for (int k = 1; k <= 12; ++k) {
        EXPECT_NEAR(BoogSec(e.Kusp(k), asc + 30 * (k - 1)), 0, 1e-6) << k;
        EXPECT_NEAR(BoogSec(v.Kusp(k), asc - 15 + 30 * (k - 1)), 0, 1e-6) << k;
      }
      EXPECT_FALSE(e.Porphyrius);
      EXPECT_FALSE(v.Porphyrius);
    }
  }
}

// Beyond the polar circle the Ascendant can come out west of the MC; the IC then becomes cusp 10,
// and Campanus and Regiomontanus exchange their intermediate cusps so that the houses still follow
// each other in the order of the signs. Porphyry trisects the quadrants of the exchanged axes.
TEST(Huizen, McIsReplacedByTheIcWhenTheAscendantFallsWestOfIt) {
  struct Geval {
    double breedte, lst;
    bool verwisseld;
  };
  const Geval gevallen[] = {
      {70.0, 17.9, true}, {70.0, 17.0, true}, {70.0, 19.0, true}, {75.0, 16.5, true},
      {-70.0, 5.9, true}, {-70.0, 6.6, true},
      {70.0, 6.0, false}, {70.0, 12.0, false}, {-70.0, 18.2, false}, {52.37, 17.9, false},
  };
  for (const Geval& g : gevallen) {
    for (const char* l = AlleLetters; *l; ++l) {
      SCOPED_TRACE(testing::Message() << *l << " lat " << g.breedte << " lst " << g.lst);
      const THuizen h = Huizen(*l, 2, Eps2000, g.breedte, g.lst);
      EXPECT_EQ(h.MCICVerwisseld, g.verwisseld) << Kuspen(h);
      if (*l == 'E' || *l == 'V') continue;
      // Ascendant - MC into -180..180 is positive afterwards.
      EXPECT_GT(std::remainder(h.Kusp(1) - h.Kusp(10), 360.0), 0.0) << Kuspen(h);
      // Each cusp from 10 round to 4 lies ahead of the one before, within half a circle.
      const int volgorde[] = {10, 11, 12, 1, 2, 3, 4};
      double totaal = 0;
      for (int i = 1; i < 7; ++i) {
        const double stap = Vooruit(h.Kusp(volgorde[i - 1]), h.Kusp(volgorde[i]));
        EXPECT_LT(stap, 180.0) << "cusp " << volgorde[i - 1] << " to " << volgorde[i] << Kuspen(h);
        totaal += stap;
      }
      EXPECT_NEAR(totaal, 180.0, 1e-9) << Kuspen(h);
    }
  }
}

TEST(Huizen, LowerCaseLettersAndTheIterationCount) {
  for (const char* l = AlleLetters; *l; ++l) {
    const THuizen groot = Huizen(*l, 2, Eps2000, 51.5, 3.3);
    const THuizen klein = Huizen(static_cast<char>(*l - 'A' + 'a'), 2, Eps2000, 51.5, 3.3);
    EXPECT_EQ(groot.kuspen, klein.kuspen) << *l;
    EXPECT_EQ(groot.Porphyrius, klein.Porphyrius) << *l;
  }
  // Only Placidus iterates; fewer than one pass counts as one.
  const THuizen een = Huizen('P', 1, Eps2000, 63.0, 3.3);
  const THuizen twee = Huizen('P', 2, Eps2000, 63.0, 3.3);
  EXPECT_EQ(Huizen('P', 0, Eps2000, 63.0, 3.3).kuspen, een.kuspen);
  EXPECT_GT(BoogSec(een.Kusp(11), twee.Kusp(11)), 1.0);
  EXPECT_EQ(Huizen('K', 1, Eps2000, 60.0, 3.3).kuspen, Huizen('K', 2, Eps2000, 60.0, 3.3).kuspen);
}

TEST(Huizen, EveryCuspIsFiniteAndInRange) {
  for (const char* l = AlleLetters; *l; ++l) {
    for (double breedte : {-90.0, -89.99, -66.56, -23.44, 0.0, 1e-9, 23.44, 66.5607089, 80.0, 90.0}) {
      for (double lst = 0; lst < 24; lst += 0.75) {
        const THuizen h = Huizen(*l, 2, Eps2000, breedte, lst);
        for (int k = 1; k <= 12; ++k) {
          ASSERT_TRUE(std::isfinite(h.Kusp(k))) << *l << " lat " << breedte << " lst " << lst << Kuspen(h);
          ASSERT_GE(h.Kusp(k), 0.0) << *l << " lat " << breedte << " lst " << lst;
          ASSERT_LT(h.Kusp(k), 360.0) << *l << " lat " << breedte << " lst " << lst;
        }
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Cross-check against the reference cusps.

struct Referentie {
  char letter = 0;
  double scheefheid = 0, breedte = 0, lst = 0;
  int rc = 0;   // -1: the reference fell back to Porphyry
  double kuspen[12] = {};
  int regel = 0;
};

std::vector<Referentie> LeesReferentie() {
  std::vector<Referentie> rijen;
  std::ifstream in(ORVAN_SOURCE_DIR "/astro/tests/data/houses_reference.tsv");
  std::string regel;
  int nummer = 0;
  while (std::getline(in, regel)) {
    ++nummer;
    if (regel.empty() || regel[0] == '#' || regel.rfind("letter", 0) == 0) continue;
    std::istringstream s(regel);
    Referentie r;
    r.regel = nummer;
    s >> r.letter >> r.scheefheid >> r.breedte >> r.lst >> r.rc;
    for (double& k : r.kuspen) s >> k;
    if (!s) {
      ADD_FAILURE() << "unreadable reference line " << nummer;
      continue;
    }
    rijen.push_back(r);
  }
  return rijen;
}

// The largest difference, in arcseconds, cusp by cusp.
double PerKusp(const THuizen& h, const Referentie& r) {
  double m = 0;
  for (int k = 1; k <= 12; ++k) m = std::max(m, BoogSec(h.Kusp(k), r.kuspen[k - 1]));
  return m;
}

// The largest difference, in arcseconds, between the twelve cusp points taken as sets: the
// reference numbers its houses clockwise where the MC lies below the horizon, with Ascendant and
// MC both turned half a circle; the same circles give the same twelve points.
double AlsVerzameling(const THuizen& h, const Referentie& r) {
  double m = 0;
  for (int k = 1; k <= 12; ++k) {
    double a = 1e9, b = 1e9;
    for (int j = 1; j <= 12; ++j) {
      a = std::min(a, BoogSec(h.Kusp(k), r.kuspen[j - 1]));
      b = std::min(b, BoogSec(h.Kusp(j), r.kuspen[k - 1]));
    }
    m = std::max({m, a, b});
  }
  return m;
}

struct Grootste {
  double verschil = 0;
  int rijen = 0;
  std::string waar;

  void Neem(double v, const Referentie& r) {
    ++rijen;
    if (v <= verschil) return;
    verschil = v;
    char b[128];
    std::snprintf(b, sizeof b, "eps %.4f lat %.2f lst %.4f (line %d)", r.scheefheid, r.breedte, r.lst, r.regel);
    waar = b;
  }
};

class HuizenKruiscontrole : public testing::Test {
 protected:
  static void SetUpTestSuite() { rijen_ = new std::vector<Referentie>(LeesReferentie()); }
  static void TearDownTestSuite() {
    delete rijen_;
    rijen_ = nullptr;
  }
  static const std::vector<Referentie>& Rijen() { return *rijen_; }

  static void Druk(const char* titel, const std::map<std::string, Grootste>& tabel) {
    std::printf("%s\n", titel);
    for (const auto& [naam, g] : tabel)
      std::printf("  %-44s %5d cases, largest %12.6f\" at %s\n", naam.c_str(), g.rijen, g.verschil, g.waar.c_str());
  }

 private:
  static std::vector<Referentie>* rijen_;
};
std::vector<Referentie>* HuizenKruiscontrole::rijen_ = nullptr;

bool OmgekeerdGenummerd(const THuizen& h, const Referentie& r) {
  return h.MCICVerwisseld || BoogSec(h.Kusp(10), r.kuspen[9]) > 90 * 3600.0;
}

// Tolerances in arcseconds. Regiomontanus, Campanus, equal, Vehlow and Porphyry agree to a few
// hundredths; the largest difference there comes from RAMC 0 at the equator, which is computed at
// RAMC = 1 centisecond. Koch rounds a third of the MC's ascensional difference to a whole
// centisecond, an error of up to 0.01" in the right ascension of a cusp that the flat ecliptic
// near the polar circle magnifies about fortyfold.
constexpr double TolNauw = 0.05;
constexpr double TolKoch = 0.5;

TEST_F(HuizenKruiscontrole, EverySystemAgreesWithTheReference) {
  ASSERT_GT(Rijen().size(), 4000u) << "reference cusps missing";
  std::map<std::string, Grootste> tabel;
  for (const Referentie& r : Rijen()) {
    const THuizen h = Huizen(r.letter, 2, r.scheefheid, r.breedte, r.lst);
    const bool omgekeerd = OmgekeerdGenummerd(h, r);
    const double v = omgekeerd ? AlsVerzameling(h, r) : PerKusp(h, r);
    const bool terugval = (r.letter == 'K' || r.letter == 'P') && h.Porphyrius;
    std::string naam(1, r.letter);
    if (terugval) naam += ", Porphyry fall-back";
    if (omgekeerd) naam += ", numbered clockwise";
    tabel[naam].Neem(v, r);

    SCOPED_TRACE(testing::Message() << r.letter << " eps " << r.scheefheid << " lat " << r.breedte << " lst "
                                    << r.lst << " (line " << r.regel << ")" << Kuspen(h));
    EXPECT_EQ(h.Porphyrius, r.letter == 'Y' || r.rc != 0);
    if (r.letter == 'P' && !terugval) continue;   // below
    EXPECT_LE(v, r.letter == 'K' ? TolKoch : TolNauw);
  }
  Druk("Largest difference to the reference (two Placidus passes):", tabel);
}

// Placidus as charts compute it, with two passes after the start estimate, agrees to a few
// hundredths up to 45 degrees; beyond that the passes have not yet converged and the difference
// grows towards the polar circle (tens of arcminutes at 66 degrees). With enough passes the same
// routine meets the reference everywhere, so the difference is the iteration count alone.
TEST_F(HuizenKruiscontrole, PlacidusConvergesToTheReference) {
  std::map<std::string, Grootste> tweePassen, veelPassen;
  for (const Referentie& r : Rijen()) {
    if (r.letter != 'P' || r.rc != 0) continue;
    const THuizen twee = Huizen('P', 2, r.scheefheid, r.breedte, r.lst);
    const THuizen veel = Huizen('P', 20, r.scheefheid, r.breedte, r.lst);
    ASSERT_FALSE(OmgekeerdGenummerd(twee, r));
    const double a = std::fabs(r.breedte);
    const char* band = a <= 45   ? "|lat| 0..45"
                       : a <= 55 ? "|lat| 45..55"
                       : a <= 60 ? "|lat| 55..60"
                       : a <= 63 ? "|lat| 60..63"
                                 : "|lat| 63..66";
    const double v2 = PerKusp(twee, r), vn = PerKusp(veel, r);
    tweePassen[band].Neem(v2, r);
    veelPassen[band].Neem(vn, r);
    SCOPED_TRACE(testing::Message() << "eps " << r.scheefheid << " lat " << r.breedte << " lst " << r.lst);
    if (a <= 45) {
      EXPECT_LE(v2, TolNauw) << Kuspen(twee);
    }
    EXPECT_LE(v2, 3600.0) << Kuspen(twee);
    EXPECT_LE(vn, TolNauw) << Kuspen(veel);
  }
  Druk("Placidus, two passes:", tweePassen);
  Druk("Placidus, twenty passes:", veelPassen);
}

}  // namespace
}  // namespace orvan
