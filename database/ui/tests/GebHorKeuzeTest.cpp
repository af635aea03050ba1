// The selection page in event mode and its choices and edits, on a database in the program folder:
// the events of the active horoscope, the natal name of an event, choosing an event and a partner,
// new charts, deleting records, and editing keywords, comments and property values.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QButtonGroup>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest/QTest>

#include <memory>
#include <string>
#include <vector>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/ui/DatabankPaginas.h"
#include "database/ui/GebHorSelektie.h"
#include "graphics/RTFBestanden.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/Q5Hoofd.h"

namespace orvan::test {
namespace {

THorData Moment(const std::string& naam, int jaar, int maand, int dag) {
  THorData d;
  d.Name = naam;
  d.Datum = {static_cast<std::int16_t>(dag), static_cast<std::int16_t>(maand), static_cast<std::int16_t>(jaar)};
  d.Tijd = {10, 30, 0};
  d.Verschil = {1, 0, 0};
  d.Plaats.Naam = "Utrecht";
  d.Plaats.Breedte = 52.05f;
  d.Plaats.Lengte = 5.07f;
  d.Plaats.Zone = "MET";
  return d;
}

class GebHorKeuzeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    StartAktieveHoroskopen();
    const std::string naam = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    map_ = ProgrammaMap() + naam + ".hor/";
    ASSERT_TRUE(dm_.OpenDatabank(map_));
    for (const char* n : {"Anna", "Bob", "Cora"}) {
      std::int32_t nr = -1;
      ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, Moment(n, 1960, 5, 4), -1, nr));
      natal_.push_back(nr);
    }
    // Anna's events, one of them deselected; Bob's event, the earliest.
    struct Ev {
      const char* naam;
      int natal;
      int jaar;
    };
    for (const Ev& e : {Ev{"Anna wedding", 0, 1985}, Ev{"Anna move", 0, 1990}, Ev{"Bob job", 1, 1980}}) {
      std::int32_t nr = -1;
      ASSERT_TRUE(BewaarHorRecord(dm_.MomentTabel, Moment(e.naam, e.jaar, 7, 1), natal_[e.natal], nr));
      events_.push_back(nr);
    }
    ASSERT_TRUE(dm_.MomentTabel.ZoekInputNr(events_[1]));
    ASSERT_TRUE(dm_.MomentTabel.Wijzig());
    ASSERT_TRUE(dm_.MomentTabel.ZetWaarde(VeldSelekt, TVeldWaarde(false)));
    ASSERT_TRUE(dm_.MomentTabel.Post());

    KoppelHoroskoop(AktieveHoroskopen().Natal(), dm_);
    KoppelHoroskoop(AktieveHoroskopen().Partner(), dm_);
    natalPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusNatal);
  }
  void TearDown() override {
    natalPagina_.reset();
    momentPagina_.reset();
    dm_.Sluit();
    StopAktieveHoroskopen();
  }

  std::unique_ptr<TFQ5GebHorSelektie> MaakPagina(int modus) {
    auto p = std::make_unique<TFQ5GebHorSelektie>(dm_);
    p->AktHorGekozen = [this] { ++natalGekozen_; };
    p->PartnerGekozen = [this] { ++partnerGekozen_; };
    p->MomentGekozen = [this] { ++momentGekozen_; };
    p->Toon(modus, false);
    return p;
  }

  // Makes natal record `i` the active natal chart through the natal page.
  void KiesNatal(int i) {
    ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[static_cast<std::size_t>(i)]));
    natalPagina_->SelAktHorBtn()->click();
    ASSERT_EQ(AktieveHoroskopen().Natal().NatalNr, natal_[static_cast<std::size_t>(i)]);
  }

  static std::vector<std::string> Namen(const TFQ5GebHorSelektie& p) {
    std::vector<std::string> namen;
    auto* m = p.Grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
      namen.push_back(m->data(m->index(r, VeldName)).toString().toStdString());
    return namen;
  }

  // The stored value of a field of natal record `nr`, read from the file by a table of its own.
  std::string OpgeslagenNatal(std::int32_t nr, int veld) {
    TQ4HorTabel t;
    if (!t.Initialiseer(map_, "natal.db", true) || !t.ZoekInputNr(nr)) return "(none)";
    return t.Waarde(veld).AlsTekst();
  }

  TOpnameInteraktie interaktie_;
  TQ4DataModule dm_;
  std::string map_;
  std::vector<std::int32_t> natal_;
  std::vector<std::int32_t> events_;
  std::unique_ptr<TFQ5GebHorSelektie> natalPagina_;
  std::unique_ptr<TFQ5GebHorSelektie> momentPagina_;
  int natalGekozen_ = 0;
  int partnerGekozen_ = 0;
  int momentGekozen_ = 0;
};

TEST_F(GebHorKeuzeTest, EventModeWithoutActiveHoroscopeShowsTheEventsOfTheSelectedHoroscopes) {
  momentPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusGebeurtenis);
  TFQ5GebHorSelektie& p = *momentPagina_;
  EXPECT_EQ(p.GebeurtenisFilter()->checkedId(), TFQ5GebHorSelektie::GefilterdeHoroskopen);
  EXPECT_EQ(Namen(p), (std::vector<std::string>{"Bob job", "Anna wedding"})) << "date and time order";
  EXPECT_EQ(p.TitelLabel()->text().toStdString(), Vertaal("Gebeurtenissen") + " (n=2)");
  EXPECT_TRUE(p.SelAktParBtn()->isHidden());
  EXPECT_FALSE(p.GebeurtenisFilterBox()->isHidden());
  EXPECT_FALSE(p.NieuwBtn()->isEnabled()) << "a new event needs an active natal chart";
  // The natal name of the current event, by the natal table's query.
  EXPECT_EQ(p.GekoppeldeNaamLabel()->text().toStdString(), "Bob");
  QTest::keyClick(p.ZoekEdit(), Qt::Key_Down);
  EXPECT_EQ(p.GekoppeldeNaamLabel()->text().toStdString(), "Anna");
}

TEST_F(GebHorKeuzeTest, EventModeWithActiveHoroscopeListsOnlyItsSelectedEvents) {
  KiesNatal(0);
  momentPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusGebeurtenis);
  TFQ5GebHorSelektie& p = *momentPagina_;
  EXPECT_EQ(p.GebeurtenisFilter()->checkedId(), TFQ5GebHorSelektie::AktieveHor);
  EXPECT_EQ(Namen(p), std::vector<std::string>{"Anna wedding"}) << "Anna move is deselected, Bob job not hers";
  EXPECT_EQ(p.GekoppeldeNaamLabel()->text().toStdString(), "Anna");
  EXPECT_TRUE(p.NieuwBtn()->isEnabled());

  p.GebeurtenisFilter()->button(TFQ5GebHorSelektie::GefilterdeHoroskopen)->click();
  EXPECT_EQ(Namen(p), (std::vector<std::string>{"Bob job", "Anna wedding"}));
  EXPECT_EQ(p.TitelLabel()->text().toStdString(), Vertaal("Gebeurtenissen") + " (n=2)") << "a click refreshes";
}

TEST_F(GebHorKeuzeTest, AnEventIsLoadedWithItsNatalChart) {
  KiesNatal(0);
  momentPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusGebeurtenis);
  TFQ5GebHorSelektie& p = *momentPagina_;
  p.GebeurtenisFilter()->button(TFQ5GebHorSelektie::GefilterdeHoroskopen)->click();
  ASSERT_EQ(Namen(p).front(), "Bob job");
  natalGekozen_ = 0;
  p.SelAktHorBtn()->click();

  const TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  EXPECT_EQ(natal.Data.Name, "Bob") << "an event of another horoscope brings its natal chart";
  EXPECT_TRUE(natal.EventGeladen);
  EXPECT_EQ(natal.Transit().Data.Name, "Bob job");
  EXPECT_EQ(natal.EventNr, events_[2]);
  EXPECT_TRUE(natal.Transit().Berekend);
  EXPECT_EQ(natalGekozen_, 1);
  EXPECT_EQ(momentGekozen_, 1);
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(GebHorKeuzeTest, ChoosingTheSamePartnerTwiceStoresBothRelationshipsOnce) {
  EXPECT_FALSE(natalPagina_->SelAktParBtn()->isEnabled()) << "no active natal chart yet";
  KiesNatal(0);
  natalPagina_->Ververs();
  EXPECT_TRUE(natalPagina_->SelAktParBtn()->isEnabled());
  for (int keer = 0; keer < 2; ++keer) {
    ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[1]));
    natalPagina_->SelAktParBtn()->click();
  }
  EXPECT_EQ(partnerGekozen_, 2);
  EXPECT_EQ(AktieveHoroskopen().Partner().Data.Name, "Bob");
  EXPECT_TRUE(AktieveHoroskopen().Partner().Berekend);
  EXPECT_EQ(dm_.RelatTabel.AantalInTabel(), 2);
  EXPECT_TRUE(dm_.RelatTabel.ZoekRelatie(natal_[0], natal_[1]));
  EXPECT_TRUE(dm_.RelatTabel.ZoekRelatie(natal_[1], natal_[0]));

  // The active chart itself as partner is no relationship.
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  natalPagina_->SelAktParBtn()->click();
  EXPECT_EQ(dm_.RelatTabel.AantalInTabel(), 2);
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(GebHorKeuzeTest, PartnerModeMakesThePartnerButtonTheDefault) {
  natalPagina_->Toon(TFQ5GebHorSelektie::ModusNatal, true);
  EXPECT_TRUE(natalPagina_->SelAktParBtn()->isDefault());
  EXPECT_FALSE(natalPagina_->SelAktHorBtn()->isDefault());
  natalPagina_->Toon(TFQ5GebHorSelektie::ModusNatal, false);
  EXPECT_FALSE(natalPagina_->SelAktParBtn()->isDefault());
  EXPECT_TRUE(natalPagina_->SelAktHorBtn()->isDefault());
}

TEST_F(GebHorKeuzeTest, DeletingANatalHoroscopeRemovesItsEventsAndRelationships) {
  // Relationships with Anna as A and as B, and one without her.
  TOrvanHoroskoop a, b;
  auto relatie = [&](int x, int y) {
    a.NatalNr = natal_[static_cast<std::size_t>(x)];
    b.NatalNr = natal_[static_cast<std::size_t>(y)];
    TRelatie r;
    KoppelRelatie(r, dm_);
    r.PartnerA = &a;
    r.PartnerB = &b;
    r.Bewaar();
    ASSERT_FALSE(r.Gewijzigd);
  };
  relatie(0, 1);
  relatie(2, 0);
  relatie(1, 2);
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));

  interaktie_.antwoorden = {TAntwoord::Nee};
  natalPagina_->VerwijderBtn()->click();
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_EQ(interaktie_.meldingen[0].tekst, Vertaal("BentUZekerVerwHor"));
  EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "Horoskoopdatabanken");
  EXPECT_EQ(Namen(*natalPagina_).size(), 3u) << "no keeps everything";

  interaktie_.antwoorden = {TAntwoord::Ja};
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  natalPagina_->VerwijderBtn()->click();
  EXPECT_EQ(Namen(*natalPagina_), (std::vector<std::string>{"Bob", "Cora"}));
  EXPECT_EQ(natalPagina_->TitelLabel()->text().toStdString(), Vertaal("Geboortegegevens") + " (n=2)");
  EXPECT_EQ(dm_.MomentTabel.AantalInTabel(), 1) << "Anna's events, the deselected one too, are gone";
  EXPECT_EQ(dm_.RelatTabel.AantalInTabel(), 1);
  EXPECT_TRUE(dm_.RelatTabel.ZoekRelatie(natal_[1], natal_[2]));
}

TEST_F(GebHorKeuzeTest, DeletingAnEventRemovesOnlyThatEvent) {
  momentPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusGebeurtenis);
  ASSERT_EQ(Namen(*momentPagina_).front(), "Bob job");
  interaktie_.antwoorden = {TAntwoord::Ja};
  momentPagina_->VerwijderBtn()->click();
  EXPECT_EQ(Namen(*momentPagina_), std::vector<std::string>{"Anna wedding"});
  EXPECT_EQ(dm_.MomentTabel.AantalInTabel(), 2);
  EXPECT_EQ(dm_.GebTabel.AantalInTabel(), 3);
}

TEST_F(GebHorKeuzeTest, KeywordAndCommentEditsAreStoredInTheirRecords) {
  TFQ5GebHorSelektie& p = *natalPagina_;
  ASSERT_EQ(Namen(p), (std::vector<std::string>{"Anna", "Bob", "Cora"}));
  QTableView* steekwoorden = p.SteekwoordGrid();
  EXPECT_FALSE(steekwoorden->isColumnHidden(VeldKeyWords));
  EXPECT_TRUE(steekwoorden->isColumnHidden(VeldName));
  auto* m = steekwoorden->model();
  ASSERT_TRUE(m->flags(m->index(1, VeldKeyWords)) & Qt::ItemIsEditable);
  ASSERT_TRUE(m->setData(m->index(1, VeldKeyWords), QString("teacher; runner")));
  EXPECT_EQ(OpgeslagenNatal(natal_[1], VeldKeyWords), "teacher; runner");
  // Typed in the grid: the edit is written when the cell's editor closes.
  p.show();
  const QModelIndex cel = m->index(0, VeldKeyWords);
  steekwoorden->setCurrentIndex(cel);
  ASSERT_TRUE(steekwoorden->currentIndex() == cel);
  steekwoorden->edit(cel);
  auto* editor = steekwoorden->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText("painter");
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();   // the delegate commits through a queued call
  EXPECT_EQ(OpgeslagenNatal(natal_[0], VeldKeyWords), "painter");
  EXPECT_EQ(m->data(cel).toString().toStdString(), "painter");
  // A keyword text longer than the field is cut to its 80 characters.
  ASSERT_TRUE(m->setData(m->index(2, VeldKeyWords), QString(100, 'k')));
  EXPECT_EQ(OpgeslagenNatal(natal_[2], VeldKeyWords), std::string(80, 'k'));

  // The comment box writes into the record it shows, also when the grid moves on first.
  dm_.GebTabel.Eerste();
  p.InfoMemo()->setPlainText("Born at home.\nSecond line");
  p.InfoMemo()->document()->setModified(true);
  QTest::keyClick(p.ZoekEdit(), Qt::Key_End);
  EXPECT_EQ(OpgeslagenNatal(natal_[0], VeldInfo), "Born at home.\nSecond line");
  EXPECT_EQ(OpgeslagenNatal(natal_[2], VeldInfo), "");
  EXPECT_EQ(dm_.GebTabel.Bladwijzer(), natal_[2]) << "the grid stays where it moved";
  EXPECT_TRUE(p.InfoMemo()->toPlainText().isEmpty()) << "the box shows Cora's comment now";

  p.InfoMemo()->setPlainText("Cora's note");
  p.InfoMemo()->document()->setModified(true);
  p.PostInfo();   // as leaving the box does
  EXPECT_EQ(OpgeslagenNatal(natal_[2], VeldInfo), "Cora's note");
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(GebHorKeuzeTest, PropertyGridShowsOnlyThePropertiesAndStoresNumbers) {
  ASSERT_TRUE(dm_.GebTabel.MaakEigenschap("Score"));
  natalPagina_->Ververs();
  QTableView* grid = natalPagina_->EigenschapGrid();
  auto* m = grid->model();
  const int score = VeldSelekt + 1;
  ASSERT_EQ(m->columnCount(), score + 1);
  for (int v = 0; v < score; ++v) EXPECT_TRUE(grid->isColumnHidden(v)) << v;
  EXPECT_FALSE(grid->isColumnHidden(score));
  EXPECT_FALSE(m->flags(m->index(0, VeldName)) & Qt::ItemIsEditable);

  double w = 0;
  ASSERT_TRUE(m->setData(m->index(0, score), QString("12.5")));
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  ASSERT_TRUE(dm_.GebTabel.LeesEigenschap(1, w));
  EXPECT_DOUBLE_EQ(w, 12.5);

  EXPECT_FALSE(m->setData(m->index(0, score), QString("much")));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u) << "a text is refused with a message";
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  ASSERT_TRUE(dm_.GebTabel.LeesEigenschap(1, w));
  EXPECT_DOUBLE_EQ(w, 12.5) << "and nothing is written";
  EXPECT_EQ(dm_.GebTabel.Toestand(), TTabelToestand::Bladeren);

  ASSERT_TRUE(m->setData(m->index(0, score), QString()));
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  EXPECT_FALSE(dm_.GebTabel.LeesEigenschap(1, w)) << "an empty cell has no value";
}

TEST_F(GebHorKeuzeTest, NewChartIsTypedInTheDataDialogAndActivated) {
  struct Oproep {
    int modus;
    bool nieuw;
    bool invoegenGeblokkeerd;
  };
  std::vector<Oproep> oproepen;
  bool bevestig = false;
  // The dialog as it saves a confirmed chart.
  natalPagina_->GegevensDialoog = [&](TOrvanHoroskoop& h, int modus, bool nieuw, QWidget*) {
    oproepen.push_back({modus, nieuw, dm_.GebTabel.InvoegenGeblokkeerd || dm_.MomentTabel.InvoegenGeblokkeerd});
    if (!bevestig) return false;
    h.Wis();
    h.Data = Moment("Dora", 1999, 9, 9);
    h.Geladen = true;
    return h.BewaarNatal();
  };
  natalPagina_->NieuwBtn()->click();
  ASSERT_EQ(oproepen.size(), 1u);
  EXPECT_EQ(natalGekozen_, 0) << "cancelled";

  bevestig = true;
  natalPagina_->NieuwBtn()->click();
  ASSERT_EQ(oproepen.size(), 2u);
  EXPECT_EQ(oproepen[1].modus, 0);
  EXPECT_TRUE(oproepen[1].nieuw);
  EXPECT_FALSE(oproepen[1].invoegenGeblokkeerd);
  EXPECT_EQ(natalGekozen_, 1);
  const TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  EXPECT_TRUE(natal.Berekend);
  EXPECT_EQ(Namen(*natalPagina_), (std::vector<std::string>{"Anna", "Bob", "Cora", "Dora"}));
  EXPECT_EQ(dm_.GebTabel.Bladwijzer(), natal.NatalNr) << "the grid stands on the new chart";
  EXPECT_TRUE(dm_.GebTabel.InvoegenGeblokkeerd) << "blocked again after the refresh";

  // A new event under the active chart.
  momentPagina_ = MaakPagina(TFQ5GebHorSelektie::ModusGebeurtenis);
  momentPagina_->GegevensDialoog = [&](TOrvanHoroskoop& h, int modus, bool nieuw, QWidget*) {
    oproepen.push_back({modus, nieuw, false});
    h.Transit().Wis();
    h.Transit().Data = Moment("Dora exam", 2017, 6, 20);
    h.Transit().Geladen = true;
    h.EventGeladen = true;
    return h.BewaarEvent();
  };
  momentPagina_->NieuwBtn()->click();
  ASSERT_EQ(oproepen.size(), 3u);
  EXPECT_EQ(oproepen[2].modus, 1);
  EXPECT_EQ(momentGekozen_, 1);
  EXPECT_EQ(Namen(*momentPagina_), std::vector<std::string>{"Dora exam"});
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(GebHorKeuzeTest, NewOpensTheHoroscopeDataDialogForANewChart) {
  std::string titel;
  BijModaalVenster([&](QWidget* w) {
    ASSERT_NE(w, nullptr);
    titel = w->windowTitle().toStdString();
    if (auto* dlg = qobject_cast<QDialog*>(w)) dlg->reject();
  });
  natalPagina_->NieuwBtn()->click();
  EXPECT_EQ(titel, Vertaal("HoroskoopGeg"));
  EXPECT_EQ(natalGekozen_, 0) << "cancelled: nothing activated";
  EXPECT_EQ(dm_.GebTabel.AantalInTabel(), 3);
}

TEST_F(GebHorKeuzeTest, InTheMainWindowTheNavigationButtonsOpenThePagesAndTheirSideTabs) {
  ASSERT_TRUE(StartRTFBestanden());
  ASSERT_TRUE(StartInstellingen());
  TQ5HoofdForm hoofd;
  MaakDatabankPaginas(hoofd, dm_);
  QTabWidget* pages = hoofd.HoofdPageControl();
  auto* natal = pages->widget(TQ5HoofdForm::GebHorSelSheet)->findChild<TFQ5GebHorSelektie*>();
  auto* momenten = pages->widget(TQ5HoofdForm::GebeurtenissenSheet)->findChild<TFQ5GebHorSelektie*>();
  ASSERT_NE(natal, nullptr);
  ASSERT_NE(momenten, nullptr);
  TFQ5HorNavigatie* nav = hoofd.Navigatie();

  // Choosing Anna on the natal page leads to the navigation page.
  pages->setCurrentIndex(TQ5HoofdForm::GebHorSelSheet);
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_[0]));
  natal->SelAktHorBtn()->click();
  ASSERT_EQ(pages->currentIndex(), TQ5HoofdForm::HorStudieSheet);

  struct Geval {
    const char* knop;
    int pagina;
    int zijTab;
  };
  const Geval gevallen[] = {
      {"AktHorTrefwoordenBtn", TQ5HoofdForm::GebHorSelSheet, TFQ5GebHorSelektie::TabSteekWoorden},
      {"AktHorEigenschapBtn", TQ5HoofdForm::GebHorSelSheet, TFQ5GebHorSelektie::TabEigenschappen},
      {"AktHorInfoBtn", TQ5HoofdForm::GebHorSelSheet, TFQ5GebHorSelektie::TabInfo},
      {"MomentTrefwoordenBtn", TQ5HoofdForm::GebeurtenissenSheet, TFQ5GebHorSelektie::TabSteekWoorden},
      {"MomentEigenschappenBtn", TQ5HoofdForm::GebeurtenissenSheet, TFQ5GebHorSelektie::TabEigenschappen},
      {"MomentInfoBtn", TQ5HoofdForm::GebeurtenissenSheet, TFQ5GebHorSelektie::TabInfo},
  };
  for (const Geval& g : gevallen) {
    pages->setCurrentIndex(TQ5HoofdForm::HorStudieSheet);
    QPushButton* knop = nav->Knop(g.knop);
    ASSERT_NE(knop, nullptr) << g.knop;
    ASSERT_TRUE(knop->isEnabled()) << g.knop;
    knop->click();
    EXPECT_EQ(pages->currentIndex(), g.pagina) << g.knop;
    const TFQ5GebHorSelektie* p = g.pagina == TQ5HoofdForm::GebHorSelSheet ? natal : momenten;
    EXPECT_EQ(p->ZijTabs()->currentIndex(), g.zijTab) << g.knop;
    EXPECT_EQ(p->Tabel().Bladwijzer(), g.pagina == TQ5HoofdForm::GebHorSelSheet ? natal_[0] : events_[0])
        << g.knop << ": on the active chart's record";
  }
  EXPECT_FALSE(natal->PartnerModus());

  // The partner select button opens the natal page in partner mode; entering it otherwise does not.
  pages->setCurrentIndex(TQ5HoofdForm::HorStudieSheet);
  nav->Knop("PartnerSelBtn")->click();
  EXPECT_EQ(pages->currentIndex(), TQ5HoofdForm::GebHorSelSheet);
  EXPECT_TRUE(natal->PartnerModus());
  pages->setCurrentIndex(TQ5HoofdForm::HorStudieSheet);
  pages->setCurrentIndex(TQ5HoofdForm::GebHorSelSheet);
  EXPECT_FALSE(natal->PartnerModus());

  // The event select button shows the active horoscope's events.
  momenten->GebeurtenisFilter()->button(TFQ5GebHorSelektie::GefilterdeHoroskopen)->click();
  pages->setCurrentIndex(TQ5HoofdForm::HorStudieSheet);
  nav->Knop("MomentSelBtn")->click();
  EXPECT_EQ(pages->currentIndex(), TQ5HoofdForm::GebeurtenissenSheet);
  EXPECT_EQ(momenten->GebeurtenisFilter()->checkedId(), TFQ5GebHorSelektie::AktieveHor);
  EXPECT_EQ(Namen(*momenten), std::vector<std::string>{"Anna wedding"});
  HerstelInstellingen();
}

}  // namespace
}  // namespace orvan::test
