// The angular-function solver on simple functions of x: the wrapped difference, the derivative
// across the 180-degree wrap, stationary points, bracketing of the next zero, Newton, and the
// bounds that end a solve that cannot converge on the best moment evaluated.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "horoscope/FunktBew.h"

namespace orvan {
namespace {

constexpr double Pi = 3.14159265358979323846;

double Wrap180(double x) {
  x = std::fmod(x, 360.0);
  if (x > 180.0) x -= 360.0;
  if (x <= -180.0) x += 360.0;
  return x;
}

TEST(HoekVerschilTest, WrapsIntoHalfOpenRange) {
  struct Geval {
    double a, b, verwacht;
  } gevallen[] = {{10, 20, 10}, {20, 10, -10}, {170, -170, 20}, {-170, 170, -20},
                  {0, 180, 180}, {180, 0, 180}, {0, -180, 180}, {359, 1, 2}};
  for (const auto& g : gevallen)
    EXPECT_DOUBLE_EQ(HoekVerschil(g.a, g.b), g.verwacht) << g.a << " -> " << g.b;
}

TEST(FunctionActionTest, DerivativeAcrossTheWrap) {
  // f = 10 x degrees wrapped: at x = 18 it jumps from 180 to -180, the derivative stays 10.
  FunctionAction fa([](double x) { return Wrap180(10.0 * x); });
  fa.H = 0.01;
  EXPECT_NEAR(fa.Afgeleide(18.0), 10.0, 1e-9);
  EXPECT_NEAR(fa.Afgeleide(3.0), 10.0, 1e-9);
}

TEST(FunctionActionTest, NewtonFindsNearestZeroInEitherDirection) {
  struct Geval {
    const char* naam;
    double x0, verwacht;
  } gevallen[] = {{"zero ahead", 1.0, 2.0}, {"zero behind", 3.5, 2.0},
                  {"through the wrap", 20.5, 38.0}};
  for (const auto& g : gevallen) {
    // f = 10 (x - 2) wrapped: zeros every 36 units.
    FunctionAction fa([](double x) { return Wrap180(10.0 * (x - 2.0)); });
    fa.H = 1e-3;
    fa.FTolerantie = 1e-9;
    const double x = fa.Los(false, g.x0);
    EXPECT_TRUE(fa.Ok) << g.naam;
    EXPECT_FALSE(fa.OpGrens) << g.naam;
    EXPECT_NEAR(x, g.verwacht, 1e-9) << g.naam << ": " << x;
  }
}

TEST(FunctionActionTest, StationaryPointOfParabola) {
  FunctionAction fa([](double x) { return 0.5 * (x - 7.3) * (x - 7.3) - 20.0; });
  fa.H = 0.01;
  fa.XTolerantie = 1e-9;
  fa.X = 0.0;
  const double r = fa.Stationair();
  EXPECT_NEAR(r, 7.3, 1e-6);
  // From f(0) = 6.645 down to -20.
  EXPECT_NEAR(fa.Afgelegd, -20.0 - (0.5 * 7.3 * 7.3 - 20.0), 1e-6);
  EXPECT_NEAR(fa.Verfijn(7.0), 7.3, 1e-6);
}

// An angle that swings back and forth: f = 150 sin(x) + 20 x - 100 in degrees, moving on overall but
// turning back. Bracketing finds the first zero after the start, not the nearest one.
TEST(FunctionActionTest, BracketingFindsFirstZeroAfterStartAcrossTurningPoints) {
  auto f = [](double x) { return Wrap180(150.0 * std::sin(x) + 20.0 * x - 100.0); };
  struct Geval {
    const char* naam;
    double x0;
  } gevallen[] = {{"before the first rise", 0.0}, {"on the way back", 2.5}, {"later", 7.0}};
  for (const auto& g : gevallen) {
    FunctionAction fa(f);
    fa.H = 1e-3;
    fa.FTolerantie = 1e-9;
    fa.XTolerantie = 1e-9;
    fa.SweepLimiet = 360;
    fa.MaxStap = 1.0;
    const double x = fa.Los(true, g.x0);
    ASSERT_TRUE(fa.Ok) << g.naam;
    EXPECT_NEAR(f(x), 0.0, 1e-8) << g.naam;
    EXPECT_GT(x, g.x0) << g.naam;
    // No sign change of the unwrapped function between the start and the zero found.
    double eerste = std::numeric_limits<double>::quiet_NaN();
    const double stap = 1e-4;
    for (double t = g.x0 + stap; t < x + 1.0; t += stap) {
      const double a = f(t - stap), b = f(t);
      if (((a <= 0 && b > 0) || (a >= 0 && b < 0)) && std::fabs(a - b) < 90) {
        eerste = t;
        break;
      }
    }
    EXPECT_NEAR(x, eerste, 2e-4) << g.naam;
  }
}

TEST(FunctionActionTest, BracketWithoutPersistenceFailsOnStartMoment) {
  // Never reaches zero: one segment, no bracket, ok false and the start returned.
  FunctionAction fa([](double x) { return 40.0 + 10.0 * std::sin(x); });
  fa.H = 1e-3;
  fa.Persistent = false;
  fa.SweepLimiet = 360;
  fa.FTolerantie = 1e-6;
  EXPECT_DOUBLE_EQ(fa.Los(true, 1.25), 1.25);
  EXPECT_FALSE(fa.Ok);
  EXPECT_FALSE(fa.OpGrens);
}

// Searches that cannot converge end on their bound with the best moment evaluated.
TEST(FunctionActionTest, UnreachableZeroEndsOnBoundWithBestMoment) {
  // Minimum 5 degrees at x = 3 pi / 2 (mod 2 pi); Newton stalls at the minimum.
  auto f = [](double x) { return 10.0 + 5.0 * std::sin(x); };
  {
    FunctionAction fa(f);
    fa.H = 1e-3;
    fa.FTolerantie = 1e-6;
    const double x = fa.Los(false, 4.0);
    EXPECT_FALSE(fa.Ok);
    EXPECT_TRUE(fa.OpGrens);
    EXPECT_NEAR(std::remainder(x - 1.5 * Pi, 2 * Pi), 0.0, 1e-3) << x;
  }
  {
    // Bracketing, persistent: the sweeps never find a zero.
    FunctionAction fa(f);
    fa.H = 1e-2;
    fa.FTolerantie = 1e-6;
    fa.XTolerantie = 1e-6;
    fa.SweepLimiet = 360;
    const double x = fa.Los(true, 0.0);
    EXPECT_FALSE(fa.Ok);
    EXPECT_TRUE(fa.OpGrens);
    EXPECT_NEAR(f(x), 5.0, 1e-3) << x;
  }
}

TEST(FunctionActionTest, ConstantAndFailingObjectivesEndOnBound) {
  {
    FunctionAction fa([](double) { return 12.0; });
    const double x = fa.Los(false, 3.0);
    EXPECT_FALSE(fa.Ok);
    EXPECT_TRUE(fa.OpGrens);
    EXPECT_DOUBLE_EQ(x, 3.0);
  }
  {
    // Finite near the start, NaN from x = 3.2 on: the solve stops at once on the best moment.
    int aanroepen = 0;
    FunctionAction fa([&aanroepen](double x) {
      ++aanroepen;
      return x < 3.2 ? 10.0 * (x - 5.0) : std::numeric_limits<double>::quiet_NaN();
    });
    fa.H = 1e-3;
    fa.FTolerantie = 1e-9;
    const double x = fa.Los(false, 3.0);
    EXPECT_FALSE(fa.Ok);
    EXPECT_TRUE(fa.OpGrens);
    EXPECT_LT(x, 3.2);
    EXPECT_LT(aanroepen, 100);
  }
  {
    FunctionAction fa;   // no objective at all
    EXPECT_DOUBLE_EQ(fa.Los(true, 2.0), 2.0);
    EXPECT_FALSE(fa.Ok);
  }
}

}  // namespace
}  // namespace orvan
