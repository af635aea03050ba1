// The natal selection page over a database in the program folder: the grid in index order, the
// search and find-next, and the choice of the active natal chart.

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QDate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/ui/GebHorSelektie.h"
#include "database/ui/HorTabelModel.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFRapport.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {
namespace {

THorData Geboorte(const std::string& naam, int jaar, int maand, int dag, const std::string& steekwoorden = "") {
  THorData d;
  d.Name = naam;
  d.Datum = {static_cast<std::int16_t>(dag), static_cast<std::int16_t>(maand), static_cast<std::int16_t>(jaar)};
  d.Tijd = {12, 0, 0};
  d.Verschil = {1, 0, 0};
  d.Plaats.Naam = "Amsterdam";
  d.Plaats.Breedte = 52.22f;
  d.Plaats.Lengte = 4.53f;
  d.Plaats.Zone = "MET";
  d.KeyWords = steekwoorden;
  return d;
}

class GebHorSelektieTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    StartAktieveHoroskopen();
    // A database of its own for each test, in the program folder.
    const std::string naam = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(dm_.OpenDatabank(ProgrammaMap() + naam + ".hor/"));
    // Stored in this order: InputNr order differs from name and date order.
    for (const auto& d : {Geboorte("Maria", 1950, 6, 1, "singer"), Geboorte("Anton", 1970, 3, 2),
                          Geboorte("Zeno", 1930, 12, 24, "painter; singer"),
                          Geboorte("Bert", 1990, 8, 9)}) {
      std::int32_t nr = -1;
      ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, d, -1, nr)) << dm_.GebTabel.LaatsteFout();
      nrs_.push_back(nr);
    }
    KoppelHoroskoop(AktieveHoroskopen().Natal(), dm_);
    pagina_ = std::make_unique<TFQ5GebHorSelektie>(dm_);
    pagina_->Toon(0, false);
  }
  void TearDown() override {
    pagina_.reset();
    dm_.Sluit();
    StopAktieveHoroskopen();
  }

  // The names in the grid's rows, top to bottom.
  std::vector<std::string> GridNamen() const {
    std::vector<std::string> namen;
    auto* m = pagina_->Grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
      namen.push_back(m->data(m->index(r, VeldName)).toString().toStdString());
    return namen;
  }
  // The name in the grid's current row.
  std::string GridHuidig() const {
    const QModelIndex i = pagina_->Grid()->selectionModel()->currentIndex();
    if (!i.isValid()) return "(none)";
    auto* m = pagina_->Grid()->model();
    return m->data(m->index(i.row(), VeldName)).toString().toStdString();
  }

  TOpnameInteraktie interaktie_;
  TQ4DataModule dm_;
  std::vector<std::int32_t> nrs_;
  std::unique_ptr<TFQ5GebHorSelektie> pagina_;
};

TEST_F(GebHorSelektieTest, GridShowsRecordsInTheOrderOfTheChosenIndex) {
  struct Geval {
    const char* naam;
    int orde;
    std::vector<std::string> verwacht;
  };
  const Geval gevallen[] = {
      {"name (initial order)", -1, {"Anton", "Bert", "Maria", "Zeno"}},
      {"input number", TFQ5GebHorSelektie::OrdeInvoerNr, {"Maria", "Anton", "Zeno", "Bert"}},
      {"date and time", TFQ5GebHorSelektie::OrdeDatumTijd, {"Zeno", "Maria", "Anton", "Bert"}},
      {"name again", TFQ5GebHorSelektie::OrdeNaam, {"Anton", "Bert", "Maria", "Zeno"}},
  };
  for (const Geval& g : gevallen) {
    if (g.orde >= 0) pagina_->IndexSelektor()->button(g.orde)->click();
    EXPECT_EQ(GridNamen(), g.verwacht) << g.naam;
    EXPECT_EQ(dm_.GebTabel.RecNr(), 0) << g.naam << ": a changed order starts at the first record";
    EXPECT_EQ(GridHuidig(), g.verwacht.front()) << g.naam;
  }
}

TEST_F(GebHorSelektieTest, GridShowsTheVisibleColumnsWithTheirTitles) {
  QTableView* grid = pagina_->Grid();
  EXPECT_FALSE(grid->isColumnHidden(VeldInputNr));
  EXPECT_FALSE(grid->isColumnHidden(VeldName));
  EXPECT_FALSE(grid->isColumnHidden(VeldPlace));
  for (int v = VeldDateY; v <= VeldClockTime; ++v) EXPECT_FALSE(grid->isColumnHidden(v)) << v;
  for (int v : {VeldSName, VeldKeyWords, VeldInfo, VeldLat, VeldLong, VeldZone, VeldSex, VeldSelekt})
    EXPECT_TRUE(grid->isColumnHidden(v)) << v;
  auto* m = grid->model();
  EXPECT_EQ(m->headerData(VeldName, Qt::Horizontal).toString().toStdString(), Vertaal("Naam"));
  EXPECT_EQ(m->headerData(VeldDateY, Qt::Horizontal).toString().toStdString(), Vertaal("Jaar"));
  EXPECT_EQ(pagina_->TitelLabel()->text().toStdString(), Vertaal("Geboortegegevens") + " (n=4)");
}

TEST_F(GebHorSelektieTest, GridFollowsARecordAddedToTheTable) {
  std::int32_t nr = -1;
  ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, Geboorte("Carla", 1980, 1, 1), -1, nr));
  EXPECT_EQ(GridNamen(), (std::vector<std::string>{"Anton", "Bert", "Carla", "Maria", "Zeno"}));
}

TEST_F(GebHorSelektieTest, BirthdayOrderStandsOnTheLastBirthdayBeforeToday) {
  std::int32_t nr = -1;
  ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, Geboorte("Carla", 1980, 1, 1), -1, nr));
  // Birthday order: Carla 1 Jan, Anton 2 Mar, Maria 1 Jun, Bert 9 Aug, Zeno 24 Dec.
  struct Geval {
    const char* naam;
    QDate vandaag;
    std::string verwacht;
  };
  const Geval gevallen[] = {
      {"1 January, the earliest birthday: the first record", QDate(2026, 1, 1), "Carla"},
      {"a birthday today is not before today", QDate(2026, 6, 1), "Anton"},
      {"between two birthdays", QDate(2026, 6, 5), "Maria"},
      {"31 December: the last record", QDate(2026, 12, 31), "Zeno"},
  };
  for (const Geval& g : gevallen) {
    pagina_->Vandaag = [&g] { return g.vandaag; };
    pagina_->IndexSelektor()->button(TFQ5GebHorSelektie::OrdeNaam)->click();
    pagina_->IndexSelektor()->button(TFQ5GebHorSelektie::OrdeVerjaardag)->click();
    EXPECT_EQ(GridNamen(), (std::vector<std::string>{"Carla", "Anton", "Maria", "Bert", "Zeno"})) << g.naam;
    EXPECT_EQ(GridHuidig(), g.verwacht) << g.naam;
  }
}

TEST_F(GebHorSelektieTest, TypingSearchesFromTheFirstRecordAndFindNextMovesOn) {
  pagina_->IndexSelektor()->button(TFQ5GebHorSelektie::OrdeInvoerNr)->click();
  dm_.GebTabel.Laatste();
  QTest::keyClicks(pagina_->ZoekEdit(), "mar");
  EXPECT_EQ(GridHuidig(), "Maria") << "typing the first record's name finds the first record";

  // On keyword: "singer" occurs in Maria (current) and Zeno.
  pagina_->ZoekOp()->button(TFQ5GebHorSelektie::ZoekOpSteekwoord)->click();
  pagina_->ZoekEdit()->setText("SING");
  pagina_->ZoekKnop()->click();
  EXPECT_EQ(GridHuidig(), "Zeno") << "find next starts after the current record";
  pagina_->ZoekKnop()->click();
  EXPECT_EQ(GridHuidig(), "Zeno") << "nothing further: the grid stays where the search began";

  pagina_->ZoekEdit()->setText("nowhere");
  pagina_->ZoekKnop()->click();
  EXPECT_EQ(GridHuidig(), "Zeno");
}

TEST_F(GebHorSelektieTest, KeysInTheSearchBoxMoveTheGrid) {
  QLineEdit* zoek = pagina_->ZoekEdit();
  QTest::keyClick(zoek, Qt::Key_End);
  EXPECT_EQ(GridHuidig(), "Zeno");
  QTest::keyClick(zoek, Qt::Key_Up);
  EXPECT_EQ(GridHuidig(), "Maria");
  QTest::keyClick(zoek, Qt::Key_Home);
  EXPECT_EQ(GridHuidig(), "Anton");
  QTest::keyClick(zoek, Qt::Key_PageDown);
  EXPECT_EQ(GridHuidig(), "Zeno") << "ten forward stops at the last record";
  EXPECT_TRUE(zoek->text().isEmpty()) << "the keys are consumed";
}

TEST_F(GebHorSelektieTest, SelectAsActiveLoadsAndCalculatesTheChart) {
  int gekozen = 0;
  pagina_->AktHorGekozen = [&] { ++gekozen; };
  QTest::keyClicks(pagina_->ZoekEdit(), "Zeno");
  pagina_->SelAktHorBtn()->click();

  const TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  EXPECT_EQ(gekozen, 1);
  EXPECT_EQ(natal.Data.Name, "Zeno");
  EXPECT_EQ(natal.NatalNr, nrs_[2]);
  EXPECT_TRUE(natal.Berekend);
  EXPECT_TRUE(natal.PeriodeGezet);
  EXPECT_EQ(natal.PeriodeLengte, AktievePeriodeDagen);
  EXPECT_TRUE(interaktie_.meldingen.empty()) << "no report exists: nothing is asked";

  // Refreshing puts the grid on the active chart's record.
  dm_.GebTabel.Eerste();
  pagina_->Ververs();
  EXPECT_EQ(GridHuidig(), "Zeno");
}

TEST_F(GebHorSelektieTest, AReportWithOutputIsAskedAboutBeforeTheChartIsActivated) {
  struct Geval {
    const char* naam;
    TAntwoord antwoord;
    bool gekozen;
    bool rapportBlijft;
  };
  const Geval gevallen[] = {
      {"cancel stops", TAntwoord::Annuleer, false, true},
      {"no keeps the report", TAntwoord::Nee, true, true},
      {"yes empties the report", TAntwoord::Ja, true, false},
  };
  for (const Geval& g : gevallen) {
    std::filesystem::create_directories(std::filesystem::path(RapportBestand()).parent_path());
    std::ofstream(RapportBestand()) << "{\\rtf1 output}\n";
    AktieveHoroskopen().Natal().Wis();
    interaktie_.meldingen.clear();
    interaktie_.antwoorden = {g.antwoord};
    int gekozen = 0;
    pagina_->AktHorGekozen = [&] { ++gekozen; };
    pagina_->SelAktHorBtn()->click();
    ASSERT_EQ(interaktie_.meldingen.size(), 1u) << g.naam;
    EXPECT_EQ(interaktie_.meldingen[0].tekst, Vertaal("RapportLegenJaNee")) << g.naam;
    EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "UitvoerViaRapport") << g.naam;
    EXPECT_EQ(gekozen, g.gekozen ? 1 : 0) << g.naam;
    EXPECT_EQ(RapportBestaat(), g.rapportBlijft) << g.naam;
  }
  WisRapport(true);
}

}  // namespace
}  // namespace orvan::test
