#include "tools/ephemeris/ChironBaan.h"

#include <swephexp.h>

#include <cmath>
#include <map>

namespace orvan::efem {

namespace {

constexpr double K2 = 0.01720209895 * 0.01720209895;   // Gaussian gravitational constant squared

struct TLichaam {
  int ipl;
  double gm;   // AU^3 / day^2
};

// The Sun and the bodies whose pull on Chiron counts, with the mass ratios of DE431.
const TLichaam Lichamen[] = {
    {SE_SUN, K2},
    {SE_MERCURY, K2 / 6023597.4},
    {SE_VENUS, K2 / 408523.72},
    {SE_EARTH, K2 / 332946.0487},
    {SE_MOON, K2 / 332946.0487 / 81.30056907},
    {SE_MARS, K2 / 3098703.6},
    {SE_JUPITER, K2 / 1047.348644},
    {SE_SATURN, K2 / 3497.9018},
    {SE_URANUS, K2 / 22902.98},
    {SE_NEPTUNE, K2 / 19412.26},
    {SE_PLUTO, K2 / 135836683.8},
};
constexpr int AantalLichamen = sizeof(Lichamen) / sizeof(Lichamen[0]);

constexpr int BaryJ2000 = SEFLG_BARYCTR | SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS | SEFLG_NONUT |
                          SEFLG_NOABERR | SEFLG_NOGDEFL;

TVector Min(const TVector& a, const TVector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
TVector Kruis(const TVector& a, const TVector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Lengte(const TVector& a) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }
TVector Eenheid(const TVector& a) {
  const double l = Lengte(a);
  return {a[0] / l, a[1] / l, a[2] / l};
}

// The barycentric positions of the bodies, kept per JD (the integration asks each time twice).
class TPlaneten {
 public:
  explicit TPlaneten(TReferentie& ref) : ref_(ref) {}
  bool Op(double jd, const std::array<TVector, AantalLichamen>*& posities, std::string& fout) {
    auto it = cache_.find(jd);
    if (it == cache_.end()) {
      std::array<TVector, AantalLichamen> p;
      for (int k = 0; k < AantalLichamen; ++k) {
        double x[6];
        if (!ref_.Bereken(Lichamen[k].ipl, jd, BaryJ2000, x, fout)) return false;
        p[k] = {x[0], x[1], x[2]};
      }
      if (cache_.size() > 8) cache_.erase(cache_.begin(), std::next(cache_.begin(), 4));
      it = cache_.emplace(jd, p).first;
    }
    posities = &it->second;
    return true;
  }

 private:
  TReferentie& ref_;
  std::map<double, std::array<TVector, AantalLichamen>> cache_;
};

bool Versnelling(TPlaneten& planeten, double jd, const TVector& x, TVector& a, std::string& fout) {
  const std::array<TVector, AantalLichamen>* p = nullptr;
  if (!planeten.Op(jd, p, fout)) return false;
  a = {0, 0, 0};
  for (int k = 0; k < AantalLichamen; ++k) {
    const TVector d = Min((*p)[k], x);
    const double r = Lengte(d);
    const double f = Lichamen[k].gm / (r * r * r);
    for (int j = 0; j < 3; ++j) a[j] += f * d[j];
  }
  return true;
}

}  // namespace

bool NaarDatum(TReferentie& ref, double jd, const TVector& h, double& lengte, double& straal, double& z,
               std::string& fout) {
  // Two heliocentric directions known in both frames give the rotation between them.
  constexpr int HelioJ2000 = SEFLG_HELCTR | SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS | SEFLG_NONUT |
                             SEFLG_NOABERR | SEFLG_NOGDEFL;
  constexpr int HelioDatum = SEFLG_HELCTR | SEFLG_XYZ | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR |
                             SEFLG_NOGDEFL;
  TVector a[2], b[2];
  for (int f = 0; f < 2; ++f) {
    double x[6];
    if (!ref.Bereken(SE_JUPITER, jd, f == 0 ? HelioJ2000 : HelioDatum, x, fout)) return false;
    a[f] = {x[0], x[1], x[2]};
    if (!ref.Bereken(SE_SATURN, jd, f == 0 ? HelioJ2000 : HelioDatum, x, fout)) return false;
    b[f] = {x[0], x[1], x[2]};
  }
  TVector basis[2][3];
  for (int f = 0; f < 2; ++f) {
    basis[f][0] = Eenheid(a[f]);
    basis[f][1] = Eenheid(Kruis(a[f], b[f]));
    basis[f][2] = Kruis(basis[f][0], basis[f][1]);
  }
  // Components of h in the J2000 triad, rebuilt with the triad of date.
  TVector d{0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    const double c = h[0] * basis[0][k][0] + h[1] * basis[0][k][1] + h[2] * basis[0][k][2];
    for (int j = 0; j < 3; ++j) d[j] += c * basis[1][k][j];
  }
  straal = Lengte(d);
  z = d[2];
  lengte = std::atan2(d[1], d[0]) * 180.0 / M_PI;
  if (lengte < 0) lengte += 360.0;
  return true;
}

bool IntegreerChiron(TReferentie& ref, double jdStart, double jdEind, double stap,
                     const std::function<void(double, double, double, double)>& uitvoer, std::string& fout) {
  double s[6];
  if (!ref.Bereken(SE_CHIRON, jdStart, BaryJ2000, s, fout)) return false;
  TVector x{s[0], s[1], s[2]}, v{s[3], s[4], s[5]};
  TPlaneten planeten(ref);
  const double h = jdEind >= jdStart ? std::fabs(stap) : -std::fabs(stap);
  const long stappen = static_cast<long>(std::floor(std::fabs(jdEind - jdStart) / std::fabs(stap)));
  const long perUitvoer = static_cast<long>(std::lround(80.0 / std::fabs(stap)));
  auto geef = [&](double jd) {
    const std::array<TVector, AantalLichamen>* p = nullptr;
    if (!planeten.Op(jd, p, fout)) return false;
    double lengte, straal, z;
    if (!NaarDatum(ref, jd, Min(x, (*p)[0]), lengte, straal, z, fout)) return false;
    uitvoer(jd, lengte, straal, z);
    return true;
  };
  if (!geef(jdStart)) return false;
  for (long n = 1; n <= stappen; ++n) {
    const double t = jdStart + (n - 1) * h;
    // Classical Runge-Kutta of the fourth order for x'' = a(t, x).
    TVector k1x = v, k1v, k2x, k2v, k3x, k3v, k4x, k4v, xt;
    if (!Versnelling(planeten, t, x, k1v, fout)) return false;
    for (int j = 0; j < 3; ++j) xt[j] = x[j] + h / 2 * k1x[j];
    for (int j = 0; j < 3; ++j) k2x[j] = v[j] + h / 2 * k1v[j];
    if (!Versnelling(planeten, t + h / 2, xt, k2v, fout)) return false;
    for (int j = 0; j < 3; ++j) xt[j] = x[j] + h / 2 * k2x[j];
    for (int j = 0; j < 3; ++j) k3x[j] = v[j] + h / 2 * k2v[j];
    if (!Versnelling(planeten, t + h / 2, xt, k3v, fout)) return false;
    for (int j = 0; j < 3; ++j) xt[j] = x[j] + h * k3x[j];
    for (int j = 0; j < 3; ++j) k4x[j] = v[j] + h * k3v[j];
    if (!Versnelling(planeten, t + h, xt, k4v, fout)) return false;
    for (int j = 0; j < 3; ++j) {
      x[j] += h / 6 * (k1x[j] + 2 * k2x[j] + 2 * k3x[j] + k4x[j]);
      v[j] += h / 6 * (k1v[j] + 2 * k2v[j] + 2 * k3v[j] + k4v[j]);
    }
    if (n % perUitvoer == 0 && !geef(jdStart + n * h)) return false;
  }
  return true;
}

}  // namespace orvan::efem
