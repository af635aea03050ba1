#include "shell/ui/Progres.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

using ProgresFormTest = test::TVensterTest;

TEST_F(ProgresFormTest, WithAndWithoutAbortButton) {
  struct TGeval {
    const char* naam;
    bool metAfbreken;
    int hoogte;
  };
  const TGeval gevallen[] = {{"with abort", true, 105}, {"without abort", false, 60}};
  TProgresForm venster;
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    venster.Toon("Importing", g.metAfbreken);
    EXPECT_TRUE(venster.isVisible());
    EXPECT_EQ(venster.windowTitle().toStdString(), "Importing");
    EXPECT_EQ(venster.height(), g.hoogte);
    EXPECT_EQ(venster.AfbrekenBtn()->isVisible(), g.metAfbreken);
    EXPECT_EQ(venster.AfbrekenBtn()->text().toStdString(), "Abort");
    venster.Verberg();
    EXPECT_FALSE(venster.isVisible());
  }
}

TEST_F(ProgresFormTest, AbortSetsTheFlagUntilTheWindowIsShownAgain) {
  TProgresForm venster;
  venster.Toon("Scanning", true);
  venster.ZetPositie(40);
  EXPECT_EQ(venster.Positie(), 40);
  EXPECT_FALSE(venster.AfbrekenGevraagd());
  QTest::mouseClick(venster.AfbrekenBtn(), Qt::LeftButton);
  EXPECT_TRUE(venster.AfbrekenGevraagd());

  venster.Toon("Scanning", true);
  EXPECT_FALSE(venster.AfbrekenGevraagd());
  EXPECT_EQ(venster.Positie(), 0);
}

TEST_F(ProgresFormTest, ClosingTheWindowAbortsOnlyWhenAbortIsOffered) {
  TProgresForm venster;
  venster.Toon("Without abort", false);
  venster.close();
  EXPECT_FALSE(venster.AfbrekenGevraagd());
  EXPECT_TRUE(venster.isVisible());   // the operation hides it when it ends

  venster.Toon("With abort", true);
  venster.close();
  EXPECT_TRUE(venster.AfbrekenGevraagd());
  EXPECT_TRUE(venster.isVisible());
}

}  // namespace
}  // namespace orvan
