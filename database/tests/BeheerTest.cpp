// The data module and database administration: opening, the record filters, deleting a horoscope
// with what belongs to it, choosing and creating databases, notes and the copy of the natal data.

#include <gtest/gtest.h>

#include <filesystem>

#include "database/DatabankBeheer.h"
#include "database/Q4DataModuleUnit.h"
#include "database/tests/DatabankFixture.h"
#include "shell/Instellingen.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;

class BeheerTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ZetStandaardInstellingen();
    Instellingen.Database = map_;
    Instellingen.RefDatabase = map_;
  }

  // Natal records Anna, Bert, Cees; events of Anna and Bert; relationships Anna-Bert both ways
  // and Bert-Cees.
  void Vul(TQ4DataModule& dm) {
    anna_ = Bewaar(dm.GebTabel, Geboorte("Anna", 1950, 1, 1));
    bert_ = Bewaar(dm.GebTabel, Geboorte("Bert", 1951, 2, 2));
    cees_ = Bewaar(dm.GebTabel, Geboorte("Cees", 1952, 3, 3));
    Bewaar(dm.MomentTabel, Geboorte("Anna's wedding", 1975, 5, 5), anna_);
    Bewaar(dm.MomentTabel, Geboorte("Bert's move", 1980, 6, 6), bert_);
    for (auto [a, b] : {std::pair{anna_, bert_}, std::pair{bert_, anna_}, std::pair{bert_, cees_}}) {
      ASSERT_TRUE(dm.RelatTabel.Voegtoe());
      ASSERT_TRUE(dm.RelatTabel.ZetWaarde(RelatVeldPartnerANr, a) && dm.RelatTabel.ZetWaarde(RelatVeldPartnerBNr, b) &&
                  dm.RelatTabel.ZetWaarde(RelatVeldSelekt, true));
      ASSERT_TRUE(dm.RelatTabel.Post());
    }
  }

  std::int32_t anna_ = 0, bert_ = 0, cees_ = 0;
};

TEST_F(BeheerTest, OpeningSetsUpTheFourTablesAndTellsTheMainWindow) {
  TQ4DataModule dm;
  int geopend = 0;
  dm.DatabankGeopend = [&] { ++geopend; };
  ASSERT_TRUE(dm.OpenDatabank(map_));
  EXPECT_EQ(geopend, 1);
  EXPECT_EQ(dm.Map(), map_);
  EXPECT_EQ(dm.InfoBestandNaam(), map_ + "info.txt");
  EXPECT_EQ(dm.GebTabel.IndexNaam(), "SName");
  EXPECT_EQ(dm.GebTabel2.IndexNaam(), "SName");
  EXPECT_EQ(dm.RelatTabel.IndexNaam(), "PartnerNrs");
  EXPECT_FALSE(dm.GebTabel.AlleenLezen());
  EXPECT_TRUE(dm.GebTabel2.AlleenLezen());
  EXPECT_EQ(dm.GebTabel.GekoppeldeTabel, &dm.GebTabel2);
  EXPECT_TRUE(dm.GebTabel.FilterGewijzigd);
  EXPECT_FALSE(dm.GebTabel.InvoegenGeblokkeerd);
  EXPECT_TRUE(dm.MomentTabel.Gefilterd());
  EXPECT_FALSE(dm.AlleenMetGeboorte);
  EXPECT_EQ(interaktie_.zandloperDiepte, 0) << "the hourglass is back";

  // A folder that cannot be made leaves nothing open and says why.
  EXPECT_FALSE(dm.OpenDatabank(map_ + "no/such/folder/"));
  EXPECT_FALSE(dm.IsOpen());
  EXPECT_EQ(geopend, 1);
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_NE(interaktie_.meldingen[0].tekst.find("could not be opened"), std::string::npos);
  EXPECT_EQ(interaktie_.zandloperDiepte, 0);
}

TEST_F(BeheerTest, EventsCanBeLimitedToSelectedNatalHoroscopes) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  Vul(dm);
  ASSERT_TRUE(dm.GebTabel.ZoekInputNr(anna_));
  ASSERT_TRUE(dm.GebTabel.Wijzig() && dm.GebTabel.ZetWaarde(VeldSelekt, false) && dm.GebTabel.Post());
  ASSERT_TRUE(dm.GebTabel.ZoekInputNr(cees_));

  dm.MomentTabel.Ververs();
  EXPECT_EQ(dm.MomentTabel.AantalRecords(), 2);
  dm.AlleenMetGeboorte = true;
  dm.MomentTabel.Ververs();
  EXPECT_EQ(Namen(dm.MomentTabel), std::vector<std::string>{"Bert's move"});
  EXPECT_EQ(dm.GebTabel.Waarde(VeldName).AlsTekst(), "Cees") << "the natal grid stays where it was";

  ASSERT_TRUE(dm.MomentTabel.ZetFilterTekst("OrvanNr=" + std::to_string(anna_)));
  dm.AlleenMetGeboorte = false;
  dm.MomentTabel.Ververs();
  EXPECT_EQ(Namen(dm.MomentTabel), std::vector<std::string>{"Anna's wedding"});
}

TEST_F(BeheerTest, DeletingAHoroscopeTakesItsEventsAndRelationships) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  Vul(dm);
  ASSERT_TRUE(dm.VerwijderHoroskoop(anna_));
  EXPECT_EQ(Namen(dm.GebTabel), (std::vector<std::string>{"Bert", "Cees"}));
  EXPECT_EQ(Namen(dm.MomentTabel), std::vector<std::string>{"Bert's move"});
  EXPECT_EQ(dm.RelatTabel.AantalRecords(), 1);
  EXPECT_TRUE(dm.RelatTabel.ZoekRelatie(bert_, cees_));
  EXPECT_FALSE(dm.RelatTabel.ZoekRelatie(bert_, anna_));
  EXPECT_EQ(Vraag(map_ + "relat.db", "select count(*) from relat"), "1");
}

TEST(DatabankNamen, DisplayNameAndCopyFolder) {
  struct TGeval {
    const char* map;
    const char* naam;
    const char* kopie;
  };
  const TGeval gevallen[] = {
      {"/data/test.hor/", "test", "/data/test (COPY).hor/"},
      {"/data/test.hor", "test", "/data/test (COPY).hor/"},
      {"/data/my.charts.hor/", "my.charts", "/data/my.charts (COPY).hor/"},
      {"/data/plain/", "plain", "/data/plain (COPY).hor/"},
      {"/data/UPPER.HOR/", "UPPER", "/data/UPPER (COPY).hor/"},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(DatabankNaam(g.map), g.naam) << g.map;
    EXPECT_EQ(KopieMap(g.map), g.kopie) << g.map;
  }
}

TEST_F(BeheerTest, ChoosingADatabaseCreatesItOnlyWhenConfirmed) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  Vul(dm);
  const std::string leeg = NieuweTijdelijkeMap();

  EXPECT_FALSE(KiesDatabank("", dm)) << "cancelled";
  EXPECT_FALSE(KiesDatabank(map_.substr(0, map_.size() - 1), dm)) << "the current database again";
  EXPECT_TRUE(interaktie_.meldingen.empty()) << "neither asks anything";

  interaktie_.antwoorden = {TAntwoord::Nee};
  EXPECT_FALSE(KiesDatabank(leeg, dm));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_TRUE(interaktie_.meldingen[0].isVraag);
  EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "Horoskoopdatabanken");
  EXPECT_FALSE(fs::exists(leeg + "natal.db"));
  EXPECT_EQ(Instellingen.Database, map_);
  EXPECT_EQ(dm.GebTabel.AantalRecords(), 3) << "the current database stays open";

  interaktie_.antwoorden = {TAntwoord::Ja};
  ASSERT_TRUE(KiesDatabank(leeg, dm));
  for (const char* f : {"natal.db", "event.db", "relat.db"}) EXPECT_TRUE(fs::exists(leeg + f)) << f;
  EXPECT_EQ(Instellingen.Database, leeg);
  EXPECT_EQ(dm.Map(), leeg);
  EXPECT_EQ(dm.GebTabel.AantalRecords(), 0);

  // An existing database opens without a question.
  interaktie_.meldingen.clear();
  ASSERT_TRUE(KiesDatabank(map_, dm));
  EXPECT_TRUE(interaktie_.meldingen.empty());
  EXPECT_EQ(dm.GebTabel.AantalRecords(), 3);

  EXPECT_FALSE(KiesRefDatabank(map_));
  EXPECT_TRUE(KiesRefDatabank(leeg.substr(0, leeg.size() - 1)));
  EXPECT_EQ(Instellingen.RefDatabase, leeg);
  EXPECT_EQ(dm.Map(), map_) << "the reference database is not opened";
}

TEST_F(BeheerTest, NotesAreReadAndWrittenEvenWhenEmpty) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  EXPECT_EQ(LeesNotities(dm), "");
  EXPECT_FALSE(fs::exists(map_ + "info.txt"));
  ASSERT_TRUE(SchrijfNotities("", dm));
  EXPECT_TRUE(fs::exists(map_ + "info.txt"));
  EXPECT_EQ(fs::file_size(map_ + "info.txt"), 0u);
  ASSERT_TRUE(SchrijfNotities("Collected 1990-1995\nSource: family archive\n", dm));
  EXPECT_EQ(LeesNotities(dm), "Collected 1990-1995\nSource: family archive\n");
}

TEST_F(BeheerTest, CopyingTheNatalDataWhileTheTablesAreOpen) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  Vul(dm);
  ASSERT_TRUE(dm.GebTabel.MaakEigenschap("Score"));
  ASSERT_TRUE(dm.GebTabel.ZoekInputNr(bert_));
  ASSERT_TRUE(dm.GebTabel.SchrijfEigenschap(1, 7.5));
  // Another view of the natal file stays open throughout.
  TQ4HorTabel lezer;
  ASSERT_TRUE(lezer.Initialiseer(map_, "natal.db", true));
  ASSERT_TRUE(lezer.ZoekInputNr(cees_));

  // A copy made before holds records that no longer belong to it.
  const std::string kopie = KopieMap(map_);
  {
    TQ4DataModule oud;
    ASSERT_TRUE(oud.OpenDatabank(kopie));
    Bewaar(oud.GebTabel, Geboorte("Stale", 1900, 1, 1));
    Bewaar(oud.MomentTabel, Geboorte("Stale event", 1920, 1, 1), 1);
  }
  const std::string natal = Inhoud(Natal(), "natal");
  const std::string events = Inhoud(map_ + "event.db", "event");

  EXPECT_EQ(KopieerGeboortes(dm), kopie);
  EXPECT_EQ(fs::path(kopie).parent_path().filename(), "test (COPY).hor");
  EXPECT_EQ(dm.Map(), kopie) << "the copy is the open database";
  EXPECT_EQ(Inhoud(kopie + "natal.db", "natal"), natal);
  EXPECT_EQ(Vraag(kopie + "event.db", "select count(*) from event"), "0");
  EXPECT_EQ(Vraag(kopie + "relat.db", "select count(*) from relat"), "0");
  EXPECT_EQ(dm.GebTabel.EigenschapNamen(), std::vector<std::string>{"Score"});
  EXPECT_EQ(dm.GebTabel.AantalRecords(), 3);
  EXPECT_EQ(Vraag(kopie + "natal.db", "pragma integrity_check"), "ok");

  EXPECT_EQ(Inhoud(Natal(), "natal"), natal) << "the original is untouched";
  EXPECT_EQ(Inhoud(map_ + "event.db", "event"), events);
  EXPECT_EQ(lezer.Waarde(VeldName).AlsTekst(), "Cees");
  EXPECT_TRUE(interaktie_.meldingen.empty());

  // New records in the copy continue its numbering.
  EXPECT_GT(Bewaar(dm.GebTabel, Geboorte("Generated", 2000, 1, 1)), cees_);
}

}  // namespace
}  // namespace orvan::test
