#include "shell/ui/DesktopInteraktie.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "shell/ui/Progres.h"
#include "shell/ui/VraagJaNeeAnnul.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

using DesktopInteraktieTest = test::TVensterTest;

TEST_F(DesktopInteraktieTest, InstallsItselfForItsLifetime) {
  {
    TDesktopInteraktie interaktie;
    EXPECT_EQ(&Meldingen(), &interaktie);
    EXPECT_EQ(&Voortgang(), &interaktie);
    EXPECT_EQ(&Toepassing(), &interaktie);
  }
  EXPECT_EQ(dynamic_cast<TDesktopInteraktie*>(&Meldingen()), nullptr);
}

TEST_F(DesktopInteraktieTest, MessagesAndQuestionsUseTheDialogs) {
  TDesktopInteraktie interaktie;
  std::string titel, tekst;
  test::BijModaalVenster([&](QWidget* w) {
    if (auto* d = qobject_cast<TVraagJaNeeAnnulDlg*>(w)) {
      titel = d->windowTitle().toStdString();
      QTest::mouseClick(d->NeeBtn(), Qt::LeftButton);
    }
  });
  EXPECT_EQ(Meldingen().Vraag("Attention", "Save the chart?", "Horoskoopdatabanken"),
            TAntwoord::Nee);
  EXPECT_EQ(titel, "Attention");
}

TEST_F(DesktopInteraktieTest, TheBusyCursorNests) {
  TDesktopInteraktie interaktie;
  {
    TZandloper buiten;
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      TZandloper binnen;
    }
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  interaktie.Zandloper(false);   // one off too many changes nothing
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DesktopInteraktieTest, ProgressGoesToTheProgressWindow) {
  TDesktopInteraktie interaktie;
  Voortgang().Toon("Importing", true);
  TProgresForm& venster = interaktie.ProgresForm();
  EXPECT_TRUE(venster.isVisible());
  Voortgang().Zet(35);
  EXPECT_EQ(venster.Positie(), 35);
  EXPECT_FALSE(Voortgang().AfbrekenGevraagd());
  QTest::mouseClick(venster.AfbrekenBtn(), Qt::LeftButton);
  EXPECT_TRUE(Voortgang().AfbrekenGevraagd());
  Voortgang().Verberg();
  EXPECT_FALSE(venster.isVisible());
}

TEST_F(DesktopInteraktieTest, BeeindigInTheMessageLoopEndsTheLoopWithItsCode) {
  TDesktopInteraktie interaktie;
  bool opgeruimd = false;
  interaktie.ZetOpruimen([&] { opgeruimd = true; });
  QTimer::singleShot(0, [] {
    Toepassing().Zandloper(true);
    Voortgang().Toon("Calculating", false);
    Toepassing().Beeindig(3);
  });
  EXPECT_EQ(interaktie.VoerHoofdlusUit(), 3);
  EXPECT_TRUE(interaktie.BeeindigingGevraagd());
  EXPECT_EQ(interaktie.ExitKode(), 3);
  EXPECT_FALSE(opgeruimd);   // the program's own shutdown follows the loop
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(interaktie.ProgresForm().isVisible());
}

TEST(DesktopInteraktieDeathTest, BeeindigOutsideTheMessageLoopCleansUpAndEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        TDesktopInteraktie interaktie;
        interaktie.ZetOpruimen([] { std::fputs("cleaned up\n", stderr); });
        interaktie.Beeindig(4);
      },
      ::testing::ExitedWithCode(4), "cleaned up");
}

}  // namespace
}  // namespace orvan
