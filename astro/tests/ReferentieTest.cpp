// The shipped "HelConst.dat" and ephemeris files with the calculator, against apparent geocentric
// positions (true equinox of date) printed by swetest 2.10.03 (Swiss Ephemeris with the
// DE431-derived files of swe-basic-data and swe-standard-data), for example
//   swetest -j2451545.0 -p0123456789mtDA -fPlb -head -eswe
// The tolerances are the accuracy the data were fitted to, with a small margin (see
// data/ephemeris/README.md); a wrong table, a swapped slot or a unit error misses them by far.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/PlaCalculator.h"
#include "astro/WiskFies.h"
#include "shell/ProgrammaMap.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

struct TPositie {
  double lengte, breedte;
};

struct TMoment {
  const char* naam;
  double jdTT;
  TPositie pos[AantalCalcKodes];   // in the order of the calculation codes
  const double* tolLengte;          // arcseconds
  const double* tolBreedte;
};

//                            Sun  Moon Mer  Ven  Mars Jup  Sat  Ura  Nep  Plu  mNode tNode Chi  Apo
const double ModernLengte[] = {2,  10,  5,   5,   5,   2,   1,   1,   1,   1,   16,   75,   1,   2.5};
const double ModernBreedte[] = {1.5, 4, 8,   7,   8,   1.5, 1.5, 1.5, 1.5, 7,   0.01, 0.01, 3,   1.5};
const double OudLengte[] = {9,     65,  11,  30,  40,  2.5, 1,   1,   1,   1,   240,  300,  1,   270};
const double OudBreedte[] = {2,    25,  8,   14,  51,  2,   1.5, 1.5, 1.5, 7,   0.01, 0.01, 3,   45};

// swetest 2.10.03, columns P l b (codes 10, 11, 12, 13 are m, t, D, A).
const TMoment Momenten[] = {
    {"J2000", 2451545.0,
     {{280.3681656, 0.0002274}, {223.3148703, 5.1708721}, {271.8881273, -0.9947566},
      {241.5648952, 2.0663698}, {327.9627295, -1.0677947}, {25.2530577, -1.2621946},
      {40.3956782, -2.4448582}, {314.8091495, -0.6583327}, {303.1929855, 0.2349928},
      {251.4547512, 10.8552327}, {125.0406852, 0}, {123.9540643, 0}, {251.6175369, 4.0717254},
      {263.4642505, 3.4197232}},
     ModernLengte, ModernBreedte},
    {"1900", 2415020.5,
     {{280.1533846, 0.0000529}, {272.4166563, 1.1082847}, {258.9977991, 1.1264091},
      {306.3744681, -1.6831031}, {283.8677586, -0.9254144}, {241.1359477, 0.8142861},
      {267.7168112, 1.0076828}, {250.1392965, 0.0633936}, {85.2186523, -1.2996430},
      {75.2514781, -9.7769512}, {259.1613059, 0}, {260.2683502, 0}, {258.8959437, 4.7657045},
      {154.3327696, -4.9749090}},
     ModernLengte, ModernBreedte},
    {"2100", 2488069.5,
     {{280.6033276, 0.0000785}, {157.4003347, 1.0927269}, {288.0044235, -2.1126692},
      {320.0694729, -1.8524342}, {29.5249812, 0.9517474}, {201.2061969, 1.2766065},
      {205.6315738, 2.4222173}, {17.7411892, -0.6294653}, {167.2905955, 0.9638903},
      {32.4029207, -16.9212283}, {350.9377033, 0}, {349.8346764, 0}, {241.8599068, 3.0023641},
      {12.2233375, 1.8722404}},
     ModernLengte, ModernBreedte},
    {"AD1000", 2086308.0,
     {{286.2845550, 0.0000740}, {197.1670125, 0.8222043}, {281.5656368, -1.8089235},
      {320.3568684, -1.6152262}, {116.5725104, 4.2538458}, {270.2816757, 0.0595443},
      {47.2916745, -2.1262873}, {333.1802927, -0.7435326}, {265.8455392, 1.0518766},
      {215.9948731, 15.2121568}, {25.9225150, 0}, {26.5117114, 0}, {25.1000987, 0.5685988},
      {253.5297472, -3.8047297}},
     OudLengte, OudBreedte},
};

class GeleverdeData : public ::testing::TestWithParam<TMoment> {
 protected:
  void SetUp() override {
    map_ = std::make_unique<test::TTijdelijkeMap>(true);
    HerstelPlaCalculator();
    ASSERT_TRUE(StartPlaCalculator()) << "the shipped HelConst.dat does not load";
  }
  void TearDown() override { HerstelPlaCalculator(); }
  std::unique_ptr<test::TTijdelijkeMap> map_;
};

TEST_P(GeleverdeData, AgreesWithTheReference) {
  const TMoment& m = GetParam();
  for (int code = 0; code < AantalCalcKodes; ++code) {
    double b, v, a, l;
    ASSERT_TRUE(PlaCalculator().Bereken(code, StandaardOpties, b, v, a, l, m.jdTT - 2433282.0))
        << "code " << code << ": " << PlaCalculator().Fout();
    const double dl = Tussen180(l - m.pos[code].lengte) * 3600, db = (b - m.pos[code].breedte) * 3600;
    EXPECT_LE(std::fabs(dl), m.tolLengte[code])
        << m.naam << " code " << code << ": longitude " << l << ", reference " << m.pos[code].lengte;
    EXPECT_LE(std::fabs(db), m.tolBreedte[code])
        << m.naam << " code " << code << ": latitude " << b << ", reference " << m.pos[code].breedte;
  }
}

INSTANTIATE_TEST_SUITE_P(Momenten, GeleverdeData, ::testing::ValuesIn(Momenten),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST(GeleverdeEfemeris, CoverThreeThousandBCToThreeThousandAD) {
  test::TTijdelijkeMap map(true);
  TPlaCalculator c(ProgrammaMap());
  std::string fout;
  ASSERT_TRUE(c.LaadConstanten(fout)) << fout;
  // -2999 January 1 and 3000 December 31 (Julian and Gregorian calendars).
  for (const double jd : {625673.5, 2817151.5}) {
    for (int code : {KodeJupiter, KodePluto, KodeChiron}) {
      double b, v, a, l;
      EXPECT_TRUE(c.Bereken(code, StandaardOpties, b, v, a, l, jd - 2433282.0)) << jd << ": " << c.Fout();
    }
  }
}

}  // namespace
}  // namespace orvan
