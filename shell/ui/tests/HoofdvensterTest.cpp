// The main window and its navigation page: enabled states, the partner search period, the period
// dialogs, the report menu, the language menu, context help, closing, and the help pages.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "graphics/RTFBestanden.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/PeriodeDialogen.h"
#include "shell/Aspekten.h"
#include "shell/LangUtils.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/HelpVenster.h"
#include "shell/ui/Q5Hoofd.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/ui/Q5PeriodeDataDlg.h"

namespace orvan {
namespace {

using Set = std::set<std::string>;

class HoofdvensterTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    test::TVensterTest::SetUp();
    ASSERT_TRUE(StartRTFBestanden());
    ASSERT_TRUE(StartInstellingen());
    StopAktieveHoroskopen();
    StartAktieveHoroskopen();
    hoofd = std::make_unique<TQ5HoofdForm>();
  }
  void TearDown() override {
    ui.antwoorden = {TAntwoord::Nee, TAntwoord::Nee, TAntwoord::Nee};
    hoofd.reset();
    VrijPeriodeDialogen();
    StopAktieveHoroskopen();
    HerstelInstellingen();
  }

  TFQ5HorNavigatie& nav() { return *hoofd->Navigatie(); }
  QPushButton* Knop(const char* naam) {
    QPushButton* k = nav().Knop(naam);
    EXPECT_NE(k, nullptr) << naam;
    return k;
  }

  Set Actief() {
    Set s;
    for (QPushButton* k : nav().Knoppen())
      if (k->isEnabled() && !k->isHidden()) s.insert(k->objectName().toStdString());
    return s;
  }

  void NaarStudie() { hoofd->HoofdPageControl()->setCurrentIndex(TQ5HoofdForm::HorStudieSheet); }

  // A natal chart as the natal table page makes it active (calculated at universal time `ut`).
  void KiesNatal(const std::string& naam, TDatumRec datum, double ut) {
    TOrvanHoroskoop& n = AktieveHoroskopen().Natal();
    n.Wis();
    n.Data.Name = naam;
    n.Data.Datum = datum;
    n.Data.Tijd = {12, 0, 0};
    n.Data.Plaats.Naam = "Utrecht";
    n.Geladen = true;
    n.UT = ut;
    hoofd->GeboorteGekozen();
  }

  test::TOpnameInteraktie ui;
  std::unique_ptr<TQ5HoofdForm> hoofd;
};

TEST_F(HoofdvensterTest, RightAfterStartUpOnlyTheSelectButtonsAndTheMundanePeriodAreEnabled) {
  EXPECT_EQ(hoofd->HoofdPageControl()->currentIndex(), TQ5HoofdForm::GebHorSelSheet);
  EXPECT_EQ(hoofd->HoofdPageControl()->count(), TQ5HoofdForm::AantalPaginas);
  NaarStudie();
  EXPECT_EQ(Actief(), (Set{"AktHorSelBtn", "MomentSelBtn", "MundWijzigGegBtn"}));
  EXPECT_TRUE(Knop("EfemerisBtn")->isHidden());
  EXPECT_TRUE(nav().OmschrijvingLabel(TFQ5HorNavigatie::RijNatal)->text().isEmpty());
  EXPECT_TRUE(nav().OmschrijvingLabel(TFQ5HorNavigatie::RijPartnerZoek)->text().isEmpty());
  EXPECT_EQ(AktieveHoroskopen().Mundaan().Data.Name, Vertaal("MundaneSituatie"));
}

TEST_F(HoofdvensterTest, ANatalChartEnablesTheCommandsThatNeedItAndExist) {
  KiesNatal("Anna", {15, 3, 1970}, 7378.0);
  EXPECT_EQ(hoofd->HoofdPageControl()->currentIndex(), TQ5HoofdForm::HorStudieSheet);
  EXPECT_EQ(Actief(), (Set{"AktHorSelBtn", "MomentSelBtn", "MundWijzigGegBtn", "GebBerekBtn",
                           "PeriodeWijzigGegBtn", "PartnerSelBtn", "PartnerPeriodeWijzigGegBtn",
                           "AktHorWijzigGegBtn", "MomentWijzigGegBtn", "PartnerWijzigBtn",
                           "AktHorTrefwoordenBtn", "AktHorEigenschapBtn", "AktHorInfoBtn",
                           "MomentTrefwoordenBtn", "MomentEigenschappenBtn", "MomentInfoBtn"}));
  EXPECT_TRUE(nav().OmschrijvingLabel(TFQ5HorNavigatie::RijNatal)->text().startsWith("Anna"));

  // The select buttons switch to the table pages.
  QTest::mouseClick(Knop("MomentSelBtn"), Qt::LeftButton);
  EXPECT_EQ(hoofd->HoofdPageControl()->currentIndex(), TQ5HoofdForm::GebeurtenissenSheet);
  NaarStudie();
  QTest::mouseClick(Knop("AktHorSelBtn"), Qt::LeftButton);
  EXPECT_EQ(hoofd->HoofdPageControl()->currentIndex(), TQ5HoofdForm::GebHorSelSheet);
}

TEST_F(HoofdvensterTest, ChoosingANatalChartDerivesThePartnerSearchPeriod) {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  KiesNatal("Anna", {15, 3, 1970}, 7378.0);
  EXPECT_TRUE(akt.PartnerZoekPeriodeGezet);
  EXPECT_EQ(akt.PartnerZoekStart, (TDatumRec{1, 3, 1967}));
  EXPECT_EQ(akt.PartnerZoekDagen, 2190);
  const QString tekst = nav().OmschrijvingLabel(TFQ5HorNavigatie::RijPartnerZoek)->text();
  EXPECT_EQ(tekst.toStdString(),
            DatumTekst(HuidigeTaal, {1, 3, 1967}, Instellingen.Datuminvoermode) + " + 2190 days");

  // A period the user entered stays on later refreshes.
  akt.ZetPartnerZoekPeriode({1, 1, 1990}, 100);
  nav().Vernieuw();
  EXPECT_EQ(akt.PartnerZoekStart, (TDatumRec{1, 1, 1990}));

  // Another natal chart from the grid derives it anew.
  KiesNatal("Bert", {2, 11, 1955}, 2131.0);
  EXPECT_EQ(akt.PartnerZoekStart, (TDatumRec{1, 11, 1952}));
  EXPECT_EQ(akt.PartnerZoekDagen, 2190);
}

TEST_F(HoofdvensterTest, ThePeriodDialogsSetTheirPeriodOnOKAndChangeNothingOnCancel) {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  NaarStudie();
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TQ5PeriodeDataDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->ZetPeriode({1, 1, 2000}, 31);
    dlg->accept();
  });
  QTest::mouseClick(Knop("MundWijzigGegBtn"), Qt::LeftButton);
  EXPECT_TRUE(akt.MundaanPeriodeGezet);
  EXPECT_EQ(akt.MundaanStart, (TDatumRec{1, 1, 2000}));
  EXPECT_EQ(akt.MundaanDagen, 31);
  EXPECT_TRUE(akt.Mundaan().PeriodeGezet);
  EXPECT_TRUE(nav().OmschrijvingLabel(TFQ5HorNavigatie::RijMundaan)->text().endsWith("+ 31 days"));

  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TQ5PeriodeDataDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->ZetPeriode({5, 5, 2005}, 9);
    dlg->reject();
  });
  QTest::mouseClick(Knop("MundWijzigGegBtn"), Qt::LeftButton);
  EXPECT_EQ(akt.MundaanStart, (TDatumRec{1, 1, 2000}));
  EXPECT_EQ(akt.MundaanDagen, 31);

  // The natal chart's period.
  KiesNatal("Anna", {15, 3, 1970}, 7378.0);
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TQ5PeriodeDataDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->ZetPeriode({1, 6, 2024}, 60);
    dlg->accept();
  });
  QTest::mouseClick(Knop("PeriodeWijzigGegBtn"), Qt::LeftButton);
  EXPECT_TRUE(akt.Natal().PeriodeGezet);
  EXPECT_EQ(akt.Natal().PeriodeLengte, 60);
  EXPECT_TRUE(nav().OmschrijvingLabel(TFQ5HorNavigatie::RijPeriode)->text().endsWith("+ 60 days"));

  // The partner search dialog starts from the period in force.
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TQ5PeriodeDataDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->StartDatum(), (TDatumRec{1, 3, 1967}));
    EXPECT_EQ(dlg->AantalDagen(), 2190);
    dlg->ZetPeriode({1, 1, 1980}, 1000);
    dlg->accept();
  });
  QTest::mouseClick(Knop("PartnerPeriodeWijzigGegBtn"), Qt::LeftButton);
  EXPECT_EQ(akt.PartnerZoekStart, (TDatumRec{1, 1, 1980}));
  EXPECT_EQ(akt.PartnerZoekDagen, 1000);
}

TEST_F(HoofdvensterTest, TheReportMenuFollowsTheReportFile) {
  EXPECT_EQ(hoofd->Timer1()->interval(), 500);
  EXPECT_TRUE(hoofd->Timer1()->isActive());
  hoofd->show();
  hoofd->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(hoofd.get()));
  EXPECT_FALSE(hoofd->RapportMenu()->menuAction()->isEnabled());

  { std::ofstream(RapportBestand()) << "{\\rtf1 a\\par\n}\n"; }
  hoofd->Timer1Timer();
  EXPECT_TRUE(hoofd->RapportMenu()->menuAction()->isEnabled());
  EXPECT_TRUE(hoofd->ToonInTekstverwActie()->isEnabled());

  std::filesystem::remove(RapportBestand());   // deleted from outside
  hoofd->Timer1Timer();
  EXPECT_FALSE(hoofd->RapportMenu()->menuAction()->isEnabled());
  EXPECT_FALSE(hoofd->ToonInTekstverwActie()->isEnabled()) << "F2 does nothing without a report";

  // Emptying the report from the menu.
  { std::ofstream(RapportBestand()) << "{\\rtf1 a\\par\n}\n"; }
  hoofd->Timer1Timer();
  hoofd->RapportLeegmActie()->trigger();
  EXPECT_FALSE(std::filesystem::exists(RapportBestand()));
  EXPECT_FALSE(hoofd->RapportMenu()->menuAction()->isEnabled());
}

TEST_F(HoofdvensterTest, AReportLeftFromAPreviousRunIsDeletedAtCreation) {
  hoofd.reset();
  { std::ofstream(RapportBestand()) << "{\\rtf1 old\\par\n}\n"; }
  hoofd = std::make_unique<TQ5HoofdForm>();
  EXPECT_FALSE(std::filesystem::exists(RapportBestand()));
  EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(HoofdvensterTest, TheLanguageMenuRelabelsEverythingAtOnce) {
  NaarStudie();
  const std::string aspektEngels = Aspekten[1].Naam;
  hoofd->TaalActie(1)->trigger();
  EXPECT_EQ(HuidigeTaal, 1);
  EXPECT_TRUE(hoofd->TaalActie(1)->isChecked());
  EXPECT_FALSE(hoofd->TaalActie(2)->isChecked());
  EXPECT_EQ(hoofd->HoofdPageControl()->tabText(TQ5HoofdForm::HorStudieSheet).toStdString(),
            "Horoscoopstudie");
  EXPECT_EQ(hoofd->RapportMenu()->title().toStdString(), "Rapport");
  EXPECT_EQ(hoofd->StopActie()->text().toStdString(), "&Stoppen");
  EXPECT_EQ(nav().KolomLabel(TFQ5HorNavigatie::KolBerekeningen)->text().toStdString(), "Berekeningen");
  EXPECT_EQ(Knop("TraTekBtn")->text().toStdString(), "Tekening+Transits");
  EXPECT_EQ(Knop("SekProgVerjLijstBtn")->text().toStdString(),
            "Secundaire progressies (verjaardagen)");
  EXPECT_NE(Aspekten[1].Naam, aspektEngels) << "the aspect names of the new language";
  hoofd->TaalActie(2)->trigger();
  EXPECT_EQ(Aspekten[1].Naam, aspektEngels);
  EXPECT_EQ(hoofd->StopActie()->text().toStdString(), "&Exit");
}

// Every caption of the window in all four languages: none is missing from the language table.
TEST_F(HoofdvensterTest, EveryCaptionIsTranslatedInEachLanguage) {
  NaarStudie();
  for (int taal = 1; taal <= 4; ++taal) {
    hoofd->TaalActie(taal)->trigger();
    std::vector<QString> teksten;
    std::function<void(QMenu*)> menu = [&](QMenu* m) {
      for (QAction* a : m->actions()) {
        teksten.push_back(a->text());
        if (a->menu()) menu(a->menu());
      }
    };
    for (QAction* a : hoofd->menuBar()->actions()) {
      teksten.push_back(a->text());
      if (a->menu()) menu(a->menu());
    }
    for (int i = 0; i < hoofd->HoofdPageControl()->count(); ++i)
      teksten.push_back(hoofd->HoofdPageControl()->tabText(i));
    for (QPushButton* k : nav().Knoppen()) teksten.push_back(k->text());
    for (int r = 0; r < TFQ5HorNavigatie::AantalRijen; ++r)
      teksten.push_back(nav().RijLabel(static_cast<TFQ5HorNavigatie::TRij>(r))->text());
    for (int k = 0; k < TFQ5HorNavigatie::AantalKolommen; ++k)
      teksten.push_back(nav().KolomLabel(static_cast<TFQ5HorNavigatie::TKolom>(k))->text());
    teksten.push_back(hoofd->windowTitle());
    for (const QString& t : teksten) {
      EXPECT_FALSE(t.isEmpty()) << "language " << taal;
      EXPECT_FALSE(t.startsWith(QLatin1String("???"))) << "language " << taal << ": "
                                                       << t.toStdString();
    }
  }
}

TEST_F(HoofdvensterTest, F1OpensTheHelpOfTheCurrentPage) {
  test::THelpOpname help;
  QAction* f1 = hoofd->Actie("VolgensKontext1");
  ASSERT_NE(f1, nullptr);
  EXPECT_EQ(f1->shortcut(), QKeySequence(Qt::Key_F1));
  const std::int32_t verwacht[] = {3600, 3005, 3100, 3300, 3026};
  for (int i = 0; i < TQ5HoofdForm::AantalPaginas; ++i) {
    hoofd->HoofdPageControl()->setCurrentIndex(i);
    f1->trigger();
    ASSERT_EQ(help.gevraagd.size(), static_cast<std::size_t>(i + 1));
    EXPECT_EQ(help.gevraagd.back().kontekst, verwacht[i]) << "page " << i;
  }
}

TEST_F(HoofdvensterTest, CommandsOfLaterWorkAreShownButDisabled) {
  for (const char* naam : {"Voorkeuren1", "Geboorte1", "Komposiet1", "BewerkTraKoncPatr1",
                           "EmpirischeModellen1", "AAFFormaat1"}) {
    QAction* a = hoofd->Actie(naam);
    ASSERT_NE(a, nullptr) << naam;
    EXPECT_FALSE(a->isEnabled()) << naam;
    EXPECT_TRUE(a->isVisible()) << naam;
  }
  for (const char* naam :
       {"Inhoud1", "VolgensKontext1", "OverProgr1", "Webstek1", "GeoInfo1", "Stop1"})
    EXPECT_TRUE(hoofd->Actie(naam)->isEnabled()) << naam;
}

TEST_F(HoofdvensterTest, GeoInfoOpensTheGeographicDataWindow) {
  QString titel;
  test::BijModaalVenster([&titel](QWidget* w) {
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("GeoInfoForm"));
    titel = w->windowTitle();
    w->close();
  });
  hoofd->Actie("GeoInfo1")->trigger();
  EXPECT_EQ(titel.toStdString(), Vertaal("GeoInfo"));
}

TEST_F(HoofdvensterTest, ClosingAsksWhetherTheActiveChartsMayBeReleased) {
  hoofd->show();
  QSignalSpy gesloten(hoofd.get(), &TQ5HoofdForm::Gesloten);
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  natal.Data.Name = "Anna";   // named and never stored
  natal.Geladen = true;

  ui.antwoorden = {TAntwoord::Annuleer};
  hoofd->StopActie()->trigger();
  EXPECT_TRUE(hoofd->isVisible());
  EXPECT_EQ(gesloten.count(), 0);
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].tekst, Vertaal("AfsluitenAktHor"));

  ui.antwoorden = {TAntwoord::Nee};
  hoofd->StopActie()->trigger();
  EXPECT_FALSE(hoofd->isVisible());
  EXPECT_EQ(gesloten.count(), 1);
  EXPECT_FALSE(natal.Geladen) << "the natal chart is released";
}

TEST_F(HoofdvensterTest, HelpPagesExistForEveryContextInEachLanguage) {
  const THelpOnderwerp onderwerpen[] = {3005, 3026, 3028, 3100, 3300, 3600, "Horoskoopdatabanken",
                                        "UitvoerViaRapport"};
  for (int taal = 1; taal <= 4; ++taal) {
    ASSERT_TRUE(KiesTaal(taal));
    const std::string inhoud = HelpMap() + "index.html";
    EXPECT_EQ(HelpPagina(THelpOnderwerp(0)), inhoud);
    for (const THelpOnderwerp& o : onderwerpen) {
      const std::string pagina = HelpPagina(o);
      EXPECT_NE(pagina, inhoud) << "language " << taal << ", topic " << o.kontekst << o.sleutel;
      EXPECT_TRUE(std::filesystem::exists(pagina)) << pagina;
    }
    // A topic without a page, and a keyword that is no plain name, open the contents.
    EXPECT_EQ(HelpPagina(THelpOnderwerp(4711)), inhoud);
    EXPECT_EQ(HelpPagina(THelpOnderwerp("../English/3028")), inhoud);
  }
  ASSERT_TRUE(KiesTaal(2));

  THelpVensterForm venster;
  ASSERT_TRUE(venster.Toon(THelpOnderwerp(3028)));
  EXPECT_EQ(venster.Browser()->documentTitle().toStdString(), "Positions, aspects, etc.");
  venster.close();
}

}  // namespace
}  // namespace orvan
