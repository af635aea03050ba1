// The desktop program as it starts: modules and forms in their order, a positions report reached
// through the navigation page and shown in the text window, added to the running report, and the
// shutdown that writes the settings and deletes the temporary reports.
//
// Run under a real display with ORVAN_TEST_TOON_MS set, the test keeps the main window and the
// text window on the screen that many milliseconds each, so that they can be looked at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/StartProgramma.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFRapport.h"
#include "graphics/ui/TekstUitvoer.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/Aspekten.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/DesktopInteraktie.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/Q5Hoofd.h"
#include "shell/ui/tests/support/Modaal.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;

std::string Lees(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void ToonEven() {
  const char* ms = std::getenv("ORVAN_TEST_TOON_MS");
  if (!ms) return;
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < std::atoi(ms)) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

int AantalRtf(const std::string& map) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(map)) n += e.path().extension() == ".rtf";
  return n;
}

TEST(Programma, APositionsReportThroughTheNavigationPageJoinsTheRunningReport) {
  TDesktopInteraktie interaktie;
  ASSERT_TRUE(StartModules());
  EXPECT_EQ(HuidigeTaal, 2) << "the language of the locale";
  EXPECT_GT(AantalAspekten, 0);
  EXPECT_TRUE(fs::is_directory(TijdelijkeMap()));
  EXPECT_TRUE(fs::is_directory(RapportMap()));

  std::unique_ptr<TQ5HoofdForm> hoofd = MaakVensters(interaktie);
  test::TOpnameInteraktie ui;   // answers the close question below
  hoofd->showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(hoofd.get()));

  // The natal chart that the natal table page would make active.
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  natal.Data.Name = "Anna";
  natal.Data.Datum = {15, 3, 1970};
  natal.Data.Tijd = {12, 0, 0};
  natal.Data.Verschil = {1, 0, 0};
  natal.Data.Precisie = {0, 0, 0};
  natal.Data.Plaats = {"Amsterdam", 52.22f, 4.53f, "", 0};
  natal.Geladen = true;
  ASSERT_TRUE(natal.Bereken());
  hoofd->GeboorteGekozen();
  ASSERT_EQ(hoofd->HoofdPageControl()->currentIndex(), TQ5HoofdForm::HorStudieSheet);
  ToonEven();

  QPushButton* knop = hoofd->Navigatie()->Knop("GebBerekBtn");
  ASSERT_NE(knop, nullptr);
  ASSERT_TRUE(knop->isEnabled());
  std::string getoond;
  std::string getoondeInhoud;
  test::BijModaalVenster([&](QWidget* w) {
    auto* venster = qobject_cast<TTekstUitvoerForm*>(w);
    ASSERT_NE(venster, nullptr);
    getoond = venster->Bestand();
    getoondeInhoud = Lees(getoond);
    EXPECT_EQ(venster->HelpContext(), 3028);
    EXPECT_EQ(venster->windowTitle().toStdString(), Vertaal("TekstUitvoerVenster"));
    const QTextDocument* doc = venster->Edit()->document();
    EXPECT_TRUE(doc->toPlainText().startsWith(QLatin1String("Anna")));
    EXPECT_TRUE(doc->toPlainText().contains(QString::fromStdString(Vertaal("Huizen"))));
    int vet = 0;
    int vast = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        vet += f.fontWeight() == QFont::Bold;
        vast += f.fontFixedPitch();
      }
    EXPECT_GT(vet, 3) << "bold headings";
    EXPECT_GT(vast, 10) << "aligned columns in the fixed-pitch font";
    ToonEven();
    venster->RapportActie()->trigger();
    venster->SluitActie()->trigger();
  });
  QTest::mouseClick(knop, Qt::LeftButton);
  ASSERT_FALSE(getoond.empty()) << "the text window was shown";
  EXPECT_EQ(getoond.rfind(TijdelijkeMap(), 0), 0u);
  EXPECT_EQ(Lees(RapportMap() + "Noname.rtf"), getoondeInhoud);
  hoofd->ZetRapportMenu();
  EXPECT_TRUE(hoofd->RapportMenu()->menuAction()->isEnabled());
  EXPECT_TRUE(ui.meldingen.empty());

  // Closing: Anna was never stored, so the natal question comes; No releases her.
  QSignalSpy gesloten(hoofd.get(), &TQ5HoofdForm::Gesloten);
  ui.antwoorden = {TAntwoord::Nee};
  hoofd->StopActie()->trigger();
  EXPECT_EQ(gesloten.count(), 1);
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].tekst, Vertaal("AfsluitenAktHor"));

  const std::string map = ProgrammaMap();
  const std::string tijdelijk = TijdelijkeMap();
  hoofd.reset();
  StopProgramma();
  EXPECT_TRUE(fs::exists(map + "orvan.ini")) << "the settings are written";
  EXPECT_EQ(AantalRtf(tijdelijk), 0) << "the temporary reports are deleted";
  EXPECT_TRUE(fs::exists(map + "reports/Noname.rtf")) << "the running report stays";
}

}  // namespace
}  // namespace orvan
