#include "shell/ui/VraagJaNeeAnnul.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "shell/LangUtils.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

using test::BijModaalVenster;
using test::THelpOpname;
using test::TVensterTest;

// What a test saw of the dialog while it was open.
struct TGezien {
  bool gevonden = false;
  std::string titel;
  std::string tekst;
  std::vector<std::string> knoppen;   // captions of the visible buttons, left to right
  bool helpZichtbaar = false;
};

TGezien Bekijk(QWidget* w) {
  TGezien g;
  auto* dlg = qobject_cast<TVraagJaNeeAnnulDlg*>(w);
  if (!dlg) return g;
  g.gevonden = true;
  g.titel = dlg->windowTitle().toStdString();
  g.tekst = dlg->TekstEdit()->toPlainText().toStdString();
  for (QPushButton* b : {dlg->JaBtn(), dlg->NeeBtn(), dlg->AnnuleerBtn(), dlg->HelpBtn()})
    if (b->isVisible()) g.knoppen.push_back(b->text().toStdString());
  g.helpZichtbaar = dlg->HelpBtn()->isVisible();
  return g;
}

using VraagJaNeeAnnulTest = TVensterTest;

TEST_F(VraagJaNeeAnnulTest, MeldingWithoutHelpKeywordShowsOneOkButtonAndNoHelp) {
  TGezien gezien;
  BijModaalVenster([&](QWidget* w) {
    gezien = Bekijk(w);
    if (auto* dlg = qobject_cast<TVraagJaNeeAnnulDlg*>(w)) QTest::mouseClick(dlg->JaBtn(), Qt::LeftButton);
  });
  Melding("Opgelet", "The file is missing.", "");
  ASSERT_TRUE(gezien.gevonden);
  EXPECT_EQ(gezien.titel, "Opgelet");
  EXPECT_EQ(gezien.tekst, "The file is missing.");
  EXPECT_EQ(gezien.knoppen, std::vector<std::string>{"OK"});
  EXPECT_FALSE(gezien.helpZichtbaar);
}

TEST_F(VraagJaNeeAnnulTest, AHelpKeywordShowsHelpWhichOpensThatTopic) {
  THelpOpname help;
  TGezien gezien;
  BijModaalVenster([&](QWidget* w) {
    gezien = Bekijk(w);
    if (auto* dlg = qobject_cast<TVraagJaNeeAnnulDlg*>(w)) {
      QTest::mouseClick(dlg->HelpBtn(), Qt::LeftButton);
      QTest::mouseClick(dlg->JaBtn(), Qt::LeftButton);
    }
  });
  Melding("Fout", "HoekOfOrbFout", "AspDef");
  ASSERT_TRUE(gezien.gevonden);
  EXPECT_EQ(gezien.knoppen, (std::vector<std::string>{"OK", "Help"}));
  ASSERT_EQ(help.gevraagd.size(), 1u);
  EXPECT_EQ(help.gevraagd[0].sleutel, "AspDef");
}

TEST_F(VraagJaNeeAnnulTest, VraagAnswersByTheButtonPressed) {
  ASSERT_TRUE(KiesTaal(1));
  struct TGeval {
    const char* naam;
    std::function<void(TVraagJaNeeAnnulDlg*)> druk;
    TAntwoord verwacht;
  };
  const TGeval gevallen[] = {
      {"Yes button", [](auto* d) { QTest::mouseClick(d->JaBtn(), Qt::LeftButton); }, TAntwoord::Ja},
      {"No button", [](auto* d) { QTest::mouseClick(d->NeeBtn(), Qt::LeftButton); }, TAntwoord::Nee},
      {"Cancel button", [](auto* d) { QTest::mouseClick(d->AnnuleerBtn(), Qt::LeftButton); },
       TAntwoord::Annuleer},
      {"Escape key", [](auto* d) { QTest::keyClick(d, Qt::Key_Escape); }, TAntwoord::Annuleer},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TGezien gezien;
    BijModaalVenster([&](QWidget* w) {
      gezien = Bekijk(w);
      if (auto* dlg = qobject_cast<TVraagJaNeeAnnulDlg*>(w))
        g.druk(dlg);
      else if (w)
        w->close();
    });
    const TAntwoord antwoord = Vraag("Opgelet", "Save the chart?", "");
    ASSERT_TRUE(gezien.gevonden);
    EXPECT_EQ(gezien.knoppen, (std::vector<std::string>{"Ja", "Nee", "Annuleren"}));
    EXPECT_EQ(antwoord, g.verwacht);
  }
}

TEST_F(VraagJaNeeAnnulTest, TheTextIsShownAsWrittenNotAsMarkup) {
  TVraagJaNeeAnnulDlg dlg;
  dlg.Zet("t", "<b>Mars & Venus</b> in \"x.hor\"", "", true);
  EXPECT_EQ(dlg.TekstEdit()->toPlainText().toStdString(), "<b>Mars & Venus</b> in \"x.hor\"");
}

TEST(VraagJaNeeAnnulZonderTaal, ButtonsHaveTheirEnglishCaptionsWhileTheLanguageTableIsClosed) {
  // Messages about a language table that cannot be opened are shown before it exists.
  test::TTijdelijkeMap leeg(false);
  TVraagJaNeeAnnulDlg dlg;
  dlg.Zet("", "Translation text strings not found.", "", true);
  EXPECT_EQ(dlg.JaBtn()->text().toStdString(), "OK");
  dlg.Zet("", "?", "", false);
  EXPECT_EQ(dlg.JaBtn()->text().toStdString(), "Yes");
  EXPECT_EQ(dlg.NeeBtn()->text().toStdString(), "No");
  EXPECT_EQ(dlg.AnnuleerBtn()->text().toStdString(), "Cancel");
}

}  // namespace
}  // namespace orvan
