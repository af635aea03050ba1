// The standard place of a new user: the country of the locale and its capital in the place list.

#include "time_place/StandaardPlaats.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "time_place/PltsLstMenger.h"

namespace orvan {
namespace {

// Sets the locale variables for the lifetime of the object.
class TLocale {
 public:
  TLocale(const char* lcAll, const char* lang) {
    for (const char* naam : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* waarde = std::getenv(naam);
      oud_.push_back(waarde ? std::optional<std::string>(waarde) : std::nullopt);
      unsetenv(naam);
    }
    if (lcAll) setenv("LC_ALL", lcAll, 1);
    if (lang) setenv("LANG", lang, 1);
  }
  ~TLocale() {
    const char* namen[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (std::size_t i = 0; i < oud_.size(); ++i) {
      if (oud_[i])
        setenv(namen[i], oud_[i]->c_str(), 1);
      else
        unsetenv(namen[i]);
    }
  }

 private:
  std::vector<std::optional<std::string>> oud_;
};

TEST(StandaardPlaats, CountryOfTheLocale) {
  struct Geval {
    const char* lcAll;
    const char* lang;
    const char* land;
    const char* plaats;
  };
  const Geval gevallen[] = {
      {"nl_NL.UTF-8", nullptr, "NL", "Amsterdam (NL)"},
      {"nl_BE.UTF-8", nullptr, "BE", "Brussels (BE)"},
      {"de_CH.UTF-8", nullptr, "CH", "Bern (CH)"},
      {"en_US.UTF-8", nullptr, "US", "Washington, D.C. (US)"},
      {"sr_RS@latin", nullptr, "RS", "Belgrade (RS)"},
      {nullptr, "fr_CA.UTF-8", "CA", "Ottawa (CA)"},
      // Without a territory the language decides for the program's four languages.
      {"fr", nullptr, "FR", "Paris (FR)"},
      {"en.UTF-8", nullptr, "GB", "London (GB)"},
      {"de", nullptr, "DE", "Berlin (DE)"},
      {"C", nullptr, "", StandaardPlaatsZonderLand},
      {"POSIX", nullptr, "", StandaardPlaatsZonderLand},
      {"C.UTF-8", nullptr, "", StandaardPlaatsZonderLand},
      {nullptr, nullptr, "", StandaardPlaatsZonderLand},
      // A territory that is no country of the atlas.
      {"en_QQ.UTF-8", nullptr, "QQ", StandaardPlaatsZonderLand},
  };
  for (const Geval& g : gevallen) {
    TLocale locale(g.lcAll, g.lang);
    const char* naam = g.lcAll ? g.lcAll : g.lang ? g.lang : "(none)";
    EXPECT_EQ(LandVanLocale(), g.land) << naam;
    EXPECT_EQ(StandaardPlaatsNaam(), g.plaats) << naam;
  }
}

TEST(StandaardPlaats, UnknownCountryHasNoCapital) {
  EXPECT_EQ(HoofdstadVan("QQ"), "");
  EXPECT_EQ(HoofdstadVan(""), "");
  EXPECT_EQ(HoofdstadVan("nl"), "") << "codes are upper case";
}

// Every capital the table names is a place of the shipped list, and so is the fallback.
TEST(StandaardPlaats, EveryCapitalIsInTheShippedList) {
  TPlaatsLijst lijst(std::string(ORVAN_BUILD_DATA_DIR) + "/");
  std::string fout;
  ASSERT_TRUE(lijst.OpenAlleenLezen(fout)) << fout;
  ASSERT_GT(lijst.Aantal(), 0);
  std::set<std::string> namen;
  PlaatsRec p;
  for (int n = 0; n < lijst.Aantal(); ++n) {
    lijst.Lees(n, p);
    namen.insert(p.Naam);
  }
  int landen = 0;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) {
      const std::string hoofdstad = HoofdstadVan({a, b});
      if (hoofdstad.empty()) continue;
      ++landen;
      EXPECT_EQ(namen.count(hoofdstad), 1u) << a << b << ": " << hoofdstad;
    }
  }
  EXPECT_GT(landen, 200);
  EXPECT_EQ(namen.count(StandaardPlaatsZonderLand), 1u);
}

}  // namespace
}  // namespace orvan
