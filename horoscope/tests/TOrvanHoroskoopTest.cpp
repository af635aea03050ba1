// The natal chart with its event chart: construction and clearing, loading and saving through the
// database hooks (a small table fake here), properties, the "present" rule and the calculation of
// the whole person.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "horoscope/TOrvanHoroskoop.h"
#include "horoscope/tests/HoroskoopFixture.h"
#include "shell/ProgrammaMap.h"

namespace orvan {
namespace {

using test::HoroskoopTest;

THorData Persoon(const std::string& naam, std::int16_t jaar) {
  THorData d;
  d.Name = naam;
  d.Datum = {1, 6, jaar};
  d.Tijd = {12, 0, 0};
  d.ClockTime = false;
  d.Plaats = {"Utrecht", 52.05f, 5.07f, "", 0};
  return d;
}

// The natal and event tables with their current records, as the hooks see them.
struct TNepDatabase {
  std::map<std::int32_t, THorData> natal;
  std::map<std::int32_t, std::pair<THorData, std::int32_t>> events;   // data, natal record
  std::int32_t huidigNatal = GeenRecord;
  std::int32_t huidigEvent = GeenRecord;
  std::int32_t volgende = 10;
  bool laadFaalt = false;
  bool bewaarFaalt = false;
  bool zoekenVerplaatstNiet = false;   // ZoekGeboorte finds the record but leaves the current one
  int laadMomentAanroepen = 0;

  void Koppel(TOrvanHoroskoop& h) {
    h.LaadGeboorte = [this](THorData& data, std::int32_t& nummer) {
      auto it = natal.find(huidigNatal);
      if (laadFaalt || it == natal.end()) return false;
      data = it->second;
      nummer = it->first;
      return true;
    };
    h.BewaarGeboorte = [this](const THorData& data, std::int32_t& nummer) {
      if (bewaarFaalt) return false;
      if (nummer < 0) nummer = volgende++;
      natal[nummer] = data;
      return true;
    };
    h.BewaarMoment = [this](const THorData& data, std::int32_t natalNr, std::int32_t& nummer) {
      if (bewaarFaalt) return false;
      if (nummer < 0) nummer = volgende++;
      events[nummer] = {data, natalNr};
      return true;
    };
    h.LaadMoment = [this](THorData& data, std::int32_t& nummer, std::int32_t& natalNr) {
      ++laadMomentAanroepen;
      auto it = events.find(huidigEvent);
      if (laadFaalt || it == events.end()) return false;
      data = it->second.first;
      nummer = it->first;
      natalNr = it->second.second;
      return true;
    };
    h.ZoekGeboorte = [this](std::int32_t nummer) {
      if (!natal.count(nummer)) return false;
      if (!zoekenVerplaatstNiet) huidigNatal = nummer;
      return true;
    };
    h.GebEigenschap = [this](std::int32_t nummer, const std::string& naam, bool& nietGevonden,
                             bool& heeftWaarde) {
      if (naam != "Length" || !natal.count(nummer)) {
        nietGevonden = true;
        return 0.0;
      }
      heeftWaarde = true;
      return 1.5 + nummer;
    };
    h.MomentEigenschap = [this](std::int32_t nummer, const std::string& naam, bool& nietGevonden,
                                bool& heeftWaarde) {
      if (naam != "Income" || !events.count(nummer)) {
        nietGevonden = true;
        return 0.0;
      }
      heeftWaarde = true;
      return 1000.0 + nummer;
    };
  }
};

class NatalTest : public HoroskoopTest {
 protected:
  void SetUp() override {
    HoroskoopTest::SetUp();
    db.natal[1] = Persoon("Anna", 1980);
    db.natal[2] = Persoon("Bert", 1975);
    db.events[5] = {Persoon("Wedding", 2005), 1};
    db.events[6] = {Persoon("Move", 2010), 2};
    db.huidigNatal = 1;
    db.huidigEvent = 5;
  }

  std::vector<std::string> Teksten() const {
    std::vector<std::string> t;
    for (const auto& m : ui.meldingen) t.push_back(m.tekst);
    return t;
  }

  TNepDatabase db;
};

TEST_F(HoroskoopTest, ANewNatalChartIsClearedWithItsTransitChart) {
  TOrvanHoroskoop h;
  EXPECT_EQ(h.Soort, SoortNatal);
  EXPECT_EQ(h.Transit().Soort, SoortTransit);
  EXPECT_EQ(&h.Transit().Eigenaar, &h);
  EXPECT_EQ(h.SekProgHoroskoop, nullptr);
  EXPECT_EQ(h.PrimDirHoroskoop, nullptr);
  EXPECT_EQ(h.TKPPad, ProgrammaMap() + "*.tkp");
  EXPECT_TRUE(h.ToonFouten);
  EXPECT_EQ(h.NatalNr, GeenRecord);
  EXPECT_EQ(h.EventNr, GeenRecord);
  EXPECT_TRUE(h.NatalGewijzigd);
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_FALSE(h.EventGeladen);
  EXPECT_FALSE(h.PeriodeGezet);
  EXPECT_FALSE(h.NatalBewaard);
  EXPECT_FALSE(h.LaadGeboorte);
  EXPECT_FALSE(h.ZoekGeboorte);
}

TEST_F(HoroskoopTest, WisOfTheNatalChartClearsTheEventAndThePeriod) {
  TOrvanHoroskoop h;
  h.Data.Name = "Anna";
  h.NatalNr = 3;
  h.EventNr = 4;
  h.NatalGewijzigd = false;
  h.EventGewijzigd = false;
  h.EventGeladen = true;
  h.PeriodeGezet = true;
  h.PeriodeLengte = 30;
  h.Berekend = true;
  h.Transit().Data.Name = "Wedding";
  h.Transit().Berekend = true;
  h.Wis();
  EXPECT_EQ(h.Data.Name, "");
  EXPECT_FALSE(h.Berekend);
  EXPECT_EQ(h.NatalNr, GeenRecord);
  EXPECT_TRUE(h.NatalGewijzigd);
  EXPECT_EQ(h.Transit().Data.Name, "");
  EXPECT_FALSE(h.Transit().Berekend);
  EXPECT_EQ(h.EventNr, GeenRecord);
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_FALSE(h.EventGeladen);
  EXPECT_FALSE(h.PeriodeGezet);
  EXPECT_EQ(h.PeriodeLengte, 0);
}

TEST_F(HoroskoopTest, WisOfTheTransitChartMarksTheOwnersEventOnly) {
  TOrvanHoroskoop h;
  h.NatalNr = 3;
  h.NatalGewijzigd = false;
  h.EventNr = 4;
  h.EventGewijzigd = false;
  h.Transit().Data.Name = "Wedding";
  h.Transit().Wis();
  EXPECT_EQ(h.Transit().Data.Name, "");
  EXPECT_EQ(h.EventNr, GeenRecord);
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_EQ(h.NatalNr, 3);
  EXPECT_FALSE(h.NatalGewijzigd);
}

TEST_F(HoroskoopTest, WithoutHooksNothingIsLoadedOrSaved) {
  TOrvanHoroskoop h;
  h.Data = Persoon("Anna", 1980);
  EXPECT_FALSE(h.BewaarNatal());
  EXPECT_FALSE(h.BewaarEvent());
  EXPECT_TRUE(ui.meldingen.empty());
  bool nietGevonden = true, heeftWaarde = true;
  EXPECT_EQ(h.EigenschapWaarde("Length", nietGevonden, heeftWaarde), 0.0);
  EXPECT_FALSE(nietGevonden);
  EXPECT_FALSE(heeftWaarde);
  nietGevonden = heeftWaarde = true;
  EXPECT_EQ(h.Transit().EigenschapWaarde("Income", nietGevonden, heeftWaarde), 0.0);
  EXPECT_FALSE(nietGevonden);
  EXPECT_FALSE(heeftWaarde);
  EXPECT_FALSE(h.LaadNatal());
  EXPECT_EQ(h.Data.Name, "");
  EXPECT_TRUE(ui.meldingen.empty());

  THoroskoop basis(SoortNatal);
  nietGevonden = heeftWaarde = true;
  EXPECT_EQ(basis.EigenschapWaarde("Length", nietGevonden, heeftWaarde), 0.0);
  EXPECT_FALSE(nietGevonden);
  EXPECT_FALSE(heeftWaarde);
}

TEST_F(NatalTest, LaadNatal) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  h.Transit().Data.Name = "left over";
  h.EventGeladen = true;
  ASSERT_TRUE(h.LaadNatal());
  EXPECT_EQ(h.Data.Name, "Anna");
  EXPECT_EQ(h.NatalNr, 1);
  EXPECT_TRUE(h.Geladen);
  EXPECT_FALSE(h.NatalGewijzigd);
  EXPECT_EQ(h.Transit().Data.Name, "");
  EXPECT_FALSE(h.EventGeladen);
  EXPECT_TRUE(ui.meldingen.empty());

  db.laadFaalt = true;
  EXPECT_FALSE(h.LaadNatal());
  EXPECT_EQ(h.Data.Name, "");
  EXPECT_EQ(h.NatalNr, GeenRecord);
  EXPECT_FALSE(h.Geladen);
  EXPECT_EQ(Teksten(), std::vector<std::string>{"Error loading horoscope!"});

  h.ToonFouten = false;
  EXPECT_FALSE(h.LaadNatal());
  EXPECT_EQ(ui.meldingen.size(), 1u);
}

TEST_F(NatalTest, BewaarNatal) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  int bewaard = 0;
  h.NatalBewaard = [&] { ++bewaard; };
  h.Data = Persoon("Carla", 1990);

  db.bewaarFaalt = true;
  EXPECT_FALSE(h.BewaarNatal());
  EXPECT_EQ(h.NatalNr, GeenRecord);
  EXPECT_TRUE(h.NatalGewijzigd);
  EXPECT_EQ(bewaard, 0);
  EXPECT_EQ(Teksten(), std::vector<std::string>{"Error saving horoscope"});

  db.bewaarFaalt = false;
  ASSERT_TRUE(h.BewaarNatal());
  EXPECT_EQ(h.NatalNr, 10);
  EXPECT_EQ(db.natal[10].Name, "Carla");
  EXPECT_FALSE(h.NatalGewijzigd);
  EXPECT_EQ(bewaard, 1);

  // Saved again: the same record, and a failure keeps its number.
  h.Data.Name = "Carla B.";
  ASSERT_TRUE(h.BewaarNatal());
  EXPECT_EQ(h.NatalNr, 10);
  EXPECT_EQ(db.natal[10].Name, "Carla B.");
  db.bewaarFaalt = true;
  EXPECT_FALSE(h.BewaarNatal());
  EXPECT_EQ(h.NatalNr, 10);
}

TEST_F(NatalTest, BewaarEventSavesTheNatalDataFirst) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  int natalBewaard = 0, eventBewaard = 0;
  h.NatalBewaard = [&] { ++natalBewaard; };
  h.EventBewaard = [&] { ++eventBewaard; };
  h.Data = Persoon("Carla", 1990);
  h.Transit().Data = Persoon("Exam", 2008);

  ASSERT_TRUE(h.BewaarEvent());
  EXPECT_EQ(h.NatalNr, 10);
  EXPECT_EQ(h.EventNr, 11);
  EXPECT_EQ(db.events[11].first.Name, "Exam");
  EXPECT_EQ(db.events[11].second, 10);
  EXPECT_FALSE(h.EventGewijzigd);
  EXPECT_EQ(natalBewaard, 1);
  EXPECT_EQ(eventBewaard, 1);

  // Natal data changed since they were saved: the event waits for them.
  h.NatalGewijzigd = true;
  h.EventGewijzigd = true;
  EXPECT_FALSE(h.BewaarEvent());
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_EQ(eventBewaard, 1);

  h.NatalGewijzigd = false;
  db.bewaarFaalt = true;
  EXPECT_FALSE(h.BewaarEvent());
  EXPECT_EQ(h.EventNr, 11);
  EXPECT_TRUE(h.EventGewijzigd);
  EXPECT_EQ(Teksten(), std::vector<std::string>{"Error saving event data"});

  // A new natal chart whose save fails saves no event either.
  TOrvanHoroskoop nieuw;
  db.Koppel(nieuw);
  nieuw.Data = Persoon("Dirk", 1960);
  ui.meldingen.clear();
  EXPECT_FALSE(nieuw.BewaarEvent());
  EXPECT_EQ(Teksten(), std::vector<std::string>{"Error saving horoscope"});
}

TEST_F(NatalTest, LaadEventOfTheLoadedNatalRecord) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  ASSERT_TRUE(h.LaadNatal());
  h.Transit().Berekend = true;
  ASSERT_TRUE(h.LaadEvent());
  EXPECT_EQ(h.Transit().Data.Name, "Wedding");
  EXPECT_EQ(h.EventNr, 5);
  EXPECT_TRUE(h.EventGeladen);
  EXPECT_FALSE(h.EventGewijzigd);
  EXPECT_FALSE(h.Transit().Berekend);
  EXPECT_EQ(h.Data.Name, "Anna");
  EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(NatalTest, LaadEventOfAnotherNatalRecordLoadsThatRecordFirst) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  ASSERT_TRUE(h.LaadNatal());
  db.huidigEvent = 6;   // belongs to Bert
  ASSERT_TRUE(h.LaadEvent());
  EXPECT_EQ(h.Data.Name, "Bert");
  EXPECT_EQ(h.NatalNr, 2);
  EXPECT_EQ(h.Transit().Data.Name, "Move");
  EXPECT_EQ(h.EventNr, 6);
  EXPECT_TRUE(h.EventGeladen);
  EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(NatalTest, LaadEventFailures) {
  struct {
    const char* naam;
    std::int32_t event;
    bool natalOntbreekt;
    bool zoekenVerplaatstNiet;
  } const gevallen[] = {
      {"no such event", 99, false, false},
      {"its natal record is not found", 6, true, false},
      {"its natal record cannot be made current", 6, false, true},
  };
  for (const auto& g : gevallen) {
    TNepDatabase d = db;
    if (g.natalOntbreekt) d.natal.erase(2);
    d.zoekenVerplaatstNiet = g.zoekenVerplaatstNiet;
    TOrvanHoroskoop h;
    d.Koppel(h);
    ASSERT_TRUE(h.LaadNatal()) << g.naam;
    h.Transit().Data.Name = "typed";
    h.EventGeladen = true;
    ui.meldingen.clear();
    d.huidigEvent = g.event;
    EXPECT_FALSE(h.LaadEvent()) << g.naam;
    EXPECT_FALSE(h.EventGeladen) << g.naam;
    EXPECT_EQ(h.Transit().Data.Name, "") << g.naam;
    EXPECT_EQ(h.EventNr, GeenRecord) << g.naam;
    EXPECT_EQ(h.Data.Name, "Anna") << g.naam;
    EXPECT_EQ(Teksten(), std::vector<std::string>{"Error loading horoscope!"}) << g.naam;
    EXPECT_LE(d.laadMomentAanroepen, 2) << g.naam << ": the event is tried at most twice";
  }
}

TEST_F(NatalTest, EigenschapWaardeOfTheNatalAndTheEventRecord) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  ASSERT_TRUE(h.LaadNatal());
  ASSERT_TRUE(h.LaadEvent());
  bool nietGevonden = false, heeftWaarde = false;
  EXPECT_EQ(h.EigenschapWaarde("Length", nietGevonden, heeftWaarde), 2.5);
  EXPECT_FALSE(nietGevonden);
  EXPECT_TRUE(heeftWaarde);
  nietGevonden = heeftWaarde = false;
  EXPECT_EQ(h.Transit().EigenschapWaarde("Income", nietGevonden, heeftWaarde), 1005.0);
  EXPECT_TRUE(heeftWaarde);
  nietGevonden = heeftWaarde = false;
  EXPECT_EQ(h.EigenschapWaarde("Income", nietGevonden, heeftWaarde), 0.0);
  EXPECT_TRUE(nietGevonden);
  EXPECT_FALSE(heeftWaarde);
}

TEST_F(HoroskoopTest, NatalAndEventArePresentWithANameWhenChangedOrNotStored) {
  struct {
    const char* naam;
    bool gewijzigd;
    std::int32_t nummer;
    bool aanwezig;
  } const gevallen[] = {
      {"", true, GeenRecord, false},   {"", false, 3, false},         {"Anna", true, 3, true},
      {"Anna", false, GeenRecord, true}, {"Anna", false, 3, false},   {"Anna", true, GeenRecord, true},
  };
  for (const auto& g : gevallen) {
    TOrvanHoroskoop h;
    h.Data.Name = g.naam;
    h.NatalGewijzigd = g.gewijzigd;
    h.NatalNr = g.nummer;
    h.Transit().Data.Name = g.naam;
    h.EventGewijzigd = g.gewijzigd;
    h.EventNr = g.nummer;
    const std::string geval = std::string("name \"") + g.naam + "\", changed " +
                              (g.gewijzigd ? "yes" : "no") + ", record " + std::to_string(g.nummer);
    EXPECT_EQ(h.NatalAanwezig(), g.aanwezig) << geval;
    EXPECT_EQ(h.EventAanwezig(), g.aanwezig) << geval;
  }
}

TEST_F(NatalTest, BerekenAlles) {
  TOrvanHoroskoop h;
  db.Koppel(h);
  ASSERT_TRUE(h.LaadNatal());
  EXPECT_TRUE(h.BerekenAlles());   // without an event: the natal chart alone
  EXPECT_TRUE(h.Berekend);
  EXPECT_FALSE(h.Transit().Berekend);
  EXPECT_FALSE(h.AllesBerekend());

  ASSERT_TRUE(h.LaadEvent());
  EXPECT_TRUE(h.BerekenAlles());
  EXPECT_TRUE(h.Transit().Berekend);
  EXPECT_TRUE(h.AllesBerekend());
  EXPECT_NE(h.Transit().UT, h.UT);

  // An event beyond the ephemeris files fails the whole.
  h.Transit().Data.Datum.Jaar = 1500;
  h.Transit().Berekend = false;
  EXPECT_FALSE(h.BerekenAlles());
  EXPECT_FALSE(h.AllesBerekend());
  EXPECT_EQ(ui.meldingen.size(), 1u);
}

}  // namespace
}  // namespace orvan
