#include "time_place/ui/PeriodeRekening.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvan {
namespace {

std::string Tekst(const TDatumRec& d) {
  return std::to_string(d.Dag) + "/" + std::to_string(d.Maand) + "/" + std::to_string(d.Jaar);
}

TEST(PeriodeRekening, DatumNaDagen) {
  struct TGeval {
    const char* naam;
    TDatumRec start;
    std::int32_t dagen;
    const char* eind;
  };
  const TGeval gevallen[] = {
      {"partner-search default from March 1967", {1, 3, 1967}, 2190, "27/2/1973"},
      {"over 29 February 2000", {1, 2, 2000}, 29, "1/3/2000"},
      {"1900 has no 29 February", {1, 3, 1900}, -1, "28/2/1900"},
      {"a year from 1 February 2000", {1, 2, 2000}, 366, "1/2/2001"},
      {"zero days", {15, 3, 1970}, 0, "15/3/1970"},
      {"back over the new year", {5, 1, 2001}, -10, "26/12/2000"},
  };
  for (const auto& g : gevallen) {
    TDatumRec eind;
    ASSERT_TRUE(DatumNaDagen(g.start, g.dagen, eind)) << g.naam;
    EXPECT_EQ(Tekst(eind), g.eind) << g.naam << ": " << Tekst(g.start) << " + " << g.dagen;
  }
}

TEST(PeriodeRekening, DatumNaDagenRefusesAYearBeyondSixteenBits) {
  TDatumRec eind{1, 1, 1};
  EXPECT_FALSE(DatumNaDagen({31, 12, std::numeric_limits<std::int16_t>::max()}, 1, eind));
  EXPECT_FALSE(DatumNaDagen({1, 1, std::numeric_limits<std::int16_t>::min()}, -1, eind));
  EXPECT_EQ(Tekst(eind), "1/1/1");
  EXPECT_TRUE(DatumNaDagen({30, 12, std::numeric_limits<std::int16_t>::max()}, 1, eind));
  EXPECT_EQ(Tekst(eind), "31/12/32767");
}

TEST(PeriodeRekening, DagenTussenRoundsAndStaysInRange) {
  struct TGeval {
    double start, eind;
    std::int32_t dagen;
  };
  const TGeval gevallen[] = {
      {18262.5, 18293.5, 31},   {18262.5, 18262.9, 0}, {18262.5, 18263.2, 1},
      {18262.5, 18261.8, -1},   {0, 1e9, MaxPeriodeDagen}, {0, -1e9, -MaxPeriodeDagen},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(DagenTussen(g.start, g.eind), g.dagen) << g.start << " .. " << g.eind;
  EXPECT_EQ(DatumJD50({1, 1, 2000}), 18262.5);
}

}  // namespace
}  // namespace orvan
