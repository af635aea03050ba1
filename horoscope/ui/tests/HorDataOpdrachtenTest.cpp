// The data buttons of the navigation page: the natal chart, its event (new when none is loaded)
// and the partner chart (new when never calculated) are edited in the horoscope data dialog,
// calculated again on OK and shown on the page; Cancel changes nothing.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "astro/PlaCalculator.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/Q4HorDataDialoog.h"
#include "shell/Instellingen.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

class HorDataOpdrachtenTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    HerstelPlaCalculator();
    ASSERT_TRUE(StartPlaCalculator());
    HerstelInstellingen();
    Instellingen.StdPlaats = PlaatsRec{"Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA", 0};
    StopAktieveHoroskopen();
    StartAktieveHoroskopen();
    TOrvanHoroskoop& n = AktieveHoroskopen().Natal();
    n.Data.Name = "Anna";
    n.Data.Datum = {1, 7, 2000};
    n.Data.Tijd = {12, 0, 0};
    n.Data.Verschil = {2, 0, 0};
    n.Data.Plaats = Instellingen.StdPlaats;
    n.Geladen = true;
    ASSERT_TRUE(n.Bereken());
    nav = std::make_unique<TFQ5HorNavigatie>();
  }
  void TearDown() override {
    nav.reset();
    StopAktieveHoroskopen();
    HerstelInstellingen();
    HerstelPlaCalculator();
  }

  // Clicks the button and runs `actie` on the data dialog it opens.
  void Klik(const char* knop, std::function<void(TQ4HorDataDialoogForm&)> actie) {
    QPushButton* k = nav->Knop(knop);
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(k->isEnabled()) << knop;
    const auto gezien = test::BijModaalDialoog(actie);
    k->click();
    EXPECT_TRUE(*gezien) << knop;
  }

  // A name in universal time (no lookup) and OK.
  static std::function<void(TQ4HorDataDialoogForm&)> Noem(const char* naam, int modus,
                                                           bool leeg) {
    return [naam, modus, leeg](TQ4HorDataDialoogForm& dlg) {
      EXPECT_EQ(dlg.Modus(), modus);
      EXPECT_EQ(dlg.NaamEdit()->text().isEmpty(), leeg);
      dlg.NaamEdit()->setText(naam);
      dlg.TijdSoortGroep()->button(1)->click();
      dlg.BewaarBox()->setChecked(false);
      dlg.accept();
    };
  }

  std::string Omschrijving(TFQ5HorNavigatie::TRij rij) const {
    return nav->OmschrijvingLabel(rij)->text().toStdString();
  }

  test::TOpnameInteraktie interaktie;
  std::unique_ptr<TFQ5HorNavigatie> nav;
};

TEST_F(HorDataOpdrachtenTest, TheNatalChartIsCalculatedAgainAndShownAfterOk) {
  TOrvanHoroskoop& n = AktieveHoroskopen().Natal();
  const double oudUT = n.UT;
  Klik("AktHorWijzigGegBtn", Noem("Bert", HorDataNatal, false));
  EXPECT_TRUE(n.Berekend);
  EXPECT_NEAR(n.UT - oudUT, 2.0 / 24, 1e-9);   // 12:00 is now universal time
  EXPECT_EQ(Omschrijving(TFQ5HorNavigatie::RijNatal).rfind("Bert", 0), 0u);

  Klik("AktHorWijzigGegBtn", [](TQ4HorDataDialoogForm& dlg) {
    dlg.NaamEdit()->setText("Cor");
    dlg.reject();
  });
  EXPECT_EQ(n.Data.Name, "Bert");
  EXPECT_EQ(Omschrijving(TFQ5HorNavigatie::RijNatal).rfind("Bert", 0), 0u);
  EXPECT_TRUE(interaktie.meldingen.empty());
}

TEST_F(HorDataOpdrachtenTest, TheEventAndThePartnerStartNewAndAreCalculatedAfterOk) {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  Klik("MomentWijzigGegBtn", Noem("Reis", HorDataEvent, true));
  EXPECT_TRUE(akt.Natal().EventGeladen);
  EXPECT_TRUE(akt.Natal().Transit().Berekend);
  EXPECT_EQ(Omschrijving(TFQ5HorNavigatie::RijMoment).rfind("Reis", 0), 0u);
  // A loaded event is edited, not replaced.
  Klik("MomentWijzigGegBtn", Noem("Reis 2", HorDataEvent, false));
  EXPECT_EQ(akt.Natal().Transit().Data.Name, "Reis 2");

  Klik("PartnerWijzigBtn", Noem("Carl", HorDataNatal, true));
  EXPECT_TRUE(akt.Partner().Berekend);
  EXPECT_TRUE(akt.Partner().Geladen);
  EXPECT_EQ(Omschrijving(TFQ5HorNavigatie::RijPartner).rfind("Carl", 0), 0u);
  Klik("PartnerWijzigBtn", Noem("Carla", HorDataNatal, false));
  EXPECT_EQ(akt.Partner().Data.Name, "Carla");
  EXPECT_EQ(akt.Natal().Data.Name, "Anna");
  EXPECT_TRUE(interaktie.meldingen.empty());
}

}  // namespace
}  // namespace orvan
