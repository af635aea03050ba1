// d.mm and h.mm conversions, universal time of a birth moment, the 54-byte place record and birth
// data pasted from the clipboard.

#include "time_place/PltsTijdRec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "time_place/tests/TijdRecTekst.h"

namespace orvan {
namespace {

using test::Toon;

TEST(DmInGraden, DegreesMinutesBothWays) {
  struct Geval {
    double dm;
    double graden;
  };
  const Geval gevallen[] = {{52.30, 52.5}, {-4.30, -4.5}, {0.45, 0.75}, {-0.06, -0.1}, {180.0, 180.0}};
  for (const Geval& g : gevallen) {
    EXPECT_NEAR(DmInGraden(g.dm), g.graden, 1e-12) << g.dm;
    EXPECT_NEAR(GradenInDm(g.graden), g.dm, 1e-12) << g.graden;
  }
  // A stored float: 52.22f is 52.2200012..., still 52 degrees 22 minutes.
  EXPECT_NEAR(DmInGraden(52.22f), 52.0 + 22.0 / 60.0, 1e-5);
}

TEST(HmmInTijd, Table) {
  struct Geval {
    double x;
    TTijdRec tijd;
  };
  const Geval gevallen[] = {
      {1.0, {1, 0, 0}}, {5.30, {5, 30, 0}}, {-3.30, {-3, -30, 0}}, {-0.20, {0, -20, 0}},
      {5.45f, {5, 45, 0}},
  };
  for (const Geval& g : gevallen)
    EXPECT_EQ(HmmInTijd(g.x), g.tijd) << g.x << " gave " << Toon(HmmInTijd(g.x));
}

TEST(MomentInUT, ClockTimeMinusDifference) {
  const TDatumTijd ut = MomentInUT({1, 1, 2000}, {0, 30, 0}, true, {1, 0, 0});
  EXPECT_EQ(ut.datum, (TDatumRec{31, 12, 1999}));
  EXPECT_EQ(ut.tijd, (TTijdRec{23, 30, 0}));

  // West of Greenwich the universal time is later.
  const TDatumTijd west = MomentInUT({31, 12, 1999}, {20, 0, 0}, true, {-5, -30, 0});
  EXPECT_EQ(west.datum, (TDatumRec{1, 1, 2000}));
  EXPECT_EQ(west.tijd, (TTijdRec{1, 30, 0}));

  // A time already in universal time is left as it is.
  const TDatumTijd al = MomentInUT({1, 1, 2000}, {0, 30, 0}, false, {1, 0, 0});
  EXPECT_EQ(al.datum, (TDatumRec{1, 1, 2000}));
  EXPECT_EQ(al.tijd, (TTijdRec{0, 30, 0}));
}

// A place record with a known byte image.
class PlaatsRecTest : public ::testing::Test {
 protected:
  PlaatsRecTest() {
    zurich.Naam = "Zürich";
    zurich.Breedte = 47.23f;
    zurich.Lengte = 8.32f;
    zurich.Zone = "MET";
    zurich.Gewist = 1;
    beeld.fill(0);
    const std::uint8_t naam[] = {6, 'Z', 0xFC, 'r', 'i', 'c', 'h'};
    std::copy(std::begin(naam), std::end(naam), beeld.begin());
    const std::uint8_t rest[] = {0x85, 0xEB, 0x3C, 0x42,   // 36: 47.23f
                                 0xB8, 0x1E, 0x05, 0x41,   // 40: 8.32f
                                 3, 'M', 'E', 'T'};        // 44: zone
    std::copy(std::begin(rest), std::end(rest), beeld.begin() + 36);
    beeld[53] = 1;
  }
  PlaatsRec zurich;
  TPlaatsRecBytes beeld{};
};

TEST_F(PlaatsRecTest, WritesTheByteImage) {
  const TPlaatsRecBytes b = SchrijfPlaatsRec(zurich);
  for (std::size_t i = 0; i < PlaatsRecGrootte; ++i)
    EXPECT_EQ(int{b[i]}, int{beeld[i]}) << "offset " << i;
}

TEST_F(PlaatsRecTest, ReadsTheByteImage) {
  PlaatsRec p;
  ASSERT_TRUE(LeesPlaatsRec(beeld, p));
  EXPECT_EQ(p.Naam, "Zürich");
  EXPECT_EQ(p.Breedte, 47.23f);
  EXPECT_EQ(p.Lengte, 8.32f);
  EXPECT_EQ(p.Zone, "MET");
  EXPECT_EQ(p.Gewist, 1);
}

TEST_F(PlaatsRecTest, NegativeCoordinatesRoundTrip) {
  PlaatsRec p = zurich;
  p.Breedte = -33.52f;
  p.Lengte = -73.59f;
  PlaatsRec terug;
  ASSERT_TRUE(LeesPlaatsRec(SchrijfPlaatsRec(p), terug));
  EXPECT_EQ(terug.Breedte, -33.52f);
  EXPECT_EQ(terug.Lengte, -73.59f);
  const TPlaatsRecBytes b = SchrijfPlaatsRec(p);
  EXPECT_EQ(b[43], 0xC2);   // sign and exponent of -73.59f in the last byte
}

TEST_F(PlaatsRecTest, LongNamesAreCutInCp1252Characters) {
  PlaatsRec p = zurich;
  p.Naam = std::string(40, 'x');
  p.Zone = "ABCDEFGHIJ";
  const TPlaatsRecBytes b = SchrijfPlaatsRec(p);
  EXPECT_EQ(b[0], 35);
  EXPECT_EQ(b[44], 8);
  PlaatsRec terug;
  ASSERT_TRUE(LeesPlaatsRec(b, terug));
  EXPECT_EQ(terug.Naam, std::string(35, 'x'));
  EXPECT_EQ(terug.Zone, "ABCDEFGH");
  EXPECT_EQ(terug.Breedte, 47.23f);   // the cut name does not spill into the latitude

  // 36 accented letters are 72 bytes of UTF-8 but 36 CP1252 characters: 35 are kept.
  std::string e36;
  for (int i = 0; i < 36; ++i) e36 += "é";
  p.Naam = e36;
  ASSERT_TRUE(LeesPlaatsRec(SchrijfPlaatsRec(p), terug));
  EXPECT_EQ(terug.Naam, e36.substr(0, 70));
}

TEST_F(PlaatsRecTest, CharactersOutsideCp1252BecomeQuestionMarks) {
  PlaatsRec p = zurich;
  p.Naam = "Łódź";
  PlaatsRec terug;
  ASSERT_TRUE(LeesPlaatsRec(SchrijfPlaatsRec(p), terug));
  EXPECT_EQ(terug.Naam, "?ód?");
}

TEST_F(PlaatsRecTest, LengthByteBeyondItsFieldIsAFailure) {
  PlaatsRec p;
  p.Naam = "unchanged";
  TPlaatsRecBytes b = beeld;
  b[0] = 36;
  EXPECT_FALSE(LeesPlaatsRec(b, p));
  EXPECT_EQ(p.Naam, "unchanged");
  b = beeld;
  b[44] = 9;
  EXPECT_FALSE(LeesPlaatsRec(b, p));
  b[0] = 35;
  b[44] = 8;
  EXPECT_TRUE(LeesPlaatsRec(b, p));   // full fields are fine
}

// Birth data on the clipboard: date (month day year), time, place, two unused lines, latitude,
// longitude, two unused lines, and the difference counted positive west of Greenwich.
std::vector<std::string> KlembordRegels() {
  return {"8/13/2004", "14:30", "Amsterdam", "Netherlands", "", "52N22", "4E54", "", "", "-1:00"};
}

std::string Samen(const std::vector<std::string>& regels, const char* einde = "\n") {
  std::string tekst;
  for (const std::string& r : regels) tekst += r + einde;
  return tekst;
}

TEST(LeesKlembordGegevens, ReadsEveryValue) {
  for (const char* einde : {"\n", "\r\n"}) {
    TKlembordGegevens g;
    ASSERT_TRUE(LeesKlembordGegevens(Samen(KlembordRegels(), einde), g)) << "line end " << einde[0];
    EXPECT_EQ(g.datum, (TDatumRec{13, 8, 2004}));
    EXPECT_EQ(g.tijd, (TTijdRec{14, 30, 0}));
    EXPECT_EQ(g.plaats, "Amsterdam");
    EXPECT_FLOAT_EQ(g.breedte, 52.22f);
    EXPECT_FLOAT_EQ(g.lengte, 4.54f);
    EXPECT_EQ(g.verschil, (TTijdRec{1, 0, 0})) << Toon(g.verschil);
  }
}

TEST(LeesKlembordGegevens, DifferenceWithoutSignIsWest) {
  std::vector<std::string> regels = KlembordRegels();
  regels[6] = "73W59";
  regels[9] = "  5:00  ";
  TKlembordGegevens g;
  ASSERT_TRUE(LeesKlembordGegevens(Samen(regels), g));
  EXPECT_EQ(g.verschil, (TTijdRec{-5, 0, 0})) << Toon(g.verschil);
  EXPECT_FLOAT_EQ(g.lengte, -73.59f);
}

TEST(LeesKlembordGegevens, PlaceNameIsCutTo35Characters) {
  std::vector<std::string> regels = KlembordRegels();
  std::string naam;
  for (int i = 0; i < 40; ++i) naam += "ü";
  regels[2] = naam;
  TKlembordGegevens g;
  ASSERT_TRUE(LeesKlembordGegevens(Samen(regels), g));
  EXPECT_EQ(g.plaats, naam.substr(0, 70));
}

TEST(LeesKlembordGegevens, EachFailingLineFails) {
  struct Geval {
    const char* naam;
    std::size_t regel;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {"date in day-month order", 0, "13/8/2004"},
      {"no date", 0, ""},
      {"time", 1, "25:00"},
      {"latitude", 5, "91N00"},
      {"longitude", 6, "181E00"},
      {"difference too large", 9, "14:00"},
      {"no difference", 9, "   "},
      {"two signs", 9, "--1:00"},
  };
  for (const Geval& g : gevallen) {
    std::vector<std::string> regels = KlembordRegels();
    regels[g.regel] = g.tekst;
    TKlembordGegevens gegevens;
    gegevens.plaats = "previous";
    EXPECT_FALSE(LeesKlembordGegevens(Samen(regels), gegevens)) << g.naam;
    EXPECT_EQ(gegevens.plaats, "previous") << g.naam << ": a failed paste changes nothing";
  }
}

TEST(LeesKlembordGegevens, MissingLinesFail) {
  std::vector<std::string> regels = KlembordRegels();
  regels.pop_back();   // no line 9
  std::string negen = Samen(regels);
  negen.pop_back();    // and no line break after line 8
  TKlembordGegevens g;
  EXPECT_FALSE(LeesKlembordGegevens(negen, g));
  EXPECT_FALSE(LeesKlembordGegevens("", g));
  // Without a final line break the last line still counts.
  std::string tekst = Samen(KlembordRegels());
  tekst.pop_back();
  EXPECT_TRUE(LeesKlembordGegevens(tekst, g));
}

}  // namespace
}  // namespace orvan
