#include "time_place/ui/PelqValEdit.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

class ValEditTest : public test::TVensterTest {
 protected:
  test::TOpnameInteraktie interaktie;
};

// An edit that accepts only the text "ok" and counts how often it was asked.
TValEdit* MaakEdit(QWidget* ouder, const char* tekst, const char* melding, int& gevraagd) {
  auto* edit = new TValEdit(ouder);
  edit->setText(tekst);
  edit->ZetFoutmelding(melding);
  edit->OnValidate = [&gevraagd](TValEdit&, const std::string& s, bool& isValid) {
    ++gevraagd;
    isValid = s == "ok";
  };
  return edit;
}

TEST_F(ValEditTest, WithoutAHandlerEveryTextIsValid) {
  TValEdit edit;
  edit.setText("anything");
  EXPECT_TRUE(edit.Valideer());
  EXPECT_TRUE(edit.Controleer());
  EXPECT_TRUE(interaktie.meldingen.empty());
  EXPECT_EQ(edit.Foutmelding(), "Invalid input");
}

TEST_F(ValEditTest, AFailedCheckTakesTheFocusAndShowsTheMessage) {
  QWidget venster;
  auto* ander = new QLabel(&venster);
  int gevraagd = 0;
  TValEdit* edit = MaakEdit(&venster, "wrong", "Invalid date", gevraagd);
  ander->setFocus();
  EXPECT_FALSE(edit->Controleer());
  EXPECT_EQ(venster.focusWidget(), edit);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].titel, "Attention");
  EXPECT_EQ(interaktie.meldingen[0].tekst, "Invalid date");
  EXPECT_FALSE(interaktie.meldingen[0].isVraag);
}

TEST_F(ValEditTest, OnWarnReplacesTheMessage) {
  int gevraagd = 0;
  QWidget venster;
  TValEdit* edit = MaakEdit(&venster, "wrong", "Invalid date", gevraagd);
  TValEdit* gewaarschuwd = nullptr;
  edit->OnWarn = [&](TValEdit& sender) { gewaarschuwd = &sender; };
  EXPECT_FALSE(edit->Controleer());
  EXPECT_EQ(gewaarschuwd, edit);
  EXPECT_TRUE(interaktie.meldingen.empty());
}

TEST_F(ValEditTest, ControleerAllesReportsOnlyTheFirstInvalidEditInChildOrder) {
  // Child order: edit 1 (valid), a frame holding edit 2 (valid) and a group holding edit 3
  // (invalid), then edit 4 (invalid) directly in the window. The layout puts edit 4 on top, which
  // does not change the order of the check.
  QWidget venster;
  int gevraagd[4] = {0, 0, 0, 0};
  TValEdit* e1 = MaakEdit(&venster, "ok", "first", gevraagd[0]);
  auto* frame = new QFrame(&venster);
  TValEdit* e2 = MaakEdit(frame, "ok", "second", gevraagd[1]);
  auto* groep = new QFrame(frame);
  TValEdit* e3 = MaakEdit(groep, "wrong", "third", gevraagd[2]);
  TValEdit* e4 = MaakEdit(&venster, "wrong", "fourth", gevraagd[3]);
  auto* layout = new QVBoxLayout(&venster);
  layout->addWidget(e4);
  layout->addWidget(e1);
  layout->addWidget(frame);
  (void)e2;

  EXPECT_FALSE(ControleerAlles(&venster));
  EXPECT_EQ(gevraagd[0], 1);
  EXPECT_EQ(gevraagd[1], 1);
  EXPECT_EQ(gevraagd[2], 1);
  EXPECT_EQ(gevraagd[3], 0);   // the walk stops at the first failure
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "third");
  EXPECT_EQ(venster.focusWidget(), e3);

  e3->setText("ok");
  EXPECT_FALSE(ControleerAlles(&venster));
  ASSERT_EQ(interaktie.meldingen.size(), 2u);
  EXPECT_EQ(interaktie.meldingen[1].tekst, "fourth");

  e4->setText("ok");
  EXPECT_TRUE(ControleerAlles(&venster));
  EXPECT_EQ(interaktie.meldingen.size(), 2u);
}

TEST_F(ValEditTest, ControleerAllesLeavesOutWindowsOwnedByTheContainer) {
  QWidget venster;
  int gevraagd = 0;
  auto* dialoog = new QWidget(&venster, Qt::Dialog);
  MaakEdit(dialoog, "wrong", "in another window", gevraagd);
  EXPECT_TRUE(ControleerAlles(&venster));
  EXPECT_EQ(gevraagd, 0);
}

}  // namespace
}  // namespace orvan
