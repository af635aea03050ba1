// The database hooks of natal charts, events and relationships on the data module's tables.

#include <gtest/gtest.h>

#include <stdexcept>

#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/Relatie.h"
#include "database/tests/DatabankFixture.h"

namespace orvan::test {
namespace {

class KoppelingTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ASSERT_TRUE(dm_.OpenDatabank(map_));
    KoppelHoroskoop(natal_, dm_);
  }

  // A natal chart saved under `naam`; its record number.
  std::int32_t Opgeslagen(TOrvanHoroskoop& h, const std::string& naam, int jaar = 1960) {
    KoppelHoroskoop(h, dm_);
    h.Data = Geboorte(naam, jaar, 4, 4);
    EXPECT_TRUE(h.BewaarNatal());
    return h.NatalNr;
  }

  TQ4DataModule dm_;
  TOrvanHoroskoop natal_;
};

THorData VolledigeGegevens() {
  THorData d;
  d.Name = "Zoë van 't Hoff-Ørsted";
  d.Datum = {29, 2, 1600};
  d.Tijd = {23, 59, 58};
  d.Verschil = {-5, -30, -15};
  d.Precisie = {0, 12, 30};
  d.ClockTime = false;
  d.GregKal = false;
  d.Sex = 1;
  d.Plaats = {"São Paulo", -23.33f, -46.38f, "BRT", 0};
  d.KeyWords = "painter; \"quoted\"; it's";
  d.Info = "first line\nsecond line with ; and '";
  return d;
}

void VerwachtGelijk(const THorData& a, const THorData& b) {
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.Datum, b.Datum);
  EXPECT_EQ(a.Tijd, b.Tijd);
  EXPECT_EQ(a.Verschil, b.Verschil);
  EXPECT_EQ(a.Precisie, b.Precisie);
  EXPECT_EQ(a.ClockTime, b.ClockTime);
  EXPECT_EQ(a.GregKal, b.GregKal);
  EXPECT_EQ(a.Sex, b.Sex);
  EXPECT_EQ(a.Plaats.Naam, b.Plaats.Naam);
  EXPECT_EQ(a.Plaats.Breedte, b.Plaats.Breedte);
  EXPECT_EQ(a.Plaats.Lengte, b.Plaats.Lengte);
  EXPECT_EQ(a.Plaats.Zone, b.Plaats.Zone);
  EXPECT_EQ(a.KeyWords, b.KeyWords);
  EXPECT_EQ(a.Info, b.Info);
}

TEST_F(KoppelingTest, ASavedChartLoadsBackFieldForField) {
  natal_.Data = VolledigeGegevens();
  natal_.Data.Plaats.Gewist = 1;
  ASSERT_TRUE(natal_.BewaarNatal());
  EXPECT_GT(natal_.NatalNr, 0);
  EXPECT_FALSE(natal_.NatalGewijzigd);
  EXPECT_EQ(Vraag(Natal(), "select SName || '|' || Selekt from natal"), "ZOEVANTHOFFORSTED|1");

  TOrvanHoroskoop geladen;
  KoppelHoroskoop(geladen, dm_);
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_.NatalNr));
  ASSERT_TRUE(geladen.LaadNatal());
  VerwachtGelijk(geladen.Data, VolledigeGegevens());
  EXPECT_EQ(geladen.Data.Plaats.Gewist, 0) << "the place record's flag is not stored";
  EXPECT_EQ(geladen.NatalNr, natal_.NatalNr);

  // Texts longer than their fields are cut when stored.
  natal_.Data.Name = std::string(40, 'n');
  natal_.Data.KeyWords = std::string(90, 'k');
  ASSERT_TRUE(natal_.BewaarNatal());
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(natal_.NatalNr));
  ASSERT_TRUE(geladen.LaadNatal());
  EXPECT_EQ(geladen.Data.Name, std::string(35, 'n'));
  EXPECT_EQ(geladen.Data.KeyWords, std::string(80, 'k'));
}

TEST_F(KoppelingTest, SavingEditsAStoredRecordAndAppendsOtherwise) {
  const std::int32_t a = Opgeslagen(natal_, "Anna");
  TOrvanHoroskoop b;
  const std::int32_t nrB = Opgeslagen(b, "Bert");
  EXPECT_NE(a, nrB);

  // A record deselected by a filter is still found and edited, and keeps its flag.
  ASSERT_EQ(Vraag(Natal(), "update natal set Selekt = 0 where Name = 'Anna'"), "");
  dm_.GebTabel.Ververs();
  natal_.Data.KeyWords = "edited";
  ASSERT_TRUE(natal_.BewaarNatal());
  EXPECT_EQ(natal_.NatalNr, a);
  EXPECT_EQ(Vraag(Natal(), "select KeyWords || '|' || Selekt from natal where InputNr = " + std::to_string(a)),
            "edited|0");
  EXPECT_TRUE(dm_.GebTabel.Gefilterd()) << "filtering is restored";
  EXPECT_EQ(dm_.GebTabel.AantalRecords(), 1);

  // The number of a deleted record appends a new one.
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(nrB));
  ASSERT_TRUE(dm_.GebTabel.Verwijder());
  b.Data.KeyWords = "again";
  ASSERT_TRUE(b.BewaarNatal());
  EXPECT_GT(b.NatalNr, nrB);
  EXPECT_EQ(Vraag(Natal(), "select count(*) from natal"), "2");
  EXPECT_EQ(Vraag(Natal(), "select Selekt from natal where InputNr = " + std::to_string(b.NatalNr)), "1");

  // The save hooks clear the insert guard of a selection page.
  dm_.GebTabel.InvoegenGeblokkeerd = true;
  TOrvanHoroskoop c;
  EXPECT_GT(Opgeslagen(c, "Cees"), 0);
}

TEST_F(KoppelingTest, AFailedSaveChangesNothingAndRestoresTheTable) {
  const std::int32_t nr = Opgeslagen(natal_, "Anna");
  const std::string voor = Inhoud(Natal(), "natal");
  dm_.GebTabel.VoorPosten = [](TPelqTabel&) { throw std::runtime_error("a handler that fails"); };
  for (std::int32_t nummer : {nr, GeenRecord}) {
    interaktie_.meldingen.clear();
    natal_.NatalNr = nummer;
    natal_.Data.Name = "Changed";
    EXPECT_FALSE(natal_.BewaarNatal());
    EXPECT_EQ(natal_.NatalNr, nummer) << "the record number stays";
    ASSERT_EQ(interaktie_.meldingen.size(), 1u);
    EXPECT_EQ(interaktie_.meldingen[0].tekst, "Error saving horoscope");
    EXPECT_EQ(Inhoud(Natal(), "natal"), voor);
    EXPECT_EQ(dm_.GebTabel.Toestand(), TTabelToestand::Bladeren);
    EXPECT_TRUE(dm_.GebTabel.Gefilterd());
    EXPECT_FALSE(dm_.GebTabel.BesturingUitgeschakeld());
  }
}

TEST_F(KoppelingTest, EventsAreStoredWithTheirNatalNumberAndLoadTheirNatalChart) {
  // Saving an event of an unsaved chart saves the chart first.
  natal_.Data = Geboorte("Anna", 1960, 4, 4);
  natal_.Transit().Data = Geboorte("Wedding", 1985, 6, 1);
  ASSERT_TRUE(natal_.BewaarEvent());
  ASSERT_GT(natal_.NatalNr, 0);
  ASSERT_GT(natal_.EventNr, 0);
  EXPECT_EQ(Vraag(map_ + "event.db", "select OrvanNr || '|' || Name from event"),
            std::to_string(natal_.NatalNr) + "|Wedding");

  TOrvanHoroskoop ander;
  const std::int32_t bert = Opgeslagen(ander, "Bert");
  ander.Transit().Data = Geboorte("Move", 1990, 1, 1);
  ASSERT_TRUE(ander.BewaarEvent());

  // Loading Anna's event into Bert's chart loads Anna first.
  dm_.MomentTabel.Ververs();
  ASSERT_TRUE(dm_.MomentTabel.Zoek("Name", "Wedding"));
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(bert));
  ASSERT_TRUE(ander.LaadNatal());
  ASSERT_TRUE(ander.LaadEvent());
  EXPECT_EQ(ander.Data.Name, "Anna");
  EXPECT_EQ(ander.NatalNr, natal_.NatalNr);
  EXPECT_EQ(ander.Transit().Data.Name, "Wedding");
  EXPECT_TRUE(ander.EventGeladen);

  // LeesHorRecord reads OrvanNr only when asked.
  std::int32_t nummer = 0, natal = GeenNatalNummer;
  THorData d;
  ASSERT_TRUE(LeesHorRecord(dm_.MomentTabel, d, nummer, natal));
  EXPECT_EQ(natal, GeenNatalNummer);
  natal = GeenRecord;
  ASSERT_TRUE(LeesHorRecord(dm_.MomentTabel, d, nummer, natal));
  EXPECT_EQ(natal, natal_.NatalNr);
}

TEST_F(KoppelingTest, PropertiesAndTheNatalSearchSeeOnlySelectedRecords) {
  const std::int32_t anna = Opgeslagen(natal_, "Anna");
  ASSERT_TRUE(dm_.GebTabel.MaakEigenschap("IQ"));
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(anna));
  ASSERT_TRUE(dm_.GebTabel.SchrijfEigenschap(1, 131));

  bool nietGevonden = true, heeftWaarde = false;
  EXPECT_EQ(natal_.EigenschapWaarde("iq", nietGevonden, heeftWaarde), 131);
  EXPECT_TRUE(heeftWaarde);
  EXPECT_FALSE(nietGevonden);
  natal_.EigenschapWaarde("NoSuchProperty", nietGevonden, heeftWaarde);
  EXPECT_FALSE(heeftWaarde);
  EXPECT_FALSE(nietGevonden);

  TOrvanHoroskoop b;
  const std::int32_t bert = Opgeslagen(b, "Bert");
  EXPECT_EQ(b.EigenschapWaarde("IQ", nietGevonden, heeftWaarde), 0);
  EXPECT_FALSE(heeftWaarde) << "Bert has no value";

  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(bert));
  ASSERT_TRUE(dm_.GebTabel.Wijzig() && dm_.GebTabel.ZetWaarde(VeldSelekt, false) && dm_.GebTabel.Post());
  EXPECT_FALSE(natal_.ZoekGeboorte(bert)) << "a deselected record is not found";
  b.EigenschapWaarde("IQ", nietGevonden, heeftWaarde);
  EXPECT_TRUE(nietGevonden);
  EXPECT_TRUE(natal_.ZoekGeboorte(anna));
}

class RelatieTest : public KoppelingTest {
 protected:
  void SetUp() override {
    KoppelingTest::SetUp();
    Opgeslagen(a_, "Anna");
    Opgeslagen(b_, "Bert");
    relatie_.PartnerA = &a_;
    relatie_.PartnerB = &b_;
    KoppelRelatie(relatie_, dm_);
  }
  TOrvanHoroskoop a_, b_;
  TRelatie relatie_;
};

TEST_F(RelatieTest, ARelationshipIsSavedAndLoadedWithBothPartners) {
  EXPECT_TRUE(relatie_.Gewijzigd);
  EXPECT_EQ(relatie_.RecordNummer, GeenRecord);
  relatie_.KeyWords = "married 1985";
  relatie_.Bewaar();
  EXPECT_FALSE(relatie_.Gewijzigd);
  ASSERT_GT(relatie_.RecordNummer, 0);
  EXPECT_EQ(Vraag(map_ + "relat.db", "select PartnerANr || '|' || PartnerBNr || '|' || KeyWords || '|' || Selekt "
                                     "from relat"),
            std::to_string(a_.NatalNr) + "|" + std::to_string(b_.NatalNr) + "|married 1985|1");
  EXPECT_TRUE(dm_.RelatTabel.ZoekRelatie(a_.NatalNr, b_.NatalNr));
  EXPECT_FALSE(dm_.RelatTabel.ZoekRelatie(b_.NatalNr, a_.NatalNr));

  TOrvanHoroskoop x, y;
  TRelatie geladen;
  geladen.PartnerA = &x;
  geladen.PartnerB = &y;
  KoppelRelatie(geladen, dm_);
  dm_.RelatTabel.Ververs();
  dm_.RelatTabel.Eerste();
  ASSERT_TRUE(geladen.Laad(true));
  EXPECT_FALSE(geladen.Gewijzigd);
  EXPECT_EQ(geladen.RecordNummer, relatie_.RecordNummer);
  EXPECT_EQ(geladen.KeyWords, "married 1985");
  EXPECT_EQ(x.Data.Name, "Anna");
  EXPECT_EQ(y.Data.Name, "Bert");
  EXPECT_EQ(x.NatalNr, a_.NatalNr);
  EXPECT_FALSE(x.NatalGewijzigd);

  bool nietGevonden = false, heeftWaarde = true;
  EXPECT_EQ(geladen.EigenschapWaarde("Anything", nietGevonden, heeftWaarde), 0);
  EXPECT_FALSE(heeftWaarde);
  TRelatie zonderHaken;
  EXPECT_EQ(zonderHaken.EigenschapWaarde("Anything", nietGevonden, heeftWaarde), 0);
  EXPECT_FALSE(nietGevonden);
  EXPECT_FALSE(heeftWaarde);
}

TEST_F(RelatieTest, APartnerThatWasNeverStoredSavesNothing) {
  TOrvanHoroskoop nieuw;
  nieuw.Data = Geboorte("Unsaved", 1970, 1, 1);
  relatie_.PartnerB = &nieuw;
  relatie_.Bewaar();
  EXPECT_TRUE(relatie_.Gewijzigd);
  EXPECT_TRUE(interaktie_.meldingen.empty());
  EXPECT_EQ(Vraag(map_ + "relat.db", "select count(*) from relat"), "0");
}

TEST_F(RelatieTest, LoadingFailsWhenPartnerAIsGoneAndLeavesB) {
  relatie_.Bewaar();
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(a_.NatalNr));
  ASSERT_TRUE(dm_.GebTabel.Verwijder());   // the relationship stays behind

  TOrvanHoroskoop x, y;
  y.Data.Name = "Untouched";
  y.NatalNr = 12345;
  TRelatie geladen;
  geladen.PartnerA = &x;
  geladen.PartnerB = &y;
  KoppelRelatie(geladen, dm_);
  dm_.RelatTabel.Ververs();
  dm_.RelatTabel.Eerste();
  EXPECT_FALSE(geladen.Laad(true));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_EQ(interaktie_.meldingen[0].tekst, "Error loading relationship!");
  EXPECT_EQ(y.Data.Name, "Untouched");
  EXPECT_EQ(y.NatalNr, 12345);

  interaktie_.meldingen.clear();
  geladen.ToonFouten = false;
  EXPECT_FALSE(geladen.Laad(true));
  EXPECT_TRUE(interaktie_.meldingen.empty());
  EXPECT_TRUE(geladen.Laad(false)) << "without partners only the relationship record is read";
}

}  // namespace
}  // namespace orvan::test
