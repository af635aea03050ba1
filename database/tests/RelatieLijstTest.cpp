// The list of the relationships page on real database files: which relationships it shows and in
// which order, and the change, insertion and deletion of relationships through it.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "database/Q4DataModuleUnit.h"
#include "database/RelatieLijst.h"
#include "database/tests/DatabankFixture.h"

namespace orvan::test {
namespace {

using Paar = std::pair<std::string, std::string>;

class RelatieLijstTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ASSERT_TRUE(dm_.OpenDatabank(map_));
    // Stored in an order that differs from the order of their sort names.
    for (const char* naam : {"Maria", "anton", "Zeno", "Bert"})
      nr_.push_back(Bewaar(dm_.GebTabel, Geboorte(naam, 1960, 1, 1)));
  }

  // A relationship stored through the relationship table; its InputNr.
  std::int64_t Relatie(int a, int b, bool selekt = true, const std::string& steekwoorden = "") {
    TQ4RelatTabel& t = dm_.RelatTabel;
    EXPECT_TRUE(t.Voegtoe());
    EXPECT_TRUE(t.ZetWaarde(RelatVeldPartnerANr, TVeldWaarde(static_cast<std::int64_t>(nr_[a]))));
    EXPECT_TRUE(t.ZetWaarde(RelatVeldPartnerBNr, TVeldWaarde(static_cast<std::int64_t>(nr_[b]))));
    EXPECT_TRUE(t.ZetWaarde(RelatVeldKeyWords, TVeldWaarde(steekwoorden)));
    EXPECT_TRUE(t.ZetWaarde(RelatVeldSelekt, TVeldWaarde(selekt)));
    EXPECT_TRUE(t.Post()) << t.LaatsteFout();
    return t.LaatstGepost();
  }

  // Sets the selection flag of natal horoscope `i` in its file.
  void ZetSelekt(int i, bool selekt) {
    EXPECT_EQ(Vraag(Natal(), "update natal set Selekt = " + std::string(selekt ? "1" : "0") +
                                 " where InputNr = " + std::to_string(nr_[i])),
              "");
  }

  void Lees() {
    std::string fout;
    ASSERT_TRUE(lijst_.Lees(map_, fout)) << fout;
  }

  // The partners' names of the list's rows, top to bottom.
  std::vector<Paar> Paren() const {
    std::vector<Paar> paren;
    for (int r = 0; r < lijst_.AantalRijen(); ++r)
      paren.emplace_back(lijst_.Waarde(r, RelLijstPartnerA).AlsTekst(),
                         lijst_.Waarde(r, RelLijstPartnerB).AlsTekst());
    return paren;
  }

  std::string Relat() const { return map_ + "relat.db"; }

  TQ4DataModule dm_;
  std::vector<std::int32_t> nr_;  // Maria, anton, Zeno, Bert
  TRelatieLijst lijst_;
};

constexpr int Maria = 0, Anton = 1, Zeno = 2, Bert = 3;

TEST_F(RelatieLijstTest, ListsTheSelectedRelationshipsOfTwoSelectedHoroscopesInSortNameOrder) {
  Relatie(Zeno, Maria);
  Relatie(Anton, Zeno, true, "friends");
  Relatie(Maria, Bert);
  Relatie(Anton, Bert);
  Relatie(Bert, Anton, false);  // a deselected relationship
  // A partner that is not stored.
  Vraag(Relat(), "insert into relat (PartnerANr, PartnerBNr, KeyWords, Selekt) values (" +
                     std::to_string(nr_[Maria]) + ", 9999, '', 1)");
  Lees();
  EXPECT_EQ(Paren(),
            (std::vector<Paar>{{"anton", "Bert"}, {"anton", "Zeno"}, {"Maria", "Bert"}, {"Zeno", "Maria"}}));
  EXPECT_EQ(lijst_.KolomNamen(),
            (std::vector<std::string>{"SName", "SName", "PartnerA", "PartnerB", "InputNr", "PartnerANr",
                                      "PartnerBNr", "KeyWords", "Selekt"}));
  EXPECT_EQ(lijst_.Waarde(1, RelLijstKeyWords).AlsTekst(), "friends");
  EXPECT_EQ(lijst_.Waarde(1, RelLijstPartnerANr).AlsInt(), nr_[Anton]);
  EXPECT_EQ(lijst_.Waarde(1, RelLijstPartnerBNr).AlsInt(), nr_[Zeno]);
  EXPECT_EQ(lijst_.Waarde(1, RelLijstSNameA).AlsTekst(), "ANTON");
  EXPECT_EQ(lijst_.RijVan(lijst_.InputNr(2)), 2);
  EXPECT_TRUE(lijst_.EigenschapNamen().empty());
}

TEST_F(RelatieLijstTest, ADeselectedPartnerHidesEveryRowItTakesPartIn) {
  Relatie(Zeno, Maria);
  Relatie(Anton, Zeno);
  Relatie(Maria, Bert);
  struct Geval {
    const char* naam;
    int weg;
    std::vector<Paar> verwacht;
  };
  const Geval gevallen[] = {
      {"Zeno, partner A and B", Zeno, {{"Maria", "Bert"}}},
      {"Bert, partner B only", Bert, {{"anton", "Zeno"}, {"Zeno", "Maria"}}},
      {"Anton, partner A only", Anton, {{"Maria", "Bert"}, {"Zeno", "Maria"}}},
  };
  for (const Geval& g : gevallen) {
    ZetSelekt(g.weg, false);
    Lees();
    EXPECT_EQ(Paren(), g.verwacht) << g.naam;
    ZetSelekt(g.weg, true);
  }
}

TEST_F(RelatieLijstTest, AChangeStoresTheKeywordsAndPropertiesWithHostileNamesOfThatRowOnly) {
  const std::string vreemd = "x\"; drop table relat; --";
  ASSERT_TRUE(dm_.RelatTabel.MaakEigenschap(vreemd)) << dm_.RelatTabel.LaatsteFout();
  ASSERT_TRUE(dm_.RelatTabel.MaakEigenschap("Duur; 'jaren'"));
  const std::int64_t eerste = Relatie(Anton, Bert, true, "old");
  const std::int64_t dubbel = Relatie(Anton, Bert, true, "the same pair again");
  Relatie(Zeno, Maria, true, "untouched");
  Lees();
  ASSERT_EQ(lijst_.EigenschapNamen(), (std::vector<std::string>{vreemd, "Duur; 'jaren'"}));
  const int rij = lijst_.RijVan(eerste);
  ASSERT_GE(rij, 0);

  std::string fout;
  const std::string steekwoorden = "it's; \"quoted\"; -- not SQL";
  ASSERT_TRUE(lijst_.WijzigWaarde(rij, RelLijstKeyWords, TVeldWaarde(steekwoorden), fout)) << fout;
  ASSERT_TRUE(lijst_.WijzigWaarde(rij, RelLijstEersteEigenschap, TVeldWaarde("3.5"), fout)) << fout;
  ASSERT_TRUE(lijst_.WijzigWaarde(rij, RelLijstEersteEigenschap + 1, TVeldWaarde(-12.25), fout)) << fout;
  EXPECT_EQ(lijst_.Waarde(rij, RelLijstEersteEigenschap), TVeldWaarde(3.5))
      << "the row holds the stored value";

  const std::string id = std::to_string(eerste);
  EXPECT_EQ(Vraag(Relat(), "select KeyWords from relat where InputNr = " + id), steekwoorden);
  EXPECT_EQ(Vraag(Relat(), "select \"x\"\"; drop table relat; --\" from relat where InputNr = " + id), "3.5");
  EXPECT_EQ(Vraag(Relat(), "select \"Duur; 'jaren'\" from relat where InputNr = " + id), "-12.25");
  EXPECT_EQ(Vraag(Relat(), "select KeyWords from relat where InputNr = " + std::to_string(dubbel)),
            "the same pair again")
      << "a pair stored twice changes in the edited row only";
  EXPECT_EQ(
      Vraag(Relat(), "select count(*) from relat where KeyWords = 'untouched' and \"Duur; 'jaren'\" is null"),
      "1");

  // An empty value clears a property; keywords are cut to their field's 80 characters.
  ASSERT_TRUE(lijst_.WijzigWaarde(rij, RelLijstEersteEigenschap, TVeldWaarde(""), fout)) << fout;
  ASSERT_TRUE(lijst_.WijzigWaarde(rij, RelLijstKeyWords, TVeldWaarde(std::string(100, 'k')), fout)) << fout;
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat where InputNr = " + id +
                               " and \"x\"\"; drop table relat; --\" is null"),
            "1");
  EXPECT_EQ(Vraag(Relat(), "select length(KeyWords) from relat where InputNr = " + id), "80");
}

TEST_F(RelatieLijstTest, ARefusedChangeWritesNothing) {
  ASSERT_TRUE(dm_.RelatTabel.MaakEigenschap("Duur"));
  const std::int64_t nr = Relatie(Anton, Bert, true, "old");
  Lees();
  const std::string voor = Inhoud(Relat(), "relat");
  std::string fout;

  EXPECT_FALSE(lijst_.WijzigWaarde(0, RelLijstEersteEigenschap, TVeldWaarde("ten"), fout));
  EXPECT_NE(fout.find("ten"), std::string::npos) << fout;
  fout.clear();
  EXPECT_FALSE(lijst_.WijzigWaarde(0, RelLijstPartnerANr, TVeldWaarde(std::int64_t{99}), fout))
      << "partners are fixed";
  EXPECT_FALSE(fout.empty());
  EXPECT_FALSE(lijst_.WijzigWaarde(5, RelLijstKeyWords, TVeldWaarde("x"), fout)) << "no such row";
  EXPECT_EQ(Inhoud(Relat(), "relat"), voor);
  EXPECT_EQ(lijst_.Waarde(0, RelLijstEersteEigenschap), TVeldWaarde()) << "the row keeps its value";

  // Deleted meanwhile through the table: the change is refused, nothing is written.
  Vraag(Relat(), "delete from relat where InputNr = " + std::to_string(nr));
  fout.clear();
  EXPECT_FALSE(lijst_.WijzigWaarde(0, RelLijstKeyWords, TVeldWaarde("new"), fout));
  EXPECT_FALSE(fout.empty());
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat"), "0");
}

TEST_F(RelatieLijstTest, InsertionRefusesTheSameHoroscopeTwiceAndAnExistingPair) {
  Relatie(Anton, Bert);
  Relatie(Zeno, Maria, false);  // stored, but not selected
  Lees();
  struct Geval {
    const char* naam;
    std::int64_t a, b;
    TNieuweRelatie verwacht;
  };
  const Geval gevallen[] = {
      {"the same horoscope twice", nr_[Maria], nr_[Maria], TNieuweRelatie::ZelfdeHoroskoop},
      {"an existing pair", nr_[Anton], nr_[Bert], TNieuweRelatie::BestaatAl},
      {"an existing deselected pair", nr_[Zeno], nr_[Maria], TNieuweRelatie::BestaatAl},
      {"a horoscope that is not stored", nr_[Anton], 9999, TNieuweRelatie::OnbekendeHoroskoop},
  };
  const std::string voor = Inhoud(Relat(), "relat");
  for (const Geval& g : gevallen) {
    std::int64_t nieuw = -1;
    std::string fout;
    EXPECT_EQ(lijst_.VoegToe(g.a, g.b, "", nieuw, fout), g.verwacht) << g.naam << ": " << fout;
    EXPECT_EQ(nieuw, -1) << g.naam;
    EXPECT_EQ(Inhoud(Relat(), "relat"), voor) << g.naam;
  }
  EXPECT_EQ(lijst_.AantalRijen(), 1);

  // The reverse order of an existing pair is another relationship.
  std::int64_t nieuw = -1;
  std::string fout;
  ASSERT_EQ(lijst_.VoegToe(nr_[Bert], nr_[Anton], "new; it's", nieuw, fout), TNieuweRelatie::Toegevoegd)
      << fout;
  EXPECT_EQ(Paren(), (std::vector<Paar>{{"anton", "Bert"}, {"Bert", "anton"}})) << "the list is read again";
  const int rij = lijst_.RijVan(nieuw);
  ASSERT_EQ(rij, 1);
  EXPECT_EQ(lijst_.Waarde(rij, RelLijstKeyWords).AlsTekst(), "new; it's");
  EXPECT_TRUE(lijst_.Waarde(rij, RelLijstSelekt).AlsBool());
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat where PartnerANr = " + std::to_string(nr_[Bert]) +
                               " and PartnerBNr = " + std::to_string(nr_[Anton]) + " and Selekt = 1"),
            "1");
}

TEST_F(RelatieLijstTest, DeletionRemovesOnlyThatRelationship) {
  Relatie(Anton, Bert);
  const std::int64_t weg = Relatie(Maria, Zeno);
  Relatie(Zeno, Maria);
  Relatie(Maria, Zeno, false);  // the same pair, deselected: not in the list, stays
  Lees();
  const int rij = lijst_.RijVan(weg);
  ASSERT_EQ(rij, 1);
  std::string fout;
  ASSERT_TRUE(lijst_.Verwijder(rij, fout)) << fout;
  EXPECT_EQ(Paren(), (std::vector<Paar>{{"anton", "Bert"}, {"Zeno", "Maria"}}));
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat"), "3");
  EXPECT_EQ(Vraag(Relat(), "select count(*) from relat where InputNr = " + std::to_string(weg)), "0");
  EXPECT_EQ(Vraag(Natal(), "select count(*) from natal"), "4");
  Lees();
  EXPECT_EQ(Paren(), (std::vector<Paar>{{"anton", "Bert"}, {"Zeno", "Maria"}}));
}

TEST_F(RelatieLijstTest, AFolderWithoutADatabaseGivesAnEmptyListAndTheReason) {
  std::string fout;
  EXPECT_FALSE(lijst_.Lees(map_ + "missing/", fout));
  EXPECT_FALSE(fout.empty());
  EXPECT_EQ(lijst_.AantalRijen(), 0);
  std::int64_t nieuw = -1;
  EXPECT_EQ(lijst_.VoegToe(1, 2, "", nieuw, fout), TNieuweRelatie::Fout);
}

}  // namespace
}  // namespace orvan::test
