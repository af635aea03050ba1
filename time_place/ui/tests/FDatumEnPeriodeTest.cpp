#include "time_place/ui/FDatumEnPeriode.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/ui/DatumEdit.h"
#include "time_place/ui/Q5PeriodeDataDlg.h"

namespace orvan {
namespace {

class PeriodeTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    ZetStandaardInstellingen();
    Instellingen.Datuminvoermode = DatumInternationaal;
  }
  void TearDown() override { ZetStandaardInstellingen(); }

  // Types `tekst` over the edit's text and leaves it with Return, as the user does.
  static void Typ(TDatumEdit* edit, const char* tekst) {
    edit->selectAll();
    QTest::keyClicks(edit, tekst);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  test::TOpnameInteraktie interaktie;
};

TEST_F(PeriodeTest, LabelsAndOrderFollowTheDateInputMode) {
  TFDatumEnPeriode frame;
  EXPECT_EQ(frame.StartLabel()->text().toStdString(), "Start date (day month year):");
  EXPECT_EQ(frame.EindLabel()->text().toStdString(), "End date");
  EXPECT_EQ(frame.DagenLabel()->text().toStdString(), "Number of days:");
  frame.ZetPeriode({13, 8, 2004}, 1);
  EXPECT_EQ(frame.StartDatumEdit()->Tekst(), "13/8/2004");

  Instellingen.Datuminvoermode = DatumAmerikaans;
  ASSERT_TRUE(KiesTaal(1));
  frame.Labels();
  EXPECT_EQ(frame.StartLabel()->text().toStdString(), "Begindatum (maand dag jaar):");
  EXPECT_EQ(frame.StartDatumEdit()->Tekst(), "8/13/2004");
  EXPECT_EQ(frame.EindDatumEdit()->Tekst(), "8/14/2004");
  EXPECT_EQ(frame.StartDatumEdit()->Foutmelding(), "Ongeldige datum");
  EXPECT_EQ(frame.EindDatumEdit()->Foutmelding(), "Ongeldige datum");
}

TEST_F(PeriodeTest, ANewFrameStartsOnTheFirstDayOfThisMonth) {
  const TDatumRec voor = EersteVanDezeMaand();
  TFDatumEnPeriode frame;
  const TDatumRec na = EersteVanDezeMaand();
  EXPECT_TRUE(frame.StartDatum() == voor || frame.StartDatum() == na);
  EXPECT_EQ(frame.AantalDagen(), TFDatumEnPeriode::StandaardDagen);
  EXPECT_EQ(frame.EindDatumEdit()->JD50() - frame.StartJD50(), TFDatumEnPeriode::StandaardDagen);
}

TEST_F(PeriodeTest, LeavingADateSetsTheDaysAndChangingTheDaysMovesTheEnd) {
  TFDatumEnPeriode frame;
  frame.ZetPeriode({1, 3, 2000}, 10);
  EXPECT_EQ(frame.EindDatumEdit()->Tekst(), "11/3/2000");

  Typ(frame.EindDatumEdit(), "1.4.2000");
  EXPECT_EQ(frame.AantalDagen(), 31);

  Typ(frame.StartDatumEdit(), "1 2 2000");   // the end stays, the days follow
  EXPECT_EQ(frame.AantalDagen(), 60);
  EXPECT_EQ(frame.EindDatumEdit()->Tekst(), "1.4.2000");

  frame.AantalDagenEdit()->setValue(366);
  EXPECT_EQ(frame.EindDatumEdit()->Tekst(), "1/2/2001");

  Typ(frame.EindDatumEdit(), "31 4 2001");   // an invalid date changes nothing and says nothing
  EXPECT_EQ(frame.AantalDagen(), 366);
  EXPECT_TRUE(interaktie.meldingen.empty());

  Typ(frame.EindDatumEdit(), "1 1 2000");   // before the start: a negative number of days
  EXPECT_EQ(frame.AantalDagen(), -31);
}

TEST_F(PeriodeTest, CancelRestoresThePeriodOfTheMomentTheDialogWasShown) {
  TQ5PeriodeDataDlg dlg;
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Period study");
  dlg.ZetPeriode({1, 3, 2000}, 10);
  dlg.show();
  Typ(dlg.Periode()->StartDatumEdit(), "5 5 2005");
  dlg.Periode()->AantalDagenEdit()->setValue(99);
  dlg.reject();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(dlg.Periode()->StartDatumEdit()->Tekst(), "1/3/2000");
  EXPECT_EQ(dlg.Periode()->EindDatumEdit()->Tekst(), "11/3/2000");
  EXPECT_EQ(dlg.StartDatum(), (TDatumRec{1, 3, 2000}));
  EXPECT_EQ(dlg.StartJD50(), JulDag50(3, 1, 2000, true, 0));
  EXPECT_EQ(dlg.AantalDagen(), 10);

  // Confirmed values are what the next Cancel returns to.
  dlg.show();
  dlg.Periode()->AantalDagenEdit()->setValue(20);
  dlg.accept();
  ASSERT_EQ(dlg.result(), QDialog::Accepted);
  dlg.show();
  Typ(dlg.Periode()->StartDatumEdit(), "2 2 2002");
  dlg.Periode()->AantalDagenEdit()->setValue(500);
  dlg.reject();
  EXPECT_EQ(dlg.StartDatum(), (TDatumRec{1, 3, 2000}));
  EXPECT_EQ(dlg.AantalDagen(), 20);
  EXPECT_EQ(dlg.Periode()->EindDatumEdit()->Tekst(), "21/3/2000");
}

TEST_F(PeriodeTest, OkStaysOpenOnAnInvalidDateWithItsMessage) {
  ASSERT_TRUE(KiesTaal(4));
  TQ5PeriodeDataDlg dlg;
  dlg.ZetPeriode({1, 3, 2000}, 10);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Periodenstudie");
  TDatumEdit* eind = dlg.Periode()->EindDatumEdit();
  eind->setText("31 4 2000");   // typed, the edit not yet left
  dlg.accept();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "Ungültiges Datum");
  EXPECT_EQ(dlg.focusWidget(), eind);

  eind->setText("1 4 2000");
  dlg.accept();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.AantalDagen(), 31);   // taken from the dates on OK
  EXPECT_EQ(interaktie.meldingen.size(), 1u);
}

}  // namespace
}  // namespace orvan
