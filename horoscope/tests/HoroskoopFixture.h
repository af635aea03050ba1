#pragma once
// A fresh program folder for chart tests: the shipped language table (English), planetary terms
// with zero periodic terms and ephemeris files of slow circular orbits for JD 2,300,000 to
// 2,600,000 (1585 to 2406) and no others, the default settings, an empty aspect table and a
// recording interface.

#include <gtest/gtest.h>

#include <filesystem>

#include "astro/PlaCalculator.h"
#include "astro/tests/AstroFixture.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {

inline constexpr int EersteProefBestand = 23;
inline constexpr int LaatsteProefBestand = 25;

class HoroskoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* bestand : {"strings.db", "LangID"})
      std::filesystem::copy_file(std::string(ORVAN_BUILD_DATA_DIR) + "/" + bestand,
                                 map.Pad() + bestand);
    SchrijfProefConstanten(map.Pad());
    SchrijfProefEfemeris(map.Pad(), EersteProefBestand, LaatsteProefBestand, CirkelBaan);
    HerstelPlaCalculator();
    ASSERT_TRUE(StartTaal(2));
    HerstelInstellingen();
  }
  void TearDown() override {
    HerstelInstellingen();
    HerstelPlaCalculator();
  }

  TTijdelijkeMap map{false};
  TOpnameInteraktie ui;
};

}  // namespace orvan::test
