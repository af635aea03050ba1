// Date texts in the four languages and the numeric forms.

#include <gtest/gtest.h>

#include <string>

#include "time_place/JulDayF.h"

namespace orvan {
namespace {

constexpr TDatumRec Aug13{13, 8, 2004};

struct TTekstGeval {
  int taal;
  int mode;
  const char* verwacht;
};

TEST(DatumTeksten, DatumTekstInEveryLanguageAndMode) {
  constexpr TTekstGeval gevallen[] = {
      {0, DatumInternationaal, "13/8/2004"},   {0, DatumAmerikaans, "8/13/2004"},
      {1, DatumInternationaal, "13 augustus 2004"}, {1, DatumAmerikaans, "augustus 13, 2004"},
      {2, DatumInternationaal, "13 august 2004"},   {2, DatumAmerikaans, "august 13, 2004"},
      {3, DatumInternationaal, "13 août 2004"},     {3, DatumAmerikaans, "août 13, 2004"},
      {4, DatumInternationaal, "13 August 2004"},   {4, DatumAmerikaans, "August 13, 2004"},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(DatumTekst(g.taal, Aug13, g.mode), g.verwacht) << "taal " << g.taal << " mode " << g.mode;
  EXPECT_EQ(DatumTekst(0, {1, 1, -44}, DatumInternationaal), "1/1/-44");
}

TEST(DatumTeksten, MonthNames) {
  struct Geval {
    int taal, maand;
    const char* naam;
  };
  constexpr Geval gevallen[] = {
      {1, 1, "januari"},  {1, 3, "maart"},    {1, 5, "mei"},       {1, 10, "oktober"},
      {2, 1, "january"},  {2, 5, "may"},      {2, 12, "december"}, {3, 2, "février"},
      {3, 7, "juillet"},  {3, 8, "août"},     {3, 12, "decembre"}, {4, 1, "Januar"},
      {4, 3, "März"},     {4, 12, "Dezember"},
  };
  for (const auto& g : gevallen)
    EXPECT_STREQ(MaandNaam(g.taal, g.maand), g.naam) << g.taal << '/' << g.maand;
  for (int taal = 1; taal <= 4; ++taal)
    for (int maand = 1; maand <= 12; ++maand)
      EXPECT_STRNE(MaandNaam(taal, maand), "") << taal << '/' << maand;
  EXPECT_STREQ(MaandNaam(0, 1), "");
  EXPECT_STREQ(MaandNaam(5, 1), "");
  EXPECT_STREQ(MaandNaam(2, 0), "");
  EXPECT_STREQ(MaandNaam(2, 13), "");
  // A month out of range is written as a number, never read past the table.
  EXPECT_EQ(DatumTekst(2, {1, 13, 2000}, DatumInternationaal), "1/13/2000");
}

TEST(DatumTeksten, DateAndTime) {
  EXPECT_EQ(DatumTijdTekst(1, Aug13, DatumInternationaal, {9, 5, 0}), "13 augustus 2004    9h05m00s");
  EXPECT_EQ(DatumTijdTekst(2, Aug13, DatumAmerikaans, {11, 41, 9}), "august 13, 2004   11h41m09s");

  const double j2000 = 18263.0;   // 2000 January 1, 12h UT
  EXPECT_EQ(JD50Tekst(4, DatumInternationaal, j2000), "1 Januar 2000");
  EXPECT_EQ(JD50DatumTijdTekst(2, DatumInternationaal, j2000), "1 january 2000   12h00m00s");
  EXPECT_EQ(JD50DatumTijdTekst(3, DatumAmerikaans, j2000 + 0.25), "janvier 1, 2000   18h00m00s");

  // 0.2 s before midnight: the date on which the moment lies, and the time rounded to the
  // second, which is 0h of the next day.
  const double bijnaMiddernacht = j2000 + 0.5 - 0.2 / 86400;
  EXPECT_EQ(JD50Tekst(2, DatumInternationaal, bijnaMiddernacht), "1 january 2000");
  EXPECT_EQ(JD50DatumTijdTekst(2, DatumInternationaal, bijnaMiddernacht), "2 january 2000    0h00m00s");
}

TEST(DatumTeksten, DatumKort10IsRightAligned) {
  const double aug13 = JulDag50(8, 13, 2004, true, 9);
  EXPECT_EQ(DatumKort10(DatumInternationaal, aug13), " 13/8/2004");
  EXPECT_EQ(DatumKort10(DatumAmerikaans, aug13), " 8/13/2004");
  EXPECT_EQ(DatumKort10(DatumInternationaal, JulDag50(1, 1, 2000, true, 0)), "  1/1/2000");
  EXPECT_EQ(DatumKort10(DatumInternationaal, JulDag50(12, 25, 1999, true, 0)), "25/12/1999");
}

TEST(DatumTeksten, Tijdstempel) {
  EXPECT_EQ(Tijdstempel({3, 8, 2004}, {9, 5, 0}), "20040803090500");
  EXPECT_EQ(Tijdstempel({31, 12, 1999}, {23, 59, 59}), "19991231235959");
  EXPECT_EQ(Tijdstempel({1, 1, 800}, {0, 0, 0}), "08000101000000");
}

}  // namespace
}  // namespace orvan
