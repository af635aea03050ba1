// The positions report of one fixed chart in the four languages, pinned as golden files (the rich
// text as written, and its plain-text rendering for review), and the parts of its layout that
// depend on the chart and the settings.
//
// The chart is calculated from the test planetary terms (mean elements, no periodic terms) and the
// slow circular orbits of the test ephemeris, so the report does not change when the shipped
// ephemeris data is refitted. ORVAN_UPDATE_GOLDEN=1 writes the golden files anew (review the
// difference of the .txt files before keeping them).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "astro/PlaCalculator.h"
#include "astro/tests/AstroFixture.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFNaarTekst.h"
#include "horoscope/TOrvanHoroskoop.h"
#include "reports/PositieRapport.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/Q4Instel.h"
#include "shell/Utf8Tekst.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

constexpr auto Lees = test::LeesBestand;

std::vector<std::string> Regels(const std::string& tekst) {
  std::vector<std::string> regels;
  std::istringstream in(tekst);
  for (std::string r; std::getline(in, r);) regels.push_back(r);
  return regels;
}

class PositieRapportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::SchrijfProefConstanten(map_.Pad());
    test::SchrijfProefEfemeris(map_.Pad(), 23, 25, test::CirkelBaan);
    HerstelPlaCalculator();
    HerstelInstellingen();
    KiesTaalEnAspekten(2);
  }
  void TearDown() override {
    HerstelInstellingen();
    HerstelPlaCalculator();
  }

  void KiesTaalEnAspekten(int taal) {
    ASSERT_TRUE(test::StartTaal(taal));
    ASSERT_TRUE(LeesAspekten());
  }

  // Zürich, 12 March 1990, 14:35 clock time one hour east of Greenwich.
  void Bereken(TOrvanHoroskoop& h) {
    h.Data.Name =
        "Anna {Zo\xC3\xAB} \\ \xC5\x81\xC3\xB3"
        "d\xC5\xBA";
    h.Data.Datum = {12, 3, 1990};
    h.Data.Tijd = {14, 35, 0};
    h.Data.Verschil = {1, 0, 0};
    h.Data.Precisie = {0, 0, 0};
    h.Data.Plaats.Naam = "Z\xC3\xBCrich";
    h.Data.Plaats.Breedte = 47.22f;
    h.Data.Plaats.Lengte = 8.33f;
    ASSERT_TRUE(h.Bereken());
  }

  std::string Rapport(const TOrvanHoroskoop& h) {
    TRTFUitBestand uit;
    uit.Maak(map_.Pad() + "positions.rtf");
    PositieRapport(h, uit);
    EXPECT_TRUE(uit.Sluit());
    return uit.Inhoud();
  }

  test::TTijdelijkeMap map_;
  test::TOpnameInteraktie interaktie_;
};

TEST_F(PositieRapportTest, GoldenReportsInTheFourLanguages) {
  const bool bijwerken = std::getenv("ORVAN_UPDATE_GOLDEN") != nullptr;
  for (int taal = 1; taal <= 4; ++taal) {
    KiesTaalEnAspekten(taal);
    TOrvanHoroskoop h;
    Bereken(h);
    const std::string rtf = Rapport(h);
    const std::string tekst = RtfNaarTekst(rtf);
    const std::string basis =
        std::string(ORVAN_SOURCE_DIR) + "/reports/tests/data/positions_" + TaalKode() + ".";
    if (bijwerken) {
      std::ofstream(basis + "rtf", std::ios::binary) << rtf;
      std::ofstream(basis + "txt", std::ios::binary) << tekst;
    }
    EXPECT_EQ(rtf, Lees(basis + "rtf")) << basis << "rtf";
    EXPECT_EQ(tekst, Lees(basis + "txt")) << basis << "txt";
    EXPECT_EQ(tekst.find("???"), std::string::npos) << "a key without text in language " << taal;
  }
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(PositieRapportTest, NamesAreEscapedAndTheDocumentStaysBalanced) {
  TOrvanHoroskoop h;
  Bereken(h);
  const std::string rtf = Rapport(h);
  // Every group opens inside the document's own group, which closes at the end.
  const std::size_t einde = rtf.rfind('}');
  int diepte = 0;
  for (std::size_t i = 0; i < einde; ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped character or the first letter of a control word
      continue;
    }
    if (rtf[i] == '{') ++diepte;
    if (rtf[i] == '}') --diepte;
    ASSERT_GE(diepte, 1) << "at byte " << i;
  }
  --diepte;
  EXPECT_EQ(diepte, 0);
  EXPECT_EQ(std::count_if(rtf.begin(), rtf.end(), [](char c) { return c & 0x80; }), 0)
      << "the rich text is plain ASCII";
  const std::string tekst = RtfNaarTekst(rtf);
  EXPECT_EQ(Regels(tekst)[0], h.Data.Name);
  EXPECT_EQ(Regels(tekst)[2].rfind("Z\xC3\xBCrich (47\xC2\xB0"
                                   "22'",
                                   0),
            0u)
      << Regels(tekst)[2];
  EXPECT_NE(
      rtf.find(
          "{\\footer \\pard \\f0\\fs15 \\i Anna \\{Zo\\u235\\'eb\\} \\\\ \\u321?\\u243\\'f3d\\u378?"
          "  -  \\chpgn\\i0 }"),
      std::string::npos);
}

// The rows of the two-dimensional table and of the planet-house matrix follow the aspect objects:
// every aspect object moves the next row eight places right, and the last one has no row.
TEST_F(PositieRapportTest, TablesFollowTheAspectObjects) {
  for (const bool metKuspen : {false, true}) {
    Instellingen.OokAspektenOpKuspen = metKuspen;
    TOrvanHoroskoop h;
    Bereken(h);
    const std::vector<std::string> regels = Regels(RtfNaarTekst(Rapport(h)));
    const std::vector<int> objekten =
        metKuspen
            ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 23, 24, 25}
            : std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 23};
    const std::vector<std::string> afk =
        metKuspen ? std::vector<std::string>{"sun", "moo", "mer", "ven", "mar", "jup", "sat",
                                             "ura", "nep", "plu", "nod", "chi", "lil", "ASC",
                                             "h2 ", "h3 ", "MC ", "h11", "h12"}
                  : std::vector<std::string>{"sun", "moo", "mer", "ven", "mar", "jup", "sat", "ura",
                                             "nep", "plu", "nod", "chi", "lil", "ASC", "MC "};
    const auto titel = std::find(regels.begin(), regels.end(), "Two-dimensional angles:");
    ASSERT_NE(titel, regels.end());
    std::string kop(7, ' ');
    for (std::size_t j = 1; j < afk.size(); ++j) kop += afk[j] + "     ";
    while (!kop.empty() && kop.back() == ' ') kop.pop_back();
    EXPECT_EQ(*(titel + 1), kop);
    for (std::size_t i = 0; i + 1 < objekten.size(); ++i) {
      const std::string& rij = *(titel + 2 + static_cast<long>(i));
      EXPECT_EQ(rij.find_first_not_of(' '), 2 + 8 * i) << rij;
      EXPECT_EQ(rij.substr(2 + 8 * i, 3), afk[i]) << rij;
      EXPECT_EQ(AantalTekens(rij), 2 + 8 * i + 3 + 8 * (objekten.size() - 1 - i)) << rij;
    }
    EXPECT_EQ(*(titel + 1 + static_cast<long>(objekten.size())), "")
        << "no row for the last object";

    const auto huizen = std::find(regels.begin(), regels.end(), "Planet houses:");
    ASSERT_NE(huizen, regels.end());
    for (std::size_t i = 0; i < objekten.size(); ++i) {
      const std::string& rij = *(huizen + 3 + static_cast<long>(i));
      EXPECT_EQ(rij.size(), 3 + 7 * objekten.size()) << rij;
      EXPECT_EQ(rij.substr(3 + 7 * i, 7), "      1") << "the diagonal: " << rij;
    }
  }
}

TEST_F(PositieRapportTest, TheWarningLineWhenTheMCWasReplacedByTheIC) {
  TOrvanHoroskoop h;
  Bereken(h);
  const std::string waarschuwing = Vertaal("WaarschASMCVerwisseld");
  h.MCICVerwisseld = false;
  EXPECT_EQ(RtfNaarTekst(Rapport(h)).find(waarschuwing), std::string::npos);
  h.MCICVerwisseld = true;
  const std::string rtf = Rapport(h);
  EXPECT_NE(rtf.find("\\f0\\fs14 " + waarschuwing + "\\par\n\\f1\\fs20  \\par\n\\b Aspects:"),
            std::string::npos);
}

TEST_F(PositieRapportTest, TheNodeLineAndTheWeightsFollowTheSettings) {
  Instellingen.GebruikWareKnoop = false;
  Instellingen.Gewicht[14] = 7;
  TOrvanHoroskoop h;
  Bereken(h);
  const std::string tekst = RtfNaarTekst(Rapport(h));
  EXPECT_NE(tekst.find("\n(" + Vertaal("GemKnoop") + ")\n"), std::string::npos);
  EXPECT_NE(tekst.find("Weights used: sun: 16  moo: 16  mer:  8"), std::string::npos);
  EXPECT_NE(tekst.find("lil:  0  ASC:  7  MC : 10\n"), std::string::npos) << tekst;
}

}  // namespace
}  // namespace orvan
