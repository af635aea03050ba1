// The geographic data window: what it shows, changing the standard place, importing a text file
// of places (also one that fails) and opening a time zone table in the text editor.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/tests/PlaatsLijstHulp.h"
#include "time_place/ui/GeoInfo.h"
#include "time_place/ui/KiesPlaats.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {
namespace {

using test::Plaats;

class GeoInfoTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    bewaard_ = Instellingen.StdPlaats;
    test::MaakLijst(map.Pad(), {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                                Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH"),
                                Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH")});
    Instellingen.StdPlaats = Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH");
    venster = std::make_unique<TGeoInfoForm>();
    venster->VraagBestand = [this](const std::string& titel, const std::string& m,
                                   const std::string& filter) {
      gevraagd.push_back({titel, m, filter});
      return antwoord;
    };
    venster->OpenInEditor = [this](const std::string& pad) {
      geopend.push_back(pad);
      return openLukt;
    };
  }
  void TearDown() override {
    venster.reset();
    Instellingen.StdPlaats = bewaard_;
  }

  std::string Lijst() const { return test::LeesInhoud(map.Pad() + PlaatsBestandNaam); }
  QStringList MonitorRegels() const {
    if (!venster->Monitor()) return {};
    return venster->Monitor()->Log()->toPlainText().split(QLatin1Char('\n'));
  }
  std::string Importeer(const std::string& tekst) {
    antwoord = map.Pad() + "plaatsen.txt";
    test::SchrijfBestand(antwoord, tekst);
    QTest::mouseClick(venster->InvoerBtn(), Qt::LeftButton);
    return antwoord;
  }

  struct TVraag {
    std::string titel, map, filter;
  };
  test::TOpnameInteraktie interaktie;
  std::unique_ptr<TGeoInfoForm> venster;
  std::vector<TVraag> gevraagd;
  std::string antwoord;
  std::vector<std::string> geopend;
  bool openLukt = true;

 private:
  PlaatsRec bewaard_;
};

TEST_F(GeoInfoTest, ShowsTheFileItsPlacesAndTheStandardPlace) {
  EXPECT_EQ(venster->windowTitle().toStdString(), Vertaal("GeoInfo"));
  EXPECT_EQ(venster->BestandLabel()->text().toStdString(), "Place file: Geocoord.fil");
  EXPECT_EQ(venster->AantalLabel()->text().toStdString(), "3 places");
  EXPECT_EQ(venster->StdPlaatsLabel()->text().toStdString(), "Standard place: Zürich (CH)");
  EXPECT_EQ(venster->VeranderBtn()->text().toStdString(), Vertaal("Verander"));
  EXPECT_EQ(venster->InvoerBtn()->text().toStdString(), Vertaal("InvoerPlaatsenTxt"));
  EXPECT_EQ(venster->TijdzoneBtn()->text().toStdString(), Vertaal("BewerkTijdzonebestanden"));
}

TEST_F(GeoInfoTest, ChangeChoosesANewStandardPlace) {
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TKiesPlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->Viewer()->HuidigePlaats().Naam, "Zürich (CH)");
    // The browser stands on the name as if it were typed: Home starts a new name.
    QTest::keyClick(dlg->Viewer(), Qt::Key_Home);
    QTest::keyClicks(dlg->Viewer(), "am");
    EXPECT_EQ(dlg->Viewer()->HuidigePlaats().Naam, "Amsterdam (NL)");
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
  });
  QTest::mouseClick(venster->VeranderBtn(), Qt::LeftButton);
  EXPECT_EQ(Instellingen.StdPlaats.Naam, "Amsterdam (NL)");
  EXPECT_EQ(venster->StdPlaatsLabel()->text().toStdString(), "Standard place: Amsterdam (NL)");
}

TEST_F(GeoInfoTest, ImportMergesTheTextFileAndEchoesIt) {
  const std::string bestand = Importeer(
      "Zwolle (NL)\n52.31 6.05\nAMSTERDA\n"
      "Aarau (CH)\n47.23 8.03\nZURICH\n"  // out of order: taken in a second pass
      "Zug (CH)\n47.10 8.31\nZURICH\n");  // already in the list
  ASSERT_EQ(gevraagd.size(), 1u);
  EXPECT_EQ(gevraagd[0].titel, Vertaal("SelektPltsTxt"));
  EXPECT_EQ(gevraagd[0].filter, Vertaal("ANSItxt") + " (*.txt)");
  EXPECT_EQ(test::Namen(map.Pad()),
            (std::vector<std::string>{"Aarau (CH)", "Amsterdam (NL)", "Zug (CH)", "Zürich (CH)",
                                      "Zwolle (NL)"}));
  EXPECT_EQ(venster->AantalLabel()->text().toStdString(), "5 places");
  ASSERT_NE(venster->Monitor(), nullptr);
  EXPECT_TRUE(venster->Monitor()->windowTitle().contains(QString::fromStdString(bestand)));
  const QStringList regels = MonitorRegels();
  EXPECT_TRUE(regels.contains(QStringLiteral("Zwolle (NL)")));
  EXPECT_TRUE(regels.contains(QStringLiteral("47.23 8.03")));
  EXPECT_EQ(regels.back().toStdString(), "2 places added; the list now holds 5 places.");
  EXPECT_TRUE(venster->InvoerBtn()->isEnabled());
}

TEST_F(GeoInfoTest, AFailingImportLeavesThePlaceFileByteIdentical) {
  const std::string voor = Lijst();
  struct TGeval {
    const char* naam;
    std::string tekst;
    bool metFoutRegel;
  };
  const TGeval gevallen[] = {
      {"a name starting with a digit",
       "Zwolle (NL)\n52.31 6.05\nAMSTERDA\n1st Street\n40.00 -74.00\nNEWYORK\n", true},
      {"coordinates that cannot be read", "Zwolle (NL)\nfifty-two\nAMSTERDA\n", true},
  };
  for (const TGeval& g : gevallen) {
    Importeer(g.tekst);
    EXPECT_EQ(Lijst(), voor) << g.naam;
    EXPECT_EQ(venster->AantalLabel()->text().toStdString(), "3 places") << g.naam;
    const QStringList regels = MonitorRegels();
    ASSERT_GE(regels.size(), 2) << g.naam;
    EXPECT_EQ(regels.back().toStdString(), Vertaal("HierZitFout")) << g.naam;
    venster->Monitor()->close();
  }

  // A file that cannot be read changes nothing either.
  antwoord = map.Pad() + "missing.txt";
  QTest::mouseClick(venster->InvoerBtn(), Qt::LeftButton);
  EXPECT_EQ(Lijst(), voor);
}

TEST_F(GeoInfoTest, ClosingTheMonitorEarlyStillReportsTheResult) {
  antwoord = map.Pad() + "plaatsen.txt";
  std::string tekst;
  for (int i = 0; i < 400; ++i) tekst += "Place " + std::to_string(1000 + i) + "\n1.00 2.00\nUTC\n";
  test::SchrijfBestand(antwoord, tekst);
  bool gesloten = false;
  // The import lets the user interface run between batches of lines; the user closes the window.
  QTimer::singleShot(0, [&] {
    if (venster->Monitor()) {
      venster->Monitor()->close();
      gesloten = true;
    }
  });
  venster->InvoerPlaatsenClick();
  ASSERT_TRUE(gesloten);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "400 places added; the list now holds 403 places.");
}

TEST_F(GeoInfoTest, ACancelledChoiceDoesNothing) {
  const std::string voor = Lijst();
  antwoord.clear();
  QTest::mouseClick(venster->InvoerBtn(), Qt::LeftButton);
  QTest::mouseClick(venster->TijdzoneBtn(), Qt::LeftButton);
  EXPECT_EQ(gevraagd.size(), 2u);
  EXPECT_EQ(venster->Monitor(), nullptr);
  EXPECT_TRUE(geopend.empty());
  EXPECT_EQ(Lijst(), voor);
}

TEST_F(GeoInfoTest, EditZoneTablesOpensTheChosenTableInTheTextEditor) {
  antwoord = TijdzoneMap() + "TORONTO.uur";
  QTest::mouseClick(venster->TijdzoneBtn(), Qt::LeftButton);
  ASSERT_EQ(gevraagd.size(), 1u);
  EXPECT_EQ(gevraagd[0].titel, Vertaal("SelektTijdzoneBest"));
  EXPECT_EQ(gevraagd[0].map, TijdzoneMap());
  EXPECT_NE(gevraagd[0].filter.find("(*.uur)"), std::string::npos) << gevraagd[0].filter;
  EXPECT_EQ(geopend, std::vector<std::string>{antwoord});
  EXPECT_TRUE(interaktie.meldingen.empty());

  openLukt = false;
  QTest::mouseClick(venster->TijdzoneBtn(), Qt::LeftButton);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, Vertaal("TijdzoneNietGeopend") + " " + antwoord);
}

}  // namespace
}  // namespace orvan
