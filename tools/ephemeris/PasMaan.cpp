#include "tools/ephemeris/PasMaan.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "astro/Rwplcalc.h"
#include "astro/WiskFies.h"
#include "tools/ephemeris/KleinsteKwadraten.h"
#include "tools/ephemeris/Monsters.h"

namespace orvan::efem {

namespace {

constexpr double JD50Verschil = 2433282.0;
constexpr double ParallaxGewicht = 0.04;   // a parallax arcsecond counts as 0.2" of position
constexpr int Kl = 4, Kl2 = 2, KF = 4, KD = 6;

struct TArg {
  int kl, kl2, kF, kD;
  bool operator==(const TArg&) const = default;
};

std::vector<TArg> Kandidaten() {
  std::vector<TArg> k;
  for (int kl = -Kl; kl <= Kl; ++kl)
    for (int kl2 = -Kl2; kl2 <= Kl2; ++kl2)
      for (int kF = -KF; kF <= KF; ++kF)
        for (int kD = -KD; kD <= KD; ++kD) {
          // One of each pair k, -k: the first non-zero multiplier is positive.
          const int eerste = kl ? kl : kl2 ? kl2 : kF ? kF : kD;
          if (eerste < 0) continue;
          k.push_back({kl, kl2, kF, kD});   // all zero: a constant parallax
        }
  return k;
}

struct TData {
  int n = 0;
  std::vector<double> rl, beta, rp;    // longitude residual, reference latitude (arcseconds), parallax residual
  std::vector<double> F, g, W, N, E;   // of the series
  std::vector<double> wq;              // square root of the weight
  // cos and sin of the multiples: [k * n + i]
  std::vector<double> cl, sl, cl2, sl2, cF, sF, cD, sD;

  void Argument(const TArg& a, int i, double& c, double& s) const {
    auto hoek = [&](const std::vector<double>& cv, const std::vector<double>& sv, int k, double& hc,
                    double& hs) {
      const std::size_t j = std::size_t(std::abs(k)) * n + i;
      hc = cv[j];
      hs = k < 0 ? -sv[j] : sv[j];
    };
    double c1, s1, c2, s2, c3, s3, c4, s4;
    hoek(cl, sl, a.kl, c1, s1);
    hoek(cl2, sl2, a.kl2, c2, s2);
    hoek(cF, sF, a.kF, c3, s3);
    hoek(cD, sD, a.kD, c4, s4);
    const double ca = c1 * c2 - s1 * s2, sa = s1 * c2 + c1 * s2;
    const double cb = c3 * c4 - s3 * s4, sb = s3 * c4 + c3 * s4;
    c = ca * cb - sa * sb;
    s = sa * cb + ca * sb;
  }
  double Factor(const TArg& a, int i) const {
    double f = 1;
    if (a.kl2 != 0) f *= E[i];
    if (a.kl2 == 2 || a.kl2 == -2) f *= E[i];
    if (a.kF == 0) f *= g[i] * g[i];
    return f;
  }
  // The latitude of the series (arcseconds) for latitude argument sum SS (arcseconds), and its
  // derivative by SS.
  double Breedte(int i, double SS, double& afgeleide) const {
    const double S = F[i] + SS / 3600.0 * GrRad;
    const double gi = g[i];
    afgeleide = (gi * W[i] * std::cos(S) - 3 * 0.000336992 * W[i] * gi * gi * gi * std::cos(3 * S)) *
                GrRad / 3600.0;
    return gi * W[i] * std::sin(S) - 0.000336992 * W[i] * gi * gi * gi * std::sin(3 * S) +
           (W[i] / 18519.7) * N[i];
  }
};

bool MaakData(TReferentie& ref, const std::vector<double>& jds, TData& d, std::string& fout) {
  TPlaCalculator model("/nonexistent/");
  model.ZetConstanten(THelConst{});
  d.n = static_cast<int>(jds.size());
  const int n = d.n;
  for (auto* v : {&d.rl, &d.beta, &d.rp, &d.F, &d.g, &d.W, &d.N, &d.E, &d.wq}) v->resize(n);
  d.cl.resize(std::size_t(Kl + 1) * n);
  d.sl.resize(d.cl.size());
  d.cl2.resize(std::size_t(Kl2 + 1) * n);
  d.sl2.resize(d.cl2.size());
  d.cF.resize(std::size_t(KF + 1) * n);
  d.sF.resize(d.cF.size());
  d.cD.resize(std::size_t(KD + 1) * n);
  d.sD.resize(d.cD.size());
  for (int i = 0; i < n; ++i) {
    const double jd = jds[i];
    double lengte, breedte, afstand, dpsi, eps;
    if (!ref.Schijnbaar(SE_MOON, jd, lengte, breedte, afstand, fout) || !ref.Nutatie(jd, dpsi, eps, fout))
      return false;
    const TMaanDelen m = model.MaanDelen(jd - JD50Verschil);
    d.rl[i] = Tussen180(lengte - dpsi - m.basisLengte) * 3600.0;
    d.beta[i] = breedte * 3600.0;
    d.rp[i] = 8.794 / afstand - 3422.451;
    d.F[i] = m.F;
    d.g[i] = m.g;
    d.W[i] = m.W;
    d.N[i] = m.N;
    d.E[i] = m.E;
    d.wq[i] = std::sqrt(FitGewicht(jd));
    auto vul = [&](std::vector<double>& c, std::vector<double>& s, int K, double hoek) {
      for (int k = 0; k <= K; ++k) {
        c[std::size_t(k) * n + i] = std::cos(k * hoek);
        s[std::size_t(k) * n + i] = std::sin(k * hoek);
      }
    };
    vul(d.cl, d.sl, Kl, m.l);
    vul(d.cl2, d.sl2, Kl2, m.l2);
    vul(d.cF, d.sF, KF, m.F);
    vul(d.cD, d.sD, KD, m.D);
  }
  return true;
}

// The current fit: the chosen arguments and their amplitudes, with the remaining residuals.
struct TFit {
  std::vector<TArg> t1, t2;
  Eigen::VectorXd Alon, AS, Apar, A2;
  std::vector<double> restL, restB, restP, afgeleide, SS;
};

void Herbereken(const TData& d, TFit& f, int gaussNewtonStappen) {
  const int n = d.n, p1 = static_cast<int>(f.t1.size()), p2 = static_cast<int>(f.t2.size());
  // Longitude (both tables) and parallax are linear.
  Eigen::MatrixXd XL(n, p1 + p2), XP(n, p1);
  Eigen::MatrixXd RL(n, 1), RP(n, 1);
  std::vector<double> sinF(std::size_t(n) * p1);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < p1; ++j) {
      double c, s;
      d.Argument(f.t1[j], i, c, s);
      const double fs = d.Factor(f.t1[j], i) * s;
      XL(i, j) = d.wq[i] * fs;
      XP(i, j) = d.wq[i] * c;
      sinF[std::size_t(j) * n + i] = fs;
    }
    for (int j = 0; j < p2; ++j) {
      double c, s;
      d.Argument(f.t2[j], i, c, s);
      XL(i, p1 + j) = d.wq[i] * s;
    }
    RL(i, 0) = d.wq[i] * d.rl[i];
    RP(i, 0) = d.wq[i] * d.rp[i];
  }
  const Eigen::MatrixXd BL = LosOp(XL, RL), BP = LosOp(XP, RP);
  f.Alon = BL.col(0).head(p1);
  f.A2 = BL.col(0).segment(p1, p2);
  f.Apar = BP.col(0);
  const Eigen::VectorXd rl = RL.col(0) - XL * BL.col(0), rp = RP.col(0) - XP * BP.col(0);
  f.restL.resize(n);
  f.restP.resize(n);
  for (int i = 0; i < n; ++i) {   // unweighted
    f.restL[i] = rl(i) / d.wq[i];
    f.restP[i] = rp(i) / d.wq[i];
  }
  // Latitude: Gauss-Newton steps for the amplitudes of the latitude argument.
  if (f.AS.size() != p1) {
    Eigen::VectorXd nieuw = Eigen::VectorXd::Zero(p1);
    nieuw.head(std::min<Eigen::Index>(p1, f.AS.size())) = f.AS.head(std::min<Eigen::Index>(p1, f.AS.size()));
    f.AS = nieuw;
  }
  f.restB.resize(n);
  f.afgeleide.resize(n);
  f.SS.resize(n);
  auto rest = [&]() {
    for (int i = 0; i < n; ++i) {
      double SS = 0;
      for (int j = 0; j < p1; ++j) SS += f.AS(j) * sinF[std::size_t(j) * n + i];
      f.SS[i] = SS;
      f.restB[i] = d.beta[i] - d.Breedte(i, SS, f.afgeleide[i]);
    }
  };
  rest();
  for (int stap = 0; stap < gaussNewtonStappen && p1 > 0; ++stap) {
    Eigen::MatrixXd J(n, p1), RB(n, 1);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < p1; ++j) J(i, j) = d.wq[i] * f.afgeleide[i] * sinF[std::size_t(j) * n + i];
      RB(i, 0) = d.wq[i] * f.restB[i];
    }
    f.AS += LosOp(J, RB).col(0);
    rest();
  }
}

void Statistiek(const TData& d, const TFit& f, const std::vector<double>& jds, std::ostream& log,
                const std::string& kop) {
  double s[3] = {}, m[3] = {}, sa[3] = {}, ma[3] = {};
  int n = 0;
  for (int i = 0; i < d.n; ++i) {
    const double r[3] = {f.restL[i], f.restB[i], f.restP[i]};
    const double jaar = JDInJaar(jds[i]);
    const bool modern = jaar >= 1800 && jaar <= 2200;
    n += modern;
    for (int j = 0; j < 3; ++j) {
      sa[j] += r[j] * r[j];
      ma[j] = std::max(ma[j], std::fabs(r[j]));
      if (modern) {
        s[j] += r[j] * r[j];
        m[j] = std::max(m[j], std::fabs(r[j]));
      }
    }
  }
  char buf[400];
  std::snprintf(buf, sizeof buf,
                "%s: 1800-2200 longitude rms %.3f\" max %.3f\", latitude rms %.3f\" max %.3f\", "
                "parallax rms %.3f\" max %.3f\"; all: longitude rms %.3f\" max %.3f\", latitude rms "
                "%.3f\" max %.3f\"\n",
                kop.c_str(), std::sqrt(s[0] / std::max(1, n)), m[0], std::sqrt(s[1] / std::max(1, n)), m[1],
                std::sqrt(s[2] / std::max(1, n)), m[2], std::sqrt(sa[0] / d.n), ma[0], std::sqrt(sa[1] / d.n), ma[1]);
  log << buf << std::flush;
}

}  // namespace

bool PasMaan(TReferentie& ref, const TPasInstellingen& inst, std::vector<TMaanTerm1>& tabel1,
             std::vector<TMaanTerm2>& tabel2, std::ostream& log, std::string& fout) {
  const std::vector<TArg> kandidaten = Kandidaten();
  log << "Moon: " << kandidaten.size() << " candidate arguments\n";
  const std::vector<double> selectie = FitMomenten(inst.selectieMomenten, inst.zaad + 1);
  TData d;
  if (!MaakData(ref, selectie, d, fout)) return false;
  TFit f;
  Herbereken(d, f, 1);
  Statistiek(d, f, selectie, log, "  without terms");
  std::vector<bool> genomen(kandidaten.size(), false);
  const int n = d.n;
  // Table 1: longitude, latitude and parallax; then table 2: longitude only.
  for (int fase = 1; fase <= 2; ++fase) {
    const int doel = fase == 1 ? AantalMaan1 : AantalMaan2;
    if (fase == 2) genomen.assign(kandidaten.size(), false);
    while (static_cast<int>((fase == 1 ? f.t1 : f.t2).size()) < doel) {
      double beste = -1;
      std::size_t besteK = 0;
      for (std::size_t k = 0; k < kandidaten.size(); ++k) {
        if (genomen[k]) continue;
        const TArg& a = kandidaten[k];
        if (fase == 2 && a.kl == 0 && a.kl2 == 0 && a.kF == 0 && a.kD == 0) continue;
        // Table 2 may repeat an argument of table 1: the pair then splits the term between the
        // factors E and g^2 of table 1 and none, and the new column is the difference of the two.
        const bool inTabel1 = fase == 2 && std::find(f.t1.begin(), f.t1.end(), a) != f.t1.end();
        if (fase == 2 && std::find(f.t2.begin(), f.t2.end(), a) != f.t2.end()) continue;
        double gl = 0, bl = 0, gb = 0, bb = 0, gp = 0, bp = 0;
        for (int i = 0; i < n; ++i) {
          double c, s;
          d.Argument(a, i, c, s);
          const double w = d.wq[i] * d.wq[i];
          const double fs = fase == 1 ? d.Factor(a, i) * s : inTabel1 ? (d.Factor(a, i) - 1.0) * s : s;
          gl += w * fs * fs;
          bl += w * fs * f.restL[i];
          if (fase == 1) {
            const double jb = f.afgeleide[i] * fs;
            gb += w * jb * jb;
            bb += w * jb * f.restB[i];
            gp += w * c * c;
            bp += w * c * f.restP[i];
          }
        }
        double winst = gl > 1e-9 ? bl * bl / gl : 0;
        if (fase == 1) {
          if (gb > 1e-9) winst += bb * bb / gb;
          if (gp > 1e-9) winst += ParallaxGewicht * bp * bp / gp;
        }
        if (winst > beste) {
          beste = winst;
          besteK = k;
        }
      }
      genomen[besteK] = true;
      (fase == 1 ? f.t1 : f.t2).push_back(kandidaten[besteK]);
      Herbereken(d, f, 1);
      const int aantal = static_cast<int>(f.t1.size() + f.t2.size());
      if (aantal % 10 == 0 || aantal == AantalMaan1 || aantal == AantalMaan1 + AantalMaan2)
        Statistiek(d, f, selectie, log, "  " + std::to_string(f.t1.size()) + " + " + std::to_string(f.t2.size()) + " terms");
    }
  }
  // The final fit on more moments.
  const std::vector<double> fit = FitMomenten(inst.fitMomenten, inst.zaad + 101);
  TData df;
  if (!MaakData(ref, fit, df, fout)) return false;
  Herbereken(df, f, 4);
  Statistiek(df, f, fit, log, "  final fit");
  tabel1.clear();
  for (std::size_t j = 0; j < f.t1.size(); ++j) {
    const TArg& a = f.t1[j];
    tabel1.push_back({static_cast<std::int8_t>(a.kl), static_cast<std::int8_t>(a.kl2),
                      static_cast<std::int8_t>(a.kF), static_cast<std::int8_t>(a.kD), f.Alon(j), f.AS(j),
                      f.Apar(j)});
  }
  tabel2.clear();
  for (std::size_t j = 0; j < f.t2.size(); ++j) {
    const TArg& a = f.t2[j];
    tabel2.push_back({f.A2(j), static_cast<std::int8_t>(a.kl), static_cast<std::int8_t>(a.kl2),
                      static_cast<std::int8_t>(a.kF), static_cast<std::int8_t>(a.kD)});
  }
  return true;
}

}  // namespace orvan::efem
