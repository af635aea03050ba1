// Julian day and its inverse, time records, day roll-over and typed dates.

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <ostream>
#include <string>

#include "time_place/JulDayF.h"

namespace orvan {

std::ostream& operator<<(std::ostream& os, const TDatumRec& d) {
  return os << d.Dag << '-' << d.Maand << '-' << d.Jaar;
}
std::ostream& operator<<(std::ostream& os, const TTijdRec& t) {
  return os << t.Uren << ':' << t.Minuten << ':' << t.Seconden;
}
std::ostream& operator<<(std::ostream& os, const TDatumTijd& dt) {
  return os << dt.datum << ' ' << dt.tijd;
}

namespace {

// The calendars' own month lengths, independent of the code under test.
int DagenInMaand(int maand, int jaar, bool gregoriaans) {
  static constexpr int lengte[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (maand != 2) return lengte[maand - 1];
  const bool deelbaar4 = jaar % 4 == 0;
  const bool schrikkel =
      gregoriaans ? deelbaar4 && (jaar % 100 != 0 || jaar % 400 == 0) : deelbaar4;
  return schrikkel ? 29 : 28;
}

TEST(JulDayF, EntierIsTheFloor) {
  EXPECT_EQ(Entier(-2.5), -3);
  EXPECT_EQ(Entier(-2.0), -2);
  EXPECT_EQ(Entier(2.999), 2);
  EXPECT_EQ(Entier(0.0), 0);
  EXPECT_EQ(Entier(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(Entier(-1e300), std::numeric_limits<std::int32_t>::min());
}

struct TJDGeval {
  const char* naam;
  int maand, dag, jaar;
  bool gregoriaans;
  double uren;
  double jd;
};

// Reference Julian days: the Astronomical Almanac (J2000, the reform, JD 0) and Meeus,
// "Astronomical Algorithms", ch. 7; proleptic Gregorian days from the day count of the civil calendar.
constexpr TJDGeval JDGevallen[] = {
    {"J2000 noon, Gregorian", 1, 1, 2000, true, 12, 2451545.0},
    {"last Julian day before the reform", 10, 4, 1582, false, 0, 2299159.5},
    {"first Gregorian day after the reform", 10, 15, 1582, true, 0, 2299160.5},
    {"JD 0: -4712 January 1 noon, Julian", 1, 1, -4712, false, 12, 0.0},
    {"JD 0 is -4713 November 24 noon, Gregorian", 11, 24, -4713, true, 12, 0.0},
    {"-4712 January 1 noon, Gregorian", 1, 1, -4712, true, 12, 38.0},
    {"JD50 0.5: 1950 January 1 0h", 1, 1, 1950, true, 0, 2433282.5},
    {"Meeus 7.a: 1957 October 4.81", 10, 4, 1957, true, 0.81 * 24, 2436116.31},
    {"Meeus 7.b: 333 January 27.5, Julian", 1, 27, 333, false, 12, 1842713.0},
    {"proleptic Gregorian 333 January 27.5", 1, 27, 333, true, 12, 1842712.0},
    {"proleptic Gregorian 1000 January 1", 1, 1, 1000, true, 0, 2086302.5},
    {"proleptic Gregorian -100 March 1 (-100 has no leap day)", 3, 1, -100, true, 0, 1684594.5},
    {"Meeus: -1000 July 12.5, Julian", 7, 12, -1000, false, 12, 1356001.0},
    {"Julian 1900 January 1 is Gregorian January 13", 1, 1, 1900, false, 0, 2415032.5},
    {"Julian 1900 February 29 exists: Gregorian March 13", 2, 29, 1900, false, 0, 2415091.5},
};

TEST(JulDayF, JulDagMatchesReferenceDays) {
  for (const auto& g : JDGevallen) {
    const double jd = JulDag(g.maand, g.dag, g.jaar, g.gregoriaans, g.uren);
    EXPECT_NEAR(jd, g.jd, 1e-9) << g.naam;
    EXPECT_NEAR(JulDag50(g.maand, g.dag, g.jaar, g.gregoriaans, g.uren), g.jd - 2433282, 1e-9)
        << g.naam;
    const TJDDatum d = DatumUitJD(g.gregoriaans, g.jd);
    EXPECT_EQ(d.jaar, g.jaar) << g.naam;
    EXPECT_EQ(d.maand, g.maand) << g.naam;
    EXPECT_EQ(d.dag, g.dag) << g.naam;
    EXPECT_NEAR(d.uren, g.uren, 1e-6) << g.naam;
  }
}

// Every day from -4712 to 9999 in both calendars: consecutive days are one JD apart (so, with
// the reference days above, every JD is right) and DatumUitJD gives the date and hour back.
TEST(JulDayF, JulDagAndDatumUitJDAreInversesOverTheWholeRange) {
  constexpr double uren[] = {0.0, 12.0, 23 + 59 / 60.0 + 59 / 3600.0};
  for (const bool gregoriaans : {true, false}) {
    int fouten = 0;
    double vorige = 0;
    bool eerste = true;
    for (int jaar = -4712; jaar <= 9999 && fouten < 10; ++jaar)
      for (int maand = 1; maand <= 12; ++maand)
        for (int dag = 1; dag <= DagenInMaand(maand, jaar, gregoriaans); ++dag) {
          const double middernacht = JulDag(maand, dag, jaar, gregoriaans, 0);
          if (!eerste && middernacht - vorige != 1.0 && ++fouten <= 10)
            ADD_FAILURE() << (gregoriaans ? "Gregorian " : "Julian ") << dag << '-' << maand
                          << '-' << jaar << ": JD " << middernacht << " follows " << vorige;
          eerste = false;
          vorige = middernacht;
          for (const double u : uren) {
            const double jd = JulDag(maand, dag, jaar, gregoriaans, u);
            const TJDDatum d = DatumUitJD(gregoriaans, jd);
            if ((d.dag != dag || d.maand != maand || d.jaar != jaar ||
                 std::fabs(d.uren - u) > 1e-6) &&
                ++fouten <= 10)
              ADD_FAILURE() << (gregoriaans ? "Gregorian " : "Julian ") << dag << '-' << maand
                            << '-' << jaar << ' ' << u << "h -> JD " << jd << " -> " << d.dag
                            << '-' << d.maand << '-' << d.jaar << ' ' << d.uren << 'h';
          }
        }
    EXPECT_EQ(fouten, 0) << (gregoriaans ? "Gregorian" : "Julian");
  }
}

TEST(JulDayF, TheDayChangesAtMidnight) {
  const TJDDatum voor = DatumUitJD(true, 2451545.49);
  EXPECT_EQ(voor.dag, 1);
  EXPECT_NEAR(voor.uren, 23.76, 1e-6);

  const TJDDatum middernacht = DatumUitJD(true, 2451545.5);
  EXPECT_EQ(middernacht.jaar, 2000);
  EXPECT_EQ(middernacht.maand, 1);
  EXPECT_EQ(middernacht.dag, 2);
  EXPECT_EQ(middernacht.uren, 0.0);

  // The largest JD before midnight still lies on January 1, with hours below 24.
  const TJDDatum net = DatumUitJD(true, std::nextafter(2451545.5, 0.0));
  EXPECT_EQ(net.dag, 1);
  EXPECT_LT(net.uren, 24.0);
  EXPECT_GT(net.uren, 23.9999);
}

TEST(JulDayF, JD50InDatumTijdRoundsToTheSecond) {
  struct Geval {
    const char* naam;
    double jd50;
    TDatumTijd verwacht;
  };
  const double jan1 = JulDag50(1, 1, 2000, true, 0);
  const Geval gevallen[] = {
      {"J2000 noon", 18263.0, {{1, 1, 2000}, {12, 0, 0}}},
      {"an odd second", jan1 + (11 * 3600 + 41 * 60 + 9) / 86400.0, {{1, 1, 2000}, {11, 41, 9}}},
      {"0.2 s before midnight is 0h of the next day, not 24h",
       jan1 - 0.2 / 86400, {{1, 1, 2000}, {0, 0, 0}}},
      {"0.6 s before midnight", jan1 - 0.6 / 86400, {{31, 12, 1999}, {23, 59, 59}}},
  };
  for (const auto& g : gevallen) EXPECT_EQ(JD50InDatumTijd(true, g.jd50), g.verwacht) << g.naam;
  EXPECT_EQ(JD50InDatumTijd(false, 18263.0).datum, (TDatumRec{19, 12, 1999}));
}

TEST(JulDayF, TimeRecords) {
  EXPECT_EQ(SecInTijd(-5400), (TTijdRec{-1, -30, 0}));
  EXPECT_EQ(SecInTijd(-59), (TTijdRec{0, 0, -59}));
  EXPECT_EQ(SecInTijd(3661), (TTijdRec{1, 1, 1}));
  EXPECT_EQ(TijdInSec({-1, -30, 0}), -5400);
  EXPECT_EQ(TijdPlusSec({23, 59, 30}, 45), (TTijdRec{24, 0, 15}));
  EXPECT_EQ(TijdPlusSec({0, 10, 0}, -900), (TTijdRec{0, -5, 0}));
  EXPECT_DOUBLE_EQ(TijdInUren({-1, -30, 0}), -1.5);
  EXPECT_EQ(UrenInTijd(14.5), (TTijdRec{14, 30, 0}));
  EXPECT_EQ(UrenInTijd(-1.5), (TTijdRec{-1, -30, 0}));
  EXPECT_EQ(UrenInTijd(11 + 41 / 60.0 + 9 / 3600.0), (TTijdRec{11, 41, 9}));
  // Durations beyond 32767 hours do not fit the record: held at its limit instead of wrapping.
  EXPECT_EQ(SecInTijd(std::numeric_limits<std::int32_t>::max()), (TTijdRec{32767, 59, 59}));
  EXPECT_EQ(SecInTijd(std::numeric_limits<std::int32_t>::min()), (TTijdRec{-32767, -59, -59}));
}

struct TRolGeval {
  const char* naam;
  TDatumTijd van;
  std::int32_t sec;
  TDatumTijd verwacht;
};

// Backward steps take February 29 from the divisible-by-4 rule, forward steps from the Gregorian
// rule.
const TRolGeval RolGevallen[] = {
    {"back into February of a common year", {{1, 3, 2001}, {0, 30, 0}}, -3600,
     {{28, 2, 2001}, {23, 30, 0}}},
    {"back into February 1900 (divisible by 4)", {{1, 3, 1900}, {0, 30, 0}}, -3600,
     {{29, 2, 1900}, {23, 30, 0}}},
    {"forward out of February 1900 (Gregorian common year)", {{28, 2, 1900}, {23, 30, 0}}, 3600,
     {{1, 3, 1900}, {0, 30, 0}}},
    {"forward into February 29 of 2000", {{28, 2, 2000}, {23, 30, 0}}, 3600,
     {{29, 2, 2000}, {0, 30, 0}}},
    {"forward over the year end", {{31, 12, 1999}, {23, 0, 0}}, 7200, {{1, 1, 2000}, {1, 0, 0}}},
    {"back over the year end", {{1, 1, 2000}, {0, 0, 0}}, -1, {{31, 12, 1999}, {23, 59, 59}}},
    {"back into a 30-day month", {{1, 5, 2004}, {0, 0, 0}}, -60, {{30, 4, 2004}, {23, 59, 0}}},
    {"back into a 31-day month", {{1, 9, 2004}, {0, 0, 0}}, -60, {{31, 8, 2004}, {23, 59, 0}}},
    {"forward out of a 30-day month", {{30, 6, 2004}, {23, 0, 0}}, 3600, {{1, 7, 2004}, {0, 0, 0}}},
    {"no roll-over", {{13, 8, 2004}, {9, 5, 0}}, -3600, {{13, 8, 2004}, {8, 5, 0}}},
    {"clock time to UT at UTC+1 just after midnight", {{1, 1, 2000}, {0, 30, 0}}, -3600,
     {{31, 12, 1999}, {23, 30, 0}}},
    {"several days forward", {{30, 12, 2003}, {12, 0, 0}}, 3 * 86400, {{2, 1, 2004}, {12, 0, 0}}},
    {"the largest positive shift", {{1, 1, 2000}, {0, 0, 0}}, std::numeric_limits<std::int32_t>::max(),
     {{19, 1, 2068}, {3, 14, 7}}},
    {"the largest negative shift", {{1, 1, 2000}, {0, 0, 0}}, std::numeric_limits<std::int32_t>::min(),
     {{13, 12, 1931}, {20, 45, 52}}},
};

TEST(JulDayF, DatumTijdPlusSecRollsTheDayOver) {
  for (const auto& g : RolGevallen) {
    const TDatumTijd r = DatumTijdPlusSec(g.van.datum, g.van.tijd, g.sec);
    EXPECT_EQ(r, g.verwacht) << g.naam << ": " << g.van << " + " << g.sec << " s";
  }
}

struct TLeesGeval {
  const char* tekst;
  int mode;
  bool ok;
  TDatumRec datum;
};

const TLeesGeval LeesGevallen[] = {
    {"13/8/2004", DatumInternationaal, true, {13, 8, 2004}},
    {"13 8 2004", DatumInternationaal, true, {13, 8, 2004}},
    {"13.08.2004", DatumInternationaal, true, {13, 8, 2004}},
    {"8/13/2004", DatumAmerikaans, true, {13, 8, 2004}},
    {"13 8 2004", DatumAmerikaans, false, {}},
    {"29 2 1900", DatumInternationaal, true, {29, 2, 1900}},   // no century rule
    {"29 2 1901", DatumInternationaal, false, {}},
    {"31 4 2000", DatumInternationaal, false, {}},
    {"30 4 2000", DatumInternationaal, true, {30, 4, 2000}},
    {"0 5 2000", DatumInternationaal, false, {}},
    {"5 13 2000", DatumInternationaal, false, {}},
    {"5 0 2000", DatumInternationaal, false, {}},
    {"2 29 2004", DatumAmerikaans, true, {29, 2, 2004}},
    {"29.2.-4", DatumInternationaal, true, {29, 2, -4}},       // -4 is divisible by 4
    {"29.2.-3", DatumInternationaal, false, {}},
    {"1.1.-4712", DatumInternationaal, true, {1, 1, -4712}},
    {"-1.1.2000", DatumInternationaal, false, {}},
    {"1.1", DatumInternationaal, false, {}},
    {"", DatumInternationaal, false, {}},
    {"day one", DatumInternationaal, false, {}},
    {"1.1.32767", DatumInternationaal, true, {1, 1, 32767}},
    {"1.1.32768", DatumInternationaal, false, {}},            // year does not fit 16 bits
    {"65537.1.2000", DatumInternationaal, false, {}},         // day 1 after a 16-bit wrap
    {"1.65537.2000", DatumInternationaal, false, {}},
    {"1.1.99999999999", DatumInternationaal, false, {}},      // does not fit 32 bits
};

TEST(JulDayF, LeesDatum) {
  for (const auto& g : LeesGevallen) {
    TDatumRec d{7, 7, 7};
    const bool ok = LeesDatum(g.tekst, g.mode, d);
    EXPECT_EQ(ok, g.ok) << '"' << g.tekst << "\" mode " << g.mode;
    if (ok && g.ok) {
      EXPECT_EQ(d, g.datum) << '"' << g.tekst << "\" mode " << g.mode;
    }
  }
}

TEST(JulDayF, EersteVanDezeMaand) {
  const auto maandNu = [] {
    const std::time_t nu = std::time(nullptr);
    std::tm lokaal{};
    localtime_r(&nu, &lokaal);
    return TDatumRec{1, static_cast<std::int16_t>(lokaal.tm_mon + 1),
                     static_cast<std::int16_t>(lokaal.tm_year + 1900)};
  };
  const TDatumRec voor = maandNu();
  const TDatumRec d = EersteVanDezeMaand();
  const TDatumRec na = maandNu();
  EXPECT_TRUE(d == voor || d == na) << d;
}

}  // namespace
}  // namespace orvan
