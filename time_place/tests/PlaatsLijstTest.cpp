// The place list file: sort keys, the letter index and its rebuild rule, insertion in key order and
// compaction on close, and lists left intact when writing fails.

#include "time_place/PltsLstMenger.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/tests/PlaatsLijstHulp.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

using test::Bestanden;
using test::LeesInhoud;
using test::MaakLijst;
using test::Namen;
using test::Plaats;

using TNamen = std::vector<std::string>;

TEST(PlaatsSleutel, FoldedNameTwoSpacesFoldedZone) {
  EXPECT_EQ(NaamSleutel("Zürich (CH)"), "ZURICH(CH");
  EXPECT_EQ(NaamSleutel("'s-Hertogenbosch (NL)"), "SHERTOGENBOSCH(NL");
  EXPECT_EQ(PlaatsSleutel(Plaats("Zürich (CH)", 47.22f, 8.33f, "zurich")), "ZURICH(CH  ZURICH");
  // The key of a stored record is that of its decoded place; a character that code page 1252
  // lacks is stored as "?", which folds to nothing.
  const PlaatsRec p = Plaats("Ærø Straße", 1, 2, "Côte");
  EXPECT_EQ(PlaatsSleutel(SchrijfPlaatsRec(p)), "AEROSTRASSE  COTE");
  EXPECT_EQ(PlaatsSleutel(SchrijfPlaatsRec(Plaats("Łódź", 1, 2, ""))), "OD  ");
}

// A small list: A..Z letters with gaps (no B, nothing after S).
class PlaatsLijstTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MaakLijst(map_, {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"),
                     Plaats("Arnhem (NL)", 51.59f, 5.55f, "AMSTERDA"),
                     Plaats("Córdoba (AR)", -31.25f, -64.11f, "CORDOBA"),
                     Plaats("Córdoba (ES)", 37.53f, -4.46f, "MADRID"),
                     Plaats("Paris (FR)", 48.51f, 2.21f, "PARIS"),
                     Plaats("Sankt Gallen (CH)", 47.25f, 9.23f, "ZURICH")});
  }
  std::string Pad(const char* naam) const { return map_ + naam; }

  std::string map_ = test::NieuweTijdelijkeMap();
  test::TOpnameInteraktie interaktie_;
};

TEST_F(PlaatsLijstTest, LetterIndexPointsAtTheFirstNameOfEachLetter) {
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout)) << fout;
  const TLetterIndex& index = lijst.Index();
  EXPECT_EQ(index['A' - 'A'], 0);
  EXPECT_EQ(index['B' - 'A'], 2);   // no B: the first name after it
  EXPECT_EQ(index['C' - 'A'], 2);
  EXPECT_EQ(index['P' - 'A'], 4);
  EXPECT_EQ(index['S' - 'A'], 5);
  EXPECT_EQ(index['T' - 'A'], 6);   // beyond the last record: the record count
  EXPECT_EQ(index['Z' - 'A'], 6);
  TLetterIndex opSchijf{};
  ASSERT_TRUE(LeesLetterIndex(Pad(PlaatsIndexNaam), opSchijf));
  EXPECT_EQ(opSchijf, index);
}

TEST_F(PlaatsLijstTest, IndexRebuildRule) {
  // The list as written comes with a fitting index: it is read.
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout)) << fout;
    EXPECT_FALSE(lijst.IndexHerbouwd());
  }
  struct Geval {
    const char* naam;
    void (*maak)(const std::string& ndx, const std::string& fil);
  };
  const Geval gevallen[] = {
      {"missing index", [](const std::string& ndx, const std::string&) { fs::remove(ndx); }},
      {"index older than the list",
       [](const std::string& ndx, const std::string& fil) {
         fs::last_write_time(ndx, fs::last_write_time(fil) - std::chrono::seconds(10));
       }},
      {"index of the wrong length",
       [](const std::string& ndx, const std::string&) { std::ofstream(ndx) << "kapot"; }},
      {"newer index that does not fit the records (copied from another list)",
       [](const std::string& ndx, const std::string& fil) {
         TLetterIndex ander{};
         ander.fill(1);
         std::string fout;
         SchrijfLetterIndex(ndx, ander, fout);
         fs::last_write_time(ndx, fs::last_write_time(fil) + std::chrono::seconds(10));
       }},
  };
  for (const Geval& g : gevallen) {
    g.maak(Pad(PlaatsIndexNaam), Pad(PlaatsBestandNaam));
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout)) << g.naam << ": " << fout;
    EXPECT_TRUE(lijst.IndexHerbouwd()) << g.naam;
    EXPECT_EQ(lijst.Index()['P' - 'A'], 4) << g.naam;
    EXPECT_EQ(interaktie_.zandloperDiepte, 0) << g.naam;
    // The rebuilt index is written, and the next opening reads it.
    TPlaatsLijst opnieuw(map_);
    ASSERT_TRUE(opnieuw.Open(fout));
    EXPECT_FALSE(opnieuw.IndexHerbouwd()) << g.naam;
  }
}

TEST_F(PlaatsLijstTest, MissingListIsCreatedEmpty) {
  const std::string leeg = test::NieuweTijdelijkeMap();
  TPlaatsLijst lijst(leeg);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout)) << fout;
  EXPECT_EQ(lijst.Aantal(), 0);
  EXPECT_TRUE(fs::exists(leeg + PlaatsBestandNaam));
  EXPECT_EQ(lijst.Index()['A' - 'A'], 0);
  // Reading only creates nothing.
  const std::string ander = test::NieuweTijdelijkeMap();
  TPlaatsLijst alleenLezen(ander);
  ASSERT_TRUE(alleenLezen.OpenAlleenLezen(fout));
  EXPECT_EQ(alleenLezen.Aantal(), 0);
  EXPECT_TRUE(Bestanden(ander).empty());
}

TEST_F(PlaatsLijstTest, InsertionKeepsKeyOrderAndGoesAfterEqualKeys) {
  struct Geval {
    PlaatsRec plaats;
    int nummer;
  };
  const Geval gevallen[] = {
      {Plaats("Aachen (DE)", 50.47f, 6.05f, "BERLIN"), 0},
      {Plaats("Zwolle (NL)", 52.31f, 6.05f, "AMSTERDA"), 7},
      // The same name in another zone sorts by the folded zone name.
      {Plaats("Paris (FR)", 48.51f, 2.21f, "AMSTERDA"), 5},
      // An equal key goes after its equals.
      {Plaats("Paris (FR)", 1, 1, "PARIS", 1), 7},
  };
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout));
  for (const Geval& g : gevallen) {
    std::vector<int> voortgang;
    int nummer = -1;
    ASSERT_TRUE(lijst.VoegPlaatsToe(g.plaats, nummer, fout, [&](int p) { voortgang.push_back(p); }))
        << g.plaats.Naam << ": " << fout;
    EXPECT_EQ(nummer, g.nummer) << g.plaats.Naam << " in " << g.plaats.Zone;
    PlaatsRec p;
    ASSERT_TRUE(lijst.Lees(nummer, p));
    EXPECT_EQ(p.Zone, g.plaats.Zone);
    EXPECT_EQ(p.Gewist, 0) << "an inserted place is never marked deleted";
    ASSERT_FALSE(voortgang.empty());
    EXPECT_TRUE(std::is_sorted(voortgang.begin(), voortgang.end()));
    EXPECT_EQ(voortgang.back(), 100);
  }
  EXPECT_EQ(Namen(map_), (TNamen{"Aachen (DE)", "Amsterdam (NL)", "Arnhem (NL)", "Córdoba (AR)",
                                 "Córdoba (ES)", "Paris (FR)", "Paris (FR)", "Paris (FR)",
                                 "Sankt Gallen (CH)", "Zwolle (NL)"}));
  // The index follows the new list, on disk as well.
  EXPECT_EQ(lijst.Index()['P' - 'A'], 5);
  EXPECT_EQ(lijst.Index()['Z' - 'A'], 9);
  TLetterIndex opSchijf{};
  ASSERT_TRUE(LeesLetterIndex(Pad(PlaatsIndexNaam), opSchijf));
  EXPECT_EQ(opSchijf, lijst.Index());
  EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam}));
}

TEST_F(PlaatsLijstTest, InsertionIntoAnEmptyList) {
  const std::string leeg = test::NieuweTijdelijkeMap();
  TPlaatsLijst lijst(leeg);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout));
  int nummer = -1;
  ASSERT_TRUE(lijst.VoegPlaatsToe(Plaats("Zürich (CH)", 47.22f, 8.33f, "ZURICH"), nummer, fout));
  EXPECT_EQ(nummer, 0);
  EXPECT_EQ(lijst.Index()['Z' - 'A'], 0);
  EXPECT_EQ(Namen(leeg), TNamen{"Zürich (CH)"});
}

TEST_F(PlaatsLijstTest, MarkedPlacesAreRemovedOnClose) {
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout));
    EXPECT_FALSE(lijst.IsVeranderd());
    for (const int n : {1, 4, 5, 5}) {   // Sankt Gallen toggled twice
      PlaatsRec p;
      lijst.Lees(n, p);
      p.Gewist = p.Gewist ? 0 : 1;
      ASSERT_TRUE(lijst.Schrijf(n, p, fout)) << fout;
    }
    EXPECT_TRUE(lijst.IsVeranderd());
    // The marks are in the file at once.
    EXPECT_EQ(Namen(map_), (TNamen{"Amsterdam (NL)", "Arnhem (NL)*", "Córdoba (AR)",
                                   "Córdoba (ES)", "Paris (FR)*", "Sankt Gallen (CH)"}));
    ASSERT_TRUE(lijst.Sluit(fout)) << fout;
  }
  EXPECT_EQ(Namen(map_), (TNamen{"Amsterdam (NL)", "Córdoba (AR)", "Córdoba (ES)",
                                 "Sankt Gallen (CH)"}));
  EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam}));
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout));
  EXPECT_EQ(lijst.Index()['S' - 'A'], 3);
}

TEST_F(PlaatsLijstTest, UnchangedListIsNotRewritten) {
  const auto tijd = fs::last_write_time(Pad(PlaatsBestandNaam)) - std::chrono::seconds(60);
  fs::last_write_time(Pad(PlaatsBestandNaam), tijd);
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout));
  }
  EXPECT_EQ(fs::last_write_time(Pad(PlaatsBestandNaam)), tijd);
}

TEST_F(PlaatsLijstTest, MarksLeftByAnEarlierRunAreRemovedAtTheNextClose) {
  MaakLijst(map_, {Plaats("Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA", 1),
                   Plaats("Paris (FR)", 48.51f, 2.21f, "PARIS")});
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout));
    EXPECT_TRUE(lijst.IsVeranderd());
  }
  EXPECT_EQ(Namen(map_), TNamen{"Paris (FR)"});
}

// A disk that fills up halfway: the list as it was, and no work file left.
TEST_F(PlaatsLijstTest, FailedWritesLeaveTheListAsItWas) {
  std::vector<PlaatsRec> veel;
  for (int i = 0; i < 400; ++i)
    veel.push_back(Plaats("Plaats " + std::to_string(1000 + i) + " (NL)", 52, 4, "AMSTERDA"));
  MaakLijst(map_, veel);
  const std::string oud = LeesInhoud(Pad(PlaatsBestandNaam));
  ASSERT_GT(oud.size(), 8192u);

  // Insertion.
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout));
    int nummer = -1;
    {
      test::TSchijfVol vol(4096);
      EXPECT_FALSE(lijst.VoegPlaatsToe(Plaats("Aalsmeer (NL)", 52.16f, 4.46f, "AMSTERDA"), nummer,
                                       fout));
    }
    EXPECT_NE(fout.find("GeoCoord.$$$"), std::string::npos) << fout;
    EXPECT_EQ(lijst.Aantal(), 400);
    EXPECT_EQ(LeesInhoud(Pad(PlaatsBestandNaam)), oud);
    EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam}));

    // Compaction on close.
    PlaatsRec p;
    lijst.Lees(7, p);
    p.Gewist = 1;
    ASSERT_TRUE(lijst.Schrijf(7, p, fout));
    const std::string gemarkeerd = LeesInhoud(Pad(PlaatsBestandNaam));
    {
      test::TSchijfVol vol(4096);
      EXPECT_FALSE(lijst.Sluit(fout));
    }
    EXPECT_EQ(LeesInhoud(Pad(PlaatsBestandNaam)), gemarkeerd);
    EXPECT_EQ(Bestanden(map_), (TNamen{PlaatsBestandNaam, PlaatsIndexNaam}));
  }
  // The mark is still there, and the next close removes it.
  EXPECT_EQ(Namen(map_).size(), 400u);
  EXPECT_EQ(Namen(map_)[7], "Plaats 1007 (NL)*");
  {
    TPlaatsLijst lijst(map_);
    std::string fout;
    ASSERT_TRUE(lijst.Open(fout));
  }
  EXPECT_EQ(Namen(map_).size(), 399u);
}

TEST_F(PlaatsLijstTest, DamagedTailAndLengthBytes) {
  std::string inhoud = LeesInhoud(Pad(PlaatsBestandNaam));
  inhoud[0] = 60;   // a name length beyond its field
  inhoud += "half";
  std::ofstream(Pad(PlaatsBestandNaam), std::ios::binary) << inhoud;
  TPlaatsLijst lijst(map_);
  std::string fout;
  ASSERT_TRUE(lijst.Open(fout));
  EXPECT_EQ(lijst.Aantal(), 6);
  PlaatsRec p;
  EXPECT_FALSE(lijst.Lees(0, p));
  EXPECT_EQ(p.Naam.substr(0, 14), "Amsterdam (NL)");
  EXPECT_TRUE(lijst.Lees(5, p));
  EXPECT_FALSE(lijst.Lees(6, p));
}

}  // namespace
}  // namespace orvan
