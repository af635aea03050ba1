#include "horoscope/FunktBew.h"

#include <cmath>
#include <limits>

#include "astro/WiskFies.h"

namespace orvan {

double HoekVerschil(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

double FunctionAction::Waarde(double x) {
  return Objective ? Objective(x) : std::numeric_limits<double>::quiet_NaN();
}

double FunctionAction::F(double x) {
  const double y = Waarde(x);
  if (!std::isfinite(y)) {
    gestopt_ = true;
    return y;
  }
  if (!heeftBeste_ || std::fabs(y) < besteF_) {
    besteX_ = x;
    besteF_ = std::fabs(y);
    heeftBeste_ = true;
  }
  return y;
}

double FunctionAction::Afgeleide(double x) {
  return HoekVerschil(F(x - H), F(x + H)) / (2.0 * H);
}

double FunctionAction::Verfijn(double x) {
  const double start = x;
  double a = 1.0;
  for (int i = 1; i <= MaxVerfijnStappen && !gestopt_; ++i) {
    if (i >= 11) a /= 2.0;
    const double y0 = F(x);
    const double yp = F(x + a * H);
    const double ym = F(x - a * H);
    // Differences taken across the +-180 wrap, so a stationary point near 180 degrees refines too.
    const double dp = HoekVerschil(y0, yp);
    const double dm = HoekVerschil(y0, ym);
    const double c = dp + dm;
    double nieuw;
    if (c == 0.0) {
      a *= 3.0;
      nieuw = x + H;
    } else {
      nieuw = x - a * H * (dp - dm) / 2.0 / c;
    }
    const bool klaar = std::fabs(nieuw - x) < XTolerantie;
    x = nieuw;
    if (klaar) return x;
  }
  // No convergence: the turning point lies within the step around the starting point.
  return start;
}

double FunctionAction::Stationair() {
  Afgelegd = 0;
  const double s = 100.0 * H * Richting;
  const double x = X;
  double vorigF = F(x);
  double vorigG = Afgeleide(x);
  for (int i = 1; i <= MaxSweepStappen && !gestopt_; ++i) {
    const double xi = x + i * s;
    const double gi = Afgeleide(xi);
    const double fi = F(xi);
    Afgelegd += HoekVerschil(vorigF, fi);
    if (SweepLimiet > 0 && std::fabs(Afgelegd) > SweepLimiet) return xi;
    if (gi * vorigG < 0) {
      const double r = Verfijn(x + (i - 0.5) * s);
      Afgelegd += HoekVerschil(fi, F(r));
      return r;
    }
    vorigF = fi;
    vorigG = gi;
  }
  gestopt_ = true;
  return x;
}

void FunctionAction::Omsluit() {
  bool gevonden = false;
  const int segmenten = Persistent ? 3 : 1;
  int sweeps = 0;
  do {
    if (++sweeps > MaxSweeps) {
      gestopt_ = true;
      return;
    }
    double xv = X;
    double yv = F(xv);
    for (int i = 1; i <= segmenten; ++i) {
      const double xi = Stationair();
      if (gestopt_) return;
      const double yi = F(xi);
      X = xi + Richting * H;
      const double t = Norm360(yv);
      const double u = t + Afgelegd;
      if (u > 360.0 || u < 0.0) {
        const double doel = u > 360.0 ? 360.0 : 0.0;
        X = xv + (doel - t) * (xi - xv) / Afgelegd;
        gevonden = true;
        break;
      }
      xv = xi;
      yv = yi;
    }
  } while (!gevonden && Persistent && !gestopt_);
  if (!Persistent) Ok = gevonden;
}

double FunctionAction::Los(bool omsluiten, double x0) {
  Ok = true;
  OpGrens = false;
  gestopt_ = false;
  heeftBeste_ = false;
  X = x0;
  if (omsluiten) Omsluit();
  if (Ok && !gestopt_) {
    double y = F(X);
    for (int stap = 0; !gestopt_ && !(std::fabs(y) < FTolerantie); ++stap) {
      if (stap >= MaxNewtonStappen) {
        gestopt_ = true;
        break;
      }
      double g = Afgeleide(X);
      const double h0 = H;
      for (int k = 0; g == 0.0 && k < MaxStapVerdubbelingen && !gestopt_; ++k) {
        H *= 2.0;
        g = Afgeleide(X);
      }
      H = h0;
      if (g == 0.0 || gestopt_) {
        gestopt_ = true;
        break;
      }
      double a = 1.0;
      bool aanvaard = false;
      for (int k = 0; k <= MaxDempingen && !aanvaard && !gestopt_; ++k) {
        const double nieuw = X - a * y / g;
        if (!(omsluiten && MaxStap > 0 && std::fabs(nieuw - X) > MaxStap)) {
          const double yn = F(nieuw);
          if (std::fabs(yn) < std::fabs(y) || (yn == 0.0 && y == 0.0)) {
            X = nieuw;
            y = yn;
            aanvaard = true;
          }
        }
        a /= 2.0;
      }
      if (!aanvaard) gestopt_ = true;
    }
  }
  if (gestopt_) {
    Ok = false;
    OpGrens = true;
    X = heeftBeste_ ? besteX_ : x0;
    return X;
  }
  return Ok ? X : x0;
}

}  // namespace orvan
