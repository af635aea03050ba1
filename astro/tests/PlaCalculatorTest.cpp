// The calculator of the process: its start from the program folder and the message when the
// planetary terms are missing or damaged.

#include <gtest/gtest.h>

#include <fstream>

#include "astro/PlaCalculator.h"
#include "astro/tests/AstroFixture.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

TEST(PlaCalculatorStart, MissingHelConstEndsWithExitCode1) {
  test::TTijdelijkeMap map(false);
  test::TOpnameInteraktie interaktie;
  HerstelPlaCalculator();
  EXPECT_FALSE(StartPlaCalculator());
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "File  \"HelConst.dat\"  not found.");
  EXPECT_EQ(interaktie.exitKodes, std::vector<int>{1});
  // A calculator without its terms computes nothing.
  double b, v, a, l;
  EXPECT_FALSE(PlaCalculator().Bereken(KodeZon, StandaardOpties, b, v, a, l, 0.0));
  HerstelPlaCalculator();
}

TEST(PlaCalculatorStart, DamagedHelConstIsReportedWithItsReason) {
  test::TTijdelijkeMap map(false);
  test::SchrijfProefConstanten(map.Pad());
  {
    std::ofstream uit(map.Pad() + "HelConst.dat", std::ios::app);
    uit << "1 2 3\n";
  }
  test::TOpnameInteraktie interaktie;
  HerstelPlaCalculator();
  EXPECT_FALSE(StartPlaCalculator());
  ASSERT_EQ(interaktie.meldingen.size(), 1u);
  EXPECT_EQ(interaktie.meldingen[0].tekst.rfind("File  \"HelConst.dat\"  not found.\n", 0), 0u)
      << interaktie.meldingen[0].tekst;
  EXPECT_NE(interaktie.meldingen[0].tekst.find("line 321"), std::string::npos);
  EXPECT_EQ(interaktie.exitKodes, std::vector<int>{1});
  HerstelPlaCalculator();
}

TEST(PlaCalculatorStart, StartsFromTheProgramFolder) {
  test::TTijdelijkeMap map(false);
  test::SchrijfProefConstanten(map.Pad());
  test::TOpnameInteraktie interaktie;
  HerstelPlaCalculator();
  EXPECT_TRUE(StartPlaCalculator());
  EXPECT_TRUE(interaktie.meldingen.empty());
  EXPECT_TRUE(interaktie.exitKodes.empty());
  EXPECT_EQ(PlaCalculator().Map(), map.Pad());
  double b, v, a, l;
  EXPECT_TRUE(PlaCalculator().Bereken(KodeMaan, StandaardOpties, b, v, a, l, 0.0));
  HerstelPlaCalculator();
}

}  // namespace
}  // namespace orvan
