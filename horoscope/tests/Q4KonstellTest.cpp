// The constellation search on the shipped planetary data: solar and lunar returns (nearest return,
// in either direction), bracketed pairs (the first exact moment after the start, across retrograde
// turns), the equivalence of -90 and 270 degrees, a cusp against a sign, the chart data after the
// search, a pair that never moves, and the combinations the dialog refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/AstroGlo.h"
#include "astro/PlaCalculator.h"
#include "astro/WiskFies.h"
#include "horoscope/Q4Konstell.h"
#include "horoscope/THoroskoop.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/JulDayF.h"

namespace orvan {
namespace {

constexpr double Tropisch = 365.2422;    // days of a solar return cycle (approximately)
constexpr double Synodisch = 27.3216;    // days of a lunar return (tropical month)

class KonstellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HerstelPlaCalculator();
    ASSERT_TRUE(StartPlaCalculator());
    ASSERT_TRUE(test::StartTaal(2));
    HerstelInstellingen();
    ZetUT(natal, 0.0);
    ASSERT_TRUE(natal.Bereken());
    natalUT = natal.UT;
  }
  void TearDown() override {
    HerstelInstellingen();
    HerstelPlaCalculator();
  }

  // 15 March 2000, 12:00 UT in Amsterdam, plus `dagen` days, entered in universal time.
  void ZetUT(THoroskoop& h, double dagen, bool gregoriaans = true) {
    const double basis = 2451619.0 - 2433282.0;   // JD 2451619.0 = 2000-03-15 12:00 UT
    const TDatumTijd m = JD50InDatumTijd(gregoriaans, basis + dagen);
    h.Data.Name = "Test";
    h.Data.Datum = m.datum;
    h.Data.Tijd = m.tijd;
    h.Data.ClockTime = false;
    h.Data.Verschil = TTijdRec{0, 0, 0};
    h.Data.GregKal = gregoriaans;
    h.Data.Plaats = PlaatsRec{"Amsterdam (NL)", 52.22f, 4.53f, "NL", 0};
  }

  // The longitude of body `object` at UT jd50 (only that body is computed).
  static double LengteOp(THoroskoop& h, int object, double jd50) {
    h.ZetJD(jd50);
    EXPECT_TRUE(h.BerekenPlaneet(THoroskoop::Slot(object)));
    return h.Lengte(object);
  }

  test::TTijdelijkeMap map{true};
  test::TOpnameInteraktie ui;
  THoroskoop natal{SoortNatal};
  double natalUT = 0;
};

struct TTerugkeerGeval {
  const char* naam;
  int object;
  double startDagen;      // days after the natal moment
  double verwachtDagen;   // days after the natal moment of the return found (approximately)
  double marge;           // days
};

// Sun and Moon returns are not bracketed: the return nearest to the start is found, also when it
// lies before the start.
TEST_F(KonstellTest, ReturnsFindTheNearestReturn) {
  const TTerugkeerGeval gevallen[] = {
      {"solar return, 100 days before it", ObjZon, Tropisch - 100, Tropisch, 0.05},
      {"solar return, 100 days after it", ObjZon, Tropisch + 100, Tropisch, 0.05},
      {"solar return, 100 days after birth goes back to birth", ObjZon, 100, 0, 1e-4},
      {"lunar return, 20 days after the last: the next, a week later", ObjMaan, 20, Synodisch, 0.6},
      {"lunar return, 3 days after the last: back to it", ObjMaan, 3, 0, 1e-4},
  };
  for (const auto& g : gevallen) {
    const double doel = natal.Lengte(g.object);
    THoroskoop t{SoortTransit};
    ZetUT(t, g.startDagen);
    ZoekKonstellatie(t, g.object, EersteTekenObject, doel);
    EXPECT_NEAR(t.UT - natalUT, g.verwachtDagen, g.marge) << g.naam;
    EXPECT_NEAR(Norm180(LengteOp(t, g.object, t.UT) - doel), 0.0, 2 * KonstellFTolerantie)
        << g.naam;
  }
}

// Bracketed pairs find the first exact moment after the start. Mercury is retrograde from
// 21 February to 14 March 2000, so the starts around it make the sweep cross stationary points.
TEST_F(KonstellTest, BracketedPairsFindFirstExactMomentAfterStart) {
  struct Geval {
    int object1, object2;
    double startDagen, hoek;
  } gevallen[] = {
      {ObjMercurius, ObjVenus, -35, 0},  {ObjMercurius, ObjVenus, -25, 15},
      {ObjMercurius, ObjVenus, -15, -5}, {ObjMercurius, ObjVenus, -5, 10},
      {ObjZon, ObjMercurius, -30, 0},    {ObjZon, ObjVenus, 0, -20},
      {ObjMars, ObjJupiter, 0, 0},
  };
  for (const auto& g : gevallen) {
    THoroskoop t{SoortTransit};
    ZetUT(t, g.startDagen);
    ASSERT_TRUE(WordtOmsloten(g.object1, g.object2));
    const std::string naam = std::to_string(g.object1) + "-" + std::to_string(g.object2) +
                             " from day " + std::to_string(g.startDagen) + " at " +
                             std::to_string(g.hoek);
    EXPECT_TRUE(ZoekKonstellatie(t, g.object1, g.object2, g.hoek)) << naam;
    const double gevonden = t.UT;
    const double start = natalUT + g.startDagen;
    EXPECT_GT(gevonden, start) << naam;
    auto f = [&](double x) {
      return Norm180(LengteOp(t, g.object1, x) - g.hoek - LengteOp(t, g.object2, x));
    };
    EXPECT_NEAR(f(gevonden), 0.0, 2 * KonstellFTolerantie) << naam;
    // Scan from the start: the first change of sign (not a jump over +-180) is the one found.
    const double stap = 0.1;
    double vorig = f(start);
    double eerste = -1;
    for (double x = start + stap; x < gevonden + 5.0; x += stap) {
      const double y = f(x);
      if (((vorig <= 0 && y > 0) || (vorig >= 0 && y < 0)) && std::fabs(y - vorig) < 90) {
        eerste = x;
        break;
      }
      vorig = y;
    }
    EXPECT_NEAR(gevonden, eerste - stap / 2, stap / 2 + 1e-6) << naam;
  }
}

TEST_F(KonstellTest, MinusNinetyIsTwoHundredSeventy) {
  THoroskoop a{SoortTransit}, b{SoortTransit};
  ZetUT(a, 10);
  ZetUT(b, 10);
  ZoekKonstellatie(a, ObjMaan, ObjZon, -90);
  ZoekKonstellatie(b, ObjMaan, ObjZon, 270);
  EXPECT_NEAR(a.UT, b.UT, 1e-6);
  // The Moon trails the Sun by 90 degrees.
  EXPECT_NEAR(Norm360(LengteOp(a, ObjMaan, a.UT) - LengteOp(a, ObjZon, a.UT)), 270.0, 1e-4);
}

TEST_F(KonstellTest, AscendantReachesASign) {
  THoroskoop t{SoortTransit};
  ZetUT(t, 0);
  EXPECT_FALSE(WordtOmsloten(ObjAscendant, EersteTekenObject + 3));
  EXPECT_TRUE(ZoekKonstellatie(t, ObjAscendant, EersteTekenObject + 3, 0));   // 0 Cancer
  EXPECT_LT(std::fabs(t.UT - natalUT), 1.0);
  ASSERT_TRUE(t.BerekenMoment(t.UT));
  EXPECT_NEAR(Norm180(t.Lengte(ObjAscendant) - 90.0), 0.0, 1e-3);
}

// The data show the found moment as universal time in the chart's own calendar, precision
// 0:00:01 and neutral sex; the difference to Greenwich time and the rest stay.
TEST_F(KonstellTest, DataShowFoundMomentInOwnCalendar) {
  for (const bool gregoriaans : {true, false}) {
    THoroskoop t{SoortTransit};
    ZetUT(t, 20, gregoriaans);
    t.Data.ClockTime = true;
    t.Data.Verschil = TTijdRec{1, 0, 0};
    const TDatumTijd klok = JD50InDatumTijd(gregoriaans, natalUT + 20 + 1.0 / 24);
    t.Data.Datum = klok.datum;
    t.Data.Tijd = klok.tijd;
    t.Data.Sex = SexVrouw;
    ZoekKonstellatie(t, ObjMaan, EersteTekenObject, natal.Lengte(ObjMaan));
    const TDatumTijd verwacht = JD50InDatumTijd(gregoriaans, t.UT);
    EXPECT_EQ(t.Data.Datum, verwacht.datum) << gregoriaans;
    EXPECT_EQ(t.Data.Tijd, verwacht.tijd) << gregoriaans;
    EXPECT_EQ(t.Data.Precisie, (TTijdRec{0, 0, 1}));
    EXPECT_FALSE(t.Data.ClockTime);
    EXPECT_EQ(t.Data.Sex, SexNeutraal);
    EXPECT_EQ(t.Data.Verschil, (TTijdRec{1, 0, 0}));
    EXPECT_EQ(t.Data.GregKal, gregoriaans);
    EXPECT_EQ(t.Data.Name, "Test");
    // Searched from clock time: 20 days after birth in UT, so the next return.
    EXPECT_NEAR(t.UT - natalUT, Synodisch, 0.6);
  }
}

// An object against itself never moves: the search ends on its bound, on the starting moment,
// and reports that the moment is not exact.
TEST_F(KonstellTest, PairThatNeverMovesEndsOnBound) {
  THoroskoop t{SoortTransit};
  ZetUT(t, 5);
  EXPECT_FALSE(ZoekKonstellatie(t, ObjMars, ObjMars, 10));
  EXPECT_NEAR(t.UT, natalUT + 5, 1e-9);
  EXPECT_FALSE(ZoekKonstellatie(t, EersteTekenObject, EersteTekenObject + 1, 0));
  EXPECT_NEAR(t.UT, natalUT + 5, 1e-9);
}

TEST(KonstellKeuzeTest, RefusedCombinationsAndAngles) {
  struct Geval {
    const char* naam;
    bool natal;
    int object1, object2;
    bool onmogelijk;
  } gevallen[] = {
      {"Sun twice in natal mode", true, ObjZon, ObjZon, true},
      {"Sun twice in transit mode (solar return)", false, ObjZon, ObjZon, false},
      {"two cusps", true, ObjAscendant, ObjMC, true},
      {"two cusps in transit mode", false, ObjAscendant, ObjAscendant, true},
      {"cusp and sign", true, ObjAscendant, EersteTekenObject, false},
      {"Moon and Sun", true, ObjMaan, ObjZon, false},
      {"sign as first object", true, EersteTekenObject, ObjZon, true},
      {"vernal point", true, 0, ObjZon, true},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(OnmogelijkeKombinatie(g.natal, g.object1, g.object2), g.onmogelijk) << g.naam;
  EXPECT_TRUE(KonstellHoekGeldig(-180));
  EXPECT_TRUE(KonstellHoekGeldig(180));
  EXPECT_FALSE(KonstellHoekGeldig(180.01));
  EXPECT_FALSE(KonstellHoekGeldig(-180.5));
}

}  // namespace
}  // namespace orvan
