#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

#include "shell/Utf8Tekst.h"
#include "shell/tests/InstellingenFixture.h"
#include "shell/tests/TaalTabelFixture.h"
#include "time_place/NaamBew.h"
#include "tools/TsvLezer.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

using test::InstellingenTest;

constexpr const char* FoutTekst = "Error reading aspect file. Re-install the program.";
constexpr const char* Velden =
    "AspHoek REAL, Orb REAL, Rood INTEGER, Groen INTEGER, Blauw INTEGER, TekenDikte INTEGER, "
    "NaamNL TEXT, NaamEN TEXT, NaamFR TEXT, NaamDU TEXT, Bitmap TEXT";

class AspektenTest : public InstellingenTest {
 protected:
  // Replaces the program folder's aspect table by one with the given rows (SQL value lists).
  void MaakAspekten(const std::vector<std::string>& rijen, const char* velden = Velden) {
    fs::remove(map.Pad() + AspektenBestand);
    std::string sql = std::string("begin; create table aspekten (") + velden + ");";
    for (const auto& rij : rijen) sql += "insert into aspekten values (" + rij + ");";
    sql += "commit;";
    test::MaakTabel(map.Pad() + AspektenBestand, sql);
  }

  void VerwachtFout(const std::string& geval) {
    EXPECT_FALSE(LeesAspekten()) << geval;
    EXPECT_EQ(AantalAspekten, 0) << geval;
    ASSERT_FALSE(ui.meldingen.empty()) << geval;
    EXPECT_EQ(ui.meldingen.back().tekst, FoutTekst) << geval;
    EXPECT_EQ(ui.exitKodes, std::vector<int>{1}) << geval;
    ui.meldingen.clear();
    ui.exitKodes.clear();
  }
};

tools::TTsvTabel GeleverdeBron() {
  tools::TTsvTabel bron;
  std::string fout;
  EXPECT_TRUE(tools::LeesTsv(std::string(ORVAN_SOURCE_DIR) + "/data/aspekten.tsv", bron, fout))
      << fout;
  return bron;
}

TEST_F(AspektenTest, TheShippedTableReadsInEveryLanguage) {
  const tools::TTsvTabel bron = GeleverdeBron();
  ASSERT_EQ(bron.kolommen.size(), 11u);
  for (int taal = 1; taal <= 4; ++taal) {
    ASSERT_TRUE(KiesTaal(taal));
    ASSERT_TRUE(LeesAspekten()) << "language " << taal;
    ASSERT_EQ(AantalAspekten, bron.rijen.size());
    for (std::size_t r = 0; r < bron.rijen.size(); ++r) {
      const auto& rij = bron.rijen[r];
      const AspektRec& a = Aspekten[r + 1];
      EXPECT_EQ(a.Naam, VulAanTekens(rij[5 + taal], AspektNaamLengte)) << "row " << r + 1;
      EXPECT_EQ(a.AspHoek, std::stod(rij[0])) << "row " << r + 1;
      EXPECT_EQ(a.Orb, std::stod(rij[1])) << "row " << r + 1;
      EXPECT_EQ(a.Rood, std::stoi(rij[2])) << "row " << r + 1;
      EXPECT_EQ(a.Groen, std::stoi(rij[3])) << "row " << r + 1;
      EXPECT_EQ(a.Blauw, std::stoi(rij[4])) << "row " << r + 1;
      EXPECT_EQ(a.TekenDikte, std::stoi(rij[5])) << "row " << r + 1;
      EXPECT_EQ(a.Bitmap, map.Pad() + rij[10] + ".bmp") << "row " << r + 1;
    }
  }
  EXPECT_TRUE(ui.meldingen.empty());
}

// The names are the aspect words of interpretation conditions, compared after name folding.
TEST(GeleverdeAspekten, NamesAreDistinctSingleWordsOfTwelveCharacters) {
  const tools::TTsvTabel bron = GeleverdeBron();
  ASSERT_FALSE(bron.rijen.empty());
  ASSERT_LE(bron.rijen.size(), static_cast<std::size_t>(MaxAspekten));
  for (int taal = 1; taal <= 4; ++taal) {
    std::set<std::string> gevouwen;
    for (const auto& rij : bron.rijen) {
      const std::string& naam = rij[5 + taal];
      EXPECT_LE(AantalTekens(naam), AspektNaamLengte) << naam;
      for (unsigned char c : naam)
        EXPECT_TRUE(c >= 0x80 || std::isalpha(c)) << "\"" << naam << "\" is not a single word";
      const std::string v = Vouw35(naam);
      EXPECT_EQ(v.size(), AantalTekens(naam)) << naam << " folds to " << v;
      EXPECT_NE(v.rfind("RETRO", 0), 0u) << naam;
      EXPECT_TRUE(gevouwen.insert(v).second) << naam << " folds like another name: " << v;
    }
  }
}

TEST_F(AspektenTest, SwitchingTheLanguageSwitchesEveryName) {
  MaakAspekten({"0, 8, 1, 2, 3, 2, 'Samen', 'Together', 'Ensemble', 'Zusammen', 'a'",
                "90, 6, 1, 2, 3, 2, 'Haaks', 'Across', 'Travers', 'Quer', 'b'",
                "120, 6, 1, 2, 3, 2, 'Mooi', 'Fine', 'Beau', 'Schoen', 'c'"});
  const char* namen[4][3] = {{"Samen", "Haaks", "Mooi"},
                             {"Together", "Across", "Fine"},
                             {"Ensemble", "Travers", "Beau"},
                             {"Zusammen", "Quer", "Schoen"}};
  for (int taal : {1, 2, 3, 4, 2, 1}) {
    ASSERT_TRUE(KiesTaal(taal));
    ASSERT_TRUE(LeesAspekten());
    ASSERT_EQ(AantalAspekten, 3);
    for (int i = 1; i <= 3; ++i)
      EXPECT_EQ(Aspekten[i].Naam, VulAanTekens(namen[taal - 1][i - 1], 12)) << "language " << taal;
  }
}

TEST_F(AspektenTest, NamesAndBitmapsAreCompletedAsTheProgramUsesThem) {
  MaakAspekten({
      "60, 4, 0, 0, 0, 1, NULL, '', NULL, NULL, 'zestig'",
      "22.5, 1, 0, 0, 0, 1, NULL, 'Sesquiquadrate', NULL, NULL, 'eigen/half'",
      "45, 1, 0, 0, 0, 1, NULL, 'Semicarré', NULL, NULL, '/opt/symbolen/a45'",
      "30, 1, 0, 0, 0, 1, NULL, 'Een twee drie vier', NULL, NULL, ''",
  });
  ASSERT_TRUE(LeesAspekten());
  ASSERT_EQ(AantalAspekten, 4);
  const struct {
    const char* naam;
    std::string bitmap;
  } verwacht[] = {
      {"60°         ", map.Pad() + "zestig.bmp"},
      {"Sesquiquadra", map.Pad() + "eigen/half.bmp"},
      {"Semicarré   ", "/opt/symbolen/a45.bmp"},
      {"Een twee dri", ""},
  };
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(Aspekten[i].Naam, verwacht[i - 1].naam) << "row " << i;
    EXPECT_EQ(AantalTekens(Aspekten[i].Naam), 12u) << "row " << i;
    EXPECT_EQ(Aspekten[i].Bitmap, verwacht[i - 1].bitmap) << "row " << i;
  }
  // An angle with decimals keeps them in the name.
  MaakAspekten({"22.5, 1, 0, 0, 0, 1, '', '', '', '', 'x'"});
  ASSERT_TRUE(LeesAspekten());
  EXPECT_EQ(Aspekten[1].Naam, "22.5°       ");
}

TEST_F(AspektenTest, FieldsAreFoundByNameInAnyOrder) {
  MaakAspekten({"'b90', 'Kwadraat', 'Square', 'Carré', 'Quadrat', 2, 255, 0, 0, 6, 90"},
               "Bitmap TEXT, NaamNL TEXT, naamen TEXT, NaamFR TEXT, NaamDU TEXT, tekendikte "
               "INTEGER, Rood INTEGER, Groen INTEGER, Blauw INTEGER, Orb REAL, AspHoek REAL");
  ASSERT_TRUE(KiesTaal(3));
  ASSERT_TRUE(LeesAspekten());
  ASSERT_EQ(AantalAspekten, 1);
  EXPECT_EQ(Aspekten[1].Naam, VulAanTekens("Carré", 12));
  EXPECT_EQ(Aspekten[1].AspHoek, 90);
  EXPECT_EQ(Aspekten[1].Orb, 6);
  EXPECT_EQ(Aspekten[1].Rood, 255);
  EXPECT_EQ(Aspekten[1].TekenDikte, 2);
  EXPECT_EQ(Aspekten[1].Bitmap, map.Pad() + "b90.bmp");
}

TEST_F(AspektenTest, FortyRowsAreTheMost) {
  std::vector<std::string> rijen(40, "0, 1, 0, 0, 0, 1, 'a', 'b', 'c', 'd', 'e'");
  MaakAspekten(rijen);
  ASSERT_TRUE(LeesAspekten());
  EXPECT_EQ(AantalAspekten, 40);
  rijen.push_back(rijen.back());
  MaakAspekten(rijen);
  VerwachtFout("41 rows");
}

TEST_F(AspektenTest, AnUnusableTableEndsTheProgramWithItsMessage) {
  const std::string pad = map.Pad() + AspektenBestand;
  const std::string goed = "90, 6, 255, 0, 0, 2, 'Vierkant', 'Square', 'Carré', 'Quadrat', 'b'";
  const struct {
    const char* naam;
    std::vector<std::string> rijen;
    const char* velden;
  } tabellen[] = {
      {"an angle that is no number",
       {"'negentig', 6, 255, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'"},
       Velden},
      {"an angle above 180", {"181, 6, 255, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'"}, Velden},
      {"an orb of 0", {"90, 0, 255, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'"}, Velden},
      {"an empty orb", {"90, NULL, 255, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'"}, Velden},
      {"a colour above 255", {goed, "90, 6, 256, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'"}, Velden},
      {"a width with decimals", {"90, 6, 255, 0, 0, 1.5, 'a', 'b', 'c', 'd', 'e'"}, Velden},
      {"a missing field",
       {"90, 6, 255, 0, 0, 'a', 'b', 'c', 'd', 'e'"},
       "AspHoek REAL, Orb REAL, Rood INTEGER, Groen INTEGER, Blauw INTEGER, NaamNL TEXT, "
       "NaamEN TEXT, NaamFR TEXT, NaamDU TEXT, Bitmap TEXT"},
  };
  ASSERT_TRUE(LeesAspekten());  // the shipped table first, which every failure empties
  ASSERT_GT(AantalAspekten, 0);
  for (const auto& t : tabellen) {
    MaakAspekten(t.rijen, t.velden);
    VerwachtFout(t.naam);
  }

  fs::remove(pad);
  VerwachtFout("a missing file");
  std::ofstream(pad) << "AspHoek\tOrb\n90\t6\n";
  VerwachtFout("a text file");
  fs::remove(pad);
  test::MaakTabel(pad, "create table andere (x INTEGER);");
  VerwachtFout("a database without the table");
  fs::remove(pad);
  fs::create_directory(pad);
  VerwachtFout("a folder");
}

}  // namespace
}  // namespace orvan
