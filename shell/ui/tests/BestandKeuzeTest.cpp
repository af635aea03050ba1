#include "shell/ui/BestandKeuze.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/tests/support/TijdelijkeMap.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

TEST(BestandKeuze, SplitsPad) {
  struct TGeval {
    const char* pad;
    const char* map;
    const char* naam;
    const char* extensie;
  };
  const TGeval gevallen[] = {
      {"/home/a/orvan/standard.hor/", "/home/a/orvan/", "standard", "hor"},
      {"/home/a/orvan/standard.hor", "/home/a/orvan/", "standard", "hor"},
      {"/home/a/orvan/*.tkp", "/home/a/orvan/", "*", "tkp"},
      {"/home/a/orvan/teksten.v2.RNL", "/home/a/orvan/", "teksten.v2", "RNL"},
      {"/home/a/orvan/geen_extensie", "/home/a/orvan/", "geen_extensie", ""},
      {"/home/a/.verborgen", "/home/a/", ".verborgen", ""},
      {"x.hor", "", "x", "hor"},
  };
  for (const auto& g : gevallen) {
    const TPadDelen d = SplitsPad(g.pad);
    EXPECT_EQ(d.map, g.map) << g.pad;
    EXPECT_EQ(d.naam, g.naam) << g.pad;
    EXPECT_EQ(d.extensie, g.extensie) << g.pad;
  }
}

class ZoekNamenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* m : {"standard.hor", "Archief.HOR", "beta.hor", "oud.bak"})
      fs::create_directory(map + m);
    for (const char* b : {"los.hor", "teksten.RNL", "meer.rnl", "notities.txt"})
      std::ofstream(map + b) << "x";
  }
  test::TTijdelijkeMap tijdelijk{false};
  std::string map = tijdelijk.Pad();
};

TEST_F(ZoekNamenTest, FolderModeListsOnlyFoldersWithTheExtension) {
  const auto namen = ZoekNamen(map, "hor", true);
  ASSERT_EQ(namen.size(), 3u);
  EXPECT_EQ(namen[0].naam, "Archief");
  EXPECT_EQ(namen[0].bestandsnaam, "Archief.HOR");
  EXPECT_EQ(namen[1].naam, "beta");
  EXPECT_EQ(namen[2].naam, "standard");
}

TEST_F(ZoekNamenTest, FileModeListsOnlyFilesAndIgnoresLetterCaseOfTheExtension) {
  const auto namen = ZoekNamen(map, "RNL", false);
  ASSERT_EQ(namen.size(), 2u);
  EXPECT_EQ(namen[0].bestandsnaam, "meer.rnl");
  EXPECT_EQ(namen[1].bestandsnaam, "teksten.RNL");
  EXPECT_TRUE(ZoekNamen(map + "bestaat-niet/", "hor", true).empty());
}

TEST(BestandKeuze, KeuzeResultaat) {
  const std::vector<TGevondenNaam> gevonden = {{"Archief", "Archief.HOR"}, {"beta", "beta.hor"}};
  struct TGeval {
    const char* naam;
    const char* keuze;
    bool mapMode;
    std::size_t maxLengte;
    TKeuzeFout fout;
    const char* resultaat;
  };
  const TGeval gevallen[] = {
      {"listed folder keeps its own spelling", "Archief", true, 255, TKeuzeFout::Geen,
       "/m/Archief.HOR/"},
      {"new folder", "nieuw", true, 255, TKeuzeFout::Geen, "/m/nieuw.hor/"},
      {"typed with the extension", "nieuw.HOR", true, 255, TKeuzeFout::Geen, "/m/nieuw.hor/"},
      {"file mode has no trailing slash", "beta", false, 255, TKeuzeFout::Geen, "/m/beta.hor"},
      {"blanks around the name", "  beta ", false, 0, TKeuzeFout::Geen, "/m/beta.hor"},
      {"nothing chosen", "", true, 255, TKeuzeFout::Geen, ""},
      {"a path instead of a name", "../elders", true, 255, TKeuzeFout::Ongeldig, ""},
      {"the parent folder", "..", true, 255, TKeuzeFout::Ongeldig, ""},
      {"exactly the maximum length", "beta", true, 12, TKeuzeFout::Geen, "/m/beta.hor/"},
      {"longer than the maximum is refused, not cut", "beta", true, 11, TKeuzeFout::TeLang, ""},
  };
  for (const auto& g : gevallen) {
    std::string resultaat = "vorige";
    const TKeuzeFout fout =
        KeuzeResultaat("/m/", g.keuze, "hor", g.mapMode, gevonden, g.maxLengte, resultaat);
    EXPECT_EQ(fout, g.fout) << g.naam;
    EXPECT_EQ(resultaat, g.resultaat) << g.naam;
  }
}

}  // namespace
}  // namespace orvan
