// The text output window: the report as rich text, adding it to the running report, copying,
// saving, help, and the names a save gets.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFRapport.h"
#include "graphics/ui/TekstUitvoer.h"
#include "shell/LangUtils.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/Wacht.h"
#include "shell/ui/WachtVenster.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

std::string Lees(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class TekstUitvoerTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    test::TVensterTest::SetUp();
    ASSERT_TRUE(StartRTFBestanden());
  }
  void TearDown() override { VrijWachtForm(); }

  // A report as the report writers make them: a bold title, a centred line, a table in the
  // fixed-pitch font; `metPagina` adds a second page.
  std::string MaakRapport(const std::string& titel, bool metPagina = false) {
    TRTFUitBestand r;
    r.MaakTijdelijk();
    r.Voettekst(titel, true);
    r.Uitlijning(UitlijningUitgevuld);
    r.Letter(LetterArial, 10);
    r.Regels(TRTFUitBestand::Vet(true) + titel + TRTFUitBestand::Vet(false));
    r.Uitlijning(UitlijningMidden);
    r.Regels("midden");
    r.Uitlijning(UitlijningLinks);
    r.Letter(LetterCourier, 10);
    r.Regels("zon:   10\\u176\\'b0 12'\nmaa:  200\\u176\\'b0 05'");
    if (metPagina) r.Schrijf("\\page\n"), r.Regels("twee");
    EXPECT_TRUE(r.Sluit());
    return r.BestandsNaam();
  }

  test::TOpnameInteraktie ui;
};

TEST_F(TekstUitvoerTest, ShowsTheReportWithItsFormatting) {
  TTekstUitvoerForm venster;
  ASSERT_TRUE(venster.LaadBestand(MaakRapport("Anna", true)));
  QTextDocument* doc = venster.Edit()->document();
  EXPECT_TRUE(venster.Edit()->isReadOnly());
  EXPECT_EQ(venster.Edit()->textCursor().position(), 0) << "the caret at the start";

  QTextBlock b = doc->begin();
  ASSERT_TRUE(b.isValid());
  EXPECT_EQ(b.text().toStdString(), "Anna");
  EXPECT_EQ(b.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
  EXPECT_DOUBLE_EQ(b.begin().fragment().charFormat().fontPointSize(), 10.0);

  b = b.next();
  EXPECT_EQ(b.text().toStdString(), "midden");
  EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_NE(b.begin().fragment().charFormat().fontWeight(), QFont::Bold);

  b = b.next();
  EXPECT_EQ(b.text().toStdString(), "zon:   10\xC2\xB0 12'");
  const QTextCharFormat kolom = b.begin().fragment().charFormat();
  EXPECT_EQ(kolom.fontFamilies().toStringList().value(0).toStdString(), "Liberation Mono");
  EXPECT_TRUE(kolom.fontFixedPitch()) << "columns keep their places";

  // The page break: a rule on the screen, and the next page when printed.
  while (b.isValid() && b.text() != QLatin1String("twee")) b = b.next();
  ASSERT_TRUE(b.isValid());
  EXPECT_EQ(b.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
  EXPECT_TRUE(b.previous().blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
  EXPECT_EQ(doc->toPlainText().count(QLatin1String("Anna")), 1) << "the footer is not shown";
}

TEST_F(TekstUitvoerTest, MenuCaptionsAndTheirKeys) {
  TTekstUitvoerForm venster;
  EXPECT_EQ(venster.RapportActie()->text().toStdString(), Vertaal("Afdrukken"));
  EXPECT_FALSE(venster.RapportActie()->isEnabled()) << "nothing to add without a file";
  ASSERT_TRUE(venster.LaadBestand(MaakRapport("Anna")));
  EXPECT_EQ(venster.windowTitle().toStdString(), Vertaal("TekstUitvoerVenster"));
  EXPECT_EQ(venster.RapportActie()->text().toStdString(), Vertaal("KopieNrRapport"));
  EXPECT_TRUE(venster.RapportActie()->isEnabled());
  EXPECT_EQ(venster.RapportActie()->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(venster.KopieActie()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
  EXPECT_EQ(venster.BewaarActie()->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_EQ(venster.HelpActie()->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(venster.SluitActie()->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_FALSE(venster.LaadBestand(map.Pad() + "does-not-exist.rtf"));
  EXPECT_TRUE(venster.Bestand().empty());
}

TEST_F(TekstUitvoerTest, AddingTwoOutputsBuildsTheRunningReport) {
  const std::string eerste = MaakRapport("Anna");
  const std::string eersteTekst = Lees(eerste);   // a second output may reuse the name
  TTekstUitvoerForm venster;
  ASSERT_TRUE(venster.LaadBestand(eerste));
  ASSERT_FALSE(RapportBestaat());
  ASSERT_TRUE(venster.KopieNrRapportClick());
  EXPECT_EQ(Lees(RapportBestand()), eersteTekst) << "the first output is the report as it is";
  EXPECT_TRUE(WachtForm().isVisible()) << "the wait message stays its minimum time";
  EXPECT_EQ(WachtForm().TekstLabel()->text().toStdString(), Vertaal("UitvoerGaatNaarRapport"));

  const std::string tweede = MaakRapport("Bert");
  ASSERT_TRUE(venster.LaadBestand(tweede));
  ASSERT_TRUE(venster.KopieNrRapportClick());
  const std::string rapport = Lees(RapportBestand());
  std::string zonderSlot = eersteTekst;
  zonderSlot.erase(zonderSlot.rfind("}\n"));
  EXPECT_EQ(rapport.substr(0, zonderSlot.size()), zonderSlot);
  EXPECT_NE(rapport.find("\\page\n\\paperh", zonderSlot.size()), std::string::npos);
  EXPECT_NE(rapport.find("Bert"), std::string::npos);
  EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(TekstUitvoerTest, CopyPutsTheRichTextOnTheClipboard) {
  const std::string bestand = MaakRapport("Anna");
  TTekstUitvoerForm venster;
  ASSERT_TRUE(venster.LaadBestand(bestand));
  venster.KopieActie()->trigger();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->data("text/rtf").toStdString(), Lees(bestand));
  EXPECT_TRUE(data->hasHtml());
  EXPECT_TRUE(data->text().startsWith(QLatin1String("Anna")));
  EXPECT_FALSE(venster.Edit()->textCursor().hasSelection());
}

TEST_F(TekstUitvoerTest, SavingCopiesTheFileUnderTheChosenName) {
  const std::string bestand = MaakRapport("Anna");
  TTekstUitvoerForm venster;
  ASSERT_TRUE(venster.LaadBestand(bestand));
  const std::string doel = RapportMap() + "mijn rapport";
  { std::ofstream(doel + ".rtf") << "old"; }
  ASSERT_TRUE(venster.BewaarAls(doel));
  EXPECT_EQ(Lees(doel + ".rtf"), Lees(bestand)) << "an existing file is replaced";
  ASSERT_TRUE(venster.BewaarAls(RapportMap() + "kopie.txt"));
  EXPECT_EQ(Lees(RapportMap() + "kopie.txt"), Lees(bestand));

  EXPECT_FALSE(venster.BewaarAls(map.Pad() + "no-such-folder/x"));
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].titel, Vertaal("Fout"));
}

TEST(MetRtfExtensie, AppendsTheExtensionOnlyToANameWithoutADot) {
  const struct {
    const char* naam;
    const char* resultaat;
  } gevallen[] = {
      {"uitvoer", "uitvoer.rtf"},
      {"/home/a/reports/uitvoer", "/home/a/reports/uitvoer.rtf"},
      {"/home/a/.local/share/orvan/reports/uitvoer", "/home/a/.local/share/orvan/reports/uitvoer.rtf"},
      {"uitvoer.rtf", "uitvoer.rtf"},
      {"uitvoer.txt", "uitvoer.txt"},
      {"v1.2", "v1.2"},
      {".verborgen", ".verborgen"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(MetRtfExtensie(g.naam), g.resultaat) << g.naam;
}

TEST_F(TekstUitvoerTest, ToonTekstShowsModallyWithItsHelpContext) {
  test::THelpOpname help;
  const std::string bestand = MaakRapport("Anna");
  bool gezien = false;
  test::BijModaalVenster([&](QWidget* w) {
    auto* venster = qobject_cast<TTekstUitvoerForm*>(w);
    ASSERT_NE(venster, nullptr);
    gezien = true;
    EXPECT_EQ(venster->Bestand(), bestand);
    EXPECT_TRUE(venster->windowState() & Qt::WindowMaximized);
    venster->HelpActie()->trigger();
    venster->SluitActie()->trigger();
  });
  ToonTekst(bestand, 3028);
  EXPECT_TRUE(gezien);
  ASSERT_EQ(help.gevraagd.size(), 1u);
  EXPECT_EQ(help.gevraagd[0].kontekst, 3028);

  ToonTekst(map.Pad() + "gone.rtf", 3028);
  ASSERT_EQ(ui.meldingen.size(), 1u) << "an unreadable report is reported, not shown empty";
}

}  // namespace
}  // namespace orvan
