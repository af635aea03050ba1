// The place browser's logic: typing a prefix, the keys, the display line and its selection,
// positioning by name, storing a new place from Insert and the deletion mark.

#include "time_place/PlaatsLijstModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/Cp1252.h"
#include "time_place/tests/PlaatsLijstHulp.h"

namespace orvan {
namespace {

using test::MaakLijst;
using test::Namen;
using test::Plaats;

class PlaatsViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MaakLijst(map_, {Plaats("Aarau (CH)", 47.23f, 8.03f, "ZURICH"),
                     Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                     Plaats("'s-Hertogenbosch (NL)", 51.42f, 5.18f, "AMSTERDA"),
                     Plaats("Springfield (US-IL)", 39.48f, -89.39f, "CHICAGO"),
                     Plaats("Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO"),
                     Plaats("Straße (DE)", 50, 10, "BERLIN"),
                     Plaats("Zaandam (NL)", 52.26f, 4.49f, "AMSTERDA"),
                     Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH"),
                     Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"),
                     Plaats("Zwolle (NL)", 52.31f, 6.05f, "AMSTERDA")});
    viewer_.OnPiep = [this] { ++piepen_; };
    ASSERT_TRUE(viewer_.Open());
  }

  void Typ(const std::string& tekst) {
    for (const char c : tekst) viewer_.ToetsDruk(c);
  }
  std::string Naam() const { return viewer_.HuidigeRec().Naam; }
  std::string Geselekteerd() const {
    const std::u32string tekens = Codepunten(viewer_.Tekst());
    std::string uit;
    for (std::size_t i = 0; i < viewer_.SelektieLengte(); ++i) uit += Utf8(tekens[i]);
    return uit;
  }

  std::string map_ = test::NieuweTijdelijkeMap();
  test::TOpnameInteraktie interaktie_;
  TPlaatsLijstModel viewer_{map_};
  int piepen_ = 0;
};

TEST_F(PlaatsViewerTest, TypingLandsOnTheFirstMatch) {
  struct Geval {
    const char* getypt;
    const char* naam;
    const char* geselekteerd;
  };
  const Geval gevallen[] = {
      {"z", "Zaandam (NL)", "Z"},
      {"zu", "Zug (CH)", "Zu"},
      {"zur", "Zürich (CH)", "Zür"},
      {"ZUR", "Zürich (CH)", "Zür"},
      {"zurich(", "Zürich (CH)", "Zürich ("},
      {"a", "Aarau (CH)", "A"},
      {"am", "Amsterdam (NL)", "Am"},
      // Apostrophe, hyphen and blanks are selected without being typed.
      {"shert", "'s-Hertogenbosch (NL)", "'s-Hert"},
      {"strass", "Straße (DE)", "Straß"},
      {"springfield(usm", "Springfield (US-MO)", "Springfield (US-M"},
      // Characters outside the accepted set are ignored.
      {"z1u-r", "Zürich (CH)", "Zür"},
      // A prefix that no name has stops at the first name after it; past the end at the last.
      {"zv", "Zwolle (NL)", "Zw"},
      {"zz", "Zwolle (NL)", "Zw"},
      // Before the first entry.
      {"aa", "Aarau (CH)", "Aa"},
  };
  for (const Geval& g : gevallen) {
    viewer_.ToetsNeer(TLijstToets::Begin);
    viewer_.GaNaar(4);   // from anywhere in the list
    Typ(g.getypt);
    EXPECT_EQ(Naam(), g.naam) << "typed " << g.getypt;
    EXPECT_EQ(Geselekteerd(), g.geselekteerd) << "typed " << g.getypt;
  }
}

TEST_F(PlaatsViewerTest, PrefixFollowsTheEntryTheArrowsMovedTo) {
  Typ("zur");
  EXPECT_EQ(Naam(), "Zürich (CH)");
  viewer_.ToetsNeer(TLijstToets::Op);
  EXPECT_EQ(Naam(), "Zug (CH)");
  // The next letter extends the current entry's key, ZUG, not the typed ZUR.
  Typ("x");
  EXPECT_EQ(viewer_.Prefix(), "ZUGX");
  EXPECT_EQ(Naam(), "Zürich (CH)");
}

TEST_F(PlaatsViewerTest, Keys) {
  Typ("zur");
  viewer_.ToetsNeer(TLijstToets::Terug);
  EXPECT_EQ(viewer_.Prefix(), "ZU");
  EXPECT_EQ(Naam(), "Zürich (CH)") << "removing a letter does not move";
  viewer_.ToetsNeer(TLijstToets::Links);
  EXPECT_EQ(viewer_.Prefix(), "Z");
  viewer_.ToetsNeer(TLijstToets::Rechts);
  viewer_.ToetsNeer(TLijstToets::Einde);
  EXPECT_EQ(viewer_.Prefix(), "Z");
  EXPECT_EQ(Naam(), "Zürich (CH)");
  viewer_.ToetsNeer(TLijstToets::Begin);
  EXPECT_EQ(viewer_.Prefix(), "");
  EXPECT_EQ(viewer_.SelektieLengte(), 0u);
  viewer_.ToetsNeer(TLijstToets::Neer);
  viewer_.ToetsNeer(TLijstToets::Neer);   // past the last entry: stays on it
  EXPECT_EQ(Naam(), "Zwolle (NL)");
  viewer_.GaNaar(0);
  viewer_.ToetsNeer(TLijstToets::Op);
  EXPECT_EQ(Naam(), "Aarau (CH)");
}

TEST(PlaatsViewer, BeepsWhenThePrefixIsFull) {
  // The prefix follows the current entry's key, so only a key of 35 letters lets it grow so long.
  const std::string map = test::NieuweTijdelijkeMap();
  const std::string lang(35, 'A');
  MaakLijst(map, {Plaats(lang, 1, 1, ""), Plaats("Zug (CH)", 47.10f, 8.31f, "ZURICH")});
  test::TOpnameInteraktie interaktie;
  TPlaatsLijstModel viewer(map);
  int piepen = 0;
  viewer.OnPiep = [&] { ++piepen; };
  ASSERT_TRUE(viewer.Open());
  for (int i = 0; i < 35; ++i) viewer.ToetsDruk('a');
  EXPECT_EQ(viewer.Prefix(), lang);
  EXPECT_EQ(piepen, 0);
  viewer.ToetsDruk('a');
  EXPECT_EQ(piepen, 1);
  EXPECT_EQ(viewer.Prefix(), lang);
  EXPECT_EQ(viewer.SelektieLengte(), 35u);
}

TEST(PlaatsViewer, DisplayLine) {
  struct Geval {
    PlaatsRec plaats;
    std::string regel;
  };
  // The latitude ends in column 42 whatever the length of the name (in characters, not bytes).
  const Geval gevallen[] = {
      {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
       "Amsterdam (NL)" + std::string(23, ' ') + "52.22" + "    4.53" + " AMSTERDA"},
      {Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"),
       "Zürich (CH)" + std::string(26, ' ') + "47.22" + "    8.33" + " ZURICH"},
      {Plaats("Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO"),
       "Springfield (US-MO)" + std::string(18, ' ') + "37.13" + "  -93.18" + " CHICAGO"},
      {Plaats("Buenos Aires (AR)", -34.36f, -58.23f, ""),
       "Buenos Aires (AR)" + std::string(19, ' ') + "-34.36" + "  -58.23" + " "},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(PlaatsRegel(g.plaats), g.regel);
}

TEST_F(PlaatsViewerTest, ZoekOpFindsANameByItsFoldedCharacters) {
  for (const char* naam : {"Zürich (CH)", "'s-Hertogenbosch (NL)", "Springfield (US-MO)",
                           "Straße (DE)", "Aarau (CH)"}) {
    viewer_.GaNaar(5);
    viewer_.ZoekOp(naam);
    EXPECT_EQ(Naam(), naam);
  }
  EXPECT_EQ(piepen_, 0);
}

TEST_F(PlaatsViewerTest, InsertStoresThePlaceWhenTheOwnerSaysSo) {
  std::vector<std::string> sjablonen;
  std::vector<double> bezig;
  viewer_.OnBewarenBezig = [&](double p) { bezig.push_back(p); };
  viewer_.OnNieuwePlaats = [&](PlaatsRec& p, std::uint8_t& kode) {
    sjablonen.push_back(p.Naam);
    p = Plaats("Zeist (NL)", 52.05f, 5.14f, "AMSTERDA");
    kode = InvoerBewaren;
  };
  Typ("zw");
  viewer_.ToetsNeer(TLijstToets::Invoegen);
  EXPECT_EQ(sjablonen, std::vector<std::string>{"Zwolle (NL)"}) << "the current place is the template";
  EXPECT_EQ(Naam(), "Zeist (NL)");
  EXPECT_EQ(viewer_.Prefix(), "ZEIST(NL");
  ASSERT_GE(bezig.size(), 3u);
  EXPECT_EQ(bezig.front(), -1);
  EXPECT_EQ(bezig.back(), 100);
  EXPECT_EQ(interaktie_.voortgang.back(), 100);
  EXPECT_EQ(Namen(map_)[6], "Zaandam (NL)");
  EXPECT_EQ(Namen(map_)[7], "Zeist (NL)");

  // A place for this horoscope only is not stored; the line is shown again without a prefix.
  viewer_.OnNieuwePlaats = [](PlaatsRec& p, std::uint8_t& kode) {
    p = Plaats("Ergens", 1, 1, "");
    kode = InvoerEenmalig;
  };
  viewer_.ToetsNeer(TLijstToets::Invoegen);
  EXPECT_EQ(Naam(), "Zeist (NL)");
  EXPECT_EQ(viewer_.Prefix(), "");
  EXPECT_EQ(viewer_.Aantal(), 11);
}

TEST_F(PlaatsViewerTest, InsertedPlaceIsShownAmongPlacesOfTheSameName) {
  viewer_.OnNieuwePlaats = [](PlaatsRec& p, std::uint8_t& kode) {
    p = Plaats("Zug (CH)", 47.10f, 8.31f, "ZZZ");   // after the Zug already there
    kode = InvoerBewaren;
  };
  viewer_.ToetsNeer(TLijstToets::Invoegen);
  EXPECT_EQ(Naam(), "Zug (CH)");
  EXPECT_EQ(viewer_.HuidigeRec().Zone, "ZZZ");
}

TEST_F(PlaatsViewerTest, FailedInsertionIsReportedAndKeepsTheList) {
  const std::string oud = test::LeesInhoud(map_ + PlaatsBestandNaam);
  viewer_.OnNieuwePlaats = [](PlaatsRec& p, std::uint8_t& kode) {
    p = Plaats("Zeist (NL)", 52.05f, 5.14f, "AMSTERDA");
    kode = InvoerBewaren;
  };
  Typ("zug");
  {
    test::TSchijfVol vol(64);
    viewer_.ToetsNeer(TLijstToets::Invoegen);
  }
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_NE(interaktie_.meldingen[0].tekst.find("PlaatsLijstNietGeschreven"), std::string::npos);
  EXPECT_NE(interaktie_.meldingen[0].tekst.find("GeoCoord.$$$"), std::string::npos);
  EXPECT_EQ(Naam(), "Zug (CH)");
  EXPECT_EQ(viewer_.Aantal(), 10);
  EXPECT_EQ(test::LeesInhoud(map_ + PlaatsBestandNaam), oud);
}

TEST_F(PlaatsViewerTest, CtrlDeleteMarksAndTheCloseRemoves) {
  Typ("zug");
  viewer_.ToetsNeer(TLijstToets::CtrlWissen);
  EXPECT_TRUE(viewer_.IsGewist());
  Typ("w");   // a marked entry stays in the list while it is open
  viewer_.ZoekOp("Zug (CH)");
  EXPECT_TRUE(viewer_.IsGewist());
  viewer_.ZoekOp("Aarau (CH)");
  viewer_.ToetsNeer(TLijstToets::CtrlWissen);
  viewer_.ToetsNeer(TLijstToets::CtrlWissen);
  EXPECT_FALSE(viewer_.IsGewist());
  ASSERT_TRUE(viewer_.Sluit());
  const std::vector<std::string> namen = Namen(map_);
  EXPECT_EQ(namen.size(), 9u);
  EXPECT_EQ(std::count(namen.begin(), namen.end(), "Zug (CH)"), 0);
  EXPECT_EQ(namen.front(), "Aarau (CH)");
}

TEST(PlaatsViewer, EmptyList) {
  test::TOpnameInteraktie interaktie;
  TPlaatsLijstModel viewer(test::NieuweTijdelijkeMap());
  ASSERT_TRUE(viewer.Open());
  for (const char c : std::string("zur")) viewer.ToetsDruk(c);
  viewer.ToetsNeer(TLijstToets::Neer);
  viewer.ToetsNeer(TLijstToets::CtrlWissen);
  EXPECT_EQ(viewer.Huidige(), -1);
  EXPECT_EQ(viewer.Tekst(), "");
  EXPECT_FALSE(viewer.IsGewist());
}

}  // namespace
}  // namespace orvan
