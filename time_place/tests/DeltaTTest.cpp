// Delta T: the yearly table, the parabola before 1690 and the curve from 2000 on.

#include <gtest/gtest.h>

#include <cmath>

#include "time_place/JulDayF.h"

namespace orvan {
namespace {

// JD50 (universal time) of the decimal year j on Delta T's scale of Julian years from J1900.0.
double JD50VanJaar(double j) { return (j - 1900) * 365.25 - 18262; }

double DeltaTSec(double jaar) { return DeltaT(JD50VanJaar(jaar)) * 86400; }

struct TRij {
  int jaar;
  double sec;
};

TEST(DeltaT, PassesThroughTheTableRows) {
  constexpr TRij rijen[] = {
      {1690, 10.00}, {1700, 9.00},  {1750, 13.00}, {1800, 13.70}, {1850, 7.10},  {1870, 1.61},
      {1880, -5.40}, {1893, -6.64}, {1900, -2.72}, {1927, 24.49}, {1950, 29.15}, {1970, 40.18},
      {1990, 56.86}, {1999, 62.50}, {2000, 63.00},
  };
  for (const auto& r : rijen) EXPECT_NEAR(DeltaTSec(r.jaar), r.sec, 1e-9) << r.jaar;
  // 1893 is the table's smallest value.
  for (int j = 1690; j <= 2000; ++j) EXPECT_GE(DeltaTSec(j), -6.64 - 1e-9) << j;
}

TEST(DeltaT, InterpolatesLinearlyWithinAYear) {
  EXPECT_NEAR(DeltaTSec(1999.5), (62.50 + 63.00) / 2, 1e-9);
  EXPECT_NEAR(DeltaTSec(1893.25), -6.64 + 0.25 * (-6.44 + 6.64), 1e-9);
}

// Published values at the decades (Astronomical Almanac; F. Espenak's historical table of Delta T),
// which the yearly table follows between its fixed rows.
TEST(DeltaT, FollowsThePublishedSeries) {
  constexpr TRij gepubliceerd[] = {
      {1710, 10},   {1720, 11},   {1730, 11},   {1740, 12},   {1760, 15},   {1770, 16},
      {1780, 17},   {1790, 17},   {1810, 12.5}, {1820, 12.0}, {1830, 7.5},  {1840, 5.7},
      {1860, 7.9},  {1890, -5.9}, {1910, 10.5}, {1920, 21.2}, {1930, 24.0}, {1940, 24.3},
      {1960, 33.2}, {1980, 50.5},
  };
  for (const auto& r : gepubliceerd) EXPECT_NEAR(DeltaTSec(r.jaar), r.sec, 0.1) << r.jaar;
}

TEST(DeltaT, ParabolaBefore1690AndItsJoin) {
  // 29.949 c^2 + 72.3165 c + 29.349 s with c in centuries since 1900: 9.559 s at 1690.
  EXPECT_NEAR(DeltaTSec(1690 - 1e-7), 29.949 * 2.1 * 2.1 - 72.3165 * 2.1 + 29.349, 1e-5);
  EXPECT_NEAR(DeltaTSec(1600), 29.949 * 9 - 72.3165 * 3 + 29.349, 1e-9);
  EXPECT_LT(std::fabs(DeltaTSec(1690) - DeltaTSec(1690 - 1e-7)), 0.5);
}

TEST(DeltaT, ContinuousAt2000) {
  EXPECT_NEAR(DeltaT(18263.0) * 86400, 63.00, 1e-9);   // J2000.0
  EXPECT_NEAR(DeltaTSec(2000 - 1e-9), 63.00, 1e-6);
  EXPECT_NEAR(DeltaTSec(2000 + 1e-9), 63.00, 1e-6);
}

// IERS values of TT - UT1 at the start of the year, rounded to 0.1 s.
TEST(DeltaT, FollowsTheObservationsOfThisCentury) {
  constexpr TRij waargenomen[] = {
      {2005, 64.7}, {2010, 66.1}, {2015, 67.6}, {2020, 69.4}, {2025, 69.2},
  };
  for (const auto& r : waargenomen) EXPECT_NEAR(DeltaTSec(r.jaar), r.sec, 0.3) << r.jaar;
}

// After the observations Delta T grows as the tidal slowing of the Earth predicts, but no faster
// than the long-term parabola -20 + 32 u^2 s (u in centuries since 1820, Morrison & Stephenson 2004).
TEST(DeltaT, ExtrapolationStaysReasonable) {
  for (int j = 2026; j <= 2500; ++j) {
    const double u = (j - 1820) / 100.0;
    EXPECT_GT(DeltaTSec(j), 60.0) << j;
    EXPECT_LT(DeltaTSec(j), -20 + 32 * u * u) << j;
  }
  EXPECT_GT(DeltaTSec(2200), DeltaTSec(2100));
  EXPECT_GT(DeltaTSec(2500), DeltaTSec(2200));
}

// Consecutive days never differ by more than 0.01 s, except across 1690.0, where the parabola
// (9.56 s) meets the table (10.00 s).
TEST(DeltaT, NoJumpsBetweenConsecutiveDays) {
  const double begin = JD50VanJaar(1600), eind = JD50VanJaar(2500), naad = JD50VanJaar(1690);
  double grootste = 0, waar = 0;
  double vorige = DeltaT(begin) * 86400;
  for (double jd50 = begin + 1; jd50 <= eind; jd50 += 1) {
    const double dt = DeltaT(jd50) * 86400;
    const double sprong = std::fabs(dt - vorige);
    vorige = dt;
    if (jd50 - 1 < naad && jd50 >= naad) {
      EXPECT_LT(sprong, 0.5) << "at 1690";
      continue;
    }
    if (sprong > grootste) {
      grootste = sprong;
      waar = jd50;
    }
  }
  EXPECT_LT(grootste, 0.01) << "largest step " << grootste << " s at JD50 " << waar;
}

TEST(DeltaT, JD50ETAddsDeltaT) {
  EXPECT_DOUBLE_EQ(JD50ET(18263.0), 18263.0 + 63.0 / 86400);
}

}  // namespace
}  // namespace orvan
