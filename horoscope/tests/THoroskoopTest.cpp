// The chart's state and the operations on a calculated chart, with positions set by hand: the
// cleared state, the accessors by object number, houses, night charts, Arabic parts,
// distributions, the coordinate rotation, the angles between two charts and the texts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/AstroGlo.h"
#include "astro/Rwplcalc.h"
#include "horoscope/THoroskoop.h"
#include "horoscope/tests/HoroskoopFixture.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"

namespace orvan {
namespace {

using test::HoroskoopTest;

// Equal houses from the Ascendant `asc`.
void ZetGelijkeHuizen(THoroskoop& h, double asc) {
  for (int i = 1; i <= 12; ++i) h.Kusp[static_cast<std::size_t>(i)] = Norm360(asc + 30.0 * (i - 1));
}

// The longitude of object 1..13 by hand (object 11 in both node slots).
void ZetLengte(THoroskoop& h, int object, double lengte) {
  if (object == ObjKnoop) {
    h.PlaLengte[KodeGemKnoop] = lengte;
    h.PlaLengte[KodeWareKnoop] = lengte;
    return;
  }
  h.PlaLengte[static_cast<std::size_t>(THoroskoop::Slot(object))] = lengte;
}

TEST(HorData, ClearedState) {
  const THorData d;
  EXPECT_EQ(d.Name, "");
  EXPECT_EQ(d.Datum, (TDatumRec{0, 0, 0}));
  EXPECT_EQ(d.Tijd, (TTijdRec{0, 0, 0}));
  EXPECT_EQ(d.Verschil, (TTijdRec{99, 0, 0}));
  EXPECT_EQ(d.Precisie, (TTijdRec{1, 0, 0}));
  EXPECT_TRUE(d.ClockTime);
  EXPECT_TRUE(d.GregKal);
  EXPECT_EQ(d.Sex, 2);
  EXPECT_EQ(d.Plaats.Naam, "");
  EXPECT_EQ(d.Plaats.Breedte, 0.0f);
  EXPECT_EQ(d.Plaats.Lengte, 0.0f);
  EXPECT_EQ(d.Plaats.Zone, "");
  EXPECT_EQ(d.Plaats.Gewist, 0);
  EXPECT_EQ(d.KeyWords, "");
  EXPECT_EQ(d.Info, "");
}

TEST_F(HoroskoopTest, WisClearsDataAndFlagsButKeepsTheKind) {
  THoroskoop h(SoortTransit);
  h.Data.Name = "Someone";
  h.Data.ClockTime = false;
  h.Berekend = true;
  h.Geladen = true;
  h.MCICVerwisseld = true;
  h.Wis();
  EXPECT_EQ(h.Data.Name, "");
  EXPECT_TRUE(h.Data.ClockTime);
  EXPECT_FALSE(h.Berekend);
  EXPECT_FALSE(h.Geladen);
  EXPECT_FALSE(h.MCICVerwisseld);
  EXPECT_EQ(h.Soort, SoortTransit);
  EXPECT_EQ(h.Naam(), "");
}

TEST_F(HoroskoopTest, SlotsOfTheObjects) {
  for (int object = 1; object <= 10; ++object) EXPECT_EQ(THoroskoop::Slot(object), object - 1);
  EXPECT_EQ(THoroskoop::Slot(11), 11);
  EXPECT_EQ(THoroskoop::Slot(12), 12);
  EXPECT_EQ(THoroskoop::Slot(13), 13);
  Instellingen.GebruikWareKnoop = false;
  EXPECT_EQ(THoroskoop::Slot(11), 10);
  for (int object : {0, 14, 26, -1}) {
    try {
      THoroskoop::Slot(object);
      ADD_FAILURE() << "object " << object << " has a slot";
    } catch (const std::logic_error& e) {
      EXPECT_STREQ(e.what(), "Impossible planet number") << "object " << object;
    }
  }
}

TEST_F(HoroskoopTest, AccessorsByObjectNumber) {
  THoroskoop h(SoortNatal);
  for (int s = 0; s < AantalSlots; ++s) {
    const auto i = static_cast<std::size_t>(s);
    h.PlaLengte[i] = 10.0 * s + 1;
    h.PlaBreedte[i] = s - 5.0;
    h.PlaAfstand[i] = 1.0 + s;
    h.PlaSnelheid[i] = -0.5 * s;
    h.PlaRA[i] = 20.0 * s;
    h.PlaDecl[i] = -s;
  }
  for (int k = 1; k <= 12; ++k) {
    const auto i = static_cast<std::size_t>(k);
    h.Kusp[i] = 100.0 + k;
    h.KuspRA[i] = 200.0 + k;
    h.KuspDecl[i] = -k;
  }
  struct {
    int object;
    double lengte, breedte, afstand, snelheid, ra, decl;
  } const gevallen[] = {
      {0, 0, 0, 0, 0, 0, 0},                  // the vernal point
      {1, 1, -5, 1, 0, 0, 0},                 // Sun: slot 0
      {10, 91, 4, 10, -4.5, 180, -9},         // Pluto: slot 9
      {11, 111, 6, 12, -5.5, 220, -11},       // true node: slot 11
      {12, 121, 7, 13, -6, 240, -12},         // Chiron
      {13, 131, 8, 14, -6.5, 260, -13},       // Lilith
      {14, 101, 0, 0, 360, 201, -1},          // Ascendant
      {23, 110, 0, 0, 360, 210, -10},         // MC
      {25, 112, 0, 0, 360, 212, -12},         // cusp 12
      {26, 0, 0, 0, 0, 0, 0},                 // 0 Aries
      {37, 330, 0, 0, 0, 0, 0},               // 0 Pisces
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(h.Lengte(g.object), g.lengte) << "object " << g.object;
    EXPECT_EQ(h.Breedte(g.object), g.breedte) << "object " << g.object;
    EXPECT_EQ(h.Afstand(g.object), g.afstand) << "object " << g.object;
    EXPECT_EQ(h.Snelheid(g.object), g.snelheid) << "object " << g.object;
    EXPECT_EQ(h.Rechteklimming(g.object), g.ra) << "object " << g.object;
    EXPECT_EQ(h.Declinatie(g.object), g.decl) << "object " << g.object;
  }
  EXPECT_EQ(h.Ascendant(), 101);
  EXPECT_EQ(h.MC(), 110);
  EXPECT_EQ(h.Lengte(38), 0);
  EXPECT_EQ(h.Lengte(-1), 0);
  EXPECT_THROW(h.Snelheid(38), std::out_of_range);

  // Both node slots are always there: the setting switches object 11 without a recalculation.
  Instellingen.GebruikWareKnoop = false;
  EXPECT_EQ(h.Lengte(11), 101);   // mean node: slot 10
  EXPECT_EQ(h.Snelheid(11), -5);
}

TEST_F(HoroskoopTest, Huis) {
  THoroskoop h(SoortNatal);
  const double kuspen[13] = {0, 350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320};
  for (int i = 1; i <= 12; ++i) h.Kusp[static_cast<std::size_t>(i)] = kuspen[i];
  struct {
    double lengte;
    int huis;
  } const gevallen[] = {
      {5, 1}, {350, 1}, {359.9, 1}, {20, 2}, {110, 5}, {109.999, 4}, {325, 12}, {349.999, 12},
      {365, 1}, {-5, 1}, {-15, 12},
  };
  for (const auto& g : gevallen) EXPECT_EQ(h.Huis(g.lengte), g.huis) << "longitude " << g.lengte;

  // Equal consecutive cusps hold nothing.
  h.Kusp[3] = h.Kusp[2];
  EXPECT_EQ(h.Huis(20), 3);
  EXPECT_EQ(h.Huis(30), 3);
}

TEST_F(HoroskoopTest, NightChartAndArabicParts) {
  struct {
    const char* naam;
    double zon;
    bool nacht;
    double punt[13];   // parts 0..12; 0 and 12 are no parts and give the Ascendant
  } const gevallen[] = {
      {"day chart (Sun in house 7)", 200, false,
       {10, 205, 175, 340, 40, 30, 350, 90, 325, 320, 355, 195, 10}},
      {"night chart (Sun in house 1)", 15, true,
       {10, 350, 30, 330, 50, 205, 245, 145, 230, 205, 200, 195, 10}},
  };
  for (const auto& g : gevallen) {
    THoroskoop h(SoortNatal);
    ZetGelijkeHuizen(h, 10);
    ZetLengte(h, ObjZon, g.zon);
    ZetLengte(h, ObjMaan, 35);
    ZetLengte(h, ObjMars, 125);
    ZetLengte(h, ObjJupiter, 155);
    ZetLengte(h, ObjSaturnus, 185);
    EXPECT_EQ(h.IsNachtHoroskoop(), g.nacht) << g.naam;
    for (int k = 0; k <= 12; ++k)
      EXPECT_NEAR(h.ArabischPunt(k), g.punt[k], 1e-9) << g.naam << ", part " << k;
  }
}

TEST_F(HoroskoopTest, VerdelingenWeighsSignsCrossesAndHemispheres) {
  THoroskoop h(SoortNatal);
  ZetGelijkeHuizen(h, 0);   // Ascendant 0 (Aries), MC 270 (Capricorn)
  // One body in every sign, Lilith with Aries once more.
  const double lengtes[14] = {0, 5, 35, 65, 95, 125, 155, 185, 215, 245, 275, 305, 335, 0};
  for (int object = 1; object <= 13; ++object) ZetLengte(h, object, lengtes[object]);

  h.Verdelingen();   // default weights 16 16 8 9 9 6 6 3 3 3 1 0 0, Ascendant 10, MC 10
  const float element[5] = {0, 38, 35, 15, 12};
  const float kruis[4] = {0, 54, 29, 17};
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(h.Element[static_cast<std::size_t>(i)], element[i], 1e-4) << "element " << i;
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(h.Kruis[static_cast<std::size_t>(i)], kruis[i], 1e-4) << "cross " << i;
  // Above the horizon: Saturn, Uranus, Neptune, Pluto, node, Chiron = 16 of 80 planet weights.
  EXPECT_NEAR(h.BovenHorizon, 20, 1e-4);
  // East: Sun, Moon, Mercury, Pluto, node, Chiron, Lilith = 44 of 80.
  EXPECT_NEAR(h.Oost, 55, 1e-4);

  // Without weights the shares are 0, not undefined.
  for (auto& w : Instellingen.Gewicht) w = 0;
  h.Verdelingen();
  for (float e : h.Element) EXPECT_EQ(e, 0.0f);
  for (float k : h.Kruis) EXPECT_EQ(k, 0.0f);
  EXPECT_EQ(h.BovenHorizon, 0.0f);
  EXPECT_EQ(h.Oost, 0.0f);

  // Only the angles weigh: the planet shares are 0, the elements still count.
  Instellingen.Gewicht[14] = 1;
  Instellingen.Gewicht[15] = 3;
  h.Verdelingen();
  EXPECT_NEAR(h.Element[1], 25, 1e-4);
  EXPECT_NEAR(h.Element[2], 75, 1e-4);
  EXPECT_EQ(h.BovenHorizon, 0.0f);
}

TEST_F(HoroskoopTest, EclipticAndEquatorialCoordinates) {
  THoroskoop h(SoortNatal);
  h.Scheefheid = 23.4392911;
  const double eps = h.Scheefheid;
  struct {
    double lengte, breedte, ra, decl;
  } const gevallen[] = {
      {0, 0, 0, 0},
      {90, 0, 90, eps},
      {180, 0, 180, 0},
      {270, 0, 270, -eps},
      {0, 90, 270, 90 - eps},   // the ecliptic pole
      {45, 0, RadGr * std::atan(CosG(eps)), RadGr * std::asin(SinG(eps) * SinG(45))},
  };
  for (const auto& g : gevallen) {
    double ra = 0, decl = 0;
    h.EklNaarEkw(g.lengte, g.breedte, ra, decl);
    EXPECT_NEAR(ra, g.ra, 1e-9) << "longitude " << g.lengte << ", latitude " << g.breedte;
    EXPECT_NEAR(decl, g.decl, 1e-9) << "longitude " << g.lengte << ", latitude " << g.breedte;
  }
  for (double lengte = 3; lengte < 360; lengte += 37) {
    for (double breedte : {-60.0, -5.0, 0.0, 7.5, 80.0}) {
      double ra = 0, decl = 0, l = 0, b = 0;
      h.EklNaarEkw(lengte, breedte, ra, decl);
      h.EkwNaarEkl(ra, decl, l, b);
      EXPECT_NEAR(l, lengte, 1e-9) << "round trip of " << lengte << ", " << breedte;
      EXPECT_NEAR(b, breedte, 1e-9) << "round trip of " << lengte << ", " << breedte;
    }
  }
}

TEST_F(HoroskoopTest, AnglesBetweenTwoCharts) {
  THoroskoop a(SoortNatal), b(SoortTransit);
  ZetLengte(a, ObjZon, 350);
  a.PlaBreedte[0] = 0;
  ZetLengte(b, ObjMaan, 20);
  b.PlaBreedte[1] = 4;
  ZetGelijkeHuizen(b, 100);
  // Great circle: latitude 0 and 4, 30 degrees apart in longitude.
  const double verwacht = RadGr * std::acos(CosG(4) * CosG(30));
  EXPECT_NEAR(a.TweeDimHoek(b, ObjZon, ObjMaan), verwacht, 1e-9);
  EXPECT_NEAR(a.TweeDimHoek(b, ObjZon, ObjAscendant), 110, 1e-9);   // a cusp has latitude 0
  EXPECT_EQ(a.PlaneetHuis(b, ObjZon, ObjMaan), 2);        // 30 degrees + 15 = one sign
  EXPECT_EQ(a.PlaneetHuis(b, ObjZon, ObjAscendant), 5);   // 110 + 15 = four signs
  EXPECT_EQ(b.PlaneetHuis(a, ObjMaan, ObjZon), 12);
}

TEST_F(HoroskoopTest, PlaatsTekst) {
  THoroskoop h(SoortNatal);
  h.Data.Plaats.Naam = "Amsterdam";
  h.Data.Plaats.Breedte = 52.22f;
  h.Data.Plaats.Lengte = -4.53f;
  EXPECT_EQ(h.PlaatsTekst(), "Amsterdam (52\xC2\xB0" "22'N, 4\xC2\xB0" "53'W)");
  h.Data.Plaats.Breedte = -33.05f;
  h.Data.Plaats.Lengte = 151.0f;
  EXPECT_EQ(h.PlaatsTekst(), "Amsterdam (33\xC2\xB0" "05'S, 151\xC2\xB0" "00'E)");
  ASSERT_TRUE(KiesTaal(1));
  h.Data.Plaats.Breedte = 52.22f;
  h.Data.Plaats.Lengte = -4.53f;
  EXPECT_EQ(h.PlaatsTekst(), "Amsterdam (52\xC2\xB0" "22'NB, 4\xC2\xB0" "53'WL)");
}

TEST_F(HoroskoopTest, TimeTexts) {
  THoroskoop h(SoortNatal);
  h.Data.Plaats.Naam = "Amsterdam";
  h.Data.Plaats.Breedte = 52.22f;
  h.Data.Plaats.Lengte = 4.53f;
  h.Data.Datum = {13, 8, 2004};
  h.Data.Tijd = {11, 41, 9};
  h.Data.Verschil = {2, 0, 0};
  h.Data.Precisie = {0, 0, 0};
  Instellingen.Datuminvoermode = DatumInternationaal;
  h.BerekenUT();
  h.UT = 18263.0;   // JD 2451545.0
  h.Sterretijd = 18.5;

  const std::string plaats = "Amsterdam (52\xC2\xB0" "22'N, 4\xC2\xB0" "53'E)";
  const std::string klok = "Clock time: 13 august 2004   11h41m09s";
  const std::string gmt = "GMT : 13 august 2004    9h41m09s";
  EXPECT_EQ(h.KlokTekst(), klok);
  EXPECT_EQ(h.GMTTekst(), gmt);
  EXPECT_EQ(h.GegevensTekst(), plaats + "\r\n" + klok + "\r\n" + gmt);
  EXPECT_EQ(h.JulDatTekst(), "Julian day (UT): 2451545.00000; Sidereal time: 18h30m00s");

  h.Data.Precisie = {0, 30, 0};
  EXPECT_EQ(h.GMTTekst(), gmt + " \xC2\xB1  0h30m00s");

  h.Data.ClockTime = false;
  h.Data.Precisie = {0, 0, 0};
  h.BerekenUT();
  EXPECT_EQ(h.KlokTekst(), "");
  EXPECT_EQ(h.GMTTekst(), "GMT : 13 august 2004   11h41m09s");
  EXPECT_EQ(h.GegevensTekst(), plaats + "\r\nGMT : 13 august 2004   11h41m09s");

  Instellingen.Datuminvoermode = DatumAmerikaans;
  EXPECT_EQ(h.GMTTekst(), "GMT : august 13, 2004   11h41m09s");

  h.UT = -2433282.0 + 100.25;   // JD 100.25: the Julian day keeps its width of 12
  EXPECT_EQ(h.JulDatTekst().substr(0, 30), "Julian day (UT):    100.25000;");
}

}  // namespace
}  // namespace orvan
