// The lunar series of the planet calculator: geocentric longitude, latitude and distance of the
// Moon, ecliptic and mean equinox of date, from the mean elements of the calculator's moment.

#include <algorithm>
#include <cmath>

#include "astro/Rwplcalc.h"
#include "astro/Veelvouden.h"
#include "astro/WiskFies.h"

namespace orvan {

namespace {

// The multiples of the four arguments of the series, and their integer combinations.
struct TMaanHoeken {
  TVeelvouden l, l2, F, D;
  // cos and sin of kl l + kl2 l' + kF F + kD D.
  void Argument(int kl, int kl2, int kF, int kD, double& c, double& s) const {
    double c1, s1, c2, s2;
    TVeelvouden::Product(l, kl, l2, kl2, c1, s1);
    TVeelvouden::Product(F, kF, D, kD, c2, s2);
    c = c1 * c2 - s1 * s2;
    s = s1 * c2 + c1 * s2;
  }
  double Sin(int kl, int kl2, int kF, int kD) const {
    double c, s;
    Argument(kl, kl2, kF, kD, c, s);
    return s;
  }
  double Cos(int kl, int kl2, int kF, int kD) const {
    double c, s;
    Argument(kl, kl2, kF, kD, c, s);
    return c;
  }
};

// Everything of the series that does not depend on the tables; `h` receives the multiples of the
// arguments up to K (at least 4, which the latitude terms need).
void VasteDelen(const TTijdstand& st, int K, TMaanDelen& d, TMaanHoeken& h) {
  const double Lm = st.el[1].L, Mm = st.el[1].M, Om = st.el[1].knoop;
  const double Le = st.el[0].L, Me = st.el[0].M;
  const double a = st.jdET + 18262.0;   // days since JD 2415020.0
  const double c = a * 1e-12, dd = a * a * 1e-16;
  d.a = a;
  // 1. Auxiliary angles (revolutions, then radians).
  const double A1 = TweePi * (0.53733431 - 10104982 * c + 191 * dd);
  const double A2 = TweePi * (0.71995354 - 147094228 * c + 43 * dd);
  const double A3 = TweePi * (0.14222222 + 1536238 * c);
  const double A4 = TweePi * (0.48398132 - 147269147 * c + 43 * dd);
  const double A5 = TweePi * (0.52453688 - 147162675 * c + 43 * dd);
  const double A6 = TweePi * (0.84536324 - 11459387 * c);
  const double A7 = TweePi * (0.23363774 + 1232723 * c + 191 * dd);
  const double A8 = TweePi * (0.5875 + 9050118 * c);
  const double A9 = TweePi * (0.61043085 - 67718733 * c);
  const double sA2 = std::sin(A2), sA3 = std::sin(A3), sA4 = std::sin(A4), sA6 = std::sin(A6);
  // 2. Additive terms (arcseconds) and the factor g.
  const double dL = 0.84 * sA3 + 0.31 * std::sin(A7) + 14.27 * std::sin(A1) + 7.261 * sA2 +
                    0.282 * sA4 + 0.237 * sA6;
  const double dl = -2.1 * sA3 - 2.076 * sA2 - 0.84 * sA4 - 0.593 * sA6;
  const double dOm = 0.63 * sA3 + 95.96 * sA2 + 15.58 * sA4 + 1.86 * std::sin(A5);
  const double dl2 = -6.4 * sA3 - 0.27 * std::sin(A8) - 1.89 * sA6 + 0.2 * std::sin(A9);
  d.g = 1.000002708 + 139.978 * (-4.318 * std::cos(A2) - 0.698 * std::cos(A4)) / 3600.0 / 360.0;
  // 3. Arguments.
  d.l = (Mm + (dL - dl) / 3600.0) * GrRad;
  d.l2 = (Me + dl2 / 3600.0) * GrRad;
  d.F = (Lm - Om + (dL - dOm) / 3600.0) * GrRad;
  d.D = (Lm + 180.0 - Le + (dL - dl2) / 3600.0) * GrRad;
  d.E = 1.0 - 6.832e-8 * a;
  // 6. Planetary terms (arcseconds).
  auto omw = [a](double fase, double snelheid) { return std::sin(TweePi * (fase + snelheid * a)); };
  const double P = 0.822 * omw(0.3248, -0.0017125594) + 0.307 * omw(0.14905, -0.0034251187) +
                   0.348 * omw(0.68266, -0.0006873156) + 0.662 * omw(0.65162, 0.0365724168) +
                   0.643 * omw(0.88098, -0.0025069941) + 1.137 * omw(0.85823, 0.036448727) +
                   0.436 * omw(0.71892, 0.036217918) + 0.327 * omw(0.97639, 0.000173491);
  d.basisLengte = Lm + (dL + P) / 3600.0;
  // 8. The parts of the latitude that do not depend on the tables (arcseconds), with H = F - 2D
  // and I = F - 4D.
  K = std::max(K, 4);
  h.l.Zet(d.l, K);
  h.l2.Zet(d.l2, K);
  h.F.Zet(d.F, K);
  h.D.Zet(d.D, K);
  d.N = -526.069 * h.Sin(0, 0, 1, -2) - 3.352 * h.Sin(0, 0, 1, -4) + 44.297 * h.Sin(1, 0, 1, -2) -
        6 * h.Sin(1, 0, 1, -4) + 20.599 * h.Sin(-1, 0, 1, 0) - 30.598 * h.Sin(-1, 0, 1, -2) -
        24.649 * h.Sin(-2, 0, 1, 0) - 2 * h.Sin(-2, 0, 1, -2) - 22.571 * h.Sin(0, 1, 1, -2) +
        10.985 * h.Sin(0, -1, 1, -2);
  const double G = -0.725 * h.Cos(0, 0, 0, 1) + 0.601 * h.Cos(0, 0, 0, 2) + 0.394 * h.Cos(0, 0, 0, 3) -
                   0.445 * h.Cos(1, 0, 0, 4) + 0.455 * h.Cos(1, 0, 0, 1) + 5.679 * h.Cos(2, 0, 0, -2) -
                   1.3 * h.Cos(3, 0, 0, 0) - 1.302 * h.Cos(0, 1, 0, 0) - 0.416 * h.Cos(0, 1, 0, -4) -
                   0.74 * h.Cos(0, 2, 0, -2) + 0.787 * h.Cos(1, 1, 0, 2) + 0.461 * h.Cos(1, 1, 0, 0) +
                   2.056 * h.Cos(1, 1, 0, -2) - 0.471 * h.Cos(1, 1, 0, -4) - 0.443 * h.Cos(-1, 1, 0, 2) +
                   0.679 * h.Cos(-1, 1, 0, 0) - 1.54 * h.Cos(-1, 1, 0, -2);
  d.W = 18519.7 + G;
}

}  // namespace

TMaanDelen TPlaCalculator::BerekenMaanDelen(const TTijdstand& st) {
  TMaanDelen d;
  TMaanHoeken h;
  VasteDelen(st, 4, d, h);
  return d;
}

TMaanPositie TPlaCalculator::BerekenMaan(const TTijdstand& st) const {
  TMaanDelen d;
  TMaanHoeken h;
  VasteDelen(st, maxKMaan_, d, h);
  // 4. Lunar table 1: longitude, latitude argument and parallax.
  const double g2 = d.g * d.g;
  double Slon = 0, SS = 0, Spar = 0;
  for (const TMaanTerm1& t : tabellen_.maan1) {
    double c, s;
    h.Argument(t.kl, t.kl2, t.kF, t.kD, c, s);
    double f = s;
    if (t.kl2 != 0) f *= d.E;
    if (t.kl2 == 2 || t.kl2 == -2) f *= d.E;
    if (t.kF == 0) f *= g2;
    Slon += t.Alon * f;
    SS += t.AS * f;
    Spar += t.Apar * c;
  }
  // 5. Lunar table 2: longitude.
  double Slon2 = 0;
  for (const TMaanTerm2& t : tabellen_.maan2) {
    double c, s;
    h.Argument(t.kl, t.kl2, t.kF, t.kD, c, s);
    Slon2 += t.A * s;
  }
  TMaanPositie m;
  // 7. Longitude.
  m.lengte = Norm360(d.basisLengte + (Slon + Slon2) / 3600.0);
  // 8. Latitude.
  const double S = d.F + SS / 3600.0 * GrRad;
  const double g = d.g;
  m.breedte = (g * d.W * std::sin(S) - 0.000336992 * d.W * g * g * g * std::sin(3 * S) +
               (d.W / 18519.7) * d.N) / 3600.0;
  // 9. Parallax and distance.
  const double parallax = 3422.451 + Spar;
  m.afstand = 8.794 / parallax;
  m.hoogte = m.afstand * SinG(m.breedte);
  return m;
}

}  // namespace orvan
