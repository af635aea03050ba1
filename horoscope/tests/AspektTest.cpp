// Aspects and orbs between chart positions: major and minor rows, the orb of a comparison, the
// objects that take part, the aspects of one chart and midpoint contacts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/AstroGlo.h"
#include "astro/Rwplcalc.h"
#include "horoscope/Aspekt.h"
#include "horoscope/THoroskoop.h"
#include "horoscope/tests/HoroskoopFixture.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"

namespace orvan {
namespace {

using test::HoroskoopTest;

void ZetTabel(const std::vector<std::pair<double, double>>& rijen) {
  WisAspekten();
  for (const auto& [hoek, orb] : rijen) {
    ++AantalAspekten;
    Aspekten[AantalAspekten].AspHoek = hoek;
    Aspekten[AantalAspekten].Orb = orb;
  }
}

TEST_F(HoroskoopTest, MajorAndMinorRows) {
  ZetTabel({{0, 8}, {180, 8}, {45, 4}, {30, 2}, {150, 1}});   // half the largest orb is 4
  struct {
    int nummer;
    bool majeurBijGelijk, majeurAlsMineur;   // THalveOrb::Majeur, THalveOrb::Mineur
  } const gevallen[] = {
      {1, true, true}, {-2, true, true}, {3, true, false}, {-3, true, false},
      {4, false, false}, {5, false, false}, {0, false, false}, {6, false, false},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(IsMajeurAspekt(g.nummer, THalveOrb::Majeur), g.majeurBijGelijk) << "row " << g.nummer;
    EXPECT_EQ(IsMajeurAspekt(g.nummer, THalveOrb::Mineur), g.majeurAlsMineur) << "row " << g.nummer;
  }
  // The moment reports (majors, half counts as major) and the sensitive points (minors, half
  // counts as minor) both take row 3.
  EXPECT_TRUE(AspektGekozen(3, true, false, THalveOrb::Majeur));
  EXPECT_TRUE(AspektGekozen(3, false, true, THalveOrb::Mineur));
  EXPECT_FALSE(AspektGekozen(3, false, true, THalveOrb::Majeur));
  EXPECT_FALSE(AspektGekozen(1, false, true, THalveOrb::Mineur));
  EXPECT_TRUE(AspektGekozen(-5, false, true, THalveOrb::Majeur));
  EXPECT_FALSE(AspektGekozen(0, true, true, THalveOrb::Majeur));

  ZetTabel({});
  EXPECT_EQ(GrootsteOrb(), 0.0);
  EXPECT_FALSE(IsMajeurAspekt(1, THalveOrb::Majeur));
}

TEST_F(HoroskoopTest, OwnOrbsUnlessAPredictiveChartTakesPart) {
  const char soorten[] = {SoortNatal, SoortTransit, SoortSekProg, SoortPrimDir, SoortKomposiet};
  for (char a : soorten) {
    for (char b : soorten) {
      const THoroskoop ha(a), hb(b);
      const auto voorspellend = [](char s) { return s == 'T' || s == 'S' || s == 'P'; };
      EXPECT_EQ(EigenOrbTussen(ha, hb), !voorspellend(a) && !voorspellend(b)) << a << " and " << b;
    }
  }
}

// Bodies 1..13 at 0, 7, 14 .. 84 degrees; Ascendant 97 (square the Moon), MC 250, cusp 2 at 200,
// cusp 3 at 113, cusp 11 at 330 and cusp 12 at 270 (square the Sun), with one square of orb 1.
void ZetProefPosities(THoroskoop& h) {
  for (int object = 1; object <= 13; ++object) {
    const double lengte = 7.0 * (object - 1);
    if (object == ObjKnoop) {
      h.PlaLengte[KodeGemKnoop] = lengte;
      h.PlaLengte[KodeWareKnoop] = lengte;
    } else {
      h.PlaLengte[static_cast<std::size_t>(THoroskoop::Slot(object))] = lengte;
    }
  }
  // Cusps 4 and 6 are exact squares of the Sun, but cusps 4 to 9 never take part.
  const double kuspen[13] = {0, 97, 200, 113, 90, 20, 270, 277, 20, 293, 250, 330, 270};
  for (int i = 1; i <= 12; ++i) h.Kusp[static_cast<std::size_t>(i)] = kuspen[i];
}

TEST_F(HoroskoopTest, AspectsBetweenChartObjects) {
  ZetTabel({{90, 1}});
  THoroskoop h(SoortNatal);
  ZetProefPosities(h);
  struct {
    const char* naam;
    int a, b;
    bool kuspen;
    int aspekt;
  } const gevallen[] = {
      {"Moon to Ascendant", ObjMaan, ObjAscendant, false, 1},
      {"Ascendant to Moon", ObjAscendant, ObjMaan, false, -1},
      {"Sun to cusp 12, cusps off", ObjZon, 25, false, 0},
      {"Sun to cusp 12, cusps on", ObjZon, 25, true, -1},
      {"Sun to cusp 4 (never)", ObjZon, 17, true, 0},
      {"Sun to cusp 6 (never)", ObjZon, 19, true, 0},
      {"Sun to 0 Capricorn (a sign, never)", ObjZon, 35, true, 0},
      {"vernal point to cusp 12 (never)", 0, 25, true, 0},
  };
  for (const auto& g : gevallen) {
    Instellingen.OokAspektenOpKuspen = g.kuspen;
    double afwijking = 99;
    EXPECT_EQ(HoroskoopAspekt(h, g.a, h, g.b, true, afwijking), g.aspekt) << g.naam;
    EXPECT_EQ(afwijking, g.aspekt ? 0.0 : 99.0) << g.naam;
  }
}

TEST_F(HoroskoopTest, AspektenInHoroskoopTakesEveryPairOnce) {
  ZetTabel({{90, 1}});
  THoroskoop h(SoortNatal);
  ZetProefPosities(h);
  auto paren = [&] {
    std::string s;
    for (const TAspektVondst& v : AspektenInHoroskoop(h))
      s += std::to_string(v.object1) + "-" + std::to_string(v.object2) + ":" +
           std::to_string(v.aspekt) + " ";
    return s;
  };
  EXPECT_EQ(paren(), "2-14:1 ");
  Instellingen.OokAspektenOpKuspen = true;
  EXPECT_EQ(paren(), "1-25:-1 2-14:1 ");
}

TEST_F(HoroskoopTest, MidpuntContactTestsTheWholeAxis) {
  Instellingen.MidOrb = 2.0;
  struct {
    double midpunt, lengte;
    bool raak;
    double afwijking;
  } const gevallen[] = {
      {10, 191, true, 1},     {10, 11.9, true, 1.9}, {10, 12, false, 2},   {10, 190, true, 0},
      {10, 10, true, 0},      {0, 179, true, 1},     {0, 178, false, 2},   {350, 10, false, 20},
      {10, 350, false, 20},   {100, 281.5, true, 1.5}, {5, 355, false, 10}, {200, 20.5, true, 0.5},
  };
  for (const auto& g : gevallen) {
    double afwijking = -1;
    EXPECT_EQ(MidpuntContact(g.midpunt, g.lengte, afwijking), g.raak)
        << "midpoint " << g.midpunt << ", position " << g.lengte;
    EXPECT_NEAR(afwijking, g.afwijking, 1e-9) << "midpoint " << g.midpunt << ", position " << g.lengte;
  }
}

}  // namespace
}  // namespace orvan
