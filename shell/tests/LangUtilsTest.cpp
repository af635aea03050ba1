#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/LangUtils.h"
#include "shell/tests/TaalTabelFixture.h"
#include "shell/tests/support/OpnameInteraktie.h"

namespace orvan {
namespace {

using test::MaakTaalTabel;
using test::TOpnameInteraktie;
using test::TTijdelijkeMap;
using test::VierTalen;

class TaalTabelTest : public ::testing::Test {
 protected:
  void Start(const char* locale, const std::vector<std::string>& talen = VierTalen) {
    if (!gemaakt)
      MaakTaalTabel(map.Pad(),
                  {{"Opgelet", {"Opgelet", "Attention", "Attention !", "Achtung"}},
                   {"Leeg", {"Leeg", nullptr, "Vide", "Leer"}}},
                    talen);
    gemaakt = true;
    setenv("LC_ALL", locale, 1);
    ASSERT_TRUE(StartTaalTabel());
  }
  void TearDown() override { setenv("LC_ALL", "en_US.UTF-8", 1); }

  TTijdelijkeMap map{false};
  TOpnameInteraktie ui;
  bool gemaakt = false;
};

TEST_F(TaalTabelTest, LocaleChoosesTheStartLanguage) {
  const struct {
    const char* locale;
    int taal;
  } gevallen[] = {{"nl_NL.UTF-8", 1}, {"nl_BE", 1}, {"en_GB.UTF-8", 2}, {"fr_CA.UTF-8", 3},
                  {"de_AT@euro", 4},  {"ja_JP.UTF-8", 2}, {"C", 2}};
  for (const auto& g : gevallen) {
    Start(g.locale);
    EXPECT_EQ(HuidigeTaal, g.taal) << g.locale;
  }
}

TEST_F(TaalTabelTest, LookupIsExactAndFallsBackToTheKey) {
  Start("de_DE.UTF-8");
  EXPECT_EQ(Vertaal("Opgelet"), "Achtung");
  EXPECT_EQ(Vertaal("opgelet"), "???opgelet");
  EXPECT_EQ(Vertaal("Opgelet "), "???Opgelet ");
  EXPECT_EQ(Vertaal("Onbekend"), "???Onbekend");
  ASSERT_TRUE(KiesTaal(3));
  EXPECT_EQ(Vertaal("Opgelet"), "Attention !");
  EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(TaalTabelTest, UnreadableFieldGivesTheMessageAndAnEmptyText) {
  Start("en_US.UTF-8");
  EXPECT_EQ(Vertaal("Leeg"), "");
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].tekst, "Error reading string: Leeg - Install the program again.");
  EXPECT_TRUE(ui.exitKodes.empty());
}

TEST_F(TaalTabelTest, LanguageNumbersOutsideTheListFallBack) {
  Start("fr_FR.UTF-8", {"Nederlands", "English", "Français"});
  ASSERT_TRUE(KiesTaal(4));
  EXPECT_EQ(HuidigeTaal, 1);
  ASSERT_TRUE(KiesTaal(0));
  EXPECT_EQ(HuidigeTaal, 1);
  ASSERT_TRUE(KiesTaal(3));
  EXPECT_EQ(HuidigeTaal, 3);
  EXPECT_EQ(TaalNaam(3), "Français");
  EXPECT_EQ(TaalNaam(4), "English");
  EXPECT_EQ(TaalNaam(0), "English");
}

TEST_F(TaalTabelTest, JapaneseLocaleWithoutEnglishInTheListStartsInLanguageOne) {
  Start("ja_JP.UTF-8", {"Nederlands", "Deutsch"});
  EXPECT_EQ(HuidigeTaal, 1);
}

TEST_F(TaalTabelTest, LanguageCodes) {
  Start("en_US.UTF-8");
  const char* kodes[] = {"NL", "EN", "FR", "DU"};
  for (int n = 1; n <= 4; ++n) {
    ASSERT_TRUE(KiesTaal(n));
    EXPECT_EQ(TaalKode(), kodes[n - 1]);
  }
  HuidigeTaal = 7;
  EXPECT_EQ(TaalKode("EN"), "EN");
  HuidigeTaal = 1;
}

TEST_F(TaalTabelTest, HelpFileFollowsTheLanguage) {
  Start("en_US.UTF-8");
  ZetHelpBestand("/elders/map/Orvan5-English.chm");
  EXPECT_EQ(HelpBestand(), map.Pad() + "Orvan5-English.chm");
  ASSERT_TRUE(KiesTaal(3));
  EXPECT_EQ(HelpBestand(), map.Pad() + "Orvan5-Français.chm");
  ZetHelpBestand("Orvan5");
  ASSERT_TRUE(KiesTaal(4));
  EXPECT_EQ(HelpBestand(), map.Pad() + "Orvan5-Deutsch.chm");
  ZetHelpBestand("");
  EXPECT_EQ(HelpBestand(), map.Pad() + "Orvan5-Deutsch.chm");
}

TEST(TaalTabelStart, FailuresShowTheirMessageAndEndTheProgram) {
  struct Geval {
    const char* naam;
    void (*maak)(const std::string& map);
    const char* begin;
  };
  const Geval gevallen[] = {
      {"missing strings.db", [](const std::string&) {}, "Cannot open the language table"},
      {"garbage strings.db",
       [](const std::string& map) {
         test::MaakTabel(map + "LangID", "create table LangID (LangName TEXT);");
         FILE* f = std::fopen((map + "strings.db").c_str(), "w");
         std::fputs("this is no table at all, just words in a file that pretends", f);
         std::fclose(f);
       },
       "Cannot open the language table"},
      {"missing LangID",
       [](const std::string& map) {
         MaakTaalTabel(map, {}, {});
         std::remove((map + "LangID").c_str());
       },
       "Cannot open the language list"},
      {"empty LangID", [](const std::string& map) { MaakTaalTabel(map, {}, {}); },
       "Translation text strings not found."},
  };
  for (const auto& g : gevallen) {
    TTijdelijkeMap map(false);
    TOpnameInteraktie ui;
    g.maak(map.Pad());
    EXPECT_FALSE(StartTaalTabel()) << g.naam;
    ASSERT_EQ(ui.meldingen.size(), 1u) << g.naam;
    EXPECT_EQ(ui.meldingen[0].tekst.rfind(g.begin, 0), 0u) << g.naam << ": " << ui.meldingen[0].tekst;
    EXPECT_EQ(ui.exitKodes, std::vector<int>{1}) << g.naam;
    EXPECT_EQ(Vertaal("Opgelet"), "???Opgelet") << g.naam;
  }
}

TEST(SysteemTaalTest, ReadsTheFirstLocaleVariableThatIsSet) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    int primair;
    int sub;
  } gevallen[] = {
      {"en_US.UTF-8", "nl_NL", "de_DE", 9, 1}, {"", "nl_NL.UTF-8", "de_DE", 19, 0},
      {"", "", "de_DE.UTF-8", 7, 0},           {"", "", "fr_BE", 12, 0},
      {"en_GB.UTF-8", "", "", 9, 0},           {"", "", "", 9, 0},
      {"C.UTF-8", "", "", 9, 0},               {"pt_BR", "", "", 9, 0},
  };
  for (const auto& g : gevallen) {
    setenv("LC_ALL", g.lcAll, 1);
    setenv("LC_MESSAGES", g.lcMessages, 1);
    setenv("LANG", g.lang, 1);
    const TSysteemTaal t = SysteemTaal();
    EXPECT_EQ(t.primair, g.primair) << g.lcAll << "|" << g.lcMessages << "|" << g.lang;
    EXPECT_EQ(t.sub, g.sub) << g.lcAll << "|" << g.lcMessages << "|" << g.lang;
  }
  setenv("LC_ALL", "en_US.UTF-8", 1);
}

}  // namespace
}  // namespace orvan
