// The window of the difference to Greenwich time: what it shows, OK with a typed difference, an
// invalid difference, Cancel, and the questions of BepaalVerschilGMT with the window installed.

#include "time_place/ui/VerschilGMTVenster.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/UurVerschil.h"
#include "time_place/ui/UurEdit.h"

namespace orvan {
namespace {

class VerschilGMTVensterTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    test::TVensterTest::SetUp();
    zones_ = map.Pad() + "testzones/";
    std::filesystem::create_directories(zones_);
    test::SchrijfBestand(zones_ + "TEST.uur",
                         "Testzone\n19000101 0.00 0.20 ?LMT\n19400516 1.40 2.00  CEST\n");
    test::SchrijfBestand(zones_ + "TEST.exc", "Clocks in the east of the zone\nran an hour ahead\n");
    test::SchrijfBestand(zones_ + "KAAL.uur", "Without exceptions\n19000101 0.00 1.00 ?CET\n");
  }
  void TearDown() override { StopVerschilGMTVenster(); }

  // The question BepaalVerschilGMT asks for `zone` on 1 July 1850 at noon at 4.54 east.
  TVerschilVraag Vraag(const std::string& zone) {
    const TZoekVerschil z = ZoekVerschilIn(zones_, zone, {1, 7, 1850}, {12, 0, 0});
    return MaakVerschilVraag(zones_, zone, z, 4.54);
  }

  test::TOpnameInteraktie interaktie;
  std::string zones_;
};

TEST_F(VerschilGMTVensterTest, ExceptionsBoxOnlyWhenTheZoneHasAText) {
  TVerschilGMTForm met(Vraag("TEST"));
  met.show();
  EXPECT_EQ(met.windowTitle().toStdString(), "Difference to Greenwich time uncertain");
  EXPECT_TRUE(met.UitzonderingMemo()->isVisible());
  EXPECT_TRUE(met.UitzonderingLabel()->isVisible());
  EXPECT_EQ(met.UitzonderingLabel()->text().toStdString(), "!!! Local exceptions:");
  EXPECT_EQ(met.UitzonderingMemo()->toPlainText().toStdString(),
            "Clocks in the east of the zone\nran an hour ahead\n");
  EXPECT_TRUE(met.UitzonderingMemo()->isReadOnly());
  EXPECT_EQ(met.UitzonderingMemo()->palette().color(QPalette::Text), QColor(Qt::red));

  TVerschilGMTForm zonder(Vraag("KAAL"));
  zonder.resize(met.size());
  zonder.show();
  EXPECT_FALSE(zonder.UitzonderingMemo()->isVisible());
  EXPECT_FALSE(zonder.UitzonderingLabel()->isVisible());
  EXPECT_GT(zonder.MeldingMemo()->height(), met.MeldingMemo()->height())
      << "the message box takes the room of the exceptions";
}

TEST_F(VerschilGMTVensterTest, LabelsEditAndMessageLines) {
  TVerschilGMTForm form(Vraag("TEST"));   // before the table: no data, prefilled with its first line
  form.show();
  EXPECT_EQ(form.findChild<QLabel*>("VerschilLabel")->text().toStdString(),
            "Difference to Greenwich time (+/- hh.mm.ss) ?");
  EXPECT_EQ(form.VerschilEdit()->Tekst(), "  0h20m00s");
  EXPECT_EQ(form.VerschilEdit()->Foutmelding(), "Impossible time difference to Greenwich");
  const QStringList regels = form.MeldingMemo()->toPlainText().split('\n');
  ASSERT_EQ(regels.size(), 2);
  EXPECT_TRUE(regels[0].startsWith("No data on the difference")) << regels[0].toStdString();
  EXPECT_EQ(regels[1].toStdString(), "Local mean time: GMT + 0.20");
  EXPECT_EQ(form.HelpContext(), HelpVerschilGMT);
}

// The window opened through the installed dialog; `actie` runs on it and closes it.
bool VraagMetVenster(const TVerschilVraag& vraag, TTijdRec& verschil,
                     std::function<void(TVerschilGMTForm&)> actie) {
  test::BijModaalVenster([actie](QWidget* w) {
    auto* form = qobject_cast<TVerschilGMTForm*>(w);
    ASSERT_NE(form, nullptr);
    actie(*form);
  });
  TVerschilGMTVenster venster;
  return venster.Vraag(vraag, verschil);
}

TEST_F(VerschilGMTVensterTest, OKReturnsTheTypedDifference) {
  TTijdRec verschil{9, 9, 9};
  EXPECT_TRUE(VraagMetVenster(Vraag("TEST"), verschil, [](TVerschilGMTForm& f) {
    f.VerschilEdit()->setText("-5.30");
    f.OKBtn()->click();
  }));
  EXPECT_EQ(verschil.Uren, -5);
  EXPECT_EQ(verschil.Minuten, -30);
  EXPECT_EQ(verschil.Seconden, 0);
  EXPECT_TRUE(interaktie.meldingen.empty());
}

TEST_F(VerschilGMTVensterTest, AnInvalidDifferenceKeepsTheDialogOpen) {
  TTijdRec verschil{9, 9, 9};
  bool bleefOpen = false;
  EXPECT_FALSE(VraagMetVenster(Vraag("TEST"), verschil, [&](TVerschilGMTForm& f) {
    f.VerschilEdit()->setText("14.00");   // hours of a difference lie below 14
    f.OKBtn()->click();
    bleefOpen = f.isVisible();
    f.AnnuleerBtn()->click();
  }));
  EXPECT_TRUE(bleefOpen);
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "Impossible time difference to Greenwich");
  EXPECT_EQ(verschil.Uren, 9) << "Cancel leaves the caller's value";
}

TEST_F(VerschilGMTVensterTest, CancelReturnsFalse) {
  TTijdRec verschil{1, 0, 0};
  EXPECT_FALSE(VraagMetVenster(Vraag("KAAL"), verschil, [](TVerschilGMTForm& f) {
    f.VerschilEdit()->setText("3.00");
    f.AnnuleerBtn()->click();
  }));
  EXPECT_EQ(verschil.Uren, 1);
  EXPECT_EQ(verschil.Minuten, 0);
}

TEST_F(VerschilGMTVensterTest, LocalMeanTimeThroughBepaalVerschilGMT) {
  StartVerschilGMTVenster(nullptr);
  std::string tekst, laatsteRegel;
  bool uitzonderingen = true;
  test::BijModaalVenster([&](QWidget* w) {
    auto* form = qobject_cast<TVerschilGMTForm*>(w);
    ASSERT_NE(form, nullptr);
    tekst = form->VerschilEdit()->Tekst();
    laatsteRegel = form->MeldingMemo()->toPlainText().split('\n').last().toStdString();
    uitzonderingen = form->UitzonderingMemo()->isVisible();
    form->OKBtn()->click();
  });
  TTijdRec verschil;
  ASSERT_TRUE(BepaalVerschilGMTIn(zones_, "L", {1, 7, 1850}, {12, 0, 0}, 4.54, verschil));
  EXPECT_EQ(tekst, "  0h20m00s");
  EXPECT_EQ(laatsteRegel, "Local mean time: GMT + 0.20");
  EXPECT_FALSE(uitzonderingen) << "the zone L has no exceptions";
  EXPECT_EQ(verschil.Uren, 0);
  EXPECT_EQ(verschil.Minuten, 20);
  EXPECT_EQ(verschil.Seconden, 0);

  // A certain answer asks nothing; after StopVerschilGMTVenster an uncertain one is cancelled.
  ASSERT_TRUE(BepaalVerschilGMTIn(zones_, "TEST", {1, 7, 1950}, {12, 0, 0}, 4.54, verschil));
  EXPECT_EQ(verschil.Uren, 2);
  StopVerschilGMTVenster();
  EXPECT_FALSE(BepaalVerschilGMTIn(zones_, "TEST", {1, 7, 1850}, {12, 0, 0}, 4.54, verschil));
}

}  // namespace
}  // namespace orvan
