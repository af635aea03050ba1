// The new-place dialog: its zone list from the zone tables, the store box, the checks on OK with
// their messages, and the place and InvoerKode it gives back.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <filesystem>

#include "shell/LangUtils.h"
#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/ui/GeoEdit.h"
#include "time_place/ui/NieuwePlaatsDialoog.h"

namespace orvan {
namespace {

class NieuwePlaatsDialoogTest : public test::TVensterTest {
 protected:
  test::TOpnameInteraktie interaktie;
};

TEST_F(NieuwePlaatsDialoogTest, ZoneItemsComeFromTheZoneTables) {
  const std::string zones = test::NieuweTijdelijkeMap();
  test::SchrijfBestand(zones + "Abc.uur", "Alpha zone\r\n19000101 0.00 1.00 CET\r\n");
  test::SchrijfBestand(zones + "LONGNAME.UUR", "Caf\xE9 time\n");  // CP1252
  test::SchrijfBestand(zones + "B.uur", "");
  test::SchrijfBestand(zones + "notes.txt", "not a table\n");
  test::SchrijfBestand(zones + "two words.uur", "no zone name\n");
  test::SchrijfBestand(zones + "TOOLONGNAME.uur", "no zone name\n");
  std::filesystem::create_directory(zones + "dir.uur");
  const QStringList items = ZoneItems(zones);
  const QStringList verwacht{QStringLiteral("???"), QStringLiteral("ABC     : Alpha zone"),
                             QStringLiteral("B       : "), QStringLiteral("LONGNAME: Café time")};
  EXPECT_EQ(items, verwacht) << items.join(QLatin1Char('|')).toStdString();
  std::filesystem::remove_all(zones);
}

TEST_F(NieuwePlaatsDialoogTest, TheDialogListsTheShippedZonesAndItsTexts) {
  TNieuwePlaatsDlg dlg;
  const QStringList items = ZoneItems(TijdzoneMap());
  ASSERT_GT(items.size(), 100);
  ASSERT_EQ(dlg.ZoneCombo()->count(), items.size());
  EXPECT_EQ(dlg.ZoneCombo()->itemText(0), QStringLiteral("???"));
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("New place"));
  EXPECT_EQ(dlg.BewaarBox()->text(), QStringLiteral("Save the data"));
  EXPECT_EQ(dlg.NaamEdit()->Foutmelding(), "You must enter a place name.");
  EXPECT_EQ(dlg.BreedteEdit()->Foutmelding(), Vertaal("OngeldigeBreedte"));
  EXPECT_EQ(dlg.LengteEdit()->Foutmelding(), Vertaal("OngeldigeLengte"));
}

TEST_F(NieuwePlaatsDialoogTest, StoreIsEnabledOnlyWithATrimmedName) {
  TNieuwePlaatsDlg dlg;
  EXPECT_FALSE(dlg.BewaarBox()->isEnabled());
  dlg.NaamEdit()->setText(QStringLiteral("   "));
  EXPECT_FALSE(dlg.BewaarBox()->isEnabled());
  dlg.NaamEdit()->setText(QStringLiteral(" Ede "));
  EXPECT_TRUE(dlg.BewaarBox()->isEnabled());
  EXPECT_EQ(dlg.InvoerKode(), 1);
  dlg.BewaarBox()->setChecked(true);
  EXPECT_EQ(dlg.InvoerKode(), 2);
  dlg.NaamEdit()->clear();
  EXPECT_FALSE(dlg.BewaarBox()->isEnabled());
  EXPECT_EQ(dlg.InvoerKode(), 1) << "ticked but disabled does not store";
}

TEST_F(NieuwePlaatsDialoogTest, OkChecksTheFieldsInOrderWithTheirMessages) {
  struct TGeval {
    const char* naam;
    const char* plaats;
    bool bewaren;
    const char* breedte;
    const char* lengte;
    const char* melding;  // nullptr: the dialog closes
  };
  const TGeval gevallen[] = {
      {"no name, not stored", "", false, "52N05", "5E07", nullptr},
      {"no name, to be stored", "", true, "52N05", "5E07", "UMoetPlaatsnaamGeven"},
      {"blank name, to be stored", "  ", true, "52N05", "5E07", "UMoetPlaatsnaamGeven"},
      {"bad latitude", "Utrecht", false, "91N00", "5E07", "OngeldigeBreedte"},
      {"bad longitude", "Utrecht", false, "52N05", "5E61", "OngeldigeLengte"},
      {"both bad: the first reports", "Utrecht", false, "52N60", "181E00", "OngeldigeBreedte"},
  };
  for (const TGeval& g : gevallen) {
    interaktie.meldingen.clear();
    TNieuwePlaatsDlg dlg;
    dlg.NaamEdit()->setText(QString::fromUtf8(g.plaats));
    if (g.bewaren) {
      dlg.NaamEdit()->setText(QStringLiteral("x"));
      dlg.BewaarBox()->setChecked(true);
      dlg.NaamEdit()->setText(QString::fromUtf8(g.plaats));
    }
    dlg.BreedteEdit()->setText(QString::fromLatin1(g.breedte));
    dlg.LengteEdit()->setText(QString::fromLatin1(g.lengte));
    dlg.show();
    dlg.accept();
    if (!g.melding) {
      EXPECT_EQ(dlg.result(), QDialog::Accepted) << g.naam;
      EXPECT_TRUE(interaktie.meldingen.empty()) << g.naam;
      continue;
    }
    EXPECT_TRUE(dlg.isVisible()) << g.naam << ": the dialog stays open";
    ASSERT_EQ(interaktie.meldingen.size(), 1u) << g.naam;
    EXPECT_EQ(interaktie.meldingen[0].tekst, Vertaal(g.melding)) << g.naam;
  }
}

TEST_F(NieuwePlaatsDialoogTest, TheResultHoldsTheTrimmedNameAndTheChosenZone) {
  struct TGeval {
    const char* naam;
    const char* sjabloonZone;
    const char* kiesZone;  // nullptr: keep the template's
    bool bewaren;
    std::string zone;
    std::uint8_t kode;
  };
  const TGeval gevallen[] = {
      {"template zone kept", "amsterda", nullptr, true, "AMSTERDA", 2},
      {"another zone chosen", "AMSTERDA", "TORONTO", false, "TORONTO", 1},
      {"no official time", "AMSTERDA", "???", true, "", 2},
      {"a zone without a table is kept", "MYZONE", nullptr, false, "MYZONE", 1},
      {"no zone", "", nullptr, false, "", 1},
  };
  for (const TGeval& g : gevallen) {
    PlaatsRec p;
    p.Naam = "  Utrecht (NL)  ";
    p.Breedte = 52.05f;
    p.Lengte = 5.07f;
    p.Zone = g.sjabloonZone;
    test::BijModaalVenster([&g](QWidget* w) {
      auto* dlg = qobject_cast<TNieuwePlaatsDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      if (g.kiesZone) {
        const int i =
            dlg->ZoneCombo()->findText(QString::fromLatin1(g.kiesZone), Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << g.naam;
        dlg->ZoneCombo()->setCurrentIndex(i);
      }
      dlg->BewaarBox()->setChecked(g.bewaren);
      dlg->LengteEdit()->setText(QStringLiteral("5W07"));
      dlg->accept();
    });
    std::uint8_t kode = 9;
    NieuwePlaatsDialoog(nullptr, p, kode);
    EXPECT_EQ(kode, g.kode) << g.naam;
    EXPECT_EQ(p.Naam, "Utrecht (NL)") << g.naam;
    EXPECT_EQ(p.Zone, g.zone) << g.naam;
    EXPECT_FLOAT_EQ(p.Breedte, 52.05f) << g.naam;
    EXPECT_FLOAT_EQ(p.Lengte, -5.07f) << g.naam;
    EXPECT_EQ(p.Gewist, 0) << g.naam;
  }
}

TEST_F(NieuwePlaatsDialoogTest, CancelGivesZeroAndKeepsThePlace) {
  PlaatsRec p;
  p.Naam = "Utrecht (NL)";
  p.Zone = "AMSTERDA";
  test::BijModaalVenster([](QWidget* w) {
    auto* dlg = qobject_cast<TNieuwePlaatsDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->NaamEdit()->setText(QStringLiteral("Elsewhere"));
    dlg->reject();
  });
  std::uint8_t kode = 9;
  NieuwePlaatsDialoog(nullptr, p, kode);
  EXPECT_EQ(kode, 0);
  EXPECT_EQ(p.Naam, "Utrecht (NL)");
  EXPECT_EQ(p.Zone, "AMSTERDA");
}

}  // namespace
}  // namespace orvan
