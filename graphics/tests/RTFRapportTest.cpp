// The running report: outputs appended page after page, a report that cannot be extended stays as
// it was, deleting the report and the temporary reports.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFRapport.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

constexpr auto Lees = test::LeesBestand;
constexpr auto Schrijf = test::SchrijfBestand;

class RTFRapportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartRTFBestanden()); }

  // An output as a report writer makes it: its own margins, a footer and a title.
  std::string MaakUitvoer(const std::string& naam, const std::string& titel) {
    const std::string pad = TijdelijkeMap() + naam;
    TRTFUitBestand uit;
    uit.Maak(pad);
    uit.Marges(20, 0, 15, 15);
    uit.Voettekst(titel, true);
    uit.Letter(0, 10);
    uit.Regels(TRTFUitBestand::Vet(true) + titel + TRTFUitBestand::Vet(false));
    EXPECT_TRUE(uit.Sluit());
    return pad;
  }

  // The lines of a file from the fourth on.
  static std::string VanafRegelVier(const std::string& inhoud) {
    std::size_t p = 0;
    for (int i = 0; i < 3; ++i) p = inhoud.find('\n', p) + 1;
    return inhoud.substr(p);
  }

  test::TTijdelijkeMap map_{false};
  test::TOpnameInteraktie interaktie_;
};

TEST_F(RTFRapportTest, TwoOutputsMakeOneReportWithAPageBreakBeforeTheSecond) {
  const std::string eerste = MaakUitvoer("1.rtf", "Anna");
  const std::string tweede = MaakUitvoer("2.rtf", "Bert");
  EXPECT_FALSE(RapportBestaat());
  ASSERT_TRUE(VoegToeAanRapport(RapportBestand(), eerste));
  EXPECT_TRUE(RapportBestaat());
  EXPECT_EQ(Lees(RapportBestand()), Lees(eerste))
      << "the first output becomes the report unchanged";
  ASSERT_TRUE(VoegToeAanRapport(RapportBestand(), tweede));

  const std::string een = Lees(eerste);
  ASSERT_EQ(een.substr(een.size() - 3), "\n}\n");
  const std::string verwacht =
      een.substr(0, een.size() - 2) + "\\page\n" + VanafRegelVier(Lees(tweede));
  EXPECT_EQ(Lees(RapportBestand()), verwacht);
  // The second document starts after the break with its own paper and margin line.
  EXPECT_NE(verwacht.find("\\page\n\\paperh16838\\paperw11906 \\margl1247 \\margr794 \\margt964 "
                          "\\margb964\n\\margl1134 "),
            std::string::npos)
      << verwacht;

  // A third output goes after a second break; the report stays one document.
  ASSERT_TRUE(VoegToeAanRapport(RapportBestand(), MaakUitvoer("3.rtf", "Carla")));
  const std::string drie = Lees(RapportBestand());
  EXPECT_EQ(drie.substr(0, verwacht.size() - 2), verwacht.substr(0, verwacht.size() - 2));
  EXPECT_EQ(std::count(drie.begin(), drie.end(), '{'), std::count(drie.begin(), drie.end(), '}'));
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(RTFRapportTest, AReportSavedByAWordProcessorKeepsItsTextBeforeTheBreak) {
  const std::string tweede = MaakUitvoer("2.rtf", "Bert");
  const struct {
    const char* naam;
    std::string rapport;
    std::string voorDeBreuk;
  } gevallen[] = {
      {"CR LF line ends", "{\\rtf1\\ansi\r\nAnna\\par\r\n}\r\n", "{\\rtf1\\ansi\r\nAnna\\par\r\n"},
      {"brace at the end of the last line", "{\\rtf1\\ansi\nAnna\\par }",
       "{\\rtf1\\ansi\nAnna\\par \n"},
      {"blank lines after the brace", "{\\rtf1\\ansi\nAnna\\par\n}\n\n\n",
       "{\\rtf1\\ansi\nAnna\\par\n"},
  };
  for (const auto& g : gevallen) {
    Schrijf(RapportBestand(), g.rapport);
    ASSERT_TRUE(VoegToeAanRapport(RapportBestand(), tweede)) << g.naam;
    EXPECT_EQ(Lees(RapportBestand()), g.voorDeBreuk + "\\page\n" + VanafRegelVier(Lees(tweede)))
        << g.naam;
  }
}

TEST_F(RTFRapportTest, AFailedAdditionIsReportedAndLeavesTheReportAsItWas) {
  const std::string uitvoer = MaakUitvoer("1.rtf", "Anna");
  const std::string geenRapport = TijdelijkeMap() + "tekst.rtf";
  Schrijf(geenRapport, "just text\n");
  const struct {
    const char* naam;
    std::string rapport;
    std::string uitvoer;
  } gevallen[] = {
      {"report without closing brace", "{\\rtf1 cut off in the mid", uitvoer},
      {"output missing", "{\\rtf1\n}\n", TijdelijkeMap() + "missing.rtf"},
      {"output is no rich text", "{\\rtf1\n}\n", geenRapport},
  };
  for (const auto& g : gevallen) {
    interaktie_.meldingen.clear();
    Schrijf(RapportBestand(), g.rapport);
    EXPECT_FALSE(VoegToeAanRapport(RapportBestand(), g.uitvoer)) << g.naam;
    EXPECT_EQ(Lees(RapportBestand()), g.rapport) << g.naam;
    ASSERT_EQ(interaktie_.meldingen.size(), 1u) << g.naam;
    EXPECT_NE(interaktie_.meldingen[0].tekst.find("RapportNietAangevuld"), std::string::npos);
  }

  interaktie_.meldingen.clear();
  EXPECT_FALSE(VoegToeAanRapport(map_.Pad() + "no-folder/Noname.rtf", uitvoer));
  EXPECT_EQ(interaktie_.meldingen.size(), 1u) << "a folder that cannot take the report";
}

TEST_F(RTFRapportTest, AFullDiskDuringAnAdditionLeavesTheReportIntact) {
  ASSERT_TRUE(VoegToeAanRapport(RapportBestand(), MaakUitvoer("1.rtf", "Anna")));
  const std::string voor = Lees(RapportBestand());
  const std::string tweede = MaakUitvoer("2.rtf", "Bert");
  bool gelukt = true;
  {
    rlimit vorige{};
    getrlimit(RLIMIT_FSIZE, &vorige);
    auto* oud = signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorige;
    klein.rlim_cur = voor.size();  // the old report fits, the longer one does not
    setrlimit(RLIMIT_FSIZE, &klein);
    gelukt = VoegToeAanRapport(RapportBestand(), tweede);
    setrlimit(RLIMIT_FSIZE, &vorige);
    signal(SIGXFSZ, oud);
  }
  EXPECT_FALSE(gelukt);
  EXPECT_EQ(Lees(RapportBestand()), voor);
  EXPECT_EQ(interaktie_.meldingen.size(), 1u);
  for (const auto& e : fs::directory_iterator(RapportMap()))
    EXPECT_EQ(e.path().filename(), "Noname.rtf") << "left behind: " << e.path();
}

TEST_F(RTFRapportTest, DeletingTheReport) {
  EXPECT_TRUE(WisRapport(false)) << "no report is no failure";
  EXPECT_TRUE(interaktie_.meldingen.empty());

  Schrijf(RapportBestand(), "{\\rtf1\n}\n");
  EXPECT_TRUE(RapportBestaat());
  EXPECT_TRUE(WisRapport(false));
  EXPECT_FALSE(RapportBestaat());

  // A report that cannot be deleted (here a folder with something in it stands in its place).
  fs::create_directories(RapportBestand() + "/x");
  EXPECT_FALSE(WisRapport(true));
  EXPECT_TRUE(interaktie_.meldingen.empty()) << "silent";
  EXPECT_FALSE(WisRapport(false));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_EQ(interaktie_.meldingen[0].tekst, "???RapportNogOpen");
}

TEST_F(RTFRapportTest, ProgramEndDeletesTheTemporaryReportsOnly) {
  for (const char* naam : {"900050000.rtf", "900050001.rtf", "900050002.rtf.tmp-12-0", "notes.txt"})
    Schrijf(TijdelijkeMap() + naam, "x");
  Schrijf(RapportBestand(), "{\\rtf1\n}\n");
  EXPECT_EQ(WisTijdelijkeRapporten(), 3);
  EXPECT_TRUE(fs::exists(TijdelijkeMap() + "notes.txt"));
  EXPECT_FALSE(fs::exists(TijdelijkeMap() + "900050000.rtf"));
  EXPECT_TRUE(RapportBestaat()) << "the running report is not temporary";
}

}  // namespace
}  // namespace orvan
