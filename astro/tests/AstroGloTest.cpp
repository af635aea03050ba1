// Object numbers and the angle primitives: the tables of objects, the reductions of angles, arcs,
// midpoints, sign distances, great-circle distances and the aspect search against the aspect table.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/AstroGlo.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"
#include "shell/Q4Instel.h"

namespace orvan {
namespace {

// Every test starts and ends with the default settings and an empty aspect table.
class AstroGloTest : public ::testing::Test {
 protected:
  void SetUp() override { HerstelInstellingen(); }
  void TearDown() override { HerstelInstellingen(); }

  // Rows 1.. of the aspect table: angle and orb.
  static void ZetTabel(const std::vector<std::pair<double, double>>& rijen) {
    WisAspekten();
    for (const auto& [hoek, orb] : rijen) {
      ++AantalAspekten;
      Aspekten[AantalAspekten].AspHoek = hoek;
      Aspekten[AantalAspekten].Orb = orb;
    }
  }
};

struct THoekGeval {
  const char* naam;
  double (*functie)(double);
  double x;
  double verwacht;
};

TEST(AngleReduction, Norm360AndNorm180) {
  const THoekGeval gevallen[] = {
      {"Norm360 of a tiny negative angle is just below 360", Norm360, -0.0001, 359.9999},
      {"Norm360(720)", Norm360, 720.0, 0.0},
      {"Norm360(-720)", Norm360, -720.0, 0.0},
      {"Norm360(360)", Norm360, 360.0, 0.0},
      {"Norm360(-90)", Norm360, -90.0, 270.0},
      {"Norm360(1000.5)", Norm360, 1000.5, 280.5},
      {"Norm180 keeps 180", Norm180, 180.0, 180.0},
      {"Norm180(-180) is 180", Norm180, -180.0, 180.0},
      {"Norm180(181)", Norm180, 181.0, -179.0},
      {"Norm180(540.25)", Norm180, 540.25, 180.0 + 0.25 - 360.0},
      {"Norm180(-0.5)", Norm180, -0.5, -0.5},
  };
  for (const auto& g : gevallen)
    EXPECT_NEAR(g.functie(g.x), g.verwacht, 1e-9) << g.naam << ": x = " << g.x;
  EXPECT_LT(Norm360(-1e-20), 360.0);
  EXPECT_GE(Norm360(-1e-20), 0.0);
}

TEST(AngleReduction, VerschilIsTheSignedDifferenceFromAToB) {
  struct {
    double a, b, verwacht;
  } const gevallen[] = {
      {10, 190, -180}, {190, 10, -180}, {350, 10, 20},     {10, 350, -20},
      {0, 179.999, 179.999}, {0, 180.001, -179.999}, {720, 45, 45}, {-30, 30, 60},
  };
  for (const auto& g : gevallen)
    EXPECT_NEAR(Verschil(g.a, g.b), g.verwacht, 1e-9) << "Verschil(" << g.a << ", " << g.b << ")";
  // Exact for small differences: no loss of the low digits through a detour past 180.
  EXPECT_EQ(Verschil(10.0, 10.0 + 1e-12), (10.0 + 1e-12) - 10.0);
}

TEST(AngleReduction, MidpuntFollowsTheArcForward) {
  struct {
    double p1, p2, verwacht;
  } const gevallen[] = {
      {350, 10, 0}, {10, 350, 180}, {0, 180, 90}, {180, 0, 270}, {10, 10, 10}, {359, 1, 0},
  };
  for (const auto& g : gevallen)
    EXPECT_NEAR(Midpunt(g.p1, g.p2), g.verwacht, 1e-9) << "Midpunt(" << g.p1 << ", " << g.p2 << ")";
}

TEST(AngleReduction, InBoogIncludesTheStartAndExcludesTheEnd) {
  struct {
    double x, van, tot;
    bool verwacht;
  } const gevallen[] = {
      {0, 350, 20, true},    {20, 350, 20, false}, {350, 350, 20, true}, {349.99, 350, 20, false},
      {5, 0, 10, true},      {10, 0, 10, false},   {0, 0, 10, true},     {10, 10, 10, false},
      {180, 90, 270, true},  {300, 90, 270, false},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(InBoog(g.x, g.van, g.tot), g.verwacht)
        << "InBoog(" << g.x << ", " << g.van << ", " << g.tot << ")";
}

TEST(AngleReduction, TekenAfstandCountsWholeSignsWithFifteenDegreesTolerance) {
  struct {
    double p1, p2;
    int verwacht;
  } const gevallen[] = {
      {0, 14.9, 0}, {0, 15, 1}, {0, 344.9, 11}, {0, 345, 0}, {350, 10, 1}, {10, 350, 11}, {100, 100, 0},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(TekenAfstand(g.p1, g.p2), g.verwacht) << "TekenAfstand(" << g.p1 << ", " << g.p2 << ")";
}

TEST(AngleReduction, HoekAfstandIsTheGreatCircleDistance) {
  struct {
    const char* naam;
    double l1, l2, b1, b2, verwacht;
  } const gevallen[] = {
      {"same point (cosine rounds beyond 1)", 123.4, 123.4, 5.3, 5.3, 0},
      {"opposite on the ecliptic", 0, 180, 0, 0, 180},
      {"antipodes off the ecliptic", 10, 190, 10, -10, 180},
      {"square", 0, 90, 0, 0, 90},
      {"pole and ecliptic", 0, 0, 90, 0, 90},
      {"latitude only", 50, 50, -3, 4, 7},
  };
  for (const auto& g : gevallen) {
    const double d = HoekAfstand(g.l1, g.l2, g.b1, g.b2);
    EXPECT_FALSE(std::isnan(d)) << g.naam;
    EXPECT_NEAR(d, g.verwacht, 1e-6) << g.naam;
  }
}

TEST(ObjectNumbers, DagelijkseBeweging) {
  struct {
    int object;
    bool metKuspen;
    float verwacht;
  } const gevallen[] = {
      {1, false, 1.0f},    {2, false, 12.0f}, {3, true, 2.0f},    {4, true, 1.7f},
      {5, true, 0.5f},     {6, true, 0.08f},  {7, true, 0.03f},   {8, true, 0.01f},
      {9, true, 0.006f},   {10, true, 0.004f}, {11, true, -0.2f}, {12, true, 0.1f},
      {13, true, 0.1f},    {14, true, 360.0f}, {14, false, 0.0f}, {25, true, 360.0f},
      {26, true, 0.0f},    {37, false, 0.0f},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(DagelijkseBeweging(g.object, g.metKuspen), g.verwacht) << "object " << g.object;
  for (int object : {0, -1, 38, 255}) {
    try {
      DagelijkseBeweging(object, true);
      ADD_FAILURE() << "object " << object << " was accepted";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), "Impossible object number") << "object " << object;
    }
  }
}

TEST_F(AstroGloTest, DoetMeeInAspektenFollowsTheCuspFlagForCusps2_3_11_12Only) {
  for (bool kuspen : {false, true}) {
    Instellingen.OokAspektenOpKuspen = kuspen;
    for (int object = -1; object <= 38; ++object) {
      bool verwacht = (object >= 1 && object <= 14) || object == 23;
      if (object == 15 || object == 16 || object == 24 || object == 25) verwacht = kuspen;
      EXPECT_EQ(DoetMeeInAspekten(object), verwacht)
          << "object " << object << " with aspects to cusps " << (kuspen ? "on" : "off");
    }
  }
}

TEST(ObjectNumbers, SelectionListsAndGroups) {
  const std::vector<int> metKuspen = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 23, 15, 16, 24, 25, 0};
  for (int i = 0; i <= 20; ++i) {
    EXPECT_EQ(AspektObjectMetKuspen(i), metKuspen[static_cast<std::size_t>(i)]) << "index " << i;
    EXPECT_EQ(AspektObject(i), i <= 15 ? metKuspen[static_cast<std::size_t>(i)] : 0) << "index " << i;
  }
  EXPECT_EQ(AspektObject(-1), 0);
  for (int object = 0; object <= 37; ++object) {
    const bool persoonlijk = (object >= 1 && object <= 5) || object == 14 || object == 23;
    EXPECT_EQ(IsPersoonlijk(object), persoonlijk) << "object " << object;
    EXPECT_EQ(IsTraag(object), object >= 6 && object <= 10) << "object " << object;
  }
}

struct TAspektGeval {
  const char* naam;
  std::vector<std::pair<double, double>> tabel;   // angle, orb
  bool eigenOrb;
  double lengte1, lengte2;
  int nummer;
  double afwijking;
};

TEST_F(AstroGloTest, ZoekAspekt) {
  const std::vector<std::pair<double, double>> standaard = {
      {0, 8}, {180, 8}, {120, 8}, {90, 8}, {60, 6}};
  const TAspektGeval gevallen[] = {
      {"square ahead", standaard, true, 10, 100, 4, 0},
      {"square behind", standaard, true, 100, 10, -4, 0},
      {"wider than exact is positive", standaard, true, 0, 95, 4, 5},
      {"closer than exact is negative", standaard, true, 0, 86, 4, -4},
      {"separation exactly angle + orb is none", standaard, true, 0, 98, 0, 0},
      {"across 0 degrees, ahead", {{20, 2}}, true, 350, 10, 1, 0},
      {"across 0 degrees, behind", {{20, 2}}, true, 10, 350, -1, 0},
      {"conjunction across 0 degrees", standaard, true, 358, 3, 1, 5},
      {"conjunction across 0 degrees, behind", standaard, true, 3, 358, -1, 5},
      {"opposition is positive", standaard, true, 0, 180, 2, 0},
      {"opposition from the other side", standaard, true, 180, 0, 2, 0},
      {"the first matching row wins", {{60, 6}, {72, 2}}, true, 0, 65, 1, 5},
      {"a later nearer row loses", {{60, 6}, {72, 8}}, true, 0, 65, 1, 5},
      {"the order of the table decides", {{72, 8}, {60, 6}}, true, 0, 65, 1, -7},
      {"uniform orb ignores the rows' orbs", standaard, false, 0, 95, 0, 0},
      {"uniform orb finds a close aspect", standaard, false, 0, 90.5, 4, 0.5},
      {"empty table", {}, true, 0, 0, 0, 0},
  };
  for (const auto& g : gevallen) {
    ZetTabel(g.tabel);
    Instellingen.TraOrb = 1.0;
    double afwijking = 1234.5;
    const int nummer = ZoekAspekt(g.eigenOrb, g.lengte1, g.lengte2, afwijking);
    EXPECT_EQ(nummer, g.nummer) << g.naam << ": " << g.lengte1 << " -> " << g.lengte2;
    if (g.nummer != 0)
      EXPECT_NEAR(afwijking, g.afwijking, 1e-9) << g.naam;
    else
      EXPECT_EQ(afwijking, 1234.5) << g.naam << ": the deviation is set only for an aspect";
  }
}

TEST_F(AstroGloTest, GrootsteOrb) {
  EXPECT_EQ(GrootsteOrb(), 0.0);
  ZetTabel({{0, 8}, {180, 10}, {30, 1.5}});
  EXPECT_EQ(GrootsteOrb(), 10.0);
  AantalAspekten = 1;   // rows beyond the count do not count
  EXPECT_EQ(GrootsteOrb(), 8.0);
}

}  // namespace
}  // namespace orvan
