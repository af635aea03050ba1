// The table classes on real SQLite files: creation and schema, opening, order by the named
// indexes, filtering, locate, find next, bookmarks, editing and the date operations.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "database/HorTabellen.h"
#include "database/Q4DataModuleUnit.h"
#include "database/tests/DatabankFixture.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;

using Tabellen = DatabankTest;

std::vector<std::string> VeldNamen(const TPelqTabel& t) {
  std::vector<std::string> namen;
  for (const auto& v : t.Velden()) namen.push_back(v.naam);
  return namen;
}

TEST_F(Tabellen, AnEmptyFolderGetsThreeTablesWithTheirFieldsAndIndexes) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  for (const char* f : {"natal.db", "event.db", "relat.db"}) EXPECT_TRUE(fs::exists(map_ + f)) << f;

  const std::vector<std::string> natal = {
      "InputNr", "SName", "Name",  "KeyWords", "Info",  "Place", "Lat",   "Long",  "Zone",
      "DateY",   "DateM", "DateD", "GregKal",  "TimeH", "TimeM", "TimeS", "ClockTime", "DiffH",
      "DiffM",   "DiffS", "PrecH", "PrecM",    "PrecS", "Sex",   "Selekt"};
  EXPECT_EQ(VeldNamen(dm.GebTabel), natal);
  std::vector<std::string> event = natal;
  event.push_back("OrvanNr");
  EXPECT_EQ(VeldNamen(dm.MomentTabel), event);
  EXPECT_EQ(VeldNamen(dm.RelatTabel),
            (std::vector<std::string>{"InputNr", "PartnerANr", "PartnerBNr", "KeyWords", "Selekt"}));

  EXPECT_EQ(dm.GebTabel.LaatsteVastVeld, 24);
  EXPECT_EQ(dm.MomentTabel.LaatsteVastVeld, 25);
  EXPECT_EQ(dm.RelatTabel.LaatsteVastVeld, 4);
  EXPECT_EQ(dm.RelatTabel.SelektIndex(), 4);

  // Kinds and sizes as the rest of the program relies on them.
  EXPECT_EQ(dm.GebTabel.Veld(VeldInputNr).soort, TVeldSoort::AutoNummer);
  EXPECT_EQ(dm.GebTabel.Veld(VeldName).grootte, 35);
  EXPECT_EQ(dm.GebTabel.Veld(VeldKeyWords).grootte, 80);
  EXPECT_EQ(dm.GebTabel.Veld(VeldZone).grootte, 8);
  EXPECT_EQ(dm.GebTabel.Veld(VeldInfo).soort, TVeldSoort::Memo);
  EXPECT_EQ(dm.GebTabel.Veld(VeldLat).soort, TVeldSoort::Bcd);
  EXPECT_TRUE(dm.GebTabel.Veld(VeldLat).verplicht);
  EXPECT_FALSE(dm.GebTabel.Veld(VeldPlace).verplicht);
  EXPECT_EQ(dm.GebTabel.Veld(VeldGregKal).soort, TVeldSoort::Boolean);
  EXPECT_EQ(dm.MomentTabel.Veld(VeldOrvanNr).soort, TVeldSoort::Geheel);
  EXPECT_TRUE(dm.MomentTabel.Veld(VeldOrvanNr).verplicht);

  // "Verjaardag" comes from the index check, as does "InputNr".
  const std::vector<std::string> horIndexen = {"InputNr", "SName", "Tijd", "Verjaardag"};
  EXPECT_EQ(dm.GebTabel.IndexNamen(), horIndexen);
  EXPECT_EQ(dm.MomentTabel.IndexNamen(),
            (std::vector<std::string>{"InputNr", "OrvanInputNr", "SName", "Tijd", "Verjaardag"}));
  EXPECT_EQ(dm.RelatTabel.IndexNamen(), (std::vector<std::string>{"InputNr", "PartnerNrs"}));
  EXPECT_EQ(Vraag(Natal(), "select group_concat(name, ';') from pragma_index_info('Verjaardag')"),
            "DateM;DateD;TimeH;TimeM;TimeS");
  EXPECT_EQ(Vraag(Natal(), "select group_concat(name, ';') from pragma_index_info('Tijd')"),
            "DateY;DateM;DateD;TimeH;TimeM;TimeS");

  // Hidden in grids.
  EXPECT_FALSE(dm.GebTabel.VeldZichtbaar(VeldSName));
  EXPECT_FALSE(dm.GebTabel.VeldZichtbaar(VeldSelekt));
  EXPECT_TRUE(dm.GebTabel.VeldZichtbaar(VeldName));
  EXPECT_EQ(dm.GebTabel.AantalRecords(), 0);
  EXPECT_EQ(dm.GebTabel.RecNr(), -1);
  EXPECT_TRUE(dm.GebTabel.Eof());
}

TEST_F(Tabellen, AMissingIndexIsAddedWhenTheTableOpens) {
  {
    TQ4HorTabel t;
    ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  }
  ASSERT_EQ(Vraag(Natal(), "drop index \"Verjaardag\""), "");
  ASSERT_EQ(Vraag(Natal(), "select count(*) from sqlite_master where name = 'Verjaardag'"), "0");
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  EXPECT_EQ(Vraag(Natal(), "select count(*) from sqlite_master where name = 'Verjaardag'"), "1");
}

TEST_F(Tabellen, AFileThatHoldsNoHoroscopeTableIsRefused) {
  fs::create_directory(map_);
  {
    std::ofstream rommel(Natal());
    rommel << "this is no database, only text that happens to be in the file";
  }
  TQ4HorTabel t;
  EXPECT_FALSE(t.Initialiseer(map_, "natal.db", false));
  EXPECT_FALSE(t.IsOpen());
  EXPECT_FALSE(t.LaatsteFout().empty());

  fs::remove(Natal());
  Vraag(Natal(), "create table natal (InputNr integer primary key, Something text)");
  EXPECT_FALSE(t.Initialiseer(map_, "natal.db", false));
  EXPECT_NE(t.LaatsteFout().find("This table does not have the fields"), std::string::npos) << t.LaatsteFout();
}

TEST_F(Tabellen, ReopeningTheDatabaseSelectsEveryRecordAgain) {
  {
    TQ4DataModule dm;
    ASSERT_TRUE(dm.OpenDatabank(map_));
    for (const char* n : {"Anna", "Bert", "Cees"}) Bewaar(dm.GebTabel, Geboorte(n, 1950, 1, 1));
    ASSERT_EQ(Vraag(Natal(), "update natal set Selekt = 0 where Name <> 'Bert'"), "");
    dm.GebTabel.Ververs();
    EXPECT_EQ(Namen(dm.GebTabel), std::vector<std::string>{"Bert"});
  }
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  EXPECT_EQ(Vraag(Natal(), "select count(*) from natal where Selekt = 1"), "3");
  EXPECT_EQ(Namen(dm.GebTabel), (std::vector<std::string>{"Anna", "Bert", "Cees"}));
}

// Records for the order tests: name, year, month, day, hour.
struct TOrdeRecord {
  const char* naam;
  int jaar, maand, dag, uur;
};
const TOrdeRecord OrdeRecords[] = {
    {"Dirk", 1970, 3, 5, 10}, {"anna", 1980, 12, 24, 8}, {"Émile", 1901, 7, 14, 23},
    {"Bert", 1970, 3, 5, 9},  {"Cees", 1955, 1, 2, 12},  {"ANNA", 1970, 3, 5, 10},
};

struct TOrdeGeval {
  const char* index;
  std::vector<std::string> namen;
};

class OrdeTest : public DatabankTest, public ::testing::WithParamInterface<TOrdeGeval> {};

TEST_P(OrdeTest, TheViewFollowsTheNamedIndex) {
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  for (const auto& r : OrdeRecords) Bewaar(t, Geboorte(r.naam, r.jaar, r.maand, r.dag, r.uur));
  ASSERT_TRUE(t.ZetIndex(GetParam().index)) << t.LaatsteFout();
  EXPECT_EQ(Namen(t), GetParam().namen) << "index " << GetParam().index;
  // With a record filter the view is sorted by the table class itself: the same order.
  t.ZetRecordFilter([](const TRecordLezer& r) { return r.Waarde(VeldSelekt).AlsBool(); }, {VeldSelekt});
  EXPECT_EQ(Namen(t), GetParam().namen) << "index " << GetParam().index << " with a record filter";
}

INSTANTIATE_TEST_SUITE_P(
    Indexen, OrdeTest,
    // Equal keys keep InputNr order.
    ::testing::Values(TOrdeGeval{"InputNr", {"Dirk", "anna", "Émile", "Bert", "Cees", "ANNA"}},
                      TOrdeGeval{"", {"Dirk", "anna", "Émile", "Bert", "Cees", "ANNA"}},
                      // The sort name is the folded name: "anna" sorts as ANNA, "Émile" as EMILE.
                      TOrdeGeval{"SName", {"anna", "ANNA", "Bert", "Cees", "Dirk", "Émile"}},
                      TOrdeGeval{"Tijd", {"Émile", "Cees", "Bert", "Dirk", "ANNA", "anna"}},
                      TOrdeGeval{"Verjaardag", {"Cees", "Bert", "Dirk", "ANNA", "Émile", "anna"}}),
    [](const auto& info) { return std::string(*info.param.index ? info.param.index : "Primary"); });

TEST_F(Tabellen, AnUnknownIndexLeavesTheOrder) {
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  ASSERT_TRUE(t.ZetIndex("SName"));
  EXPECT_FALSE(t.ZetIndex("NoSuchIndex"));
  EXPECT_EQ(t.IndexNaam(), "SName");
}

class FilterTekstTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ASSERT_TRUE(t_.Initialiseer(map_, "event.db", false));
    Bewaar(t_, Geboorte("Wedding", 1980, 5, 1), 12);
    Bewaar(t_, Geboorte("Move", 1985, 6, 1), 7);
    Bewaar(t_, Geboorte("Job", 1990, 7, 1), 12);
  }
  TQ4MomentTabel t_;
};

TEST_F(FilterTekstTest, OnlyTheRecordsThatPassAreInTheView) {
  ASSERT_TRUE(t_.ZetFilterTekst("OrvanNr=12"));
  EXPECT_EQ(Namen(t_), (std::vector<std::string>{"Wedding", "Job"}));
  ASSERT_TRUE(t_.ZetFilterTekst("(OrvanNr = 12) and not (DateY < 1985) or Name = 'Move'"));
  EXPECT_EQ(Namen(t_), (std::vector<std::string>{"Move", "Job"}));
  t_.ZetGefilterd(false);
  EXPECT_EQ(t_.AantalRecords(), 3);
  t_.ZetGefilterd(true);
  EXPECT_EQ(t_.AantalRecords(), 2);
  ASSERT_TRUE(t_.ZetFilterTekst(""));
  EXPECT_EQ(t_.AantalRecords(), 3);
}

TEST_F(FilterTekstTest, AFilterIsParsedNeverSpliced) {
  struct TGeval {
    const char* tekst;
    bool geldig;
    int aantal;   // records in the view when valid
  };
  const TGeval gevallen[] = {
      {"OrvanNr=", false, 0},
      {"NoSuchField = 1", false, 0},
      {"OrvanNr = 12; drop table event", false, 0},
      {"OrvanNr = 12) or (1 = 1", false, 0},
      {"Name = 'x'' or ''1''=''1'", true, 0},   // a text with quotes, compared as it stands
      {"Name = 'Wedding' -- and more", false, 0},
      {"[Name] <> null", true, 3},
      {"KeyWords = null", true, 0},
  };
  for (const auto& g : gevallen) {
    ASSERT_TRUE(t_.ZetFilterTekst(""));
    EXPECT_EQ(t_.ZetFilterTekst(g.tekst), g.geldig) << g.tekst << ": " << t_.LaatsteFout();
    if (g.geldig) {
      EXPECT_EQ(t_.AantalRecords(), g.aantal) << g.tekst;
    }
  }
  EXPECT_EQ(Vraag(map_ + "event.db", "select count(*) from event"), "3");
}

TEST_F(FilterTekstTest, TheRecordFilterWorksWithTheFilterText) {
  t_.ZetRecordFilter([](const TRecordLezer& r) { return r.Waarde("Name").AlsTekst() != "Job"; });
  ASSERT_TRUE(t_.ZetFilterTekst("OrvanNr=12"));
  EXPECT_EQ(Namen(t_), std::vector<std::string>{"Wedding"});
}

class NavigatieTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ASSERT_TRUE(t_.Initialiseer(map_, "natal.db", false));
    for (const char* n : {"Anna", "Bert", "Cees", "Dirk", "Els"}) nummers_.push_back(Bewaar(t_, Geboorte(n, 1960, 1, 1)));
    ASSERT_TRUE(t_.ZetIndex("SName"));
    t_.Eerste();
  }
  std::string Naam() const { return t_.Waarde(VeldName).AlsTekst(); }
  TQ4HorTabel t_;
  std::vector<std::int32_t> nummers_;
};

TEST_F(NavigatieTest, MovesStopAtBothEnds) {
  EXPECT_TRUE(t_.Bof());
  std::vector<std::string> gezien;
  for (t_.Eerste(); !t_.Eof(); t_.Volgende()) gezien.push_back(Naam());
  EXPECT_EQ(gezien, (std::vector<std::string>{"Anna", "Bert", "Cees", "Dirk", "Els"}));
  EXPECT_EQ(Naam(), "Els");
  t_.Vorige();
  EXPECT_EQ(Naam(), "Dirk");
  EXPECT_EQ(t_.VerplaatsMet(10), 1);
  EXPECT_TRUE(t_.Eof());
  EXPECT_EQ(t_.VerplaatsMet(-10), -4);
  EXPECT_TRUE(t_.Bof());
  EXPECT_EQ(Naam(), "Anna");
  t_.Vorige();
  EXPECT_TRUE(t_.Bof());
  EXPECT_EQ(Naam(), "Anna");
  EXPECT_FALSE(t_.GaNaar(5));
  EXPECT_TRUE(t_.GaNaar(2));
  EXPECT_EQ(Naam(), "Cees");
}

TEST_F(NavigatieTest, LocateFindsTheFirstMatchInTheViewAndOtherwiseStays) {
  Bewaar(t_, Geboorte("anna", 1970, 1, 1));   // sorts with Anna
  t_.GaNaar(3);
  EXPECT_TRUE(t_.Zoek("Name", "Cees"));
  EXPECT_EQ(t_.RecNr(), 3);
  EXPECT_FALSE(t_.Zoek("Name", "cees"));
  EXPECT_EQ(Naam(), "Cees");
  EXPECT_TRUE(t_.Zoek("Name", "cees", {.zonderHoofdletters = true}));
  EXPECT_TRUE(t_.Zoek("Name", "Di", {.deelSleutel = true}));
  EXPECT_EQ(Naam(), "Dirk");
  EXPECT_TRUE(t_.Zoek({{"Name", "anna"}, {"DateY", 1970}}));
  EXPECT_EQ(t_.Waarde(VeldDateY).AlsInt(), 1970);
  EXPECT_FALSE(t_.Zoek({{"Name", "anna"}, {"DateY", 1960}}));
  EXPECT_FALSE(t_.Zoek("NoSuchField", 1));
  EXPECT_TRUE(t_.ZoekInputNr(nummers_[4]));
  EXPECT_EQ(Naam(), "Els");
  EXPECT_FALSE(t_.ZoekInputNr(9999));
  EXPECT_EQ(Naam(), "Els");
  // A record outside the view is not found.
  t_.ZetFilterTekst("Name <> 'Bert'");
  EXPECT_FALSE(t_.ZoekInputNr(nummers_[1]));
  EXPECT_FALSE(t_.Zoek("Name", "Bert"));
}

TEST_F(NavigatieTest, FindNextSearchesInCapitalsFromTheNextRecord) {
  t_.Wijzig();
  t_.ZetWaarde(VeldKeyWords, "Erfolg, Glück");
  ASSERT_TRUE(t_.Post());
  struct TGeval {
    const char* naam;
    int start;
    const char* veld;
    const char* tekst;
    bool vanafBegin;
    int verwacht;   // position found, or the start when nothing is found
  };
  const TGeval gevallen[] = {
      {"the first record's name from the beginning", 3, "Name", "Anna", true, 0},
      {"from the record after the current one", 0, "Name", "Anna", false, 0},
      {"small letters find capitals", 0, "Name", "ees", false, 2},
      {"accented letters are compared in capitals", 4, "KeyWords", "GLÜCK", true, 0},
      {"a text that occurs nowhere", 1, "Name", "Zorro", false, 1},
      {"nothing after the last record", 4, "Name", "E", false, 4},
      {"an empty text finds the next record", 1, "Name", "", false, 2},
  };
  for (const auto& g : gevallen) {
    ASSERT_TRUE(t_.GaNaar(g.start));
    const bool gevonden = t_.ZoekVolgende(g.veld, g.tekst, g.vanafBegin);
    EXPECT_EQ(gevonden, g.verwacht != g.start || g.vanafBegin) << g.naam;
    EXPECT_EQ(t_.RecNr(), g.verwacht) << g.naam;
  }
}

TEST_F(NavigatieTest, BookmarksSurviveAChangeOfOrder) {
  t_.GaNaar(1);
  const TBladwijzer b = t_.Bladwijzer();
  EXPECT_EQ(b, nummers_[1]);
  ASSERT_TRUE(t_.ZetIndex("InputNr"));
  EXPECT_EQ(t_.Bladwijzer(), b) << "the current record stays current when the order changes";
  t_.Laatste();
  EXPECT_TRUE(t_.GaNaarBladwijzer(b));
  EXPECT_EQ(Naam(), "Bert");
  ASSERT_TRUE(t_.Verwijder());
  EXPECT_FALSE(t_.GaNaarBladwijzer(b));
  EXPECT_EQ(Naam(), "Cees") << "after a delete the next record is current";
}

// Records what a grid model hears.
class TOpnameWaarnemer : public TTabelWaarnemer {
 public:
  void VoorHerladen() override { log += "reload("; }
  void NaHerladen() override { log += ")"; }
  void VoorRijWeg(int p) override { log += "-" + std::to_string(p); }
  void NaRijWeg() override { log += "."; }
  void VoorRijBij(int p) override { log += "+" + std::to_string(p); }
  void NaRijBij() override { log += "."; }
  void RijGewijzigd(int p) override { log += "~" + std::to_string(p); }
  void HuidigeGewijzigd(int p) override { log += "@" + std::to_string(p); }
  std::string log;
};

TEST_F(NavigatieTest, APostKeepsOrMovesTheRecordAndTellsTheGrid) {
  TOpnameWaarnemer w;
  t_.VoegWaarnemerToe(&w);
  t_.GaNaar(1);   // Bert
  EXPECT_EQ(w.log, "@1");

  w.log.clear();
  ASSERT_TRUE(t_.Wijzig());
  ASSERT_TRUE(t_.ZetWaarde("KeyWords", "same place"));
  ASSERT_TRUE(t_.Post());
  EXPECT_EQ(w.log, "@1~1@1") << "a change outside the order key keeps the place";

  w.log.clear();
  ASSERT_TRUE(t_.Wijzig());
  ASSERT_TRUE(t_.ZetWaarde(VeldSName, "ZORRO"));
  ASSERT_TRUE(t_.Post());
  EXPECT_EQ(w.log, "@1-1.+4.@4");
  EXPECT_EQ(t_.RecNr(), 4);
  EXPECT_EQ(Naam(), "Bert");
  EXPECT_EQ(Namen(t_), (std::vector<std::string>{"Anna", "Cees", "Dirk", "Els", "Bert"}));

  w.log.clear();
  t_.SchakelBesturingUit();
  t_.Eerste();
  t_.Volgende();
  t_.SchakelBesturingIn();
  EXPECT_EQ(w.log, "reload()@1") << "disabled controls hear one reload afterwards";

  // The view built afresh agrees with the incrementally kept one.
  const auto bijgehouden = Namen(t_);
  t_.Ververs();
  EXPECT_EQ(Namen(t_), bijgehouden);
  t_.VerwijderWaarnemer(&w);
}

TEST_F(NavigatieTest, APostAfterTheFilterChangedUnderTheEditKeepsTheViewWhole) {
  TOpnameWaarnemer w;   // a grid that reads the view at every notification
  t_.VoegWaarnemerToe(&w);
  ASSERT_TRUE(t_.Zoek("Name", "Cees"));
  ASSERT_TRUE(t_.Wijzig());
  ASSERT_TRUE(t_.ZetFilterTekst("Name <> 'Cees'"));
  ASSERT_TRUE(t_.ZetWaarde(VeldKeyWords, "edited while hidden"));
  ASSERT_TRUE(t_.Post());
  EXPECT_EQ(Namen(t_), (std::vector<std::string>{"Anna", "Bert", "Dirk", "Els"}));
  EXPECT_EQ(Vraag(Natal(), "select KeyWords from natal where Name = 'Cees'"), "edited while hidden");
  t_.VerwijderWaarnemer(&w);
}

TEST_F(NavigatieTest, AppendingFollowsTheGuardTheHandlersAndTheFieldRules) {
  // The insert guard of a writable table.
  t_.InvoegenGeblokkeerd = true;
  EXPECT_FALSE(t_.Voegtoe());
  EXPECT_EQ(t_.LaatsteFout(), "") << "a blocked insert is silent";
  EXPECT_EQ(t_.Toestand(), TTabelToestand::Bladeren);
  t_.InvoegenGeblokkeerd = false;

  // A required field left empty: the post fails and writes nothing.
  const std::string voor = Inhoud(Natal(), "natal");
  ASSERT_TRUE(t_.Voegtoe());
  ASSERT_TRUE(t_.ZetWaarde(VeldName, "Incomplete"));
  EXPECT_FALSE(t_.Post());
  EXPECT_NE(t_.LaatsteFout().find("NOT NULL"), std::string::npos) << t_.LaatsteFout();
  t_.Annuleer();
  EXPECT_EQ(Inhoud(Natal(), "natal"), voor);

  // Values are held to their fields.
  ASSERT_TRUE(t_.Wijzig());
  EXPECT_FALSE(t_.ZetWaarde(VeldDateY, 40000)) << "a small integer holds 16 bits";
  EXPECT_FALSE(t_.ZetWaarde(VeldDateY, "1960x"));
  EXPECT_FALSE(t_.ZetWaarde(VeldInputNr, 5)) << "InputNr is given by the store";
  ASSERT_TRUE(t_.ZetWaarde(VeldName, std::string(50, 'x')));
  ASSERT_TRUE(t_.ZetWaarde(VeldLat, 52.2249));
  ASSERT_TRUE(t_.Post());
  EXPECT_EQ(t_.Waarde(VeldName).AlsTekst(), std::string(35, 'x'));
  EXPECT_DOUBLE_EQ(t_.Waarde(VeldLat).AlsGetal(), 52.22);

  // The before-post handler sees and changes the record being posted.
  t_.VoorPosten = [](TPelqTabel& t) { t.ZetWaarde(VeldKeyWords, "checked"); };
  ASSERT_TRUE(t_.Wijzig());
  ASSERT_TRUE(t_.Post());
  EXPECT_EQ(t_.Waarde(VeldKeyWords).AlsTekst(), "checked");

  // SelekteerAlles removes the handler.
  ASSERT_TRUE(t_.SelekteerAlles());
  EXPECT_FALSE(t_.VoorPosten);
}

TEST_F(NavigatieTest, ARecordThatNoLongerPassesTheFilterLeavesTheView) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  TQ4HorTabel& g = dm.GebTabel;
  ASSERT_TRUE(g.Zoek("Name", "Cees"));
  ASSERT_TRUE(g.Wijzig());
  ASSERT_TRUE(g.ZetWaarde(VeldSelekt, false));
  ASSERT_TRUE(g.Post());
  EXPECT_EQ(Namen(g), (std::vector<std::string>{"Anna", "Bert", "Dirk", "Els"}));
  EXPECT_EQ(g.Waarde(VeldName).AlsTekst(), "Dirk");
  g.ZetGefilterd(false);
  EXPECT_EQ(g.AantalRecords(), 5);
}

TEST_F(Tabellen, JulianDaysOfTheStoredMoment) {
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  THorData d = Geboorte("Noon", 2000, 1, 1, 12, 0);
  d.Verschil = {1, 0, 0};
  d.ClockTime = true;
  Bewaar(t, d);
  d.Name = "Universal";
  d.ClockTime = false;
  Bewaar(t, d);
  ASSERT_TRUE(t.Zoek("Name", "Noon"));
  EXPECT_DOUBLE_EQ(t.JD_AD_KT(), 2451545.0);
  EXPECT_NEAR(t.JD_AD_GMT(), 2451545.0 - 1.0 / 24.0, 1e-9);
  ASSERT_TRUE(t.Zoek("Name", "Universal"));
  EXPECT_DOUBLE_EQ(t.JD_AD_GMT(), t.JD_AD_KT()) << "a universal time is not corrected, whatever the difference";
}

TEST_F(Tabellen, DateStatisticsAndOverlapRestoreOrderAndRecord) {
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  TDatumRec eerste, laatste;
  t.DatumStatistiek(eerste, laatste);
  EXPECT_EQ(eerste, TDatumRec());
  EXPECT_FALSE(t.IsErOverlap(365, 2451545.0));

  Bewaar(t, Geboorte("Middle", 1990, 6, 15));
  Bewaar(t, Geboorte("Last", 2001, 2, 3));
  Bewaar(t, Geboorte("First", 1901, 11, 30));
  ASSERT_TRUE(t.ZetIndex("SName"));
  ASSERT_TRUE(t.Zoek("Name", "Middle"));
  t.DatumStatistiek(eerste, laatste);
  EXPECT_EQ(eerste, (TDatumRec{30, 11, 1901}));
  EXPECT_EQ(laatste, (TDatumRec{3, 2, 2001}));
  EXPECT_EQ(t.IndexNaam(), "SName");
  EXPECT_EQ(t.Waarde(VeldName).AlsTekst(), "Middle");

  const double jd2001 = JulDag(2, 3, 2001, true, 12.0);
  const double jd1901 = JulDag(11, 30, 1901, true, 12.0);
  EXPECT_TRUE(t.IsErOverlap(10, jd2001 - 5));
  EXPECT_TRUE(t.IsErOverlap(0, jd2001));
  EXPECT_FALSE(t.IsErOverlap(10, jd2001 + 0.5)) << "the period starts after the last record";
  EXPECT_FALSE(t.IsErOverlap(10, jd1901 - 11)) << "the period ends before the first record";
  EXPECT_TRUE(t.IsErOverlap(11, jd1901 - 11));
  EXPECT_EQ(t.Waarde(VeldName).AlsTekst(), "Middle");
}

TEST_F(Tabellen, PropertyStatisticsCountOnlyValuesInTheView) {
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
  for (int i = 0; i < 5; ++i) Bewaar(t, Geboorte("R" + std::to_string(i), 1950 + i, 1, 1));
  ASSERT_TRUE(t.MaakEigenschap("Height"));
  ASSERT_TRUE(t.MaakEigenschap("Weight"));

  int aantal = -1;
  double sd = -1, gem = -1, max = 0, min = 0;
  long double kw = -1, som = -1;
  t.EigStatistiek(1, aantal, sd, gem, kw, som, max, min);
  EXPECT_EQ(aantal, 0);
  EXPECT_EQ(sd, 0);
  EXPECT_EQ(gem, 0);
  EXPECT_EQ(kw, 0);
  EXPECT_EQ(som, 0);
  EXPECT_EQ(max, -2147483648.0);
  EXPECT_EQ(min, 2147483647.0);

  ASSERT_TRUE(t.GaNaar(0));
  ASSERT_TRUE(t.SchrijfEigenschap(1, 170));
  t.EigStatistiek(1, aantal, sd, gem, kw, som, max, min);
  EXPECT_EQ(aantal, 1);
  EXPECT_EQ(sd, 0) << "one value has no deviation";
  EXPECT_EQ(gem, 170);

  const double waarden[] = {180, 160, 190};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(t.GaNaar(i + 1));
    ASSERT_TRUE(t.SchrijfEigenschap(1, waarden[i]));
  }
  double w = 0;
  ASSERT_TRUE(t.GaNaar(4));
  EXPECT_FALSE(t.LeesEigenschap(1, w)) << "an empty property has no value";
  ASSERT_TRUE(t.GaNaar(3));
  EXPECT_TRUE(t.LeesEigenschap(1, w));
  EXPECT_EQ(w, 190);
  EXPECT_FALSE(t.LeesEigenschap(3, w)) << "no such property";

  t.EigStatistiek(1, aantal, sd, gem, kw, som, max, min);
  EXPECT_EQ(aantal, 4);
  EXPECT_DOUBLE_EQ(gem, 175);
  EXPECT_NEAR(sd, 12.909944487358056, 1e-12);   // sample deviation of 170, 180, 160, 190
  EXPECT_EQ(max, 190);
  EXPECT_EQ(min, 160);
  EXPECT_EQ(static_cast<double>(som), 700);
  EXPECT_EQ(static_cast<double>(kw), 123000);
  EXPECT_EQ(t.RecNr(), 3) << "the current record is restored";

  ASSERT_TRUE(t.ZetFilterTekst("DateY <> 1951"));   // hides the 180
  t.EigStatistiek(1, aantal, sd, gem, kw, som, max, min);
  EXPECT_EQ(aantal, 3);
  EXPECT_DOUBLE_EQ(gem, 520.0 / 3);
}

TEST_F(Tabellen, ARelationshipIsFoundInItsOwnOrderOnly) {
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  TQ4RelatTabel& r = dm.RelatTabel;
  ASSERT_TRUE(r.Voegtoe());
  ASSERT_TRUE(r.ZetWaarde(RelatVeldPartnerANr, 3));
  ASSERT_TRUE(r.ZetWaarde(RelatVeldPartnerBNr, 8));
  ASSERT_TRUE(r.ZetWaarde(RelatVeldSelekt, false));
  ASSERT_TRUE(r.Post());
  EXPECT_EQ(r.AantalRecords(), 0) << "deselected, so not in the view";
  EXPECT_TRUE(r.ZoekRelatie(3, 8)) << "found whatever the filter";
  EXPECT_FALSE(r.ZoekRelatie(8, 3));
  EXPECT_TRUE(r.Gefilterd());
}

}  // namespace
}  // namespace orvan::test
