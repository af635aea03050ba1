// The lookup of the time zone tables and what the dialog of BepaalVerschilGMT is given, on tables
// written by the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/KonvUtil.h"
#include "time_place/UurVerschil.h"

namespace orvan {
namespace {

using test::SchrijfBestand;

constexpr const char* kTabel =
    "Testzone - a table for the tests\n"
    "18350101 0.00 0.20 ?LMT local mean time\n"
    "19400516 0.00 0.20 ?clocks set forward 0.00 to 1.40\n"
    "19400516 1.40 2.00  CEST summer time\n"
    "\n"
    "19421102 3.00 1.00  CET\n"
    "19770403 2.00 -3.30  far west\n";

class ZoekVerschilTest : public ::testing::Test {
 protected:
  void SetUp() override {
    basis_ = test::NieuweTijdelijkeMap();
    map_ = basis_ + "zones/";
    std::filesystem::create_directories(map_);
    SchrijfBestand(map_ + "TEST.uur", kTabel);
  }
  TZoekVerschil Zoek(const std::string& zone, int d, int m, int j, int u, int min, int s = 0) {
    return ZoekVerschilIn(map_, zone, TDatumRec{static_cast<std::int16_t>(d),
                                                static_cast<std::int16_t>(m),
                                                static_cast<std::int16_t>(j)},
                          TTijdRec{static_cast<std::int16_t>(u), static_cast<std::int16_t>(min),
                                   static_cast<std::int16_t>(s)});
  }
  std::string basis_, map_;
};

struct TZoekGeval {
  const char* naam;
  int d, m, j, u, min;
  int status;
  TTijdRec verschil;
  const char* commentaar;
};

TEST_F(ZoekVerschilTest, LinesAndTheirEdges) {
  const TZoekGeval gevallen[] = {
      {"at the first line", 1, 1, 1835, 0, 0, ZoekVoorTabel, {0, 20, 0}, ""},
      {"before the first line", 31, 12, 1834, 23, 59, ZoekVoorTabel, {0, 20, 0}, ""},
      {"a minute after the first line", 1, 1, 1835, 0, 1, ZoekOnzeker, {0, 20, 0},
       "LMT local mean time"},
      {"uncertain hour", 16, 5, 1940, 0, 30, ZoekOnzeker, {0, 20, 0},
       "clocks set forward 0.00 to 1.40"},
      {"a minute before a line", 16, 5, 1940, 1, 39, ZoekOnzeker, {0, 20, 0},
       "clocks set forward 0.00 to 1.40"},
      {"at a line", 16, 5, 1940, 1, 40, ZoekZeker, {2, 0, 0}, "CEST summer time"},
      {"after an empty line", 2, 11, 1942, 3, 0, ZoekZeker, {1, 0, 0}, "CET"},
      {"negative difference", 3, 4, 1977, 2, 0, ZoekZeker, {-3, -30, 0}, "far west"},
      {"after the last line", 1, 1, 2100, 12, 0, ZoekZeker, {-3, -30, 0}, "far west"},
  };
  for (const auto& g : gevallen) {
    const TZoekVerschil z = Zoek("TEST", g.d, g.m, g.j, g.u, g.min);
    EXPECT_EQ(z.status, g.status) << g.naam;
    EXPECT_EQ(z.verschil, g.verschil) << g.naam << ": " << TijdTekst(z.verschil);
    EXPECT_EQ(z.commentaar, g.commentaar) << g.naam;
  }
  // The seconds of the clock time are not looked at: 1:39:59 is before the line of 1:40.
  EXPECT_EQ(Zoek("TEST", 16, 5, 1940, 1, 39, 59).status, ZoekOnzeker);
}

TEST_F(ZoekVerschilTest, ZoneNamesAndFiles) {
  // The new-place dialog upper-cases zone names: a lower-case name finds the table.
  EXPECT_EQ(Zoek("test", 1, 1, 2000, 12, 0).status, ZoekZeker);
  for (const char* zone : {"", "L", "NOSUCH", "../TEST", "TE/ST", "TOOLONGNAME"}) {
    const TZoekVerschil z = Zoek(zone, 1, 1, 2000, 12, 0);
    EXPECT_EQ(z.status, ZoekGeenTabel) << '"' << zone << '"';
    EXPECT_EQ(z.verschil, TTijdRec{}) << zone;
    EXPECT_EQ(z.commentaar, "") << zone;
  }
  SchrijfBestand(basis_ + "TEST.uur", kTabel);   // beside the folder of the tables
  EXPECT_EQ(Zoek("../TEST", 1, 1, 2000, 12, 0).status, ZoekGeenTabel);
}

TEST_F(ZoekVerschilTest, MalformedTablesActAsMissing) {
  struct TGeval {
    const char* naam;
    const char* inhoud;
    int status;
  };
  const TGeval gevallen[] = {
      {"only a description", "Nothing here\n", ZoekGeenTabel},
      {"empty file", "", ZoekGeenTabel},
      {"letters in a number", "x\n19000101 0.00 1.00\n19500101 0.00 1,00\n", ZoekGeenTabel},
      {"missing number", "x\n19000101 0.00\n", ZoekGeenTabel},
      {"minutes of 60", "x\n19000101 0.60 1.00\n", ZoekGeenTabel},
      // The line after the answer is read to end the search, but no further line.
      {"bad line after the answer", "x\n19000101 0.00 1.00\n19500101 0.00 1.00\n19700101 bad\n",
       ZoekGeenTabel},
      {"bad line after the end of the search",
       "x\n19000101 0.00 1.00\n19500101 0.00 1.00\n19700101 0.00 1.00\n21000101 bad\n", ZoekZeker},
      // Written by an editor with other line ends; no flag and no comment.
      {"CR LF, bare numbers", "x\r\n19000101 0.00 1.00\r\n19500101 0.00 2.00\r\n", ZoekZeker},
  };
  for (const auto& g : gevallen) {
    SchrijfBestand(map_ + "BAD.uur", g.inhoud);
    const TZoekVerschil z = Zoek("BAD", 1, 1, 1960, 12, 0);
    EXPECT_EQ(z.status, g.status) << g.naam;
    if (g.status == ZoekZeker) {
      EXPECT_EQ(z.commentaar, "") << g.naam;
    }
  }
  EXPECT_EQ(Zoek("BAD", 1, 1, 1960, 12, 0).verschil, (TTijdRec{2, 0, 0}));   // the CR LF table
}

// What BepaalVerschilGMT hands to its dialog.
class VerschilVraagTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::StartTaal(2));   // English
    map_ = test::NieuweTijdelijkeMap();
    SchrijfBestand(map_ + "TEST.uur", kTabel);
    SchrijfBestand(map_ + "TEST.exc", "Local clocks diff\xe9r\r\nsecond line\n");
    SchrijfBestand(map_ + "L.exc", "never shown\n");
  }
  TVerschilVraag Vraag(const std::string& zone, int j, double lengte) {
    const TDatumRec datum{1, 7, static_cast<std::int16_t>(j)};
    const TTijdRec tijd{12, 0, 0};
    return MaakVerschilVraag(map_, zone, ZoekVerschilIn(map_, zone, datum, tijd), lengte);
  }
  std::string map_;
};

TEST_F(VerschilVraagTest, LocalMeanTimeOfZoneL) {
  // 4 degrees 54 minutes east: 4.9 / 15 = 0.32667 h, 0.196 in h.mm, 19.6 minutes.
  EXPECT_NEAR(MptHmm(4.54), 0.196, 1e-9);
  const TVerschilVraag v = Vraag("L", 1900, 4.54);
  EXPECT_EQ(v.status, ZoekLokaleTijd);
  EXPECT_EQ(v.verschil, (TTijdRec{0, 20, 0}));
  EXPECT_FALSE(v.heeftUitzonderingen);   // never for "L"
  ASSERT_EQ(v.meldRegels.size(), 2u);
  EXPECT_EQ(v.meldRegels[0], "No official time applied here yet (local mean time).");
  EXPECT_EQ(v.meldRegels[1], "Local mean time: GMT + 0.20");
  EXPECT_EQ(v.titel, "Difference to Greenwich time uncertain");
  EXPECT_EQ(v.verschilLabel, "Difference to Greenwich time (+/- hh.mm.ss) ?");
  EXPECT_EQ(v.uitzonderingLabel, "!!! Local exceptions:");
  EXPECT_EQ(v.foutmelding, "Impossible time difference to Greenwich");
}

TEST_F(VerschilVraagTest, MeanTimeTexts) {
  const std::pair<double, const char*> gevallen[] = {
      {4.54, "GMT + 0.20"},     {-73.59, "GMT -4.56"},   {151.12, "GMT +10.05"},
      {0.0, "GMT + 0.00"},      {-0.03, "GMT + 0.00"},   // less than half a minute west
      {14.5955, "GMT + 1.00"},  // 59.97 minutes: the h.mm number would read 0.60
  };
  for (const auto& [lengte, tekst] : gevallen) {
    const TVerschilVraag v = Vraag("L", 1900, lengte);
    EXPECT_EQ(v.meldRegels.back(), std::string("Local mean time: ") + tekst) << lengte;
    EXPECT_EQ(TijdInSec(v.verschil), MptMinuten(lengte) * 60) << lengte;
  }
}

TEST_F(VerschilVraagTest, UncertainLineMissingTableAndExceptions) {
  TVerschilVraag v = Vraag("TEST", 1900, 4.54);
  EXPECT_EQ(v.status, ZoekOnzeker);
  EXPECT_EQ(v.verschil, (TTijdRec{0, 20, 0}));
  ASSERT_EQ(v.meldRegels.size(), 3u);
  EXPECT_EQ(v.meldRegels[0], "The difference is probably " + TijdTekst({0, 20, 0}) +
                                 "; please check it.");
  EXPECT_EQ(v.meldRegels[1], "LMT local mean time");
  EXPECT_TRUE(v.heeftUitzonderingen);
  EXPECT_EQ(v.uitzonderingen, "Local clocks diff\xc3\xa9r\nsecond line\n");   // CP1252 to UTF-8

  v = Vraag("NOSUCH", 1900, -73.59);
  EXPECT_EQ(v.status, ZoekGeenTabel);
  EXPECT_EQ(v.verschil, TTijdRec{});
  EXPECT_FALSE(v.heeftUitzonderingen);
  ASSERT_EQ(v.meldRegels.size(), 2u);
  EXPECT_EQ(v.meldRegels[0], "No data on the difference at this moment; please enter it.");
  EXPECT_EQ(v.meldRegels[1], "Local mean time: GMT -4.56");

  v = Vraag("TEST", 1800, 4.54);   // before the table: prefilled with its first line
  EXPECT_EQ(v.status, ZoekVoorTabel);
  EXPECT_EQ(v.verschil, (TTijdRec{0, 20, 0}));
  EXPECT_EQ(v.meldRegels[0], "No data on the difference at this moment; please enter it.");
}

class TNepDialoog final : public TVerschilGMTDialoog {
 public:
  bool Vraag(const TVerschilVraag& vraag, TTijdRec& verschil) override {
    ++keren;
    gezien = vraag;
    if (!ok) return false;
    verschil = antwoord;
    return true;
  }
  int keren = 0;
  bool ok = true;
  TTijdRec antwoord{0, 26, 0};
  TVerschilVraag gezien;
};

TEST_F(VerschilVraagTest, BepaalVerschilGMTAsksOnlyWhenUncertain) {
  TNepDialoog dialoog;
  ZetVerschilGMTDialoog(&dialoog);
  TTijdRec verschil{9, 9, 9};
  // Certain: the table's value, no dialog.
  ASSERT_TRUE(BepaalVerschilGMTIn(map_, "TEST", {1, 7, 1950}, {12, 0, 0}, 4.54, verschil));
  EXPECT_EQ(verschil, (TTijdRec{1, 0, 0}));
  EXPECT_EQ(dialoog.keren, 0);
  // Uncertain: the dialog, prefilled; OK gives the user's value.
  ASSERT_TRUE(BepaalVerschilGMTIn(map_, "TEST", {1, 7, 1900}, {12, 0, 0}, 6.34, verschil));
  EXPECT_EQ(dialoog.keren, 1);
  EXPECT_EQ(dialoog.gezien.verschil, (TTijdRec{0, 20, 0}));
  EXPECT_EQ(verschil, (TTijdRec{0, 26, 0}));
  // Cancel leaves the caller's value.
  dialoog.ok = false;
  EXPECT_FALSE(BepaalVerschilGMTIn(map_, "L", {1, 7, 1900}, {12, 0, 0}, 6.34, verschil));
  EXPECT_EQ(dialoog.gezien.status, ZoekLokaleTijd);
  EXPECT_EQ(verschil, (TTijdRec{0, 26, 0}));
  // Without a dialog installed the question is cancelled: no uncertain value is used unasked.
  ZetVerschilGMTDialoog(nullptr);
  verschil = {9, 9, 9};
  EXPECT_FALSE(BepaalVerschilGMTIn(map_, "NOSUCH", {1, 7, 1900}, {12, 0, 0}, 6.34, verschil));
  EXPECT_EQ(verschil, (TTijdRec{9, 9, 9}));
}

}  // namespace
}  // namespace orvan
