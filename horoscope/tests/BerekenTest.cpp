// A chart calculated from its data: the entered moment to universal time and day numbers, sidereal
// time, houses and bodies from the calculator, the distributions, and the failure of a body.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/AstroGlo.h"
#include "astro/PlaCalculator.h"
#include "astro/RwHsCalc.h"
#include "horoscope/THoroskoop.h"
#include "horoscope/tests/HoroskoopFixture.h"
#include "shell/Instellingen.h"
#include "time_place/JulDayF.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {
namespace {

using test::HoroskoopTest;

void ZetMoment(THoroskoop& h, TDatumRec datum, TTijdRec tijd, bool klok, TTijdRec verschil,
               bool gregoriaans = true) {
  h.Data.Datum = datum;
  h.Data.Tijd = tijd;
  h.Data.ClockTime = klok;
  h.Data.Verschil = verschil;
  h.Data.GregKal = gregoriaans;
}

struct TUTGeval {
  const char* naam;
  TDatumRec datum;
  TTijdRec tijd;
  bool klok;
  TTijdRec verschil;
  bool gregoriaans;
  TDatumRec utDatum;   // in the calendar of the data
  TTijdRec utTijd;
};

// Universal time is the entered time minus the difference to Greenwich time, in the calendar the
// date was entered in, and the UT date ends up Gregorian.
TEST_F(HoroskoopTest, EnteredMomentToUniversalTime) {
  const TUTGeval gevallen[] = {
      {"clock time east of Greenwich", {13, 8, 2004}, {11, 41, 9}, true, {2, 0, 0}, true,
       {13, 8, 2004}, {9, 41, 9}},
      {"back over midnight and the year", {1, 1, 2000}, {0, 30, 0}, true, {1, 0, 0}, true,
       {31, 12, 1999}, {23, 30, 0}},
      {"forward over midnight (west)", {31, 12, 1999}, {23, 0, 0}, true, {-2, 0, 0}, true,
       {1, 1, 2000}, {1, 0, 0}},
      {"negative minutes", {5, 5, 1950}, {10, 0, 0}, true, {-3, -30, 0}, true,
       {5, 5, 1950}, {13, 30, 0}},
      {"before 1 March of a Gregorian common year divisible by 4", {1, 3, 1900}, {0, 30, 0}, true,
       {1, 0, 0}, true, {28, 2, 1900}, {23, 30, 0}},
      {"before 1 March of a Gregorian leap year", {1, 3, 2000}, {0, 30, 0}, true, {1, 0, 0}, true,
       {29, 2, 2000}, {23, 30, 0}},
      {"after 28 February of a Julian leap year", {28, 2, 1700}, {23, 30, 0}, true, {-1, 0, 0},
       false, {29, 2, 1700}, {0, 30, 0}},
      {"before 1 March of a Julian leap year", {1, 3, 1700}, {0, 30, 0}, true, {1, 0, 0}, false,
       {29, 2, 1700}, {23, 30, 0}},
      {"universal time ignores the cleared difference", {13, 8, 2004}, {11, 41, 9}, false,
       {99, 0, 0}, true, {13, 8, 2004}, {11, 41, 9}},
  };
  for (const auto& g : gevallen) {
    THoroskoop h(SoortNatal);
    ZetMoment(h, g.datum, g.tijd, g.klok, g.verschil, g.gregoriaans);
    h.BerekenUT();
    EXPECT_EQ(h.UTDatum, g.utDatum) << g.naam;
    EXPECT_EQ(h.UTTijd, g.utTijd) << g.naam;

    h.BerekenJD();
    const double verschilUren = g.klok ? TijdInUren(g.verschil) : 0.0;
    const double jd50 = JulDag50(g.datum.Maand, g.datum.Dag, g.datum.Jaar, g.gregoriaans,
                                 TijdInUren(g.tijd)) - verschilUren / 24.0;
    EXPECT_NEAR(h.UT, jd50, 1e-9) << g.naam;
    EXPECT_DOUBLE_EQ(h.ET, h.UT + DeltaT(h.UT)) << g.naam;
    const TJDDatum greg = DatumUitJD50(true, jd50);
    EXPECT_EQ(h.UTDatum, (TDatumRec{greg.dag, greg.maand, greg.jaar})) << g.naam;
    EXPECT_EQ(h.UTTijd, g.utTijd) << g.naam;
    EXPECT_EQ(h.Data.Datum, g.datum) << g.naam << ": the entered date stays as it was";
  }
}

TEST_F(HoroskoopTest, BerekenFillsTheChartFromTheCalculatorAndTheHouses) {
  THoroskoop h(SoortNatal);
  ZetMoment(h, {13, 8, 2004}, {11, 41, 9}, true, {2, 0, 0});
  h.Data.Plaats = {"Amsterdam", 52.22f, 4.53f, "", 0};
  ASSERT_TRUE(h.Bereken());
  EXPECT_TRUE(h.Berekend);
  EXPECT_TRUE(ui.meldingen.empty());
  EXPECT_EQ(h.BewaardUT, h.UT);

  double nutatie = 0, scheefheid = 0;
  PlaCalculator().NutatieEnScheefheid(h.ET, nutatie, scheefheid);
  EXPECT_EQ(h.Nutatie, nutatie);
  EXPECT_EQ(h.Scheefheid, scheefheid);
  // 4 degrees 53 minutes east: 4.8833 degrees, not 4.53.
  EXPECT_NEAR(h.Sterretijd, LokaleSterrentijd(nutatie, scheefheid, h.UT, 4.0 + 53.0 / 60.0), 1e-6);

  const THuizen huizen = Huizen('P', 2, scheefheid, 52.0 + 22.0 / 60.0, h.Sterretijd);
  for (int k = 1; k <= 12; ++k) {
    const auto i = static_cast<std::size_t>(k);
    EXPECT_NEAR(h.Kusp[i], huizen.Kusp(k), 1e-6) << "cusp " << k;
    double ra = 0, decl = 0;
    h.EklNaarEkw(h.Kusp[i], 0, ra, decl);
    EXPECT_EQ(h.KuspRA[i], ra) << "cusp " << k;
    EXPECT_EQ(h.KuspDecl[i], decl) << "cusp " << k;
  }
  EXPECT_FALSE(h.Porphyrius);
  EXPECT_FALSE(h.MCICVerwisseld);

  for (int slot = 0; slot < AantalSlots; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    double b = 0, v = 0, a = 0, l = 0;
    ASSERT_TRUE(PlaCalculator().Bereken(slot, StandaardOpties, b, v, a, l, h.ET)) << "slot " << slot;
    EXPECT_EQ(h.PlaLengte[s], l) << "slot " << slot;
    EXPECT_EQ(h.PlaBreedte[s], b) << "slot " << slot;
    EXPECT_EQ(h.PlaAfstand[s], a) << "slot " << slot;
    EXPECT_EQ(h.PlaSnelheid[s], v) << "slot " << slot;
    double ra = 0, decl = 0;
    h.EklNaarEkw(l, b, ra, decl);
    EXPECT_EQ(h.PlaRA[s], ra) << "slot " << slot;
    EXPECT_EQ(h.PlaDecl[s], decl) << "slot " << slot;
  }
  // Both nodes are there; the setting picks one.
  EXPECT_NE(h.PlaLengte[KodeGemKnoop], h.PlaLengte[KodeWareKnoop]);
  EXPECT_EQ(h.Lengte(ObjKnoop), h.PlaLengte[KodeWareKnoop]);

  double som = 0;
  for (int i = 1; i <= 4; ++i) som += h.Element[static_cast<std::size_t>(i)];
  EXPECT_NEAR(som, 100, 1e-3);
}

TEST_F(HoroskoopTest, TheHouseSystemComesFromTheSettings) {
  THoroskoop h(SoortNatal);
  ZetMoment(h, {1, 1, 2000}, {12, 0, 0}, false, {});
  h.Data.Plaats = {"", 70.0f, 10.0f, "", 0};
  Instellingen.HuisSys = HuisSysteemGelijk;
  ASSERT_TRUE(h.Bereken());
  for (int k = 2; k <= 12; ++k)
    EXPECT_NEAR(h.Kusp[static_cast<std::size_t>(k)], Norm360(h.Kusp[1] + 30.0 * (k - 1)), 1e-6)
        << "cusp " << k;
  EXPECT_FALSE(h.Porphyrius);

  // Placidus is undefined at 70 degrees north: Porphyry takes its place and says so.
  Instellingen.HuisSys = HuisSysteemPlacidus;
  ASSERT_TRUE(h.Bereken());
  EXPECT_TRUE(h.Porphyrius);
}

TEST_F(HoroskoopTest, AJulianChartShowsItsUniversalTimeDateInTheGregorianCalendar) {
  THoroskoop h(SoortNatal);
  ZetMoment(h, {1, 1, 1800}, {12, 0, 0}, false, {}, false);
  ASSERT_TRUE(h.Bereken());
  EXPECT_EQ(h.UTDatum, (TDatumRec{12, 1, 1800}));
  EXPECT_EQ(h.UTTijd, (TTijdRec{12, 0, 0}));
  EXPECT_EQ(h.Data.Datum, (TDatumRec{1, 1, 1800}));
  EXPECT_NEAR(h.UT + JD50Verschuiving, 2378508.0, 1e-9);
}

TEST_F(HoroskoopTest, BerekenMomentIsBerekenAtADayNumber) {
  THoroskoop h(SoortNatal), m(SoortNatal);
  ZetMoment(h, {13, 8, 2004}, {9, 41, 9}, false, {});
  h.Data.Plaats = {"", -33.52f, 151.13f, "", 0};
  m.Data.Plaats = h.Data.Plaats;
  ASSERT_TRUE(h.Bereken());
  ASSERT_TRUE(m.BerekenMoment(h.UT));
  EXPECT_EQ(m.UTDatum, h.UTDatum);
  EXPECT_EQ(m.UTTijd, h.UTTijd);
  EXPECT_EQ(m.BewaardUT, h.UT);
  EXPECT_EQ(m.Sterretijd, h.Sterretijd);
  EXPECT_EQ(m.Kusp, h.Kusp);
  EXPECT_EQ(m.PlaLengte, h.PlaLengte);
  EXPECT_EQ(m.Element, h.Element);
}

TEST_F(HoroskoopTest, AFailingBodyStopsTheChartWithTheEphemerisMessage) {
  THoroskoop h(SoortNatal);
  ZetMoment(h, {1, 1, 1500}, {0, 0, 0}, false, {});   // no ephemeris file for 1500
  EXPECT_FALSE(h.Bereken());
  EXPECT_FALSE(h.Berekend);
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].tekst, Vertaal("FoutEfem"));
  EXPECT_EQ(ui.meldingen[0].titel, Vertaal("Opgelet"));
  // The Sun to Mars come from the terms; Jupiter (slot 5) is the first from the files, and the
  // slots after it are not calculated.
  for (int slot = 0; slot < 5; ++slot) EXPECT_NE(h.PlaAfstand[static_cast<std::size_t>(slot)], 0) << slot;
  for (int slot = 5; slot < AantalSlots; ++slot)
    EXPECT_EQ(h.PlaAfstand[static_cast<std::size_t>(slot)], 0) << slot;
  for (float e : h.Element) EXPECT_EQ(e, 0.0f);

  // A later success clears the failure.
  ZetMoment(h, {1, 1, 2000}, {0, 0, 0}, false, {});
  EXPECT_TRUE(h.Bereken());
  EXPECT_EQ(ui.meldingen.size(), 1u);
}

}  // namespace
}  // namespace orvan
