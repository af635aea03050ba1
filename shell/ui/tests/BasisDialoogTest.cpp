#include "shell/ui/BasisDialoog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "shell/LangUtils.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

using test::THelpOpname;
using test::TVensterTest;

class TTestDialoog : public TBasisDialoogForm {
 public:
  bool magSluiten = true;
  int gevraagd = 0;

 protected:
  bool MagSluiten() override {
    ++gevraagd;
    return magSluiten;
  }
};

using BasisDialoogTest = TVensterTest;

TEST_F(BasisDialoogTest, ButtonsAreLabelledFromTheLanguageTableOnEveryShowing) {
  TTestDialoog dlg;
  ASSERT_TRUE(KiesTaal(3));
  dlg.show();
  EXPECT_EQ(dlg.OKBtn()->text().toStdString(), Vertaal("OK"));
  EXPECT_EQ(dlg.AnnuleerBtn()->text().toStdString(), "Annuler");
  EXPECT_EQ(dlg.HelpBtn()->text().toStdString(), "Aide");
  dlg.hide();
  ASSERT_TRUE(KiesTaal(4));
  dlg.show();
  EXPECT_EQ(dlg.AnnuleerBtn()->text().toStdString(), "Abbrechen");
  EXPECT_EQ(dlg.HelpBtn()->text().toStdString(), "Hilfe");
}

TEST_F(BasisDialoogTest, OkClosesOnlyWhenTheDialogAllowsIt) {
  TTestDialoog dlg;
  dlg.magSluiten = false;
  dlg.show();
  QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
  EXPECT_EQ(dlg.gevraagd, 1);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_NE(dlg.result(), QDialog::Accepted);

  dlg.magSluiten = true;
  QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(BasisDialoogTest, CancelClosesWithoutAsking) {
  TTestDialoog dlg;
  dlg.magSluiten = false;
  dlg.show();
  QTest::mouseClick(dlg.AnnuleerBtn(), Qt::LeftButton);
  EXPECT_EQ(dlg.gevraagd, 0);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(BasisDialoogTest, HelpButtonAndF1OpenTheHelpAtTheContextNumber) {
  THelpOpname help;
  TTestDialoog dlg;
  EXPECT_EQ(dlg.HelpContext(), 0);
  dlg.ZetHelpContext(3026);
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  QTest::mouseClick(dlg.HelpBtn(), Qt::LeftButton);
  QTest::keyClick(&dlg, Qt::Key_F1);
  ASSERT_EQ(help.gevraagd.size(), 2u);
  for (const auto& o : help.gevraagd) {
    EXPECT_EQ(o.kontekst, 3026);
    EXPECT_TRUE(o.sleutel.empty());
  }
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(BasisDialoogTest, WithoutAHelpWindowAHelpRequestIsRefused) {
  EXPECT_FALSE(ToonHelp(3026));
  THelpOpname help;
  EXPECT_TRUE(ToonHelp("AspDef"));
  ASSERT_EQ(help.gevraagd.size(), 1u);
  EXPECT_EQ(help.gevraagd[0].sleutel, "AspDef");
}

}  // namespace
}  // namespace orvan
