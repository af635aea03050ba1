// The horoscope data dialog through WijzigGegevens: what a new and a stored chart show, when the
// difference to Greenwich time is looked up and when it is kept, universal time, the event save
// box, a lunar return from the event dialog, pasted atlas data, a cancelled difference dialog,
// invalid entries, the place browser's arrows and insertion, and the language of the labels.

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTime>
#include <QToolButton>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astro/PlaCalculator.h"
#include "horoscope/Q4Konstell.h"
#include "horoscope/TOrvanHoroskoop.h"
#include "horoscope/ui/Q4HorDataDialoog.h"
#include "horoscope/ui/Q4KonstellDlg.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/KonvUtil.h"
#include "time_place/UurVerschil.h"
#include "time_place/VerschilGMTDialoog.h"
#include "time_place/ui/PlaatsEnTijdEdits.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {
namespace {

// Answers the difference dialog from a queue (Cancel when it is empty) and records each question.
class TOpnameVerschilDialoog : public TVerschilGMTDialoog {
 public:
  TOpnameVerschilDialoog() { ZetVerschilGMTDialoog(this); }
  ~TOpnameVerschilDialoog() override { ZetVerschilGMTDialoog(nullptr); }
  bool Vraag(const TVerschilVraag& vraag, TTijdRec& verschil) override {
    vragen.push_back(vraag);
    if (antwoorden.empty()) return false;
    const std::optional<TTijdRec> a = antwoorden.front();
    antwoorden.pop_front();
    if (!a) return false;
    verschil = *a;
    return true;
  }
  std::vector<TVerschilVraag> vragen;
  std::deque<std::optional<TTijdRec>> antwoorden;
};

// Records the progress window's calls with their titles.
class TOpnameVoortgang : public TVoortgang {
 public:
  TOpnameVoortgang() { ZetVoortgang(this); }
  ~TOpnameVoortgang() override { ZetVoortgang(nullptr); }
  void Toon(const std::string& titel, bool metAfbreken) override {
    stappen.push_back("toon " + titel + (metAfbreken ? " met afbreken" : ""));
  }
  void Zet(int procent) override { posities.push_back(procent); }
  bool AfbrekenGevraagd() override { return false; }
  void Verberg() override { stappen.push_back("verberg"); }
  std::vector<std::string> stappen;
  std::vector<int> posities;
};

const PlaatsRec Amsterdam{"Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA", 0};

std::string Tekst(const TTijdRec& t) { return TijdTekst(t); }

class HorDataDialoogTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    HerstelPlaCalculator();
    ASSERT_TRUE(StartPlaCalculator());
    HerstelInstellingen();
    Instellingen.Datuminvoermode = DatumInternationaal;
    Instellingen.StdPlaats = Amsterdam;
    KonstellKeuze() = {};
  }
  void TearDown() override {
    KonstellKeuze() = {};
    HerstelInstellingen();
    HerstelPlaCalculator();
  }

  // A stored chart: Anna, 1 July 2000 12:00 clock time in Amsterdam with a difference of 5 hours
  // (the zone table says 2), natal record 3.
  void ZetAnna(TOrvanHoroskoop& h) {
    h.Wis();
    h.Data.Name = "Anna";
    h.Data.Datum = {1, 7, 2000};
    h.Data.Tijd = {12, 0, 0};
    h.Data.Verschil = {5, 0, 0};
    h.Data.Precisie = {0, 10, 0};
    h.Data.Sex = SexVrouw;
    h.Data.Plaats = Amsterdam;
    h.NatalNr = 3;
    h.NatalGewijzigd = false;
    h.Geladen = true;
  }

  // WijzigGegevens with `actie` run on the dialog once it shows; the action closes it.
  bool Wijzig(TOrvanHoroskoop& h, int modus, bool nieuw,
              std::function<void(TQ4HorDataDialoogForm&)> actie) {
    const auto gezien = test::BijModaalDialoog(actie);
    const bool ok = WijzigGegevens(h, modus, nieuw);
    EXPECT_TRUE(*gezien);
    return ok;
  }

  static void Typ(TValEdit* edit, const char* tekst) {
    edit->selectAll();
    QTest::keyClicks(edit, tekst);
  }

  test::TOpnameInteraktie interaktie;
  TOpnameVerschilDialoog verschilDlg;
  TOrvanHoroskoop h;
};

TEST_F(HorDataDialoogTest, ANewNatalChartShowsTodayNowAndTheStandardPlaceAndLooksUpItsDifference) {
  ZetAnna(h);
  verschilDlg.antwoorden.push_back(TTijdRec{7, 0, 0});   // only asked on a doubtful table line
  const QDate dagVoor = QDate::currentDate();
  const int voor = QTime::currentTime().msecsSinceStartOfDay() / 1000;
  int na = 0;
  const bool ok = Wijzig(h, HorDataNatal, true, [&](TQ4HorDataDialoogForm& dlg) {
    na = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Horoscope data");
    EXPECT_EQ(dlg.HelpContext(), 3008);
    EXPECT_EQ(dlg.NaamLabel()->text().toStdString(), "&Name:");
    EXPECT_EQ(dlg.DatumLabel()->text().toStdString(), "&Date (day month year):");
    EXPECT_TRUE(dlg.SexKeuze()->isVisible());
    EXPECT_TRUE(dlg.BewaarBox()->isChecked());
    EXPECT_TRUE(dlg.NaamEdit()->text().isEmpty());   // the chart was cleared
    const TDatumRec& d = dlg.DatumEdit()->Datum();
    const QDate getoond(d.Jaar, d.Maand, d.Dag);
    EXPECT_TRUE(getoond == dagVoor || getoond == QDate::currentDate());
    const TTijdRec& t = dlg.TijdEdit()->Waarde();
    const int s = t.Uren * 3600 + t.Minuten * 60 + t.Seconden;
    if (voor <= na) {   // not across midnight
      EXPECT_GE(s, voor);
      EXPECT_LE(s, na);
    }
    EXPECT_EQ(dlg.HuidigePlaats().Naam, "Amsterdam (NL)");
    EXPECT_TRUE(dlg.PlaatsViewer()->text().startsWith("Amsterdam (NL)"));
    EXPECT_TRUE(dlg.Gewijzigd());   // never determined: 99 hours
    EXPECT_EQ(dlg.SexGroep()->checkedId(), SexOnbekend);
    dlg.NaamEdit()->setText("Bert");
    dlg.accept();
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(h.Data.Name, "Bert");
  EXPECT_EQ(h.Data.Plaats.Zone, "AMSTERDA");
  EXPECT_TRUE(h.Data.ClockTime);
  EXPECT_TRUE(h.Geladen);
  EXPECT_TRUE(h.NatalGewijzigd);
  EXPECT_EQ(h.NatalNr, GeenRecord);
  const TZoekVerschil tabel = ZoekVerschil("AMSTERDA", h.Data.Datum, h.Data.Tijd);
  if (tabel.status == ZoekZeker) {
    EXPECT_TRUE(verschilDlg.vragen.empty());
    EXPECT_EQ(h.Data.Verschil, tabel.verschil) << Tekst(h.Data.Verschil);
  } else {
    EXPECT_EQ(verschilDlg.vragen.size(), 1u);
    EXPECT_EQ(h.Data.Verschil, (TTijdRec{7, 0, 0})) << Tekst(h.Data.Verschil);
  }
  EXPECT_NE(h.Data.Verschil.Uren, GeenVerschilUren);
}

TEST_F(HorDataDialoogTest, AStoredChartKeepsItsDifferenceUntilTheMomentChangesAndIsSavedOnOk) {
  ZetAnna(h);
  std::vector<THorData> bewaard;
  h.BewaarGeboorte = [&bewaard](const THorData& d, std::int32_t& nummer) {
    bewaard.push_back(d);
    EXPECT_EQ(nummer, 3);
    return true;
  };
  ASSERT_TRUE(Wijzig(h, HorDataNatal, false, [](TQ4HorDataDialoogForm& dlg) {
    EXPECT_EQ(dlg.NaamEdit()->text().toStdString(), "Anna");
    EXPECT_EQ(dlg.DatumEdit()->Tekst(), "1/7/2000");
    EXPECT_EQ(dlg.TijdEdit()->Waarde(), (TTijdRec{12, 0, 0}));
    EXPECT_EQ(dlg.PrecisieEdit()->Waarde(), (TTijdRec{0, 10, 0}));
    EXPECT_EQ(dlg.SexGroep()->checkedId(), SexVrouw);
    EXPECT_EQ(dlg.TijdSoortGroep()->checkedId(), 0);
    EXPECT_EQ(dlg.KalenderGroep()->checkedId(), 0);
    EXPECT_FALSE(dlg.Gewijzigd());
    dlg.accept();
  }));
  EXPECT_TRUE(verschilDlg.vragen.empty());
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{5, 0, 0})) << Tekst(h.Data.Verschil);
  ASSERT_EQ(bewaard.size(), 1u);   // the save box was checked
  EXPECT_EQ(bewaard[0].Name, "Anna");
  EXPECT_FALSE(h.NatalGewijzigd);  // saved

  // A changed time is looked up: summer time in Amsterdam.
  ASSERT_TRUE(Wijzig(h, HorDataNatal, false, [](TQ4HorDataDialoogForm& dlg) {
    Typ(dlg.TijdEdit(), "13 15");
    EXPECT_TRUE(dlg.Gewijzigd());
    dlg.BewaarBox()->setChecked(false);
    dlg.accept();
  }));
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{2, 0, 0})) << Tekst(h.Data.Verschil);
  EXPECT_EQ(h.Data.Tijd, (TTijdRec{13, 15, 0}));
  EXPECT_EQ(bewaard.size(), 1u);   // not saved again
  EXPECT_TRUE(h.NatalGewijzigd);
}

TEST_F(HorDataDialoogTest, UniversalTimeStoresNoDifference) {
  ZetAnna(h);
  ASSERT_TRUE(Wijzig(h, HorDataNatal, false, [](TQ4HorDataDialoogForm& dlg) {
    dlg.TijdSoortGroep()->button(1)->click();
    dlg.KalenderGroep()->button(1)->click();
    dlg.accept();
  }));
  EXPECT_TRUE(verschilDlg.vragen.empty());
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{0, 0, 0})) << Tekst(h.Data.Verschil);
  EXPECT_FALSE(h.Data.ClockTime);
  EXPECT_FALSE(h.Data.GregKal);
}

TEST_F(HorDataDialoogTest, TheEventOfAnUnsavedNatalChartCannotBeSaved) {
  ZetAnna(h);
  struct Geval {
    std::int32_t natalNr;
    bool bewaren;
  };
  for (const Geval g : {Geval{GeenRecord, false}, Geval{4, true}}) {
    SCOPED_TRACE(g.natalNr);
    h.NatalNr = g.natalNr;
    EXPECT_FALSE(Wijzig(h, HorDataEvent, true, [&g](TQ4HorDataDialoogForm& dlg) {
      EXPECT_EQ(dlg.NaamLabel()->text().toStdString(), "&Event:");
      EXPECT_FALSE(dlg.SexKeuze()->isVisibleTo(&dlg));
      EXPECT_EQ(dlg.KonstellatieBtn()->text().toStdString(),
                "Find a constellation from this date (e.g. solar return)");
      EXPECT_EQ(dlg.BewaarBox()->isChecked(), g.bewaren);
      EXPECT_EQ(dlg.BewaarBox()->isEnabled(), g.bewaren);
      dlg.reject();
    }));
    EXPECT_FALSE(h.EventGeladen);
    EXPECT_EQ(h.Data.Name, "Anna");   // the natal data are not touched
  }
}

TEST_F(HorDataDialoogTest, ALunarReturnNamesAnUnnamedEventAfterTheChartAndUnchecksSave) {
  ZetAnna(h);
  ASSERT_TRUE(h.Bereken());
  const double natalMaan = h.Lengte(2);
  bool bewaardEvent = false;
  h.BewaarMoment = [&bewaardEvent](const THorData&, std::int32_t, std::int32_t&) {
    bewaardEvent = true;
    return true;
  };
  ASSERT_TRUE(Wijzig(h, HorDataEvent, true, [](TQ4HorDataDialoogForm& dlg) {
    ASSERT_TRUE(dlg.BewaarBox()->isChecked());
    Typ(dlg.DatumEdit(), "10 8 2000");
    Typ(dlg.TijdEdit(), "12 00");
    dlg.TijdSoortGroep()->button(1)->click();
    bool konstellGezien = false;
    test::BijModaalVenster([&konstellGezien](QWidget* w) {
      auto* k = qobject_cast<TQ4KonstellDlg*>(w);
      if (!k) {
        if (w) w->close();
        return;
      }
      konstellGezien = true;
      EXPECT_FALSE(k->NatalModus());
      k->Object1Lijst()->setCurrentIndex(k->Object1Lijst()->findData(2));
      k->Object2Lijst()->setCurrentIndex(k->Object2Lijst()->findData(2));
      k->HoekEdit()->setText("0");
      k->accept();
    });
    dlg.KonstellatieBtnClick();
    EXPECT_TRUE(konstellGezien);
    EXPECT_EQ(dlg.NaamEdit()->text().toStdString(), "Lunar return Anna");
    EXPECT_FALSE(dlg.BewaarBox()->isChecked());
    EXPECT_EQ(dlg.TijdSoortGroep()->checkedId(), 1);
    EXPECT_EQ(dlg.PrecisieEdit()->Waarde(), (TTijdRec{0, 0, 1}));
    EXPECT_TRUE(dlg.Gezocht());
    dlg.accept();
  }));
  EXPECT_FALSE(bewaardEvent);
  THoroskoop& event = h.Transit();
  EXPECT_EQ(event.Data.Name, "Lunar return Anna");
  EXPECT_FALSE(event.Data.ClockTime);
  EXPECT_EQ(event.Data.Verschil, (TTijdRec{0, 0, 0}));
  EXPECT_TRUE(h.EventGeladen);
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_FALSE(event.Berekend);   // to be calculated for the new moment
  ASSERT_TRUE(event.Bereken());
  const double verschil = std::remainder(event.Lengte(2) - natalMaan, 360.0);
  EXPECT_NEAR(verschil, 0.0, 1e-3);
  // The nearest return to 10 August 2000 12:00 UT.
  const double start = JulDag50(8, 10, 2000, true, 12.0);
  EXPECT_LT(std::fabs(event.UT - start), 27.4 / 2 + 0.5);
}

TEST_F(HorDataDialoogTest, PastedAtlasDataKeepTheirDifferenceAndAFailedPasteChangesNothing) {
  ZetAnna(h);
  QClipboard* klembord = QGuiApplication::clipboard();
  ASSERT_NE(klembord, nullptr);
  ASSERT_TRUE(Wijzig(h, HorDataNatal, false, [&](TQ4HorDataDialoogForm& dlg) {
    klembord->setText("no birth data here");
    dlg.KlembordBtnClick();
    ASSERT_EQ(interaktie.meldingen.size(), 1u);
    EXPECT_EQ(interaktie.meldingen[0].tekst,
              "The clipboard holds no birth data from an atlas program.");
    EXPECT_EQ(dlg.DatumEdit()->Tekst(), "1/7/2000");

    dlg.TijdSoortGroep()->button(1)->click();
    // Month day year, time, place, two unused lines, latitude, longitude, two unused lines, and
    // the difference counted west positive.
    klembord->setText("8/13/2004\n14:30\nAmsterdam (NL)\n\n\n52N22\n4E53\n\n\n-3:00\n");
    dlg.KlembordBtnClick();
    EXPECT_EQ(interaktie.meldingen.size(), 1u);
    EXPECT_EQ(dlg.DatumEdit()->Tekst(), "13/8/2004");
    EXPECT_EQ(dlg.TijdEdit()->Waarde(), (TTijdRec{14, 30, 0}));
    EXPECT_EQ(dlg.TijdSoortGroep()->checkedId(), 0);   // clock time
    EXPECT_TRUE(dlg.PlaatsViewer()->text().startsWith("Amsterdam (NL)"));
    EXPECT_FALSE(dlg.Gewijzigd());
    dlg.BewaarBox()->setChecked(false);
    dlg.accept();
  }));
  // Amsterdam's table says 2 hours for that moment; the pasted 3 hours stay.
  EXPECT_TRUE(verschilDlg.vragen.empty());
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{3, 0, 0})) << Tekst(h.Data.Verschil);
  EXPECT_EQ(h.Data.Datum, (TDatumRec{13, 8, 2004}));
  EXPECT_TRUE(h.Data.ClockTime);
  EXPECT_EQ(h.Data.Plaats.Naam, "Amsterdam (NL)");
  EXPECT_EQ(h.Data.Plaats.Zone, "");
  EXPECT_FLOAT_EQ(h.Data.Plaats.Breedte, 52.22f);
  EXPECT_FLOAT_EQ(h.Data.Plaats.Lengte, 4.53f);
}

TEST_F(HorDataDialoogTest, ACancelledDifferenceDialogKeepsTheDialogOpenAndTheOldDifference) {
  ZetAnna(h);
  h.Data.Plaats = PlaatsRec{"Nergens", 10.0f, 20.0f, "", 0};   // no zone table: always asked
  h.Data.Verschil = {3, 0, 0};
  // Cancel, then Cancel on the dialog shown again: nothing changes.
  int getoond = 0;
  EXPECT_FALSE(Wijzig(h, HorDataNatal, false, [&](TQ4HorDataDialoogForm& dlg) {
    ++getoond;
    Typ(dlg.TijdEdit(), "8 00");
    test::BijModaalVenster([&](QWidget* w) {
      ++getoond;
      EXPECT_EQ(w, &dlg);
      EXPECT_EQ(dlg.TijdEdit()->Waarde(), (TTijdRec{8, 0, 0}));   // the user's entry stays
      if (w) static_cast<QDialog*>(w)->reject();
    });
    dlg.accept();
  }));
  EXPECT_EQ(getoond, 2);
  EXPECT_EQ(verschilDlg.vragen.size(), 1u);
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{3, 0, 0})) << Tekst(h.Data.Verschil);
  EXPECT_EQ(h.Data.Tijd, (TTijdRec{12, 0, 0}));

  // Cancel, then OK with an answer.
  verschilDlg.antwoorden = {std::nullopt, TTijdRec{4, 0, 0}};
  EXPECT_TRUE(Wijzig(h, HorDataNatal, false, [&](TQ4HorDataDialoogForm& dlg) {
    Typ(dlg.TijdEdit(), "8 00");
    test::BijModaalVenster([&](QWidget* w) {
      EXPECT_EQ(h.Data.Verschil, (TTijdRec{3, 0, 0}));
      if (w) static_cast<QDialog*>(w)->accept();
    });
    dlg.accept();
  }));
  EXPECT_EQ(verschilDlg.vragen.size(), 3u);
  EXPECT_EQ(h.Data.Verschil, (TTijdRec{4, 0, 0})) << Tekst(h.Data.Verschil);
  EXPECT_EQ(h.Data.Tijd, (TTijdRec{8, 0, 0}));
}

TEST_F(HorDataDialoogTest, AnInvalidEntryKeepsTheDialogOpenWithItsMessage) {
  struct Geval {
    const char* naam;
    std::function<TValEdit*(TQ4HorDataDialoogForm&)> edit;
    const char* tekst;
    const char* melding;
  };
  const Geval gevallen[] = {
      {"date", [](TQ4HorDataDialoogForm& d) -> TValEdit* { return d.DatumEdit(); }, "31 2 2000",
       "Invalid date"},
      {"time", [](TQ4HorDataDialoogForm& d) -> TValEdit* { return d.TijdEdit(); }, "25 00",
       "Invalid time"},
      {"precision", [](TQ4HorDataDialoogForm& d) -> TValEdit* { return d.PrecisieEdit(); }, "x",
       "Invalid precision"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    ZetAnna(h);
    interaktie.meldingen.clear();
    EXPECT_FALSE(Wijzig(h, HorDataNatal, false, [&](TQ4HorDataDialoogForm& dlg) {
      TValEdit* edit = g.edit(dlg);
      edit->setText(g.tekst);
      dlg.accept();
      EXPECT_TRUE(dlg.isVisible());
      ASSERT_EQ(interaktie.meldingen.size(), 1u);
      EXPECT_EQ(interaktie.meldingen[0].tekst, g.melding);
      EXPECT_EQ(dlg.focusWidget(), edit);
      // The constellation button does not search from an invalid moment either.
      dlg.KonstellatieBtnClick();
      EXPECT_EQ(interaktie.meldingen.size(), 2u);
      EXPECT_FALSE(dlg.Gezocht());
      dlg.reject();
    }));
    EXPECT_EQ(h.Data.Datum, (TDatumRec{1, 7, 2000}));
    EXPECT_EQ(h.Data.Tijd, (TTijdRec{12, 0, 0}));
  }
}

TEST_F(HorDataDialoogTest, TheArrowsMoveInThePlaceListAndInsertingShowsProgress) {
  ZetAnna(h);
  TOpnameVoortgang voortgang;
  TQ4HorDataDialoogForm dlg(h, HorDataNatal);
  dlg.ToonGegevens(false);
  dlg.show();
  ASSERT_EQ(dlg.HuidigePlaats().Naam, "Amsterdam (NL)");
  dlg.OmlaagBtn()->click();
  const std::string volgende = dlg.HuidigePlaats().Naam;
  EXPECT_NE(volgende, "Amsterdam (NL)");
  EXPECT_TRUE(dlg.Gewijzigd());
  dlg.OmhoogBtn()->click();
  EXPECT_EQ(dlg.HuidigePlaats().Naam, "Amsterdam (NL)");

  // Insert with a place to store: the progress window from start to end, then the new place.
  dlg.PlaatsViewer()->OnNieuwePlaats = [](PlaatsRec& p, std::uint8_t& kode) {
    p = PlaatsRec{"Aaaberg (XX)", 10.30f, 20.45f, "AMSTERDA", 0};
    kode = 2;
  };
  dlg.PlaatsViewer()->setFocus();
  QTest::keyClick(dlg.PlaatsViewer(), Qt::Key_Insert);
  ASSERT_FALSE(voortgang.stappen.empty());
  EXPECT_EQ(voortgang.stappen.front(), "toon Inserting the place...");
  EXPECT_EQ(voortgang.stappen.back(), "verberg");
  ASSERT_FALSE(voortgang.posities.empty());
  EXPECT_EQ(voortgang.posities.back(), 100);
  EXPECT_EQ(dlg.HuidigePlaats().Naam, "Aaaberg (XX)");
  EXPECT_FLOAT_EQ(dlg.HuidigePlaats().Breedte, 10.30f);
  dlg.reject();
}

TEST_F(HorDataDialoogTest, LabelsFollowALanguageChangeAtTheNextPainting) {
  ZetAnna(h);
  TQ4HorDataDialoogForm dlg(h, HorDataNatal);
  dlg.ToonGegevens(false);
  dlg.show();
  EXPECT_EQ(dlg.PlaatsLabel()->text().toStdString(),
            "Place (Ins: new place, Ctrl+Del: delete or restore):");
  EXPECT_EQ(dlg.TijdLabel()->text().toStdString(), "Time (hh mm ss):");
  ASSERT_TRUE(KiesTaal(1));
  Instellingen.Datuminvoermode = DatumAmerikaans;
  dlg.grab();   // paints
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Horoscoopgegevens");
  EXPECT_EQ(dlg.DatumLabel()->text().toStdString(), "&Datum (maand dag jaar):");
  EXPECT_EQ(dlg.DatumEdit()->Tekst(), "7/1/2000");
  EXPECT_EQ(dlg.KaartBtn()->text().toStdString(), "Kaart (F2)");
  EXPECT_EQ(dlg.SexKeuze()->title().toStdString(), "&Geslacht:");
  EXPECT_FALSE(dlg.Gewijzigd());   // relabelling is no change
  ASSERT_TRUE(KiesTaal(2));
  dlg.reject();
}


TEST_F(HorDataDialoogTest, CancelAfterASearchRestoresTheDataAndTheCalculatedChart) {
  ZetAnna(h);
  ASSERT_TRUE(h.Bereken());
  const double ut = h.UT;
  const double maan = h.Lengte(2);
  EXPECT_FALSE(Wijzig(h, HorDataNatal, false, [this](TQ4HorDataDialoogForm& dlg) {
    test::BijModaalVenster([](QWidget* w) {
      auto* k = qobject_cast<TQ4KonstellDlg*>(w);
      if (!k) {
        if (w) w->close();
        return;
      }
      EXPECT_TRUE(k->NatalModus());
      k->Object1Lijst()->setCurrentIndex(k->Object1Lijst()->findData(2));    // the Moon
      k->Object2Lijst()->setCurrentIndex(k->Object2Lijst()->findData(26));   // at 0 Aries
      k->HoekEdit()->setText("0");
      k->accept();
    });
    dlg.KonstellatieBtnClick();
    EXPECT_TRUE(dlg.Gezocht());
    EXPECT_EQ(dlg.PrecisieEdit()->Waarde(), (TTijdRec{0, 0, 1}));
    EXPECT_EQ(dlg.SexGroep()->checkedId(), SexNeutraal);
    EXPECT_NE(h.Data.Datum, (TDatumRec{1, 7, 2000}));   // the search moved the moment
    dlg.reject();
  }));
  EXPECT_EQ(h.Data.Datum, (TDatumRec{1, 7, 2000}));
  EXPECT_EQ(h.Data.Sex, SexVrouw);
  EXPECT_TRUE(h.Data.ClockTime);
  EXPECT_TRUE(h.Berekend);
  EXPECT_DOUBLE_EQ(h.UT, ut);
  EXPECT_DOUBLE_EQ(h.Lengte(2), maan);
}

TEST_F(HorDataDialoogTest, TheMapButtonAndF2OpenTheAtlasOnTheCurrentPlace) {
  ZetAnna(h);
  TQ4HorDataDialoogForm dlg(h, HorDataNatal);
  dlg.ToonGegevens(false);
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  int geopend = 0;
  auto sluit = [&geopend, &dlg](QWidget* w) {
    if (w && w != &dlg) ++geopend;
    if (w && w != &dlg) w->close();
  };
  test::BijModaalVenster(sluit);
  dlg.KaartBtn()->click();
  EXPECT_EQ(geopend, 1);
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  test::BijModaalVenster(sluit);
  QTest::keyClick(&dlg, Qt::Key_F2);
  EXPECT_EQ(geopend, 2);
  dlg.reject();
}

}  // namespace
}  // namespace orvan
