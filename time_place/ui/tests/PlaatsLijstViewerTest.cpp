// The place browser widget: typed keys reach the list, the line shows the matched part, Insert
// stores or uses a new place, and a given place that is not in the list is shown as current.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/tests/PlaatsLijstHulp.h"
#include "time_place/ui/GeoEdit.h"
#include "time_place/ui/NieuwePlaatsDialoog.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {
namespace {

using test::Namen;
using test::Plaats;

class PlaatsLijstViewerTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    test::MaakLijst(map.Pad(), {Plaats("Aarau (CH)", 47.23f, 8.03f, "ZURICH"),
                                Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                                Plaats("Springfield (US-IL)", 39.48f, -89.39f, "CHICAGO"),
                                Plaats("Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO"),
                                Plaats("Zaandam (NL)", 52.26f, 4.49f, "AMSTERDA"),
                                Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "BERLIN"),
                                Plaats("Zwolle (NL)", 52.31f, 6.05f, "AMSTERDA")});
    viewer = std::make_unique<TPlaatsLijstViewer>();
  }
  void TearDown() override { viewer.reset(); }

  std::string Naam() const { return viewer->HuidigePlaats().Naam; }

  test::TOpnameInteraktie interaktie;
  std::unique_ptr<TPlaatsLijstViewer> viewer;
};

TEST_F(PlaatsLijstViewerTest, OpensOnTheFirstPlaceInAFixedPitchFont) {
  EXPECT_EQ(Naam(), "Aarau (CH)");
  EXPECT_EQ(viewer->text().toStdString(), PlaatsRegel(viewer->HuidigePlaats()));
  EXPECT_TRUE(viewer->isReadOnly());
  EXPECT_TRUE(QFontInfo(viewer->font()).fixedPitch())
      << QFontInfo(viewer->font()).family().toStdString();
  const QFontMetrics fm(viewer->font());
  EXPECT_GE(viewer->sizeHint().width(), fm.horizontalAdvance(viewer->text()));
  EXPECT_GE(viewer->minimumSizeHint().width(), fm.horizontalAdvance(QString(35, QLatin1Char('M'))));
}

TEST_F(PlaatsLijstViewerTest, TypingZurLandsOnZurichWithTheMatchSelected) {
  QSignalSpy gewijzigd(viewer.get(), &TPlaatsLijstViewer::PlaatsGewijzigd);
  QTest::keyClicks(viewer.get(), "zur");
  EXPECT_EQ(Naam(), "Zürich (CH)");
  EXPECT_EQ(viewer->HuidigePlaats().Zone, "BERLIN") << "the first of the two by zone";
  EXPECT_EQ(viewer->selectedText().toStdString(), "Zür");
  EXPECT_EQ(viewer->selectionStart(), 0);
  EXPECT_GE(gewijzigd.count(), 1);

  // An accented letter types its folded form; Backspace and Home shorten the match.
  viewer->ZoekOp(QStringLiteral("Z"));
  QKeyEvent ue(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QStringLiteral("ü"));
  QApplication::sendEvent(viewer.get(), &ue);
  EXPECT_EQ(Naam(), "Zug (CH)");
  EXPECT_EQ(viewer->selectedText().toStdString(), "Zu");
  QTest::keyClick(viewer.get(), Qt::Key_R);
  EXPECT_EQ(viewer->selectedText().toStdString(), "Zür");
  QTest::keyClick(viewer.get(), Qt::Key_Backspace);
  EXPECT_EQ(viewer->selectedText().toStdString(), "Zü");
  QTest::keyClick(viewer.get(), Qt::Key_Left);
  EXPECT_EQ(viewer->selectedText().toStdString(), "Z");
  QTest::keyClick(viewer.get(), Qt::Key_Home);
  EXPECT_FALSE(viewer->hasSelectedText());
}

TEST_F(PlaatsLijstViewerTest, ArrowKeysMoveAndCtrlDeleteMarksInRed) {
  QTest::keyClicks(viewer.get(), "zw");
  ASSERT_EQ(Naam(), "Zwolle (NL)");
  QTest::keyClick(viewer.get(), Qt::Key_Up);
  EXPECT_EQ(viewer->HuidigePlaats().Zone, "ZURICH");
  viewer->Omhoog();
  EXPECT_EQ(Naam(), "Zürich (CH)");
  EXPECT_EQ(viewer->HuidigePlaats().Zone, "BERLIN");
  viewer->Omlaag();
  QTest::keyClick(viewer.get(), Qt::Key_Down);
  EXPECT_EQ(Naam(), "Zwolle (NL)");
  QTest::keyClick(viewer.get(), Qt::Key_Right);
  QTest::keyClick(viewer.get(), Qt::Key_End);
  EXPECT_EQ(Naam(), "Zwolle (NL)");

  QTest::keyClick(viewer.get(), Qt::Key_Delete);  // without Ctrl nothing happens
  EXPECT_EQ(viewer->HuidigePlaats().Gewist, 0);
  QTest::keyClick(viewer.get(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(viewer->HuidigePlaats().Gewist, 1);
  EXPECT_EQ(viewer->palette().color(QPalette::Text), QColor(Qt::red));
  viewer->Omhoog();
  EXPECT_EQ(viewer->palette().color(QPalette::Text), QColor(Qt::black));

  viewer.reset();  // closing compacts the list
  EXPECT_EQ(Namen(map.Pad()).size(), 8u);
  EXPECT_EQ(Namen(map.Pad()).back(), "Zürich (CH)");
}

TEST_F(PlaatsLijstViewerTest, InsertStoresUsesOnceOrCancels) {
  const PlaatsRec nieuw = Plaats("Zeist (NL)", 52.05f, 5.14f, "AMSTERDA");
  struct TGeval {
    const char* naam;
    std::uint8_t kode;
    std::size_t aantal;  // places in the list afterwards
    bool inLijst;        // the browser stands on the new place in the list
    std::string huidig;  // the current place afterwards
  };
  const TGeval gevallen[] = {
      {"store", InvoerBewaren, 10, true, "Zeist (NL)"},
      {"this horoscope only", InvoerEenmalig, 9, false, "Zeist (NL)"},
      {"cancel", InvoerGeannuleerd, 9, false, "Zaandam (NL)"},
  };
  for (const TGeval& g : gevallen) {
    test::MaakLijst(map.Pad(), {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                                Plaats("Zaandam (NL)", 52.26f, 4.49f, "AMSTERDA"),
                                Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "BERLIN"),
                                Plaats("Zwolle (NL)", 52.31f, 6.05f, "AMSTERDA"),
                                Plaats("Aarau (CH)", 47.23f, 8.03f, "ZURICH"),
                                Plaats("Springfield (US-IL)", 39.48f, -89.39f, "CHICAGO"),
                                Plaats("Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO")});
    const std::string voor = test::LeesInhoud(map.Pad() + PlaatsBestandNaam);
    viewer = std::make_unique<TPlaatsLijstViewer>();
    std::vector<double> voortgang;
    viewer->OnBewarenBezig = [&](double p) { voortgang.push_back(p); };
    PlaatsRec sjabloon;
    viewer->OnNieuwePlaats = [&](PlaatsRec& p, std::uint8_t& kode) {
      sjabloon = p;
      p = nieuw;
      kode = g.kode;
    };
    QTest::keyClicks(viewer.get(), "zaa");
    QSignalSpy gewijzigd(viewer.get(), &TPlaatsLijstViewer::PlaatsGewijzigd);
    QTest::keyClick(viewer.get(), Qt::Key_Insert);
    EXPECT_EQ(sjabloon.Naam, "Zaandam (NL)") << g.naam << ": the current place is the template";
    EXPECT_EQ(Naam(), g.huidig) << g.naam;
    EXPECT_EQ(viewer->ToontEigenPlaats(), g.kode == InvoerEenmalig) << g.naam;
    EXPECT_EQ(viewer->text().toStdString(), PlaatsRegel(viewer->HuidigePlaats())) << g.naam;
    EXPECT_EQ(gewijzigd.count(), g.kode == InvoerGeannuleerd ? 0 : 1) << g.naam;
    if (g.inLijst) {
      EXPECT_EQ(viewer->PlaatsModel().HuidigeRec().Naam, "Zeist (NL)") << g.naam;
      ASSERT_FALSE(voortgang.empty()) << g.naam;
      EXPECT_EQ(voortgang.front(), -1) << g.naam;
      EXPECT_EQ(voortgang.back(), 100) << g.naam;
    }
    viewer.reset();
    EXPECT_EQ(Namen(map.Pad()).size(), g.aantal) << g.naam;
    if (!g.inLijst)
      EXPECT_EQ(test::LeesInhoud(map.Pad() + PlaatsBestandNaam), voor) << g.naam;
    else
      EXPECT_EQ(Namen(map.Pad())[5], "Zeist (NL)") << g.naam;
  }
}

TEST_F(PlaatsLijstViewerTest, InsertOpensTheNewPlaceDialogByDefault) {
  QTest::keyClicks(viewer.get(), "zw");
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TNieuwePlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->NaamEdit()->Tekst(), "Zwolle (NL)") << "the current place is the template";
    dlg->NaamEdit()->setText(QStringLiteral("  Zwijndrecht (NL) "));
    dlg->BreedteEdit()->setText(QStringLiteral("51N49"));
    dlg->LengteEdit()->setText(QStringLiteral("4E39"));
    dlg->BewaarBox()->setChecked(true);
    dlg->accept();
  });
  QTest::keyClick(viewer.get(), Qt::Key_Insert);
  const PlaatsRec p = viewer->HuidigePlaats();
  EXPECT_EQ(p.Naam, "Zwijndrecht (NL)");
  EXPECT_FLOAT_EQ(p.Breedte, 51.49f);
  EXPECT_FLOAT_EQ(p.Lengte, 4.39f);
  EXPECT_EQ(p.Zone, "AMSTERDA");
  EXPECT_FALSE(viewer->ToontEigenPlaats());
  EXPECT_EQ(viewer->PlaatsModel().Aantal(), 10);
}

TEST_F(PlaatsLijstViewerTest, ToonPlaatsShowsAPlaceNotInTheListAsCurrent) {
  QSignalSpy gewijzigd(viewer.get(), &TPlaatsLijstViewer::PlaatsGewijzigd);
  const PlaatsRec eigen = Plaats("Zuidbroek (NL)", 53.10f, 6.52f, "AMSTERDA");
  viewer->ToonPlaats(eigen);
  EXPECT_TRUE(viewer->ToontEigenPlaats());
  EXPECT_EQ(Naam(), "Zuidbroek (NL)");
  EXPECT_FLOAT_EQ(viewer->HuidigePlaats().Breedte, 53.10f);
  EXPECT_EQ(viewer->text().toStdString(), PlaatsRegel(eigen));
  EXPECT_EQ(gewijzigd.count(), 1);

  // Typing a letter or a key moves in the list again.
  QTest::keyClick(viewer.get(), Qt::Key_Down);
  EXPECT_FALSE(viewer->ToontEigenPlaats());
  EXPECT_NE(Naam(), "Zuidbroek (NL)");

  // A place of the list is shown from the list: the entry of its name, zone and coordinates.
  viewer->ToonPlaats(Plaats("Zürich (CH)", 47.22f, 8.33f, "zurich"));
  EXPECT_FALSE(viewer->ToontEigenPlaats());
  EXPECT_EQ(viewer->HuidigePlaats().Zone, "ZURICH");
  viewer->ToonPlaats(Plaats("Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO"));
  EXPECT_EQ(Naam(), "Springfield (US-MO)");
  EXPECT_FALSE(viewer->ToontEigenPlaats());

  // A stored chart whose place the list holds with other coordinates or another zone keeps its
  // own: taking the list's would change the chart's data on OK without the user asking.
  for (const PlaatsRec& eigen2 : {Plaats("Zürich (CH)", 47.23f, 8.33f, "ZURICH"),
                                  Plaats("Zürich (CH)", 47.22f, 8.33f, "")}) {
    viewer->ToonPlaats(eigen2);
    EXPECT_TRUE(viewer->ToontEigenPlaats()) << eigen2.Breedte << " " << eigen2.Zone;
    EXPECT_FLOAT_EQ(viewer->HuidigePlaats().Breedte, eigen2.Breedte);
    EXPECT_EQ(viewer->HuidigePlaats().Zone, eigen2.Zone);
  }
}

TEST_F(PlaatsLijstViewerTest, ComingInByMouseOrTabStartsANewName) {
  // The standard place is shown; the user clicks into the browser and types another place.
  viewer->ToonPlaats(Plaats("Zwolle (NL)", 0, 0, "AMSTERDA"));
  QFocusEvent muis(QEvent::FocusIn, Qt::MouseFocusReason);
  QApplication::sendEvent(viewer.get(), &muis);
  EXPECT_EQ(Naam(), "Zwolle (NL)") << "coming in alone moves nothing";
  QTest::keyClicks(viewer.get(), "ams");
  EXPECT_EQ(Naam(), "Amsterdam (NL)");

  // Focus given by the program itself keeps the typed name, so typing goes on.
  QFocusEvent ander(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(viewer.get(), &ander);
  QTest::keyClicks(viewer.get(), "t");
  EXPECT_EQ(viewer->selectedText().toStdString(), "Amst");

  QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(viewer.get(), &tab);
  QTest::keyClicks(viewer.get(), "zw");
  EXPECT_EQ(Naam(), "Zwolle (NL)");
}

TEST_F(PlaatsLijstViewerTest, AnEmptyListShowsNothing) {
  viewer.reset();
  test::MaakLijst(map.Pad(), {});
  viewer = std::make_unique<TPlaatsLijstViewer>();
  EXPECT_TRUE(viewer->text().isEmpty());
  EXPECT_TRUE(Naam().empty());
  QTest::keyClicks(viewer.get(), "abc");
  QTest::keyClick(viewer.get(), Qt::Key_Down);
  EXPECT_TRUE(Naam().empty());
}

}  // namespace
}  // namespace orvan
