// The report writer: the exact bytes of the header, of every writing operation and of the closed
// file; the file name of temporary reports; and a write that fails.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "graphics/RTFBestanden.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

const std::string Kop =
    "{\\rtf1\\ansi\\deff0\n"
    "{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Courier New;}{\\f2\\fnil Arial CE;}"
    "{\\f3\\fnil Courier New CE;}{\\f4\\fnil Arial Cyr;}{\\f5\\fnil Courier New Cyr;}}\n"
    "{\\colortbl\\red0\\green0\\blue0;}\n"
    "\\paperh16838\\paperw11906 \\margl1247 \\margr794 \\margt964 \\margb964\n";

std::string LeesBestand(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class RTFBestandenTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartRTFBestanden()); }
  test::TTijdelijkeMap map_{false};
  test::TOpnameInteraktie interaktie_;
};

TEST_F(RTFBestandenTest, EmptyDocumentIsTheHeaderAndTheClosingBrace) {
  const std::string pad = map_.Pad() + "leeg.rtf";
  TRTFUitBestand uit;
  uit.Maak(pad);
  EXPECT_EQ(uit.Inhoud(), Kop);
  EXPECT_FALSE(fs::exists(pad)) << "the file is written when the document is closed";
  ASSERT_TRUE(uit.Sluit());
  EXPECT_TRUE(uit.Gesloten());
  EXPECT_EQ(LeesBestand(pad), Kop + "}\n");
  EXPECT_EQ(uit.BestandsNaam(), pad);
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

struct TSchrijfGeval {
  const char* naam;
  std::function<void(TRTFUitBestand&)> schrijf;
  std::string verwacht;  // the bytes after the header
};

TEST_F(RTFBestandenTest, EveryOperationWritesItsControlWords) {
  const std::vector<TSchrijfGeval> gevallen = {
      {"Letter in half-points", [](TRTFUitBestand& u) { u.Letter(0, 10.5); }, "\\f0\\fs21 "},
      {"Letter halves to even, down", [](TRTFUitBestand& u) { u.Letter(1, 10.25); }, "\\f1\\fs20 "},
      {"Letter halves to even, up", [](TRTFUitBestand& u) { u.Letter(1, 10.75); }, "\\f1\\fs22 "},
      {"Letter whole points", [](TRTFUitBestand& u) { u.Letter(1, 7); }, "\\f1\\fs14 "},
      {"Papier", [](TRTFUitBestand& u) { u.Papier(297, 210); }, "\\paperh16838\\paperw11906 "},
      {"Marges of the positions report", [](TRTFUitBestand& u) { u.Marges(20, 0, 15, 15); },
       "\\margl1134 \\margr0 \\margt850 \\margb850\n"},
      {"Inspringen with a hanging first line", [](TRTFUitBestand& u) { u.Inspringen(-5, 10, 0); },
       "\\fi-283\\li567\\ri0\n"},
      {"Uitlijning left", [](TRTFUitBestand& u) { u.Uitlijning(0); }, "\\ql "},
      {"Uitlijning centred", [](TRTFUitBestand& u) { u.Uitlijning(1); }, "\\qc "},
      {"Uitlijning right", [](TRTFUitBestand& u) { u.Uitlijning(2); }, "\\qr "},
      {"Uitlijning justified", [](TRTFUitBestand& u) { u.Uitlijning(3); }, "\\ql \\qj"},
      {"Uitlijning unknown kind", [](TRTFUitBestand& u) { u.Uitlijning(4); }, ""},
      {"Vet and Cursief are texts for a line",
       [](TRTFUitBestand& u) {
         u.Regels(TRTFUitBestand::Vet(true) + "Anna" + TRTFUitBestand::Vet(false) +
                  TRTFUitBestand::Cursief(true) + "x" + TRTFUitBestand::Cursief(false));
       },
       "\\b Anna\\b0 \\i x\\i0 \\par\n"},
      {"Schrijf writes the text as it is", [](TRTFUitBestand& u) { u.Schrijf("a\\b {c}\n"); },
       "a\\b {c}\n"},
      {"Regels of three lines", [](TRTFUitBestand& u) { u.Regels("een\ntwee\ndrie"); },
       "een\\par\ntwee\\par\ndrie\\par\n"},
      {"Regels with CR LF and a final line end", [](TRTFUitBestand& u) { u.Regels("a\r\nb\r\n"); },
       "a\\par\nb\\par\n"},
      {"Regels keeps an empty line inside", [](TRTFUitBestand& u) { u.Regels("a\n\nb"); },
       "a\\par\n\\par\nb\\par\n"},
      {"Regels of an empty text is one blank line", [](TRTFUitBestand& u) { u.Regels(""); },
       " \\par\n"},
      {"Regels of a blank", [](TRTFUitBestand& u) { u.Regels(" "); }, " \\par\n"},
      {"Voettekst with page number", [](TRTFUitBestand& u) { u.Voettekst("Anna", true); },
       "{\\footer \\pard \\f0\\fs15 \\i Anna  -  \\chpgn\\i0 }"},
      {"Voettekst without page number", [](TRTFUitBestand& u) { u.Voettekst("Anna", false); },
       "{\\footer \\pard \\f0\\fs15 \\i Anna\\i0 }"},
  };
  for (const auto& g : gevallen) {
    TRTFUitBestand uit;
    uit.Maak(map_.Pad() + "x.rtf");
    g.schrijf(uit);
    EXPECT_EQ(uit.Inhoud().substr(Kop.size()), g.verwacht) << g.naam;
  }
}

TEST(Twips, MillimetresRoundToTheNearestTwipWithHalvesToEven) {
  const struct {
    double mm;
    long twips;
  } gevallen[] = {{0, 0},       {22, 1247}, {14, 794}, {17, 964},    {297, 16838},
                  {210, 11906}, {20, 1134}, {15, 850}, {25.4, 1440}, {-5, -283}};
  for (const auto& g : gevallen) EXPECT_EQ(Twips(g.mm), g.twips) << g.mm << " mm";

  // Lengths whose twips are exactly n + 0.5 in floating point go to the even neighbour.
  int halven = 0;
  for (long n = 0; n < 400; ++n) {
    const double mm = (static_cast<double>(n) + 0.5) * 25.4 / 1440.0;
    if (mm * 1440.0 / 25.4 != static_cast<double>(n) + 0.5) continue;
    ++halven;
    EXPECT_EQ(Twips(mm), n % 2 == 0 ? n : n + 1) << mm << " mm is " << n << ".5 twips";
  }
  EXPECT_GT(halven, 10) << "too few exact halves to check the rounding";
}

TEST(RondAfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double x;
    long r;
  } gevallen[] = {{2.5, 2},   {3.5, 4},       {0.5, 0},       {1.5, 2},   {-0.5, 0}, {-1.5, -2},
                  {-2.5, -2}, {2.4999999, 2}, {2.5000001, 3}, {-2.6, -3}, {7, 7}};
  for (const auto& g : gevallen) EXPECT_EQ(RondAfEven(g.x), g.r) << g.x;
}

TEST_F(RTFBestandenTest, TemporaryNamesCountHundredThousandthsOfADaySince36000) {
  EXPECT_EQ(TijdelijkeBestandsNaam(45000.5), map_.Pad() + "temp/900050000.rtf");
  EXPECT_EQ(TijdelijkeBestandsNaam(36000.000001), map_.Pad() + "temp/0.rtf");
  // Within the same 1/100000 of a day the name is the same, a step further it is not.
  EXPECT_EQ(TijdelijkeBestandsNaam(45000.123451), TijdelijkeBestandsNaam(45000.1234512));
  EXPECT_NE(TijdelijkeBestandsNaam(45000.123451), TijdelijkeBestandsNaam(45000.12346));

  TRTFUitBestand uit;
  const double voor = HuidigeDagTijd();
  uit.MaakTijdelijk();
  const double na = HuidigeDagTijd();
  const std::string naam = uit.BestandsNaam();
  EXPECT_TRUE(naam == TijdelijkeBestandsNaam(voor) || naam == TijdelijkeBestandsNaam(na)) << naam;
  ASSERT_TRUE(uit.Sluit());
  EXPECT_TRUE(fs::exists(naam));
}

TEST_F(RTFBestandenTest, ASecondOutputOfTheSameNameReplacesTheFirst) {
  const std::string pad = TijdelijkeBestandsNaam(45000.5);
  for (const char* tekst : {"eerste", "tweede"}) {
    TRTFUitBestand uit;
    uit.Maak(pad);
    uit.Regels(tekst);
    ASSERT_TRUE(uit.Sluit());
  }
  EXPECT_EQ(LeesBestand(pad), Kop + "tweede\\par\n}\n");
}

TEST_F(RTFBestandenTest, DestroyingAnUnclosedWriterClosesIt) {
  const std::string pad = map_.Pad() + "open.rtf";
  {
    TRTFUitBestand uit;
    uit.Maak(pad);
    uit.Regels("x");
  }
  EXPECT_EQ(LeesBestand(pad), Kop + "x\\par\n}\n");
}

TEST_F(RTFBestandenTest, ClosingTwiceWritesOnce) {
  const std::string pad = map_.Pad() + "twee.rtf";
  TRTFUitBestand uit;
  uit.Maak(pad);
  ASSERT_TRUE(uit.Sluit());
  fs::remove(pad);
  EXPECT_TRUE(uit.Sluit());
  EXPECT_FALSE(fs::exists(pad));
}

TEST_F(RTFBestandenTest, ADocumentWithoutAFileNameStaysInMemory) {
  TRTFUitBestand uit;
  uit.Maak("");
  uit.Regels("x");
  EXPECT_TRUE(uit.Sluit());
  EXPECT_EQ(uit.Inhoud(), Kop + "x\\par\n}\n");
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

TEST_F(RTFBestandenTest, AReportThatCannotBeWrittenIsReportedAndLeavesNoFile) {
  const std::string pad = map_.Pad() + "geen-map/x.rtf";
  TRTFUitBestand uit;
  uit.Maak(pad);
  uit.Regels("x");
  EXPECT_FALSE(uit.Sluit());
  EXPECT_FALSE(fs::exists(pad));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_NE(interaktie_.meldingen[0].tekst.find("UitvoerNietGeschreven"), std::string::npos)
      << interaktie_.meldingen[0].tekst;
  EXPECT_NE(interaktie_.meldingen[0].tekst.find(pad), std::string::npos)
      << "the message names the file: " << interaktie_.meldingen[0].tekst;
  EXPECT_FALSE(uit.Sluit()) << "closing again gives the same result";
  EXPECT_EQ(interaktie_.meldingen.size(), 1u) << "and reports it once";
}

// A disk that fills up while the report is written: the file size limit makes writes beyond it
// fail as on a full disk.
class TVolleSchijf {
 public:
  explicit TVolleSchijf(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &vorige_);
    oudSignaal_ = signal(SIGXFSZ, SIG_IGN);
    rlimit nieuw = vorige_;
    nieuw.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &nieuw);
  }
  ~TVolleSchijf() {
    setrlimit(RLIMIT_FSIZE, &vorige_);
    signal(SIGXFSZ, oudSignaal_);
  }

 private:
  rlimit vorige_{};
  void (*oudSignaal_)(int) = nullptr;
};

TEST_F(RTFBestandenTest, AFullDiskLeavesTheEarlierFileOfThatNameIntact) {
  const std::string pad = map_.Pad() + "vol.rtf";
  { std::ofstream(pad) << "earlier report"; }
  TRTFUitBestand uit;
  uit.Maak(pad);
  for (int i = 0; i < 100; ++i) uit.Regels("a line of the report that does not fit");
  bool gelukt = true;
  {
    TVolleSchijf vol(256);
    gelukt = uit.Sluit();
  }
  EXPECT_FALSE(gelukt);
  EXPECT_EQ(LeesBestand(pad), "earlier report");
  EXPECT_EQ(interaktie_.meldingen.size(), 1u);
  for (const auto& e : fs::directory_iterator(map_.Pad()))
    EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos)
        << "left behind: " << e.path();
}

TEST_F(RTFBestandenTest, StartCreatesTheTemporaryAndReportFolders) {
  EXPECT_EQ(TijdelijkeMap(), map_.Pad() + "temp/");
  EXPECT_EQ(RapportMap(), map_.Pad() + "reports/");
  EXPECT_EQ(RapportBestand(), map_.Pad() + "reports/Noname.rtf");
  EXPECT_TRUE(fs::is_directory(TijdelijkeMap()));
  EXPECT_TRUE(fs::is_directory(RapportMap()));
}

}  // namespace
}  // namespace orvan
