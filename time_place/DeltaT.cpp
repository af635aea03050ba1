// Delta T = TT - UT (ephemeris minus universal time).

#include <cmath>
#include <cstdint>

#include "time_place/JulDayF.h"

namespace orvan {

namespace {

// Delta T at the start of each year 1637..2000 in centiseconds, indexed by year - 1637; only
// 1690..2000 are read (2000 as the upper neighbour of 1999). The values follow the yearly Delta T
// series of the Astronomical Almanac (Stephenson & Morrison's reductions of lunar occultations
// and eclipses before 1955, atomic time since), whole seconds up to 1799 (1637 apart: 67.80 s),
// tenths 1800-1859 and hundredths from 1860. 1991-1996 are the IERS values; 1997 and 1998 lead
// from the observed 1996 value to this table's own values for 1999 (62.50 s) and 2000 (63.00 s),
// which charts computed with it rely on.
inline constexpr int TabelEerste = 1637;
inline constexpr std::int16_t DeltaTTabel[] = {
     6780,  6500,  6300,  // 1637
     6200,  6000,  5800,  5700,  5500,  5400,  5300,  5100,  5000,  4900,  // 1640
     4800,  4700,  4600,  4500,  4400,  4300,  4200,  4100,  4000,  3800,  // 1650
     3700,  3600,  3500,  3400,  3300,  3200,  3100,  3000,  2800,  2700,  // 1660
     2600,  2500,  2400,  2300,  2200,  2100,  2000,  1900,  1800,  1700,  // 1670
     1600,  1500,  1400,  1400,  1300,  1200,  1200,  1100,  1100,  1000,  // 1680
     1000,  1000,   900,   900,   900,   900,   900,   900,   900,   900,  // 1690
      900,   900,   900,   900,   900,   900,   900,   900,  1000,  1000,  // 1700
     1000,  1000,  1000,  1000,  1000,  1000,  1000,  1100,  1100,  1100,  // 1710
     1100,  1100,  1100,  1100,  1100,  1100,  1100,  1100,  1100,  1100,  // 1720
     1100,  1100,  1100,  1100,  1200,  1200,  1200,  1200,  1200,  1200,  // 1730
     1200,  1200,  1200,  1200,  1300,  1300,  1300,  1300,  1300,  1300,  // 1740
     1300,  1400,  1400,  1400,  1400,  1400,  1400,  1400,  1500,  1500,  // 1750
     1500,  1500,  1500,  1500,  1500,  1600,  1600,  1600,  1600,  1600,  // 1760
     1600,  1600,  1600,  1600,  1600,  1700,  1700,  1700,  1700,  1700,  // 1770
     1700,  1700,  1700,  1700,  1700,  1700,  1700,  1700,  1700,  1700,  // 1780
     1700,  1700,  1600,  1600,  1600,  1600,  1500,  1500,  1400,  1400,  // 1790
     1370,  1340,  1310,  1290,  1270,  1260,  1250,  1250,  1250,  1250,  // 1800
     1250,  1250,  1250,  1250,  1250,  1250,  1250,  1240,  1230,  1220,  // 1810
     1200,  1170,  1140,  1110,  1060,  1020,   960,   910,   860,   800,  // 1820
      750,   700,   660,   630,   600,   580,   570,   560,   560,   560,  // 1830
      570,   580,   590,   610,   620,   630,   650,   660,   680,   690,  // 1840
      710,   720,   730,   740,   750,   760,   770,   770,   780,   780,  // 1850
      788,   782,   754,   697,   640,   602,   541,   410,   292,   182,  // 1860
      161,    10,  -102,  -128,  -269,  -324,  -364,  -454,  -471,  -511,  // 1870
     -540,  -542,  -520,  -546,  -546,  -579,  -563,  -564,  -580,  -566,  // 1880
     -587,  -601,  -619,  -664,  -644,  -647,  -609,  -576,  -466,  -374,  // 1890
     -272,  -154,    -2,   124,   264,   386,   537,   614,   775,   913,  // 1900
     1046,  1153,  1336,  1465,  1601,  1720,  1824,  1906,  2025,  2095,  // 1910
     2116,  2225,  2241,  2303,  2349,  2362,  2386,  2449,  2434,  2408,  // 1920
     2402,  2400,  2387,  2395,  2386,  2393,  2373,  2392,  2396,  2402,  // 1930
     2433,  2483,  2530,  2570,  2624,  2677,  2728,  2778,  2825,  2871,  // 1940
     2915,  2957,  2997,  3036,  3072,  3107,  3135,  3168,  3218,  3268,  // 1950
     3315,  3359,  3400,  3447,  3503,  3573,  3654,  3743,  3829,  3920,  // 1960
     4018,  4117,  4223,  4337,  4449,  4548,  4646,  4752,  4853,  4959,  // 1970
     5054,  5138,  5217,  5296,  5379,  5434,  5487,  5532,  5582,  5630,  // 1980
     5686,  5757,  5831,  5912,  5998,  6078,  6163,  6198,  6227,  6250,  // 1990
     6300,  // 2000
};
static_assert(sizeof(DeltaTTabel) / sizeof(DeltaTTabel[0]) == 2000 - TabelEerste + 1);

// Delta T at the start of each year 2000..2025 in centiseconds. From 2005 on the IERS values
// (TT - UT1 = 32.184 s + TAI - UTC - (UT1 - UTC)); 2001-2004 close the 0.83 s by which the
// table's 63.00 s at 2000 lies below the observed 63.83 s, in equal steps.
inline constexpr int NaTabelEerste = 2000;
inline constexpr std::int16_t DeltaTNa2000[] = {
     6300,  6343,  6380,  6414,  6440,  6469,  6485,  6515,  6546,  6578,  // 2000
     6607,  6632,  6660,  6691,  6728,  6764,  6810,  6859,  6897,  6922,  // 2010
     6936,  6936,  6929,  6920,  6918,  6915,                              // 2020
};
inline constexpr int NaTabelLaatste =
    NaTabelEerste + static_cast<int>(sizeof(DeltaTNa2000) / sizeof(DeltaTNa2000[0])) - 1;

// Curvature of the long-term parabola of Morrison & Stephenson (2004), Delta T = -20 + 32 u^2 s
// with u in centuries since 1820: 32 s per century squared, that is 0.0032 s per year squared.
inline constexpr double LangeTermijnKromming = 0.0032;

// Linear interpolation between the yearly centisecond values tabel[i] and tabel[i + 1]; `fractie` is
// the part of the year gone by.
double Interpoleer(const std::int16_t* tabel, int i, double fractie) {
  return fractie * (tabel[i + 1] - tabel[i]) * 0.01 + tabel[i] * 0.01;
}

// Delta T in seconds from 2000.0 on; t in years since 2000.0. Up to the last observed year the
// yearly values above; after it a parabola with the long-term tidal curvature that starts with the
// value and the rate of the last observed year, so value and rate are continuous there. It
// gives about 70 s in 2050, 85 s in 2100, 160 s in 2200 and 780 s in 2500, below the long-term
// parabola itself, which lies 45 s above the observations today.
double DeltaTVanaf2000(double t) {
  constexpr int laatste = NaTabelLaatste - NaTabelEerste;
  if (t < laatste) {
    const double heel = std::floor(t);
    return Interpoleer(DeltaTNa2000, static_cast<int>(heel), t - heel);
  }
  const double waarde = DeltaTNa2000[laatste] * 0.01;
  const double snelheid = (DeltaTNa2000[laatste] - DeltaTNa2000[laatste - 1]) * 0.01;  // s/year
  const double dt = t - laatste;
  return waarde + snelheid * dt + LangeTermijnKromming * dt * dt;
}

}  // namespace

// jd50 in universal time. Y counts Julian years since 1800.0 (J1900.0 - 100 years), c Julian
// centuries since 1900.0.
double DeltaT(double jd50) {
  const double y = (jd50 + 18262) / 365.25 + 100;
  const double c = y / 100 - 1;
  const double heel = std::floor(y);
  const double jaar = heel + 1800;
  double dT;   // seconds
  if (jaar < 1690)
    dT = 29.949 * c * c + 72.3165 * c + 29.349;   // 9.56 s at 1690, where the table has 10.00 s
  else if (jaar < 2000)
    dT = Interpoleer(DeltaTTabel, static_cast<int>(jaar) - TabelEerste, y - heel);
  else
    dT = DeltaTVanaf2000(y - 200);
  return dT / 86400;
}

}  // namespace orvan
