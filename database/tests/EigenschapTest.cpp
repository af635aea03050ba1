// Property fields: created and dropped with quoted names whatever the user typed, every other
// value kept, invalid names refused with the store's message, both natal table objects reopened.

#include <gtest/gtest.h>

#include "database/Q4DataModuleUnit.h"
#include "database/Q4EigAdmin.h"
#include "database/tests/DatabankFixture.h"

namespace orvan::test {
namespace {

// The fixed fields of the natal table, for comparing contents around a change of properties.
const std::string VasteVelden =
    "select InputNr, SName, Name, KeyWords, Info, Place, Lat, Long, Zone, DateY, DateM, DateD, "
    "GregKal, TimeH, TimeM, TimeS, ClockTime, DiffH, DiffM, DiffS, PrecH, PrecM, PrecS, Sex, Selekt "
    "from natal order by InputNr";

class EigenschapTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    ASSERT_TRUE(dm_.OpenDatabank(map_));
    ASSERT_TRUE(dm_.GebTabel.BeginWijzigingen());
    for (int i = 0; i < 20; ++i) {
      THorData d = Geboorte("Person " + std::to_string(i), 1900 + 5 * i, 1 + i % 12, 1 + i);
      d.KeyWords = "kw" + std::to_string(i);
      d.Info = "line one\nline two of " + std::to_string(i);
      Bewaar(dm_.GebTabel, d);
    }
    ASSERT_TRUE(dm_.GebTabel.EindeWijzigingen(true));
  }
  TQ4DataModule dm_;
};

class VreemdeNaamTest : public EigenschapTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(VreemdeNaamTest, IsCreatedFilledAndDroppedWithoutHarm) {
  const std::string naam = GetParam();
  TQ4HorTabel& g = dm_.GebTabel;
  const std::string voor = Selectie(Natal(), VasteVelden);

  ASSERT_TRUE(g.MaakEigenschap(naam)) << naam << ": " << g.LaatsteFout();
  EXPECT_EQ(g.EigenschapNamen(), std::vector<std::string>{naam});
  EXPECT_EQ(g.EigenschapNummer(naam), 1);
  EXPECT_EQ(dm_.GebTabel2.EigenschapNamen(), std::vector<std::string>{naam}) << "the second natal object too";

  ASSERT_TRUE(g.GaNaar(3));
  ASSERT_TRUE(g.SchrijfEigenschap(1, 42.5)) << g.LaatsteFout();
  double w = 0;
  EXPECT_TRUE(g.LeesEigenschap(1, w));
  EXPECT_EQ(w, 42.5);
  bool heeftWaarde = false, nietGevonden = true;
  const auto nr = g.Waarde(VeldInputNr).AlsInt();
  EXPECT_EQ(EigenschapVanHoroskoop(g, nr, naam, heeftWaarde, nietGevonden), 42.5);
  EXPECT_TRUE(heeftWaarde);
  EXPECT_FALSE(nietGevonden);
  if (naam.find(']') == std::string::npos) {
    ASSERT_TRUE(g.ZetFilterTekst("[" + naam + "] = 42.5")) << g.LaatsteFout();
    EXPECT_EQ(g.AantalRecords(), 1);
    ASSERT_TRUE(g.ZetFilterTekst(""));
  }

  ASSERT_TRUE(g.VerwijderEigenschap(naam)) << g.LaatsteFout();
  EXPECT_TRUE(g.EigenschapNamen().empty());
  EXPECT_EQ(Selectie(Natal(), VasteVelden), voor);
  EXPECT_EQ(Vraag(Natal(), "pragma integrity_check"), "ok");
  EXPECT_TRUE(interaktie_.meldingen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Namen, VreemdeNaamTest,
    ::testing::Values("x\"; drop table natal; --", "Robert'); DROP TABLE natal;--", "select", "from where",
                      "a\"b\"\"c", "[bracketed]", "Größe in cm", "NUMERIC", "; ;", "' or 1=1 --",
                      "sqlite_master", "Selekt2"),
    [](const auto& info) { return "Name" + std::to_string(info.index); });

TEST_F(EigenschapTest, AddingOrDroppingAPropertyKeepsEveryOtherValue) {
  TQ4HorTabel& g = dm_.GebTabel;
  ASSERT_TRUE(g.MaakEigenschap("P1"));
  ASSERT_TRUE(g.MaakEigenschap("P2"));
  ASSERT_TRUE(g.BeginWijzigingen());
  for (int p = 0; p < g.AantalRecords(); ++p) {
    ASSERT_TRUE(g.GaNaar(p));
    ASSERT_TRUE(g.SchrijfEigenschap(1, p * 1.5));
    if (p % 3) {
      ASSERT_TRUE(g.SchrijfEigenschap(2, -p));
    }
  }
  ASSERT_TRUE(g.EindeWijzigingen(true));
  const std::string vast =
      "select InputNr, SName, Name, KeyWords, Info, Place, Lat, Long, Zone, DateY, DateM, DateD, GregKal, "
      "TimeH, TimeM, TimeS, ClockTime, DiffH, DiffM, DiffS, PrecH, PrecM, PrecS, Sex, Selekt";
  const std::string alles = Inhoud(Natal(), "natal");

  ASSERT_TRUE(g.MaakEigenschap("P3"));
  EXPECT_EQ(Selectie(Natal(), vast + ", P1, P2 from natal order by InputNr"), alles);
  EXPECT_EQ(Vraag(Natal(), "select count(*) from natal where P3 is not null"), "0");
  for (int p = 0; p < g.AantalRecords(); p += 4) {
    ASSERT_TRUE(g.GaNaar(p));
    ASSERT_TRUE(g.SchrijfEigenschap(3, 1000 + p));
  }

  const std::string zonderP2 = Selectie(Natal(), vast + ", P1, P3 from natal order by InputNr");
  ASSERT_TRUE(g.VerwijderEigenschap("P2"));
  EXPECT_EQ(g.EigenschapNamen(), (std::vector<std::string>{"P1", "P3"}));
  EXPECT_EQ(Inhoud(Natal(), "natal"), zonderP2);
  EXPECT_EQ(g.AantalEigenschappen(), 2);
  EXPECT_EQ(g.EigenschapNaam(2), "P3");
  EXPECT_EQ(g.EigenschapNummer("p3"), 2) << "names compare without regard to case";
}

TEST_F(EigenschapTest, AnInvalidNameIsRefusedWithTheStoresMessage) {
  TQ4HorTabel& g = dm_.GebTabel;
  ASSERT_TRUE(g.MaakEigenschap("Existing"));
  const std::string voor = Inhoud(Natal(), "natal");
  struct TGeval {
    const char* waarom;
    std::string naam;
  };
  const TGeval gevallen[] = {
      {"empty", ""},
      {"only blanks", "   "},
      {"a leading blank", " x"},
      {"a control character", "a\nb"},
      {"a NUL character", std::string("a\0b", 3)},
      {"a fixed field", "Name"},
      {"an existing property in other capitals", "EXISTING"},
      {"longer than 64 characters", std::string(65, 'p')},
  };
  for (const auto& geval : gevallen) {
    interaktie_.meldingen.clear();
    EXPECT_FALSE(EigAdminMaak(dm_, TEigTabel::Geboorte, geval.naam)) << geval.waarom;
    ASSERT_EQ(interaktie_.meldingen.size(), 2u) << geval.waarom;
    EXPECT_FALSE(interaktie_.meldingen[0].tekst.empty()) << geval.waarom;
    EXPECT_EQ(interaktie_.meldingen[1].tekst, "Error creating property field") << geval.waarom;
    EXPECT_EQ(Inhoud(Natal(), "natal"), voor) << geval.waarom;
    EXPECT_EQ(EigAdminNamen(dm_, TEigTabel::Geboorte), std::vector<std::string>{"Existing"});
  }
  EXPECT_TRUE(EigAdminMaak(dm_, TEigTabel::Geboorte, std::string(64, 'p')));
}

TEST_F(EigenschapTest, OnlyAPropertyCanBeDropped) {
  TQ4HorTabel& g = dm_.GebTabel;
  const std::string voor = Inhoud(Natal(), "natal");
  for (const char* naam : {"Name", "InputNr", "Selekt", "NoSuchProperty", ""}) {
    EXPECT_FALSE(g.VerwijderEigenschap(naam)) << naam;
    EXPECT_EQ(Inhoud(Natal(), "natal"), voor) << naam;
  }
  EXPECT_TRUE(g.IsOpen());
  EXPECT_TRUE(dm_.GebTabel2.IsOpen());
}

TEST_F(EigenschapTest, DroppingAPropertyWhileTheGridIsOpenReopensBothNatalObjects) {
  TQ4HorTabel& g = dm_.GebTabel;
  TQ4HorTabel& g2 = dm_.GebTabel2;
  ASSERT_TRUE(g.MaakEigenschap("Score"));
  ASSERT_TRUE(g2.Zoek("Name", "Person 7"));
  ASSERT_TRUE(g.Zoek("Name", "Person 12"));
  ASSERT_TRUE(g.SchrijfEigenschap(1, 9));

  ASSERT_TRUE(g.VerwijderEigenschap("Score"));
  EXPECT_TRUE(g.IsOpen());
  EXPECT_TRUE(g2.IsOpen());
  EXPECT_EQ(g.AantalVelden(), 25);
  EXPECT_EQ(g2.AantalVelden(), 25);
  EXPECT_EQ(g.Waarde(VeldName).AlsTekst(), "Person 12");
  EXPECT_EQ(g2.Waarde(VeldName).AlsTekst(), "Person 7");
  EXPECT_EQ(g.IndexNaam(), "SName");
  EXPECT_TRUE(g2.AlleenLezen());
  EXPECT_TRUE(g.HeeftRecordFilter()) << "the selection filter stays installed";
}

TEST_F(EigenschapTest, TheDeleteQuestionNamesThePropertyAndNoKeepsIt) {
  ASSERT_TRUE(EigAdminMaak(dm_, TEigTabel::Gebeurtenissen, "Intensity"));
  EXPECT_EQ(dm_.MomentTabel.EigenschapNamen(), std::vector<std::string>{"Intensity"});
  EXPECT_TRUE(EigAdminNamen(dm_, TEigTabel::Geboorte).empty());

  interaktie_.antwoorden = {TAntwoord::Nee};
  EXPECT_FALSE(EigAdminVerwijder(dm_, TEigTabel::Gebeurtenissen, "Intensity"));
  ASSERT_EQ(interaktie_.meldingen.size(), 1u);
  EXPECT_TRUE(interaktie_.meldingen[0].isVraag);
  EXPECT_EQ(interaktie_.meldingen[0].tekst,
            "Are you sure you want to delete the property field Intensity with all its values?");
  EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "EigenschBijHor");
  EXPECT_EQ(dm_.MomentTabel.AantalEigenschappen(), 1);

  interaktie_.antwoorden = {TAntwoord::Ja};
  EXPECT_TRUE(EigAdminVerwijder(dm_, TEigTabel::Gebeurtenissen, "Intensity"));
  EXPECT_EQ(dm_.MomentTabel.AantalEigenschappen(), 0);

  ASSERT_TRUE(EigAdminMaak(dm_, TEigTabel::Relaties, "Harmony"));
  EXPECT_EQ(dm_.RelatTabel.EigenschapNaam(1), "Harmony");
  EXPECT_EQ(dm_.RelatTabel.AantalVelden(), 6);
}

}  // namespace
}  // namespace orvan::test
