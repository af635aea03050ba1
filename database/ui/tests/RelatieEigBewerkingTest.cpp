// The relationships page over a database in the program folder: the grid and its captions, the
// enabled states, adding and deleting relationships, the choice of both charts, and its place in
// the main window.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest/QTest>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "database/tests/DatabankFixture.h"
#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/RelatieLijst.h"
#include "database/ui/DatabankPaginas.h"
#include "database/ui/NieuweRelatieDialoog.h"
#include "database/ui/RelatieEigBewerking.h"
#include "graphics/RTFBestanden.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/Q5Hoofd.h"

namespace orvan::test {
namespace {

using Paar = std::pair<std::string, std::string>;

enum { Maria, Anton, Zeno, Bert };

class RelatieEigBewerkingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    StartAktieveHoroskopen();
    const std::string naam = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(dm_.OpenDatabank(ProgrammaMap() + naam + ".hor/"));
    KoppelHoroskoop(AktieveHoroskopen().Natal(), dm_);
    KoppelHoroskoop(AktieveHoroskopen().Partner(), dm_);
  }
  void TearDown() override {
    pagina_.reset();
    dm_.Sluit();
    StopAktieveHoroskopen();
  }

  // Maria, Anton, Zeno and Bert, with the relationships (Zeno, Maria), (Anton, Zeno), (Maria, Bert).
  void VulDatabank() {
    int jaar = 1950;
    for (const char* naam : {"Maria", "Anton", "Zeno", "Bert"}) {
      std::int32_t nr = -1;
      ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, Geboorte(naam, jaar += 5, 6, 15), -1, nr));
      nr_.push_back(nr);
    }
    Relatie(Zeno, Maria);
    Relatie(Anton, Zeno);
    Relatie(Maria, Bert);
  }

  void Relatie(int a, int b) {
    TQ4RelatTabel& t = dm_.RelatTabel;
    ASSERT_TRUE(t.Voegtoe());
    ASSERT_TRUE(t.ZetWaarde(RelatVeldPartnerANr, TVeldWaarde(static_cast<std::int64_t>(nr_[a]))));
    ASSERT_TRUE(t.ZetWaarde(RelatVeldPartnerBNr, TVeldWaarde(static_cast<std::int64_t>(nr_[b]))));
    ASSERT_TRUE(t.ZetWaarde(RelatVeldSelekt, TVeldWaarde(true)));
    ASSERT_TRUE(t.Post()) << t.LaatsteFout();
  }

  void MaakPagina() {
    pagina_ = std::make_unique<TFQ5RelatieEigBewerking>(dm_);
    pagina_->Ververs();
  }

  // The partners of the grid's rows, top to bottom, and of its current row.
  std::vector<Paar> GridParen() const {
    std::vector<Paar> paren;
    auto* m = pagina_->Grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
      paren.emplace_back(m->data(m->index(r, RelLijstPartnerA)).toString().toStdString(),
                         m->data(m->index(r, RelLijstPartnerB)).toString().toStdString());
    return paren;
  }
  std::optional<Paar> Huidig() const {
    const int r = pagina_->HuidigeRij();
    if (r < 0) return std::nullopt;
    return GridParen()[static_cast<std::size_t>(r)];
  }
  std::string Relat() const { return dm_.Map() + "relat.db"; }

  TOpnameInteraktie interaktie_;
  TQ4DataModule dm_;
  std::vector<std::int32_t> nr_;
  std::unique_ptr<TFQ5RelatieEigBewerking> pagina_;
};

TEST_F(RelatieEigBewerkingTest, TheGridShowsPartnerAKeywordsAndPartnerBWithTheirTitles) {
  VulDatabank();
  MaakPagina();
  EXPECT_EQ(GridParen(), (std::vector<Paar>{{"Anton", "Zeno"}, {"Maria", "Bert"}, {"Zeno", "Maria"}}));
  EXPECT_EQ(Huidig(), (Paar{"Anton", "Zeno"})) << "the first row is current";

  QTableView* grid = pagina_->Grid();
  auto* m = grid->model();
  for (int k = 0; k < m->columnCount(); ++k)
    EXPECT_EQ(grid->isColumnHidden(k),
              k != RelLijstPartnerA && k != RelLijstKeyWords && k != RelLijstPartnerB)
        << k;
  QHeaderView* kop = grid->horizontalHeader();
  EXPECT_LT(kop->visualIndex(RelLijstPartnerA), kop->visualIndex(RelLijstKeyWords));
  EXPECT_LT(kop->visualIndex(RelLijstKeyWords), kop->visualIndex(RelLijstPartnerB));
  EXPECT_EQ(grid->columnWidth(RelLijstKeyWords), grid->columnWidth(RelLijstPartnerA));
  EXPECT_EQ(m->headerData(RelLijstPartnerA, Qt::Horizontal).toString().toStdString(),
            Vertaal("Horoskoop") + " A");
  EXPECT_EQ(m->headerData(RelLijstKeyWords, Qt::Horizontal).toString().toStdString(),
            Vertaal("SteekWoorden"));
  EXPECT_EQ(m->headerData(RelLijstPartnerB, Qt::Horizontal).toString().toStdString(),
            Vertaal("Horoskoop") + " B");

  EXPECT_EQ(pagina_->TitelLabel()->text().toStdString(), Vertaal("RelatiesTussenSelHor") + " (n=3)");
  EXPECT_EQ(pagina_->NieuweRelBtn()->text().toStdString(), Vertaal("NieuweRel"));
  EXPECT_EQ(pagina_->VerwijderRelBtn()->text().toStdString(), Vertaal("VerwijderRel"));
  EXPECT_EQ(pagina_->SelekteerBeideHorBtn()->text().toStdString(), Vertaal("SelekteerBeideVoorStudie"));
  EXPECT_EQ(pagina_->Tabs()->tabText(pagina_->Tabs()->indexOf(pagina_->EigTab())).toStdString(),
            Vertaal("Eigenschappen"));
}

TEST_F(RelatieEigBewerkingTest, ThePropertyTabShowsThePropertiesOrTheNoteWhenThereAreNone) {
  VulDatabank();
  MaakPagina();
  EXPECT_FALSE(pagina_->GeenEigLabel()->isHidden()) << "no property fields: the note is shown";
  EXPECT_EQ(pagina_->GeenEigLabel()->text().toStdString(), Vertaal("GeenRelatieEigenschappen"));

  ASSERT_TRUE(dm_.RelatTabel.MaakEigenschap("Duur"));
  pagina_->Ververs();
  EXPECT_TRUE(pagina_->GeenEigLabel()->isHidden());
  QTableView* eig = pagina_->EigGrid();
  for (int k = 0; k < RelLijstEersteEigenschap; ++k) EXPECT_TRUE(eig->isColumnHidden(k)) << k;
  EXPECT_FALSE(eig->isColumnHidden(RelLijstEersteEigenschap));
  EXPECT_EQ(eig->model()->headerData(RelLijstEersteEigenschap, Qt::Horizontal).toString(), "Duur");

  // A property typed in the property grid is stored in that relationship; an invalid one is refused.
  pagina_->ZetHuidigeRij(1);
  EXPECT_EQ(eig->selectionModel()->currentIndex().row(), 1) << "the property grid follows the grid";
  auto* m = eig->model();
  ASSERT_TRUE(m->setData(m->index(1, RelLijstEersteEigenschap), "12.5"));
  EXPECT_EQ(Vraag(Relat(), "select Duur from relat where PartnerANr = " + std::to_string(nr_[Maria])),
            "12.5");
  EXPECT_FALSE(m->setData(m->index(1, RelLijstEersteEigenschap), "long"));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_EQ(m->data(m->index(1, RelLijstEersteEigenschap)).toString(), "12.5");
  // Keywords are edited in the grid; the partners are not.
  ASSERT_TRUE(m->setData(m->index(1, RelLijstKeyWords), "married; 1980"));
  EXPECT_EQ(Vraag(Relat(), "select KeyWords from relat where PartnerANr = " + std::to_string(nr_[Maria])),
            "married; 1980");
  EXPECT_FALSE(m->flags(m->index(1, RelLijstPartnerA)) & Qt::ItemIsEditable);
}

TEST_F(RelatieEigBewerkingTest, TheButtonsAreEnabledByTheRowsAndTheNatalRecords) {
  struct Stap {
    const char* naam;
    std::function<void()> doe;
    bool nieuw, metRijen;
    int n;
  };
  MaakPagina();
  std::int32_t nr = -1;
  const Stap stappen[] = {
      {"empty database", [] {}, false, false, 0},
      {"one horoscope", [&] { BewaarHorRecord(dm_.GebTabel, Geboorte("Eva", 1960, 6, 15), -1, nr); }, false, false,
       0},
      {"four horoscopes and three relationships", [&] { VulDatabank(); }, true, true, 3},
      {"partner B of one deselected",
       [&] {
         ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(nr_[Bert]));
         ASSERT_TRUE(dm_.GebTabel.Wijzig());
         ASSERT_TRUE(dm_.GebTabel.ZetWaarde(VeldSelekt, TVeldWaarde(false)));
         ASSERT_TRUE(dm_.GebTabel.Post());
       },
       true, true, 2},
  };
  for (const Stap& s : stappen) {
    s.doe();
    pagina_->Ververs();
    EXPECT_EQ(pagina_->NieuweRelBtn()->isEnabled(), s.nieuw) << s.naam;
    EXPECT_EQ(pagina_->VerwijderRelBtn()->isEnabled(), s.metRijen) << s.naam;
    EXPECT_EQ(pagina_->SelekteerBeideHorBtn()->isEnabled(), s.metRijen) << s.naam;
    EXPECT_EQ(pagina_->TitelLabel()->text().toStdString(),
              Vertaal("RelatiesTussenSelHor") + " (n=" + std::to_string(s.n) + ")")
        << s.naam;
  }
  EXPECT_EQ(GridParen(), (std::vector<Paar>{{"Anton", "Zeno"}, {"Zeno", "Maria"}}));
}

TEST_F(RelatieEigBewerkingTest, ANewRelationshipIsRefusedForOneHoroscopeTwiceAndForAnExistingPair) {
  VulDatabank();
  MaakPagina();
  struct Geval {
    const char* naam;
    std::optional<std::pair<int, int>> keuze;  // none: the dialog is cancelled
    const char* melding;                       // nullptr: added
  };
  const Geval gevallen[] = {
      {"cancelled", std::nullopt, nullptr},
      {"the same horoscope twice", std::pair{Bert, Bert}, "UMoet2VerschHorSel"},
      {"an existing pair", std::pair{Zeno, Maria}, "DezeRelBestaatAl"},
  };
  const std::string voor = Vraag(Relat(), "select count(*) from relat");
  for (const Geval& g : gevallen) {
    interaktie_.meldingen.clear();
    pagina_->KiesPartners = [&](std::int64_t& a, std::int64_t& b) {
      if (!g.keuze) return false;
      a = nr_[g.keuze->first];
      b = nr_[g.keuze->second];
      return true;
    };
    pagina_->NieuweRelBtn()->click();
    if (g.melding) {
      ASSERT_EQ(interaktie_.meldingen.size(), 1u) << g.naam;
      EXPECT_EQ(interaktie_.meldingen[0].tekst, Vertaal(g.melding)) << g.naam;
    } else {
      EXPECT_TRUE(interaktie_.meldingen.empty()) << g.naam;
    }
    EXPECT_EQ(Vraag(Relat(), "select count(*) from relat"), voor) << g.naam;
    EXPECT_EQ(GridParen().size(), 3u) << g.naam;
  }

  // The reverse of an existing pair is new: stored and made current.
  dm_.RelatTabel.FilterGewijzigd = false;
  interaktie_.meldingen.clear();
  pagina_->KiesPartners = [&](std::int64_t& a, std::int64_t& b) {
    a = nr_[Bert];
    b = nr_[Maria];
    return true;
  };
  pagina_->NieuweRelBtn()->click();
  EXPECT_TRUE(interaktie_.meldingen.empty());
  EXPECT_EQ(GridParen(),
            (std::vector<Paar>{{"Anton", "Zeno"}, {"Bert", "Maria"}, {"Maria", "Bert"}, {"Zeno", "Maria"}}));
  EXPECT_EQ(Huidig(), (Paar{"Bert", "Maria"}));
  EXPECT_TRUE(dm_.RelatTabel.FilterGewijzigd);
  EXPECT_TRUE(dm_.RelatTabel.ZoekRelatie(nr_[Bert], nr_[Maria]));
  EXPECT_EQ(dm_.RelatTabel.AantalRecords(), 4) << "the relationship table's view follows";
}

TEST_F(RelatieEigBewerkingTest, TheNewRelationshipDialogListsTheSelectedHoroscopesByName) {
  VulDatabank();
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(nr_[Zeno]));
  ASSERT_TRUE(dm_.GebTabel.Wijzig());
  ASSERT_TRUE(dm_.GebTabel.ZetWaarde(VeldSelekt, TVeldWaarde(false)));
  ASSERT_TRUE(dm_.GebTabel.Post());
  ASSERT_TRUE(dm_.GebTabel.ZetIndex("Tijd"));  // the dialog keeps name order anyway

  TNieuweRelatieDialoog dlg(dm_);
  EXPECT_EQ(dlg.windowTitle(), "Add new relationship");
  for (QListWidget* lijst : {dlg.LijstA(), dlg.LijstB()}) {
    std::vector<std::string> namen;
    for (int i = 0; i < lijst->count(); ++i) namen.push_back(lijst->item(i)->text().toStdString());
    EXPECT_EQ(namen, (std::vector<std::string>{"Anton", "Bert", "Maria"}));
  }
  EXPECT_TRUE(dlg.KiesA(nr_[Maria]));
  EXPECT_TRUE(dlg.KiesB(nr_[Bert]));
  EXPECT_FALSE(dlg.KiesB(nr_[Zeno])) << "a deselected horoscope is not offered";
  EXPECT_EQ(dlg.PartnerA(), nr_[Maria]);
  EXPECT_EQ(dlg.PartnerB(), nr_[Bert]);
}

TEST_F(RelatieEigBewerkingTest, DeletingAsksFirstAndRemovesOnlyTheCurrentRelationship) {
  VulDatabank();
  MaakPagina();
  pagina_->ZetHuidigeRij(1);  // Maria, Bert
  for (TAntwoord nee : {TAntwoord::Annuleer, TAntwoord::Nee}) {
    interaktie_.antwoorden = {nee};
    pagina_->VerwijderRelBtn()->click();
    EXPECT_EQ(GridParen().size(), 3u);
  }
  ASSERT_EQ(interaktie_.meldingen.size(), 2u);
  EXPECT_EQ(interaktie_.meldingen[0].tekst, Vertaal("BentUZekerVerwHor"));
  EXPECT_EQ(interaktie_.meldingen[0].titel, Vertaal("Opgelet"));
  EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "Horoskoopdatabanken");

  interaktie_.antwoorden = {TAntwoord::Ja};
  pagina_->VerwijderRelBtn()->click();
  EXPECT_EQ(GridParen(), (std::vector<Paar>{{"Anton", "Zeno"}, {"Zeno", "Maria"}}));
  EXPECT_EQ(Huidig(), (Paar{"Zeno", "Maria"})) << "the next row becomes current";
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat"), "2");
  EXPECT_FALSE(dm_.RelatTabel.ZoekRelatie(nr_[Maria], nr_[Bert]));
  EXPECT_EQ(Vraag(dm_.Map() + "natal.db", "select count(*) from natal"), "4") << "the horoscopes stay";
}

TEST_F(RelatieEigBewerkingTest, SelectingBothLoadsAndCalculatesTheTwoCharts) {
  VulDatabank();
  MaakPagina();
  int gekozen = 0;
  pagina_->BeideGekozen = [&] { ++gekozen; };
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  TOrvanHoroskoop& partner = AktieveHoroskopen().Partner();

  // Unsaved charts are asked about first; a cancel stops before anything is loaded.
  natal.Data.Name = "Unsaved";
  partner.Data.Name = "Also unsaved";
  for (const auto& antwoorden :
       {std::deque{TAntwoord::Annuleer}, std::deque{TAntwoord::Nee, TAntwoord::Annuleer}}) {
    interaktie_.antwoorden = antwoorden;
    pagina_->SelekteerBeideHorBtn()->click();
    EXPECT_EQ(natal.Data.Name, "Unsaved");
    EXPECT_EQ(partner.Data.Name, "Also unsaved");
    EXPECT_EQ(gekozen, 0);
  }

  interaktie_.meldingen.clear();
  interaktie_.antwoorden = {TAntwoord::Nee, TAntwoord::Nee};
  pagina_->ZetHuidigeRij(2);  // Zeno, Maria
  pagina_->SelekteerBeideHorBtn()->click();
  EXPECT_EQ(gekozen, 1);
  EXPECT_EQ(interaktie_.meldingen.size(), 2u) << "only the two close questions";
  EXPECT_EQ(natal.Data.Name, "Zeno");
  EXPECT_EQ(natal.NatalNr, nr_[Zeno]);
  EXPECT_TRUE(natal.Berekend);
  EXPECT_EQ(partner.Data.Name, "Maria");
  EXPECT_EQ(partner.NatalNr, nr_[Maria]);
  EXPECT_TRUE(partner.Berekend);

  // A double click in the grid does the same with its row.
  pagina_->resize(900, 500);
  pagina_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(pagina_.get()));
  QTableView* grid = pagina_->Grid();
  const QRect vak = grid->visualRect(grid->model()->index(0, RelLijstPartnerA));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, vak.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, vak.center());
  EXPECT_EQ(gekozen, 2);
  EXPECT_EQ(natal.Data.Name, "Anton");
  EXPECT_EQ(partner.Data.Name, "Zeno");
}

TEST_F(RelatieEigBewerkingTest, InTheMainWindowTheNavigationButtonsAndTheChoiceSwitchPages) {
  ASSERT_TRUE(StartRTFBestanden());
  ASSERT_TRUE(StartInstellingen());
  VulDatabank();
  TQ5HoofdForm hoofd;
  MaakDatabankPaginas(hoofd, dm_);
  QTabWidget* pages = hoofd.HoofdPageControl();
  auto* pagina = pages->widget(TQ5HoofdForm::RelatEigSheet)->findChild<TFQ5RelatieEigBewerking*>();
  ASSERT_NE(pagina, nullptr);

  // The relationship buttons need a natal and a partner chart: Maria and Bert.
  interaktie_.antwoorden = {TAntwoord::Nee, TAntwoord::Nee};
  pages->setCurrentIndex(TQ5HoofdForm::RelatEigSheet);
  pagina->ZetHuidigeRij(1);
  pagina->SelekteerBeideHorBtn()->click();
  EXPECT_EQ(pages->currentIndex(), TQ5HoofdForm::HorStudieSheet)
      << "both charts chosen: to the navigation page";
  QPushButton* eigBtn = hoofd.Navigatie()->Knop("RelatieEigBtn");
  QPushButton* trefBtn = hoofd.Navigatie()->Knop("RelatieTrefwoordenBtn");
  ASSERT_TRUE(eigBtn->isEnabled());
  ASSERT_TRUE(trefBtn->isEnabled());

  pagina->ZetHuidigeRij(0);
  eigBtn->click();
  EXPECT_EQ(pages->currentIndex(), TQ5HoofdForm::RelatEigSheet);
  EXPECT_EQ(pagina->Tabs()->currentWidget(), pagina->EigTab());
  EXPECT_EQ(pagina->HuidigeRij(), 1) << "the active relationship is current";

  pages->setCurrentIndex(TQ5HoofdForm::HorStudieSheet);
  trefBtn->click();
  EXPECT_EQ(pages->currentIndex(), TQ5HoofdForm::RelatEigSheet);
  EXPECT_EQ(pagina->Grid()->selectionModel()->currentIndex().column(), RelLijstKeyWords);
  EXPECT_EQ(pagina->HuidigeRij(), 1);
  HerstelInstellingen();
}

}  // namespace
}  // namespace orvan::test
