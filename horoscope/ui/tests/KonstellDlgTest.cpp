#include "horoscope/ui/Q4KonstellDlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "horoscope/Q4Konstell.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/ui/PelqValEdit.h"

namespace orvan {
namespace {

constexpr int Zon = 1, Maan = 2, Mars = 5, Ascendant = 14, MC = 23, Ram = 26, Vissen = 37;

class KonstellDlgTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    TVensterTest::SetUp();
    KonstellKeuze() = {};
  }
  void TearDown() override { KonstellKeuze() = {}; }

  static void Kies(QComboBox* lijst, int object) {
    lijst->setCurrentIndex(lijst->findData(object));
    ASSERT_EQ(lijst->currentData().toInt(), object);
  }

  test::TOpnameInteraktie interaktie;
};

TEST_F(KonstellDlgTest, ListsLabelsAndTheLastAngleInDegreesMinutes) {
  KonstellKeuze() = {-90.5, Maan, MC};
  TQ4KonstellDlg dlg(false);
  dlg.show();
  EXPECT_EQ(dlg.HelpContext(), 3021);
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Find constellation");
  EXPECT_EQ(dlg.Object1Label()->text().toStdString(), "Transit position:");
  EXPECT_EQ(dlg.Object2Label()->text().toStdString(), "Natal position:");
  EXPECT_EQ(dlg.HoekLabel()->text().toStdString(), "Angle (°.'):");
  ASSERT_EQ(dlg.Object1Lijst()->count(), 25);
  ASSERT_EQ(dlg.Object2Lijst()->count(), 37);
  EXPECT_EQ(dlg.Object1Lijst()->itemData(24).toInt(), 25);
  EXPECT_EQ(dlg.Object2Lijst()->itemData(36).toInt(), Vissen);
  EXPECT_EQ(dlg.Object1Lijst()->itemText(0).toStdString(), "Sun");   // names without padding
  // Both lists start at the Sun, not at the last choice; the angle is the last one, as d.mm.
  EXPECT_EQ(dlg.Object1(), Zon);
  EXPECT_EQ(dlg.Object2(), Zon);
  EXPECT_EQ(dlg.HoekEdit()->Tekst(), "-90.30");

  Kies(dlg.Object1Lijst(), Mars);
  Kies(dlg.Object2Lijst(), Ram);
  dlg.reject();
  dlg.show();
  EXPECT_EQ(dlg.Object1(), Zon);
  EXPECT_EQ(dlg.Object2(), Zon);

  TQ4KonstellDlg natal(true);
  natal.show();
  EXPECT_EQ(natal.Object1Label()->text().toStdString(), "Natal position:");
}

TEST_F(KonstellDlgTest, AnAngleOutsideTheRangeOrUnreadableKeepsTheDialogOpen) {
  const char* const fout[] = {"181", "-180 30", "90 60", "abc", "", "12 -5"};
  for (const char* tekst : fout) {
    SCOPED_TRACE(tekst);
    interaktie.meldingen.clear();
    TQ4KonstellDlg dlg(false);
    dlg.show();
    dlg.HoekEdit()->setText(tekst);
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(interaktie.meldingen.size(), 1u);
    EXPECT_EQ(interaktie.meldingen[0].tekst, "The angle must lie between -180 and 180 degrees.");
    EXPECT_EQ(KonstellKeuze().Hoek, 0);
    dlg.reject();
  }
}

TEST_F(KonstellDlgTest, PairsThatNeverMoveApartAreRefused) {
  struct Geval {
    const char* naam;
    bool natal;
    int object1, object2;
    bool geweigerd;
  };
  const Geval gevallen[] = {
      {"natal Sun twice", true, Zon, Zon, true},
      {"transit Sun twice is a solar return", false, Zon, Zon, false},
      {"natal cusp against cusp", true, Ascendant, MC, true},
      {"transit cusp against cusp", false, MC, MC, true},
      {"natal cusp against a sign", true, Ascendant, Ram, false},
      {"natal Moon against Mars", true, Maan, Mars, false},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    interaktie.meldingen.clear();
    KonstellKeuze() = {};
    TQ4KonstellDlg dlg(g.natal);
    dlg.show();
    Kies(dlg.Object1Lijst(), g.object1);
    Kies(dlg.Object2Lijst(), g.object2);
    dlg.HoekEdit()->setText("10.30");
    dlg.accept();
    EXPECT_EQ(dlg.isVisible(), g.geweigerd);
    if (g.geweigerd) {
      ASSERT_EQ(interaktie.meldingen.size(), 1u);
      EXPECT_EQ(interaktie.meldingen[0].tekst,
                "This combination is impossible: the two points do not move relative to each other.");
      EXPECT_EQ(KonstellKeuze().Hoek, 0);
      dlg.reject();
    } else {
      EXPECT_TRUE(interaktie.meldingen.empty());
      EXPECT_EQ(KonstellKeuze().Object1, g.object1);
      EXPECT_EQ(KonstellKeuze().Object2, g.object2);
      EXPECT_DOUBLE_EQ(KonstellKeuze().Hoek, 10.5);
    }
  }
}

TEST_F(KonstellDlgTest, OkStoresTheChoiceWithTheAngleInDecimalDegrees) {
  struct Geval {
    const char* tekst;
    double hoek;
  };
  const Geval gevallen[] = {{"-90 30", -90.5}, {"-0.30", -0.5}, {"180", 180}, {"-180.00", -180},
                            {"45.15", 45.25}, {"100 E 5", 100.0 + 5.0 / 60}};
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.tekst);
    KonstellKeuze() = {};
    TQ4KonstellDlg dlg(true);
    dlg.show();
    Kies(dlg.Object1Lijst(), Maan);
    Kies(dlg.Object2Lijst(), MC);
    dlg.HoekEdit()->setText(g.tekst);
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(KonstellKeuze().Hoek, g.hoek);
    EXPECT_EQ(KonstellKeuze().Object1, Maan);
    EXPECT_EQ(KonstellKeuze().Object2, MC);
  }
  // The next opening shows the stored angle again.
  KonstellKeuze().Hoek = 45.25;
  TQ4KonstellDlg dlg(true);
  dlg.show();
  EXPECT_EQ(dlg.HoekEdit()->Tekst(), "45.15");
}

}  // namespace
}  // namespace orvan
