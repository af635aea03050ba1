// Merging a text file of places into the list: passes for entries out of order, duplicates, faulty
// entries, the monitor output, and a list left as it was when the import stops or cannot write.

#include "time_place/PlaatsImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/LangUtils.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/tests/PlaatsLijstHulp.h"

namespace orvan {
namespace {

using test::Bestanden;
using test::LeesInhoud;
using test::MaakLijst;
using test::Namen;
using test::Plaats;

using TNamen = std::vector<std::string>;

class TOpnameMonitor : public TImportMonitor {
 public:
  void Begin(const std::string& t) override { titel = t; }
  void Regel(const std::string& r) override { regels.push_back(r); }
  void Einde(const std::string& t) override { einde = t; }
  bool AfbrekenGevraagd() override { return --afbrekenNa == 0; }

  std::string titel;
  std::vector<std::string> regels;
  std::string einde;
  int afbrekenNa = -1;   // entries after which the user stops the import
};

class PlaatsImportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { programma_ = new test::TTijdelijkeMap(true); }
  static void TearDownTestSuite() {
    delete programma_;
    programma_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(test::StartTaal(2));
    MaakLijst(map_, {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                     Plaats("Paris (FR)", 48.51f, 2.21f, "PARIS")});
  }
  void TearDown() override { SluitTaalTabel(); }

  // Writes a text file of places, one line a string, with Windows line ends.
  std::string Tekst(const std::vector<std::string>& regels, const char* naam = "plaatsen.txt") {
    const std::string pad = map_ + naam;
    std::ofstream uit(pad, std::ios::binary);
    for (const std::string& r : regels) uit << r << "\r\n";
    return pad;
  }
  TImportUitslag Lees(const std::string& pad) { return LeesPlaatsenTekst(pad, monitor_, map_); }

  static inline test::TTijdelijkeMap* programma_ = nullptr;
  std::string map_ = test::NieuweTijdelijkeMap();
  TOpnameMonitor monitor_;
  test::TOpnameInteraktie interaktie_;
};

TEST_F(PlaatsImportTest, EntriesInOrderAreMergedInOnePass) {
  const std::string oud = LeesInhoud(map_ + PlaatsBestandNaam);
  const std::string pad = Tekst({"Berlin (DE)", "52.31 13.24", "BERLIN", "Zürich (CH)",
                                 "47.22  8.33", "ZURICH"});
  const TImportUitslag u = Lees(pad);
  EXPECT_TRUE(u.gelukt) << u.reden;
  EXPECT_EQ(u.passen, 1);
  EXPECT_EQ(u.toegevoegd, 2);
  EXPECT_EQ(u.aantal, 4);
  EXPECT_EQ(Namen(map_), (TNamen{"Amsterdam (NL)", "Berlin (DE)", "Paris (FR)", "Zürich (CH)"}));
  EXPECT_EQ(monitor_.titel, "Importing places from " + pad);
  EXPECT_EQ(monitor_.regels.size(), 6u);
  EXPECT_EQ(monitor_.regels[3], "Zürich (CH)");
  EXPECT_EQ(monitor_.einde, "2 places added; the list now holds 4 places.");
  // The list before the import is kept as the reserve copy; no work file remains.
  EXPECT_EQ(LeesInhoud(map_ + PlaatsReserveNaam), oud);
  EXPECT_EQ(Bestanden(map_),
            (TNamen{PlaatsReserveNaam, PlaatsBestandNaam, PlaatsIndexNaam, "plaatsen.txt"}));
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout));
  EXPECT_FALSE(lijst.IndexHerbouwd());
  EXPECT_EQ(lijst.Index()['Z' - 'A'], 3);
}

TEST_F(PlaatsImportTest, ReverseOrderTakesAPassPerEntry) {
  const std::string pad = Tekst({"Zwolle (NL)", "52.31 6.05", "AMSTERDA",  //
                                 "Utrecht (NL)", "52.05 5.07", "AMSTERDA",  //
                                 "Haarlem (NL)", "52.23 4.38", "AMSTERDA",  //
                                 "Delft (NL)", "52.00 4.22", "AMSTERDA"});
  const TImportUitslag u = Lees(pad);
  EXPECT_TRUE(u.gelukt) << u.reden;
  EXPECT_EQ(u.passen, 4);
  EXPECT_EQ(u.toegevoegd, 4);
  EXPECT_EQ(Namen(map_), (TNamen{"Amsterdam (NL)", "Delft (NL)", "Haarlem (NL)", "Paris (FR)",
                                 "Utrecht (NL)", "Zwolle (NL)"}));
  // Each pass starts at the first entry the pass before skipped: 4 + 3 + 2 + 1 entries read.
  EXPECT_EQ(monitor_.regels.size(), 3u * (4 + 3 + 2 + 1));
  EXPECT_EQ(monitor_.einde, "4 places added; the list now holds 6 places.");
}

TEST_F(PlaatsImportTest, PartlyOrderedFileAndDuplicates) {
  const std::string pad = Tekst({"Delft (NL)", "52.00 4.22", "AMSTERDA",     //
                                 "Utrecht (NL)", "52.05 5.07", "AMSTERDA",   //
                                 "Haarlem (NL)", "52.23 4.38", "AMSTERDA",   // out of order
                                 "Paris (FR)", "48.51 2.21", "PARIS",        // already there
                                 "Zwolle (NL)", "52.31 6.05", "AMSTERDA",    //
                                 "Zwolle (NL)", "52.31 6.05", "AMSTERDA",    // twice in the file
                                 "Paris (FR)", "48.51 2.21", "amsterda"});  // same name, other zone
  const TImportUitslag u = Lees(pad);
  EXPECT_TRUE(u.gelukt) << u.reden;
  EXPECT_EQ(u.passen, 3);
  EXPECT_EQ(u.toegevoegd, 5);
  EXPECT_EQ(Namen(map_), (TNamen{"Amsterdam (NL)", "Delft (NL)", "Haarlem (NL)", "Paris (FR)",
                                 "Paris (FR)", "Utrecht (NL)", "Zwolle (NL)"}));
  // Importing the same file again adds nothing.
  const TImportUitslag opnieuw = Lees(pad);
  EXPECT_TRUE(opnieuw.gelukt);
  EXPECT_EQ(opnieuw.toegevoegd, 0);
  EXPECT_EQ(Namen(map_).size(), 7u);
}

TEST_F(PlaatsImportTest, FieldsAreCutAndTrimmed) {
  const std::string pad = Tekst({"  Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch  ",
                                 "\t53.13 -4.12 ", " EUROPE_LONDON"});
  ASSERT_TRUE(Lees(pad).gelukt);
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.OpenAlleenLezen(fout));
  PlaatsRec p;
  ASSERT_TRUE(lijst.Lees(1, p));
  EXPECT_EQ(p.Naam, "Llanfairpwllgwyngyllgogerychwyrndro");
  EXPECT_FLOAT_EQ(p.Breedte, 53.13f);
  EXPECT_FLOAT_EQ(p.Lengte, -4.12f);
  EXPECT_EQ(p.Zone, "EUROPE_L");
}

TEST_F(PlaatsImportTest, Cp1252AndUtf8TextAreRead) {
  const std::string pad = Tekst({"Z\xFCrich (CH)", "47.22 8.33", "ZURICH"});
  ASSERT_TRUE(Lees(pad).gelukt);
  EXPECT_EQ(Namen(map_).back(), "Zürich (CH)");
  EXPECT_EQ(monitor_.regels.front(), "Zürich (CH)");
  // UTF-8, with a letter the record cannot hold: the list is sorted by the names as stored
  // ("Gda?sk (PL)" folds to GDASK(PL), before GDANSK(PL) would be).
  ASSERT_TRUE(Lees(Tekst({"Gdańsk (PL)", "54.21 18.39", "WARSAW", "Gdynia (PL)", "54.31 18.32",
                          "WARSAW", "Ærø (DK)", "54.53 10.25", "COPENHAG"}))
                  .gelukt);
  EXPECT_EQ(Namen(map_), (TNamen{"Ærø (DK)", "Amsterdam (NL)", "Gda?sk (PL)", "Gdynia (PL)",
                                 "Paris (FR)", "Zürich (CH)"}));
  // A name whose first letter the code page lacks starts with "?" as stored and is refused.
  EXPECT_TRUE(Lees(Tekst({"Łódź (PL)", "51.46 19.28", "WARSAW"})).foutInTekst);
}

// A faulty entry stops the import wherever it is: the list stays as it was, the monitor's last
// line is the faulty one and its closing text says so.
TEST_F(PlaatsImportTest, FaultyEntryStopsTheImport) {
  struct Geval {
    const char* naam;
    std::vector<std::string> fout;   // the faulty entry's lines
    std::string laatsteRegel;
  };
  const Geval gevallen[] = {
      {"name starting with a digit", {"1st Street", "40.00 -74.00", "NEW_YORK"}, "1st Street"},
      {"name starting with (", {"(Amsterdam)", "52.22 4.53", "AMSTERDA"}, "(Amsterdam)"},
      {"empty name", {"   ", "52.22 4.53", "AMSTERDA"}, "   "},
      {"minutes of 60", {"Utrecht (NL)", "52.60 5.07", "AMSTERDA"}, "52.60 5.07"},
      {"latitude beyond 90", {"Utrecht (NL)", "91.00 5.07", "AMSTERDA"}, "91.00 5.07"},
      {"one number", {"Utrecht (NL)", "52.05", "AMSTERDA"}, "52.05"},
      {"three numbers", {"Utrecht (NL)", "52.05 5.07 3", "AMSTERDA"}, "52.05 5.07 3"},
      {"no number", {"Utrecht (NL)", "52N05 5E07", "AMSTERDA"}, "52N05 5E07"},
      {"missing zone line", {"Utrecht (NL)", "52.05 5.07"}, "52.05 5.07"},
  };
  const std::string oud = LeesInhoud(map_ + PlaatsBestandNaam);
  for (const Geval& g : gevallen) {
    // The faulty entry after entries in reverse order, so that it is found in the first pass.
    std::vector<std::string> regels = {"Zwolle (NL)", "52.31 6.05", "AMSTERDA",
                                       "Delft (NL)",  "52.00 4.22", "AMSTERDA"};
    regels.insert(regels.end(), g.fout.begin(), g.fout.end());
    monitor_ = TOpnameMonitor{};
    const TImportUitslag u = Lees(Tekst(regels));
    EXPECT_FALSE(u.gelukt) << g.naam;
    EXPECT_TRUE(u.foutInTekst) << g.naam;
    EXPECT_EQ(u.passen, 1) << g.naam;
    EXPECT_EQ(u.toegevoegd, 0) << g.naam;
    ASSERT_FALSE(monitor_.regels.empty()) << g.naam;
    EXPECT_EQ(monitor_.regels.back(), g.laatsteRegel) << g.naam;
    EXPECT_EQ(monitor_.einde.rfind("The error is here", 0), 0u) << g.naam << ": " << monitor_.einde;
    EXPECT_EQ(LeesInhoud(map_ + PlaatsBestandNaam), oud) << g.naam;
    EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam, "plaatsen.txt"}))
        << g.naam;
  }
}

TEST_F(PlaatsImportTest, StoppedImportLeavesTheListAsItWas) {
  const std::string oud = LeesInhoud(map_ + PlaatsBestandNaam);
  monitor_.afbrekenNa = 3;   // in the second pass
  const TImportUitslag u = Lees(Tekst({"Zwolle (NL)", "52.31 6.05", "AMSTERDA",  //
                                       "Delft (NL)", "52.00 4.22", "AMSTERDA"}));
  EXPECT_FALSE(u.gelukt);
  EXPECT_TRUE(u.afgebroken);
  EXPECT_EQ(u.passen, 2);
  EXPECT_EQ(monitor_.einde, "The import was stopped; the place list has not been changed.");
  EXPECT_EQ(LeesInhoud(map_ + PlaatsBestandNaam), oud);
  EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam, "plaatsen.txt"}));
}

TEST_F(PlaatsImportTest, ImportThatCannotWriteLeavesTheListAsItWas) {
  std::vector<PlaatsRec> veel;
  for (int i = 0; i < 400; ++i)
    veel.push_back(Plaats("Plaats " + std::to_string(1000 + i) + " (NL)", 52, 4, "AMSTERDA"));
  MaakLijst(map_, veel);
  const std::string oud = LeesInhoud(map_ + PlaatsBestandNaam);
  const std::string pad = Tekst({"Aalsmeer (NL)", "52.16 4.46", "AMSTERDA"});
  TImportUitslag u;
  {
    test::TSchijfVol vol(4096);
    u = Lees(pad);
  }
  EXPECT_FALSE(u.gelukt);
  EXPECT_FALSE(u.foutInTekst);
  EXPECT_NE(u.reden.find("GeoCoord.$$$"), std::string::npos) << u.reden;
  EXPECT_EQ(monitor_.einde.rfind("The place list could not be saved", 0), 0u) << monitor_.einde;
  EXPECT_EQ(LeesInhoud(map_ + PlaatsBestandNaam), oud);
  EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam, "plaatsen.txt"}));
}

TEST_F(PlaatsImportTest, MissingTextFile) {
  const TImportUitslag u = Lees(map_ + "nergens.txt");
  EXPECT_FALSE(u.gelukt);
  EXPECT_EQ(monitor_.einde, "The place file could not be read: " + map_ + "nergens.txt");
  EXPECT_EQ(Namen(map_).size(), 2u);
}

TEST(IsGeldigePlaatsNaam, FirstCharacterOutsideCodes40To64) {
  for (const char* goed : {"Amsterdam", "'s-Hertogenbosch", "‘Ajman", "Zürich", "[x]", "~"})
    EXPECT_TRUE(IsGeldigePlaatsNaam(goed)) << goed;
  for (const char* fout : {"", "(x)", ")", "1st Street", "9", "@home", "-x", ".", "?"})
    EXPECT_FALSE(IsGeldigePlaatsNaam(fout)) << fout;
}

}  // namespace
}  // namespace orvan
