// Text readers and writers of times, angles and coordinates.

#include "time_place/KonvUtil.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/tests/support/TijdelijkeMap.h"

#include "time_place/tests/TijdRecTekst.h"

namespace orvan {
namespace {

using test::Toon;

TEST(LeesGetal, ReadsTheFirstIntegerAndLeavesTheRest) {
  struct Geval {
    const char* naam;
    const char* tekst;
    bool ok;
    std::int32_t getal;
    const char* rest;
  };
  const Geval gevallen[] = {
      {"skips leading text", "abc 12 def", true, 12, " def"},
      {"negative", "x-7y", true, -7, "y"},
      {"leading zeros", "0012.5", true, 12, ".5"},
      {"largest", "2147483647", true, 2147483647, ""},
      {"smallest", "-2147483648", true, -2147483647 - 1, ""},
      {"empty", "", false, 0, nullptr},
      {"no digits", "abc", false, 0, nullptr},
      {"minus without digits", "- 5", false, 0, nullptr},
      {"beyond 32 bits", "2147483648", false, 0, nullptr},
      {"far beyond 32 bits", "-99999999999999999999", false, 0, nullptr},
  };
  for (const Geval& g : gevallen) {
    std::string tekst = g.tekst;
    std::int32_t getal = 0;
    const bool ok = LeesGetal(tekst, getal);
    EXPECT_EQ(ok, g.ok) << g.naam << ": \"" << g.tekst << "\"";
    if (ok && g.ok) {
      EXPECT_EQ(getal, g.getal) << g.naam;
      EXPECT_EQ(tekst, g.rest) << g.naam;
    }
  }
}

TEST(LeesTijd, Table) {
  struct Geval {
    const char* naam;
    const char* tekst;
    int soort;
    bool ok;
    TTijdRec tijd;
  };
  const Geval gevallen[] = {
      {"midnight on the 12-hour clock", "12 AM", SoortKloktijd, true, {0, 0, 0}},
      {"noon on the 12-hour clock", "12 PM", SoortKloktijd, true, {12, 0, 0}},
      {"afternoon", "2 30 PM", SoortKloktijd, true, {14, 30, 0}},
      {"lower case pm", "2.30pm", SoortKloktijd, true, {14, 30, 0}},
      {"morning", "9.15 AM", SoortKloktijd, true, {9, 15, 0}},
      {"13 PM is no 12-hour time", "13 PM", SoortKloktijd, false, {}},
      {"24.00 is no clock time", "24.00", SoortKloktijd, false, {}},
      {"23.59.59 is", "23.59.59", SoortKloktijd, true, {23, 59, 59}},
      {"13.59 is a time difference", "13.59", SoortTijdverschil, true, {13, 59, 0}},
      {"14.00 is no time difference", "14.00", SoortTijdverschil, false, {}},
      {"100 degrees", "100.00", SoortHoek, true, {100, 0, 0}},
      {"largest 16-bit angle", "32767", SoortHoek, true, {32767, 0, 0}},
      {"hours beyond 16 bits", "99999999", SoortHoek, false, {}},
      {"hours beyond 32 bits", "99999999999", SoortHoek, false, {}},
      {"hours only", "9", SoortKloktijd, true, {9, 0, 0}},
      {"hours and a letter", "9h", SoortKloktijd, true, {9, 0, 0}},
      {"60 minutes", "9.60", SoortKloktijd, false, {}},
      {"60 seconds", "9.05.60", SoortKloktijd, false, {}},
      {"dotted", "14.30", SoortKloktijd, true, {14, 30, 0}},
      {"letters", "14h30m", SoortKloktijd, true, {14, 30, 0}},
      {"with seconds", "14 30 00", SoortKloktijd, true, {14, 30, 0}},
      {"as written by TijdTekst", " 11h41m09s", SoortKloktijd, true, {11, 41, 9}},
      {"negative difference", "-5.30", SoortTijdverschil, true, {-5, -30, 0}},
      {"negative minutes only", "-0.30", SoortTijdverschil, true, {0, -30, 0}},
      {"negative as written by TijdTekst", "-1h30m00s", SoortTijdverschil, true, {-1, -30, 0}},
      {"blank before the sign", "  -13.00", SoortTijdverschil, true, {-13, 0, 0}},
      {"negative angle", "-100.30.15", SoortHoek, true, {-100, -30, -15}},
      {"a clock time has no sign", "-5.00", SoortKloktijd, false, {}},
      {"a minus as separator", "14-30", SoortKloktijd, false, {}},
      {"two signs", "--5", SoortTijdverschil, false, {}},
      {"empty", "", SoortKloktijd, false, {}},
      {"no number", "noon", SoortKloktijd, false, {}},
  };
  for (const Geval& g : gevallen) {
    TTijdRec tijd{7, 7, 7};
    const bool ok = LeesTijd(g.tekst, g.soort, tijd);
    EXPECT_EQ(ok, g.ok) << g.naam << ": \"" << g.tekst << "\" soort " << g.soort << " gave "
                        << Toon(tijd);
    if (ok && g.ok) {
      EXPECT_EQ(tijd, g.tijd) << g.naam << ": \"" << g.tekst << "\" expected " << Toon(g.tijd)
                              << ", got " << Toon(tijd);
    }
  }
}

TEST(LeesGeo, Table) {
  struct Geval {
    const char* naam;
    const char* tekst;
    int soort;
    bool ok;
    float waarde;
  };
  const Geval gevallen[] = {
      {"91 degrees north", "91 00", SoortBreedte, false, 0},
      {"the pole", "90", SoortBreedte, true, 90.0f},
      {"beyond the pole", "90 30", SoortBreedte, false, 0},
      {"the date line", "180 00", SoortLengte, true, 180.0f},
      {"beyond the date line", "-180 01", SoortLengte, false, 0},
      {"60 minutes", "52 60", SoortBreedte, false, 0},
      {"a letter but no minutes", "52N", SoortBreedte, false, 0},
      {"degrees only", "52", SoortBreedte, true, 52.0f},
      {"letter and zero minutes", "52N00", SoortBreedte, true, 52.0f},
      {"letter", "52N22", SoortBreedte, true, 52.22f},
      {"blank", "52 22", SoortBreedte, true, 52.22f},
      {"d.mm", "52.22", SoortBreedte, true, 52.22f},
      {"lower case", "33s52", SoortBreedte, true, -33.52f},
      {"east", "4E54", SoortLengte, true, 4.54f},
      {"west", "73W59", SoortLengte, true, -73.59f},
      {"minus", "-73 59", SoortLengte, true, -73.59f},
      {"minus and west", "-73W59", SoortLengte, true, -73.59f},
      {"just west of Greenwich", "-0 10", SoortLengte, true, -0.10f},
      {"S does not make a longitude western", "4S54", SoortLengte, true, 4.54f},
      {"negative minutes", "52 -22", SoortBreedte, false, 0},
      {"degrees beyond 32 bits", "99999999999", SoortLengte, false, 0},
      {"empty", "", SoortBreedte, false, 0},
  };
  for (const Geval& g : gevallen) {
    float waarde = -999.0f;
    const bool ok = LeesGeo(g.tekst, g.soort, waarde);
    EXPECT_EQ(ok, g.ok) << g.naam << ": \"" << g.tekst << "\" soort " << g.soort << " gave "
                        << waarde;
    if (ok && g.ok) {
      EXPECT_FLOAT_EQ(waarde, g.waarde) << g.naam << ": \"" << g.tekst << "\"";
    }
  }
}

TEST(TijdTekst, Table) {
  struct Geval {
    TTijdRec tijd;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {{11, 41, 9}, " 11h41m09s"},
      {{9, 5, 0}, "  9h05m00s"},
      {{0, 0, 0}, "  0h00m00s"},
      {{-1, -30, 0}, "-1h30m00s"},
      {{-11, -30, 0}, "-11h30m00s"},
      {{0, -30, 0}, "-0h30m00s"},
      {{0, 0, -5}, "-0h00m05s"},
      {{100, 0, 0}, " 100h00m00s"},
  };
  for (const Geval& g : gevallen)
    EXPECT_EQ(TijdTekst(g.tijd), g.tekst) << Toon(g.tijd);
}

TEST(GraadMinTekst, Table) {
  struct Geval {
    double x;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {52.5, "  52°30'"},
      {0.0, "   0°00'"},
      {-52.5, " -52°30'"},
      {-0.5, "  -0°30'"},
      {-0.001, "   0°00'"},      // less than a minute: no sign
      {4.1, "   4°06'"},               // 4.1 * 60 is 245.99999... in binary
      {1 + 40 / 60.0, "   1°40'"},
      {-(1 + 55 / 60.0), "  -1°55'"},
      {359.99, " 359°59'"},     // minutes are truncated, not rounded
      {123.25, " 123°15'"},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(GraadMinTekst(g.x), g.tekst) << g.x;
}

TEST(GeoKort, Table) {
  struct Geval {
    double x;
    bool isBreedte;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {52.22, true, "52N22"},
      {-33.52, true, "33S52"},
      {4.05, false, "4E05"},
      {-73.59, false, "73W59"},
      {4.54f, false, "4E54"},    // the float is 4.5399999...
      {52.22f, true, "52N22"},
      {0.0, true, "0N00"},
      {-0.10f, false, "0W10"},
      {180.0, false, "180E00"},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(GeoKort(g.x, g.isBreedte), g.tekst) << g.x;
}

TEST(GeoTekst, EnglishCoordinateLine) {
  test::TTijdelijkeMap map;
  ASSERT_TRUE(test::StartTaal(2));
  EXPECT_EQ(GeoTekst(4.54f, 52.22f), "52°22'N, 4°54'E");
  EXPECT_EQ(GeoTekst(-73.59f, -33.52f), "33°52'S, 73°59'W");
  EXPECT_EQ(GeoTekst(-0.10f, 0.0), "0° 0'N, 0°10'W");   // minutes are space-padded
  EXPECT_EQ(GeoTekst(4.05, 52.0), "52° 0'N, 4° 5'E");
}

}  // namespace
}  // namespace orvan
