#include "shell/ui/BestandSelekt.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

using test::BijModaalVenster;

class BestandSelektTest : public test::TVensterTest {
 protected:
  std::string Map(const std::vector<std::string>& mappen, const std::vector<std::string>& bestanden) {
    const std::string m = map.Pad() + "keuze" + std::to_string(++teller) + "/";
    fs::create_directory(m);
    for (const auto& naam : mappen) fs::create_directory(m + naam);
    for (const auto& naam : bestanden) std::ofstream(m + naam) << "x";
    return m;
  }
  int teller = 0;
};

TEST_F(BestandSelektTest, ListOnlyWithoutHorFoldersShowsTheNoneFoundText) {
  // A file called "*.hor" and a folder without the extension are no databases.
  const std::string m = Map({"data"}, {"los.hor"});
  TBestandSelektForm dlg;
  dlg.Zet(true, true, m + "standard.hor/", 255, "Select a database", "No database found", "hor");
  dlg.show();
  EXPECT_FALSE(dlg.NaamCombo()->isVisible());
  EXPECT_TRUE(dlg.GeenGevondenLabel()->isVisible());
  EXPECT_EQ(dlg.GeenGevondenLabel()->text().toStdString(), "No database found");
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Select a database");

  std::string pad = m + "standard.hor/";
  BijModaalVenster([](QWidget* w) {
    if (auto* d = qobject_cast<TBestandSelektForm*>(w)) QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
  });
  EXPECT_FALSE(KiesBestand(true, true, pad, 255, "Select a database", "No database found", "hor",
                           3600));
  EXPECT_EQ(pad, m + "standard.hor/");
}

TEST_F(BestandSelektTest, TheCurrentNameIsPreselectedAndTheChoiceBecomesAFolderPath) {
  const std::string m = Map({"standard.hor", "Archief.hor", "beta.hor"}, {});
  TBestandSelektForm dlg;
  dlg.Zet(true, true, m + "standard.hor/", 255, "", "none", "hor");
  dlg.show();
  ASSERT_TRUE(dlg.NaamCombo()->isVisible());
  EXPECT_FALSE(dlg.GeenGevondenLabel()->isVisible());
  ASSERT_EQ(dlg.NaamCombo()->count(), 3);
  EXPECT_EQ(dlg.NaamCombo()->itemText(0).toStdString(), "Archief");
  EXPECT_EQ(dlg.NaamCombo()->currentText().toStdString(), "standard");
  EXPECT_FALSE(dlg.NaamCombo()->isEditable());

  std::string pad = m + "standard.hor/";
  BijModaalVenster([](QWidget* w) {
    if (auto* d = qobject_cast<TBestandSelektForm*>(w)) {
      d->NaamCombo()->setCurrentText("beta");
      QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
    }
  });
  EXPECT_TRUE(KiesBestand(true, true, pad, 255, "", "none", "hor", 3600));
  EXPECT_EQ(pad, m + "beta.hor/");
}

TEST_F(BestandSelektTest, NotListOnlyANewNameMayBeTypedButNoPath) {
  const std::string m = Map({}, {"oud.tkp"});
  test::TOpnameInteraktie interaktie;
  std::string pad = m + "*.tkp";
  int pogingen = 0;
  BijModaalVenster([&](QWidget* w) {
    auto* d = qobject_cast<TBestandSelektForm*>(w);
    if (!d) return;
    EXPECT_TRUE(d->NaamCombo()->isEditable());
    EXPECT_EQ(d->NaamCombo()->currentText().toStdString(), "oud");
    d->NaamCombo()->setEditText("../buiten");
    QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
    pogingen += d->isVisible() ? 1 : 0;
    d->NaamCombo()->setEditText("nieuw");
    QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
  });
  EXPECT_TRUE(KiesBestand(false, false, pad, 255, "", "", "tkp", "TransitkoncDef"));
  EXPECT_EQ(pogingen, 1);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "This is not a valid name in this folder.");
  EXPECT_EQ(pad, m + "nieuw.tkp");
}

}  // namespace
}  // namespace orvan
