#include "tools/ephemeris/PasPlaneet.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "astro/Rwplcalc.h"
#include "astro/WiskFies.h"
#include "tools/ephemeris/KleinsteKwadraten.h"
#include "tools/ephemeris/Monsters.h"

namespace orvan::efem {

namespace {

constexpr double JD50Verschil = 2433282.0;
constexpr double LogREenheid = 4.7494e-4;   // arcseconds of position per 1e-9 in log10 r (ln 10 * 1e-9 rad)

// The arguments of a body: per perturbing planet its row of mean longitudes and the multipliers.
struct TGroep {
  int idx;
  int k1max;
  int k2max;
  bool eigen;   // the body's own mean longitude: only the slow combinations k1 * (lambda - M) + j M
};

// The body's own rows minus its mean anomaly change by only a few degrees over the fitted span
// (their rates differ from the anomaly's by 0.001 to 0.004 degrees a year). Their multiples
// k1 (lambda - M), up to this one, form the slow, secular part of the residual: the drift of the
// fixed mean elements against the reference and the long-period inequalities of many periods.
constexpr int SeculaireVeelvouden = 120;

std::vector<TGroep> Groepen(int set) {
  switch (set) {
    case 0:   // the Earth: Venus, Mars, Jupiter, Saturn, Mercury, Uranus, Neptune; own rows 5, 9, 13
      return {{0, 8, 15, false}, {1, 6, 10, false}, {2, 4, 6, false},  {3, 3, 4, false},
              {8, 3, 4, false},  {18, 2, 3, false}, {19, 2, 3, false}, {13, 2, 2, true},
              {5, 2, 2, true},   {9, 2, 2, true}};
    case 2:   // Mercury: Venus, Earth, Mars, Jupiter, Saturn, Uranus; own row 8
      return {{4, 6, 8, false}, {5, 5, 6, false},  {10, 3, 4, false}, {6, 4, 5, false},
              {7, 2, 3, false}, {18, 1, 2, false}, {8, 2, 2, true}};
    case 3:   // Venus: Mercury, Earth, Mars, Jupiter, Saturn, Uranus; own rows 0, 4, 12
      return {{8, 3, 4, false},  {9, 8, 13, false}, {10, 4, 6, false}, {11, 4, 5, false},
              {15, 2, 3, false}, {18, 1, 2, false}, {0, 2, 2, true},   {4, 2, 2, true},
              {12, 2, 2, true}};
    default:  // Mars: Venus, Earth, Jupiter, Saturn, Mercury, Uranus, Neptune; own rows 1, 10
      return {{12, 4, 6, false}, {13, 9, 17, false}, {14, 5, 8, false}, {15, 3, 5, false},
              {8, 2, 3, false},  {18, 2, 3, false},  {19, 1, 2, false}, {1, 2, 2, true},
              {10, 2, 2, true}};
  }
}

struct TKandidaat {
  int k1, k2, idx;
  bool seculair = false;   // k1 (lambda[idx] - M), computed directly
};

std::vector<TKandidaat> Kandidaten(int set, int harmonischen) {
  std::vector<TKandidaat> k;
  const auto groepen = Groepen(set);
  for (int k2 = 0; k2 <= harmonischen; ++k2) k.push_back({0, k2, groepen[0].idx});
  for (const TGroep& g : groepen) {
    for (int k1 = 1; k1 <= g.k1max; ++k1) {
      if (g.eigen) {
        for (int k2 = -k1 - g.k2max; k2 <= -k1 + g.k2max; ++k2) k.push_back({k1, k2, g.idx});
      } else {
        for (int k2 = -g.k2max; k2 <= g.k2max; ++k2) k.push_back({k1, k2, g.idx});
      }
    }
    if (g.eigen)
      for (int k1 = g.k1max + 1; k1 <= SeculaireVeelvouden; ++k1) k.push_back({k1, -k1, g.idx, true});
  }
  return k;
}

// The reference and the model without terms at a set of moments, with the cosines and sines of the
// multiples of every argument.
struct TData {
  int n = 0;
  std::vector<double> rl, rr;   // residual in longitude (arcseconds) and log10 r (1e-9)
  std::vector<double> wq;       // square root of the weight
  int kM = 0;
  std::vector<double> cM, sM;                        // [k * n + i]
  std::vector<int> kL;                               // per row, the largest multiplier
  std::vector<std::vector<double>> cL, sL;           // per row [k * n + i]
  std::vector<std::vector<double>> traag;            // per row lambda - M (radians), [i]

  void Argument(const TKandidaat& k, int i, double& c, double& s) const {
    if (k.seculair) {
      const double hoek = k.k1 * traag[k.idx][i];
      c = std::cos(hoek);
      s = std::sin(hoek);
      return;
    }
    const double ca = cL[k.idx].empty() ? 1.0 : cL[k.idx][std::size_t(k.k1) * n + i];
    const double sa = cL[k.idx].empty() ? 0.0 : sL[k.idx][std::size_t(k.k1) * n + i];
    const int a2 = std::abs(k.k2);
    const double cb = cM[std::size_t(a2) * n + i];
    const double sb = k.k2 < 0 ? -sM[std::size_t(a2) * n + i] : sM[std::size_t(a2) * n + i];
    c = ca * cb - sa * sb;
    s = sa * cb + ca * sb;
  }
};

bool MaakData(TReferentie& ref, TPlaCalculator& model, int set, const std::vector<double>& jds,
              const std::vector<TKandidaat>& kandidaten, TData& d, std::string& fout) {
  const int ipl[5] = {SE_EARTH, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS};
  d.n = static_cast<int>(jds.size());
  d.rl.resize(d.n);
  d.rr.resize(d.n);
  d.wq.resize(d.n);
  d.kM = 0;
  d.kL.assign(AantalGemLengtes, 0);
  d.traag.assign(AantalGemLengtes, {});
  for (const auto& k : kandidaten) {
    if (k.seculair) {
      d.traag[k.idx].resize(d.n);
      continue;
    }
    d.kM = std::max(d.kM, std::abs(k.k2));
    d.kL[k.idx] = std::max(d.kL[k.idx], k.k1);
  }
  d.cM.assign(std::size_t(d.kM + 1) * d.n, 0);
  d.sM.assign(std::size_t(d.kM + 1) * d.n, 0);
  d.cL.assign(AantalGemLengtes, {});
  d.sL.assign(AantalGemLengtes, {});
  for (int r = 0; r < AantalGemLengtes; ++r) {
    if (d.kL[r] == 0) continue;
    d.cL[r].assign(std::size_t(d.kL[r] + 1) * d.n, 0);
    d.sL[r].assign(std::size_t(d.kL[r] + 1) * d.n, 0);
  }
  for (int i = 0; i < d.n; ++i) {
    const double jd = jds[i];
    double lengte, breedte, straal, z;
    const bool ok = set == 0 ? ref.AardeHelio(jd, lengte, breedte, straal, fout)
                             : ref.Helio(ipl[set], jd, lengte, breedte, straal, z, fout);
    if (!ok) return false;
    const THelioPositie p = model.Heliocentrisch(set, jd - JD50Verschil);
    d.rl[i] = Tussen180(lengte - p.lengte) * 3600.0;
    d.rr[i] = std::log10(straal / p.straal) * 1e9;
    d.wq[i] = std::sqrt(FitGewicht(jd));
    const TTijdstand& st = model.Tijdstand(jd - JD50Verschil);
    auto vul = [&](std::vector<double>& c, std::vector<double>& s, int K, double hoek) {
      for (int k = 0; k <= K; ++k) {
        c[std::size_t(k) * d.n + i] = std::cos(k * hoek);
        s[std::size_t(k) * d.n + i] = std::sin(k * hoek);
      }
    };
    vul(d.cM, d.sM, d.kM, p.M * GrRad);
    for (int r = 0; r < AantalGemLengtes; ++r) {
      if (d.kL[r] > 0) vul(d.cL[r], d.sL[r], d.kL[r], st.gemLengte[r] * GrRad);
      if (!d.traag[r].empty()) d.traag[r][i] = Tussen180(st.gemLengte[r] - p.M) * GrRad;
    }
  }
  return true;
}

// Least squares of both residuals on the chosen arguments; returns the coefficients (cos, sin per
// argument; column 0 longitude, column 1 log r) and leaves the remaining residuals in `rest`.
Eigen::MatrixXd Fit(const TData& d, const std::vector<TKandidaat>& gekozen, Eigen::MatrixXd& rest) {
  const int p = static_cast<int>(gekozen.size());
  Eigen::MatrixXd X(d.n, 2 * p);
  Eigen::MatrixXd R(d.n, 2);
  for (int i = 0; i < d.n; ++i) {
    for (int j = 0; j < p; ++j) {
      double c, s;
      d.Argument(gekozen[j], i, c, s);
      X(i, 2 * j) = d.wq[i] * c;
      X(i, 2 * j + 1) = d.wq[i] * s;
    }
    R(i, 0) = d.wq[i] * d.rl[i];
    R(i, 1) = d.wq[i] * d.rr[i];
  }
  const Eigen::MatrixXd B = LosOp(X, R);
  rest = R - X * B;   // weighted
  return B;
}

void Statistiek(const Eigen::MatrixXd& gewogen, const TData& d, const std::vector<double>& jds,
                std::ostream& log, const char* kop) {
  Eigen::MatrixXd rest = gewogen;
  for (int i = 0; i < rest.rows(); ++i) rest.row(i) /= d.wq[i];
  double som[2] = {0, 0}, max[2] = {0, 0};
  int n = 0;
  for (int i = 0; i < rest.rows(); ++i) {
    const double jaar = JDInJaar(jds[i]);
    if (jaar < 1800 || jaar > 2200) continue;
    ++n;
    for (int j = 0; j < 2; ++j) {
      som[j] += rest(i, j) * rest(i, j);
      max[j] = std::max(max[j], std::fabs(rest(i, j)));
    }
  }
  double somAl[2] = {0, 0}, maxAl[2] = {0, 0};
  for (int i = 0; i < rest.rows(); ++i)
    for (int j = 0; j < 2; ++j) {
      somAl[j] += rest(i, j) * rest(i, j);
      maxAl[j] = std::max(maxAl[j], std::fabs(rest(i, j)));
    }
  char buf[300];
  std::snprintf(buf, sizeof buf,
                "%s: 1800-2200 longitude rms %.3f\" max %.3f\", log r rms %.0f max %.0f; "
                "all moments longitude rms %.3f\" max %.3f\", log r rms %.0f max %.0f\n",
                kop, std::sqrt(som[0] / std::max(1, n)), max[0], std::sqrt(som[1] / std::max(1, n)),
                max[1], std::sqrt(somAl[0] / rest.rows()), maxAl[0], std::sqrt(somAl[1] / rest.rows()),
                maxAl[1]);
  log << buf << std::flush;
}

}  // namespace

bool PasPlaneet(TReferentie& ref, int set, int aantal, const TPasInstellingen& inst,
                std::vector<TStoringsTerm>& termen, std::ostream& log, std::string& fout) {
  TPlaCalculator model("/nonexistent/");
  model.ZetConstanten(THelConst{});   // the Kepler solution with its fixed corrections only
  const std::vector<TKandidaat> kandidaten = Kandidaten(set, set == 2 ? 6 : 4);
  log << "set " << set << ": " << kandidaten.size() << " candidate arguments\n";

  const std::vector<double> selectie = FitMomenten(inst.selectieMomenten, inst.zaad + set);
  TData d;
  if (!MaakData(ref, model, set, selectie, kandidaten, d, fout)) return false;

  std::vector<TKandidaat> gekozen;
  std::vector<bool> genomen(kandidaten.size(), false);
  Eigen::MatrixXd rest(d.n, 2);
  for (int i = 0; i < d.n; ++i) {
    rest(i, 0) = d.wq[i] * d.rl[i];
    rest(i, 1) = d.wq[i] * d.rr[i];
  }
  Statistiek(rest, d, selectie, log, "  without terms");
  while (static_cast<int>(gekozen.size()) < aantal) {
    // The argument whose two columns take most from the remaining residuals.
    double beste = -1;
    std::size_t besteK = 0;
    for (std::size_t k = 0; k < kandidaten.size(); ++k) {
      if (genomen[k]) continue;
      double cc = 0, cs = 0, ss = 0, cl = 0, sl = 0, cr = 0, sr = 0;
      for (int i = 0; i < d.n; ++i) {
        double c, s;
        d.Argument(kandidaten[k], i, c, s);
        c *= d.wq[i];
        s *= d.wq[i];
        cc += c * c;
        cs += c * s;
        ss += s * s;
        cl += c * rest(i, 0);
        sl += s * rest(i, 0);
        cr += c * rest(i, 1);
        sr += s * rest(i, 1);
      }
      double winst;
      const double det = cc * ss - cs * cs;
      if (det <= 1e-9 * cc * ss || ss < 1e-9 * d.n) {   // the constant argument has no sine
        winst = (cl * cl + LogREenheid * LogREenheid * cr * cr) / cc;
      } else {
        auto kwadraat = [&](double b1, double b2) { return (ss * b1 * b1 - 2 * cs * b1 * b2 + cc * b2 * b2) / det; };
        winst = kwadraat(cl, sl) + LogREenheid * LogREenheid * kwadraat(cr, sr);
      }
      if (winst > beste) {
        beste = winst;
        besteK = k;
      }
    }
    genomen[besteK] = true;
    gekozen.push_back(kandidaten[besteK]);
    Fit(d, gekozen, rest);
    if (gekozen.size() % 10 == 0 || static_cast<int>(gekozen.size()) == aantal)
      Statistiek(rest, d, selectie, log, ("  " + std::to_string(gekozen.size()) + " terms").c_str());
  }

  // The final fit of the chosen arguments on more moments.
  const std::vector<double> fit = FitMomenten(inst.fitMomenten, inst.zaad + 100 + set);
  TData df;
  if (!MaakData(ref, model, set, fit, kandidaten, df, fout)) return false;
  Eigen::MatrixXd restFit;
  const Eigen::MatrixXd B = Fit(df, gekozen, restFit);
  Statistiek(restFit, df, fit, log, "  final fit");
  for (int i = 0; i < restFit.rows(); ++i) restFit.row(i) /= df.wq[i];
  termen.clear();
  for (std::size_t j = 0; j < gekozen.size(); ++j) {
    TStoringsTerm t;
    t.k1 = static_cast<std::int8_t>(gekozen[j].k1);
    t.k2 = static_cast<std::int8_t>(gekozen[j].k2);
    t.idx = static_cast<std::uint8_t>(gekozen[j].idx);
    // a cos(arg) + b sin(arg) = A cos(B - arg) with A cos B = a, A sin B = b.
    t.A = std::hypot(B(2 * j, 0), B(2 * j + 1, 0));
    t.B = Norm360(RadGr * std::atan2(B(2 * j + 1, 0), B(2 * j, 0)));
    t.C = static_cast<std::int32_t>(std::lround(std::hypot(B(2 * j, 1), B(2 * j + 1, 1))));
    t.D = Norm360(RadGr * std::atan2(B(2 * j + 1, 1), B(2 * j, 1)));
    termen.push_back(t);
  }
  // Strongest first, as a reader expects.
  std::stable_sort(termen.begin(), termen.end(), [](const TStoringsTerm& a, const TStoringsTerm& b) {
    return a.A + LogREenheid * a.C > b.A + LogREenheid * b.C;
  });
  return true;
}

}  // namespace orvan::efem
