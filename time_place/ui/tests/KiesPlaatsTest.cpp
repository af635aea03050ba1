// The place selection dialog and its standard-place mode.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/tests/PlaatsLijstHulp.h"
#include "time_place/ui/KiesPlaats.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {
namespace {

using test::Plaats;

class KiesPlaatsTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    bewaard_ = Instellingen.StdPlaats;
    test::MaakLijst(map.Pad(), {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                                Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"),
                                Plaats("Zwolle (NL)", 52.31f, 6.05f, "AMSTERDA")});
    Instellingen.StdPlaats = Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH");
  }
  void TearDown() override { Instellingen.StdPlaats = bewaard_; }

  test::TOpnameInteraktie interaktie;

 private:
  PlaatsRec bewaard_;
};

TEST_F(KiesPlaatsTest, TheStandardPlaceModeStartsOnItAndOkStoresTheNewOne) {
  std::string titel, label, start;
  test::BijModaalVenster([&](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    titel = dlg->windowTitle().toStdString();
    label = dlg->Label()->text().toStdString();
    start = dlg->Viewer()->HuidigePlaats().Naam;
    QTest::keyClick(dlg->Viewer(), Qt::Key_Home);
    QTest::keyClicks(dlg->Viewer(), "zw");
    dlg->accept();
  });
  EXPECT_TRUE(KiesStandaardPlaats());
  EXPECT_EQ(titel, "Standard place");
  EXPECT_EQ(label, Vertaal("SelekteerStdPlts"));
  EXPECT_EQ(start, "Zürich (CH)");
  EXPECT_EQ(Instellingen.StdPlaats.Naam, "Zwolle (NL)");
  EXPECT_FLOAT_EQ(Instellingen.StdPlaats.Breedte, 52.31f);
  EXPECT_FLOAT_EQ(Instellingen.StdPlaats.Lengte, 6.05f);
  EXPECT_EQ(Instellingen.StdPlaats.Zone, "AMSTERDA");
}

TEST_F(KiesPlaatsTest, CancelKeepsTheStandardPlace) {
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    QTest::keyClick(dlg->Viewer(), Qt::Key_Home);
    QTest::keyClicks(dlg->Viewer(), "am");
    ASSERT_EQ(dlg->Viewer()->HuidigePlaats().Naam, "Amsterdam (NL)");
    dlg->reject();
  });
  EXPECT_FALSE(KiesStandaardPlaats());
  EXPECT_EQ(Instellingen.StdPlaats.Naam, "Zürich (CH)");
  EXPECT_EQ(Instellingen.StdPlaats.Zone, "ZURICH");
}

TEST_F(KiesPlaatsTest, AStandardPlaceNotInTheListIsShownAndKept) {
  Instellingen.StdPlaats = Plaats("Nowhere (XX)", 10.30f, -20.15f, "UTC");
  PlaatsRec getoond;
  test::BijModaalVenster([&](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    getoond = dlg->Viewer()->HuidigePlaats();
    dlg->accept();
  });
  EXPECT_TRUE(KiesStandaardPlaats());
  EXPECT_EQ(getoond.Naam, "Nowhere (XX)");
  EXPECT_EQ(Instellingen.StdPlaats.Naam, "Nowhere (XX)");
  EXPECT_FLOAT_EQ(Instellingen.StdPlaats.Lengte, -20.15f);
  EXPECT_EQ(Instellingen.StdPlaats.Zone, "UTC");
}

TEST_F(KiesPlaatsTest, OtherCallersGiveTheirOwnTextsAndGetThePlace) {
  PlaatsRec p = Plaats("Zug (CH)", 0, 0, "ZURICH");
  std::string titel, label;
  test::BijModaalVenster([&](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    titel = dlg->windowTitle().toStdString();
    label = dlg->Label()->text().toStdString();
    dlg->Viewer()->Omlaag();
    dlg->accept();
  });
  EXPECT_TRUE(KiesPlaats(p, TaalSleutel("NieuwePlaats"), TaalSleutel("PlaatsNaam")));
  EXPECT_EQ(titel, Vertaal("NieuwePlaats"));
  EXPECT_EQ(label, Vertaal("PlaatsNaam"));
  EXPECT_EQ(p.Naam, "Zürich (CH)");
  EXPECT_FLOAT_EQ(p.Breedte, 47.22f);
}

TEST_F(KiesPlaatsTest, OkWithoutAnyPlaceStaysOpen) {
  test::MaakLijst(map.Pad(), {});
  Instellingen.StdPlaats = PlaatsRec{};
  bool bleefOpen = false;
  test::BijModaalVenster([&](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->accept();
    bleefOpen = dlg->isVisible();
    dlg->reject();
  });
  EXPECT_FALSE(KiesStandaardPlaats());
  EXPECT_TRUE(bleefOpen);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, Vertaal("GeenPlaatsGekozen"));
}

}  // namespace
}  // namespace orvan
