#include "astro/Rwplcalc.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "astro/Veelvouden.h"
#include "astro/WiskFies.h"

namespace orvan {

namespace {

constexpr double Nooit = 1e30;               // a day number no request has
constexpr double ElementEpoche = -18262.0;   // JD50 of JD 2415020.0
constexpr double GrensJD50 = 1e8;            // requests beyond +-270,000 years are refused
constexpr int GrootsteTabelVeelvoud = 20;    // larger multipliers of a planetary term: own sin, cos

// Kepler's equation for the eccentric anomaly (radians) of mean anomaly M (radians).
double Kepler(double M, double e) {
  constexpr double Tolerantie = 3e-7 * GrRad;
  double E = M;
  for (int n = 0; n < 100; ++n) {   // converges in a few steps for e < 0.3
    const double correctie = (M + e * std::sin(E) - E) / (1.0 - e * std::cos(E));
    E += correctie;
    if (std::fabs(correctie) < Tolerantie) break;
  }
  return E;
}

// The projection of the argument of latitude u on the ecliptic for inclination i (degrees).
double Projecteer(double u, double i) {
  if (SinG(i) == 0.0 || std::fabs(u - 90.0) < 1e-9 || std::fabs(u - 270.0) < 1e-9) return u;
  double lon = RadGr * std::atan(std::tan(u * GrRad) * CosG(i));
  if (u > 90.0 && u < 270.0) lon += 180.0;
  return lon;
}

// Geocentric (or, with -straalAarde, heliocentric) longitude and distance of a position
// (lengte, straal, hoogte) seen from the Earth at (lengteAarde, straalAarde).
void Verplaats(double lengte, double straal, double hoogte, double lengteAarde, double straalAarde,
               double& nieuweLengte, double& afstand) {
  const double rho = std::sqrt(std::max(0.0, straal * straal - hoogte * hoogte));
  double x = rho * CosG(lengte) - straalAarde * CosG(lengteAarde);
  const double y = rho * SinG(lengte) - straalAarde * SinG(lengteAarde);
  afstand = std::sqrt(x * x + y * y + hoogte * hoogte);
  if (std::fabs(x) < 1e-16) x = x < 0 ? -1e-16 : 1e-16;
  nieuweLengte = Norm360(RadGr * std::atan2(y, x));
}

double Breedte(double hoogte, double afstand) {
  if (afstand <= 0.0) return 0.0;
  return RadGr * std::asin(std::clamp(hoogte / afstand, -1.0, 1.0));
}

// Everett's interpolation at p (0 <= p < 1) between y[2] and y[3] of six tabular values; the
// rate is per tabular interval. With `lengte` the differences are taken modulo 360 degrees; with
// `vierde` the fourth differences are used as well.
void Everett(const double (&y)[6], double p, bool lengte, bool vierde, double& waarde, double& afgeleide) {
  double d[5];
  double y2 = y[2];
  for (int k = 0; k < 5; ++k) {
    d[k] = y[k + 1] - y[k];
    if (lengte) {
      if (d[k] > 180.0) {
        d[k] -= 360.0;
        if (k == 2) y2 += 360.0;
      } else if (d[k] < -180.0) {
        d[k] += 360.0;
        if (k == 2) y2 -= 360.0;
      }
    }
  }
  const double q = 1.0 - p;
  const double y3 = y2 + d[2];   // equals y[3] up to the turn of 360 degrees
  const double s1 = d[2] - d[1], s2 = d[3] - d[2];
  waarde = q * y2 + p * y3 + q * (q * q - 1.0) / 6.0 * s1 + p * (p * p - 1.0) / 6.0 * s2;
  afgeleide = d[2] + (3.0 * p * p - 1.0) / 6.0 * s2 - (3.0 * q * q - 1.0) / 6.0 * s1;
  if (vierde) {
    const double s0 = d[1] - d[0], s3 = d[4] - d[3];
    const double f1 = (s2 - s1) - (s1 - s0), f2 = (s3 - s2) - (s2 - s1);
    waarde += (q + 2) * (q + 1) * q * (q - 1) * (q - 2) / 120.0 * f1 +
              (p + 2) * (p + 1) * p * (p - 1) * (p - 2) / 120.0 * f2;
    afgeleide += (5 * p * p * p * p - 15 * p * p + 4) / 120.0 * f2 -
                 (5 * q * q * q * q - 15 * q * q + 4) / 120.0 * f1;
  }
}

}  // namespace

const std::array<TBaanElementen, 5> BaanElementen = {{
    // a, P, L0, L1, L2, L3, w0, w1, w2, w3, e0, e1, e2, N0, N1, N2, N3, i0, i1, i2
    {1.00000023, 365.25636042, 99.696678, 0.9856473354, 1.089, 0, 101.220833, 6189.03, 1.63, 0.012,
     0.01675104, -0.0000418, -0.000000126, 0, 0, 0, 0, 0, 0, 0},
    {0.0025955307, 27.321661, 270.4337361, 13.1763965445281, -5.86, 0.0068, 334.329556, 14648522.52,
     -37.17, -0.045, 0.054900489, 0, 0, 259.183275, -6962911.23, 7.48, 0.008, 5.145388889, 0, 0},
    {0.3870986, 87.969252, 178.179078, 4.0923770233, 1.084, 0, 75.89969722, 5599.76, 1.061, 0,
     0.20561421, 0.00002046, -0.00000003, 47.145944444, 4266.75, 0.626, 0, 7.0028805555, 6.699, -0.066},
    {0.72333162, 224.700726, 342.767053, 1.6021687039, 1.1148, 0, 130.16383333, 5068.93, -3.515, 0,
     0.00682069, -0.00004774, 0.000000091, 75.7796472223, 3239.46, 1.476, 0, 3.3936305555, 3.621, 0.0035},
    {1.523691462, 686.9296097, 293.74762778, 0.524071163814, 1.1184, 0, 334.21820278, 6626.73, 0.4675,
     -0.0043, 0.0933129, 0.000092064, -0.000000077, 48.786441667, 2775.57, -0.005, -0.0192, 1.85033333,
     -2.43, 0.0454},
}};

const std::array<TGemLengteRij, AantalGemLengtes> GemLengteRijen = {{
    {114.5, 585.17493},      {109.856, 191.39977},      {148.031, 30.34583},     {284.716, 12.21794},
    {114.508, 585.17656},    {-0.56, 359.99213},        {148.03, 30.34743},      {284.72, 12.2196},
    {248.07, 1494.726615},   {359.44, 359.993595},      {109.86, 191.402867},    {148.02, 30.34893},
    {114.503, 585.173715},   {359.444, 359.989285},     {148.021, 30.34462},     {284.716, 12.21669},
    {148.0315, 30.34906264}, {284.7158, 12.22117085},   {220.1695, 4.284931111}, {291.8024, 2.184704167},
}};

int CalcKode(int object, bool wareKnoop) {
  if (object >= 1 && object <= 10) return object - 1;
  switch (object) {
    case 11: return wareKnoop ? KodeWareKnoop : KodeGemKnoop;
    case 12: return KodeChiron;
    case 13: return KodeApogeum;
    default: throw std::invalid_argument("Impossible planet number");
  }
}

TPlaCalculator::TPlaCalculator(std::string map)
    : map_(std::move(map)), aardeJd_(Nooit), maanJd_(Nooit) {
  stand_.jdET = Nooit;
  ZetConstanten(THelConst{});
  geladen_ = false;
}

TPlaCalculator::~TPlaCalculator() = default;

bool TPlaCalculator::LaadConstanten(std::string& fout) {
  THelConst t;
  if (!LeesHelConst(map_ + "HelConst.dat", t, fout)) return false;
  ZetConstanten(t);
  return true;
}

void TPlaCalculator::ZetConstanten(const THelConst& tabellen) {
  tabellen_ = tabellen;
  for (int s = 0; s < 5; ++s) {
    fasen_[s].clear();
    maxK1_[s].fill(0);
    maxK2_[s] = 0;
    for (const TStoringsTerm& t : tabellen_.storing[s]) {
      fasen_[s].push_back({CosG(t.B), SinG(t.B), CosG(t.D), SinG(t.D)});
      const int k1 = std::abs(static_cast<int>(t.k1)), k2 = std::abs(static_cast<int>(t.k2));
      if (k1 > GrootsteTabelVeelvoud || k2 > GrootsteTabelVeelvoud) continue;
      maxK1_[s][t.idx] = std::max(maxK1_[s][t.idx], k1);
      maxK2_[s] = std::max(maxK2_[s], k2);
    }
  }
  maxKMaan_ = 4;   // the fixed terms use multiples up to 4
  auto grootste = [this](int kl, int kl2, int kF, int kD) {
    maxKMaan_ = std::max({maxKMaan_, std::abs(kl), std::abs(kl2), std::abs(kF), std::abs(kD)});
  };
  for (const TMaanTerm1& t : tabellen_.maan1) grootste(t.kl, t.kl2, t.kF, t.kD);
  for (const TMaanTerm2& t : tabellen_.maan2) grootste(t.kl, t.kl2, t.kF, t.kD);
  aardeJd_ = maanJd_ = Nooit;
  geladen_ = true;
}

void TPlaCalculator::ZetTijd(double jdET) {
  if (jdET == stand_.jdET) return;
  BerekenTijdstand(jdET, stand_, false);
}

void TPlaCalculator::BerekenTijdstand(double jdET, TTijdstand& st, bool alleenMaan) {
  const double dagen = jdET - ElementEpoche;
  const double T = dagen / 36525.0;
  const double t1 = T / 3600.0, t2 = T * T / 3600.0, t3 = T * T * T / 3600.0;
  st.T = T;
  for (int s = 0; s < (alleenMaan ? 2 : 5); ++s) {
    const TBaanElementen& b = BaanElementen[s];
    TElementStand& el = st.el[s];
    el.L = Norm360(b.L0 + b.L1 * dagen + b.L2 * t2 + b.L3 * t3);
    el.perihelium = Norm360(b.w0 + b.w1 * t1 + b.w2 * t2 + b.w3 * t3);
    el.e = b.e0 + b.e1 * T + b.e2 * T * T;
    el.knoop = Norm360(b.N0 + b.N1 * t1 + b.N2 * t2 + b.N3 * t3);
    el.i = b.i0 + b.i1 * t1 + b.i2 * t2;
    el.M = Norm360(el.L - el.perihelium);
  }
  st.jdET = jdET;
  if (alleenMaan) return;
  // Obliquity and nutation (coefficients in arcseconds) from the Moon's node, mean longitude and
  // mean anomaly and the Earth's mean longitude and mean anomaly.
  const double Om = st.el[1].knoop, Lm = st.el[1].L, Mm = st.el[1].M;
  const double Le = st.el[0].L, Me = st.el[0].M;
  st.gemScheefheid = 23.452294 - 46.845 * t1 - 0.0059 * t2 + 0.00181 * t3;
  const double dEps = 9.21 * CosG(Om) - 0.0904 * CosG(2 * Om) + 0.0183 * CosG(2 * Lm - Om) +
                      0.0884 * CosG(2 * Lm) + 0.0113 * CosG(2 * Lm + Mm) + 0.5522 * CosG(2 * Le) +
                      0.0216 * CosG(2 * Le + Me);
  st.scheefheid = st.gemScheefheid + dEps / 3600.0;
  const double dPsi = (-17.2327 - 0.01737 * T) * SinG(Om) + 0.2088 * SinG(2 * Om) +
                      0.0675 * SinG(Mm) - 0.0149 * SinG(Mm - 2 * Lm + 2 * Le) -
                      0.0342 * SinG(2 * Lm - Om) + 0.0114 * SinG(2 * Lm - Mm) -
                      0.2037 * SinG(2 * Lm) - 0.0261 * SinG(2 * Lm + Mm) +
                      0.0124 * SinG(2 * Le - Om) + 0.0214 * SinG(2 * Le - Me) -
                      1.2729 * SinG(2 * Le) - 0.0497 * SinG(2 * Le + Me) + 0.1261 * SinG(Me);
  st.nutatie = dPsi / 3600.0;
  const double Y = (jdET + 36524.0) / 365.25;
  for (int k = 0; k < AantalGemLengtes; ++k)
    st.gemLengte[k] = Norm360(GemLengteRijen[k].basis + GemLengteRijen[k].snelheid * Y);
}

THelioPositie TPlaCalculator::BerekenHelio(int s) {
  const TBaanElementen& b = BaanElementen[s];
  const TElementStand& el = stand_.el[s];
  const double T = stand_.T;
  // 1. Fixed corrections of the mean anomaly (arcseconds).
  double M = el.M;
  if (s == 0)
    M += (0.266 * SinG(31.8 + 119.0 * T) + 6.40 * SinG(231.19 + 20.2 * T) +
          (1.882 - 0.016 * T) * SinG(57.24 + 150.27 * T)) / 3600.0;
  else if (s == 4)
    M += (0.606 * SinG(212.87 + 119.051 * T) + 52.49 * SinG(47.48 + 19.771 * T) +
          0.319 * SinG(116.88 + 773.444 * T) + 0.130 * SinG(74 + 163 * T) +
          0.280 * SinG(300 + 40.8 * T) - (37.05 + 13.5 * T)) / 3600.0;
  // 2. Kepler's equation, radius vector and true anomaly.
  const double e = el.e;
  const double E = Kepler(Norm360(M) * GrRad, e);
  const double r = b.a * (1.0 - e * std::cos(E));
  const double wortel = std::sqrt((1.0 + e) / (1.0 - e));
  const bool aphelium = std::fabs(Pi - E) < 1e-9;
  const double v = aphelium ? E * RadGr : 2.0 * RadGr * std::atan(wortel * std::tan(E / 2.0));
  // 3. Argument of latitude and its projection on the ecliptic.
  const double u = Norm360(v + el.perihelium - el.knoop);
  THelioPositie pos;
  pos.M = M;
  pos.lengte = Norm360(Projecteer(u, el.i) + el.knoop);
  const double sinI = SinG(el.i), sinU = SinG(u);
  pos.hoogte = r * sinI * sinU;
  const double b0 = std::asin(std::clamp(sinI * sinU, -1.0, 1.0));
  // 4. Rates per day.
  const double n = 360.0 / b.P;
  const double dE = n / (1.0 - e * std::cos(E));   // degrees per day
  const double vRad = v * GrRad;
  const double dv = aphelium ? dE / wortel
                             : (std::cos(vRad) + 1.0) * wortel * dE / (std::cos(E) + 1.0);
  pos.dStraal = b.a * e * std::sin(E) * dE * GrRad;
  pos.dHoogte = sinI * (sinU * pos.dStraal + r * CosG(u) * dv * GrRad);
  pos.dLengte = dv * CosG(el.i) / (std::cos(b0) * std::cos(b0));
  // 5. Periodic perturbations (arcseconds and 1e-9 in log10 r) with their start values.
  double dLon = 0, dLogR = 0;
  if (s == 0) {
    const TElementStand& maan = stand_.el[1];
    const double Le = el.L, l = maan.M, l2 = el.M, Om = maan.knoop;
    const double D = Norm360(maan.L - Le + 180.0);
    const double Q = 2.0 * (Le - 180.0 - Om);
    dLon = 6.454 * SinG(D) + 0.013 * SinG(3 * D) + 0.177 * SinG(D + l) - 0.424 * SinG(D - l) +
           0.039 * SinG(3 * D - l) - 0.064 * SinG(D + l2) + 0.172 * SinG(D - l2) -
           0.013 * SinG(D - l - l2) - 0.013 * SinG(Q) + 0.202 * SinG(315.6 + 893.3 * T);
    dLogR = 13360 * CosG(D) + 30 * CosG(3 * D) + 370 * CosG(D + l) - 1330 * CosG(D - l) +
            80 * CosG(3 * D - l) - 140 * CosG(D + l2) + 360 * CosG(D - l2) - 30 * CosG(D - l - l2) +
            30 * CosG(Q);
  } else if (s == 3) {
    dLon = (2.761 - 0.22 * T) * SinG(237.24 + 150.27 * T) + 0.269 * SinG(212.2 + 119.05 * T) -
           0.208 * SinG(175.8 + 1223.5 * T);
  }
  const auto& termen = tabellen_.storing[s];
  if (!termen.empty()) {
    // cos(B - arg) = cos B cos arg + sin B sin arg, with the multiples of the arguments built by
    // repeated rotation.
    TVeelvouden veelM(M * GrRad, maxK2_[s]);
    std::array<TVeelvouden, AantalGemLengtes> veelL;
    std::array<bool, AantalGemLengtes> klaar{};
    for (std::size_t j = 0; j < termen.size(); ++j) {
      const TStoringsTerm& t = termen[j];
      double c, sn;
      if (std::abs(static_cast<int>(t.k1)) > GrootsteTabelVeelvoud ||
          std::abs(static_cast<int>(t.k2)) > GrootsteTabelVeelvoud) {
        const double arg = (t.k1 * stand_.gemLengte[t.idx] + t.k2 * M) * GrRad;
        c = std::cos(arg);
        sn = std::sin(arg);
      } else {
        if (!klaar[t.idx]) {
          veelL[t.idx].Zet(stand_.gemLengte[t.idx] * GrRad, maxK1_[s][t.idx]);
          klaar[t.idx] = true;
        }
        TVeelvouden::Product(veelL[t.idx], t.k1, veelM, t.k2, c, sn);
      }
      const auto& f = fasen_[s][j];
      dLon += t.A * (f[0] * c + f[1] * sn);
      dLogR += t.C * (f[2] * c + f[3] * sn);
    }
  }
  pos.lengte = Norm360(pos.lengte + dLon / 3600.0);
  pos.straal = r * std::pow(10.0, dLogR * 1e-9);
  return pos;
}

const TTijdstand& TPlaCalculator::Tijdstand(double jdET) {
  ZetTijd(jdET);
  return stand_;
}

THelioPositie TPlaCalculator::Heliocentrisch(int set, double jdET) {
  ZetTijd(jdET);
  return BerekenHelio(set);
}

const THelioPositie& TPlaCalculator::Aarde(double jdET) {
  if (jdET != aardeJd_) {
    aarde_ = BerekenHelio(0);
    aardeJd_ = jdET;
  }
  return aarde_;
}

void TPlaCalculator::NutatieEnScheefheid(double jdET, double& nutatie, double& scheefheid) {
  ZetTijd(jdET);
  nutatie = stand_.nutatie;
  scheefheid = stand_.scheefheid;
}

bool TPlaCalculator::UitEfemeris(int slot, double jdET, THelioPositie& positie) {
  const double jd = jdET + 2433282.0;
  const std::int64_t c = Vloer((jd - 0.5) / EfemStap);
  const std::int64_t dag = c * EfemStap;
  const double p = (jd - (static_cast<double>(dag) + 0.5)) / EfemStap;
  if (!blok_.Laad(map_, dag, fout_)) return false;
  const bool vierde = slot == SlotJupiter || slot == SlotSaturnus;
  double y[3][6];
  for (int k = 0; k < EfemBlokRecords; ++k) {
    const TEfemerisWaarde& w = blok_.Record(k)[slot];
    y[0][k] = w.lengte / EfemLengteEenheid;
    y[1][k] = w.straal / EfemAfstandEenheid;
    y[2][k] = w.hoogte / EfemAfstandEenheid;
  }
  double waarde[3], afgeleide[3];
  for (int j = 0; j < 3; ++j) Everett(y[j], p, j == 0, vierde, waarde[j], afgeleide[j]);
  positie.lengte = Norm360(waarde[0]);
  positie.straal = waarde[1];
  positie.hoogte = waarde[2];
  positie.dLengte = afgeleide[0] / EfemStap;
  positie.dStraal = afgeleide[1] / EfemStap;
  positie.dHoogte = afgeleide[2] / EfemStap;
  positie.M = 0;
  return true;
}

TMaanPositie TPlaCalculator::MaanOp(double jdET) {
  if (jdET == stand_.jdET) return BerekenMaan(stand_);
  TTijdstand st;
  BerekenTijdstand(jdET, st, true);
  return BerekenMaan(st);
}

TMaanDelen TPlaCalculator::MaanDelen(double jdET) {
  ZetTijd(jdET);
  return BerekenMaanDelen(stand_);
}

TMaanPositie TPlaCalculator::Maan(double jdET) {
  ZetTijd(jdET);
  return BerekenMaan(stand_);
}

double TPlaCalculator::WareKnoop(double jdET, double& snelheid) {
  constexpr double Stap = 0.005;
  if (maanJd_ != jdET) {
    maan_ = MaanOp(jdET);
    maanJd_ = jdET;
  }
  const TMaanPositie posities[3] = {MaanOp(jdET - Stap), maan_, MaanOp(jdET + Stap)};
  double x[3], y[3], z[3];
  for (int k = 0; k < 3; ++k) {
    const TMaanPositie& m = posities[k];
    const double rho = std::sqrt(std::max(0.0, m.afstand * m.afstand - m.hoogte * m.hoogte));
    x[k] = rho * CosG(m.lengte);
    y[k] = rho * SinG(m.lengte);
    z[k] = m.hoogte;
  }
  // The ascending node of the plane through the Earth and two successive positions: the direction
  // z x (r1 x r2), divided by the z component of r1 x r2 so that it points to the ascending node.
  auto knoop = [&](int a, int b) {
    double nz = x[a] * y[b] - y[a] * x[b];
    if (std::fabs(nz) < 1e-16) nz = nz < 0 ? -1e-16 : 1e-16;
    const double kx = (z[b] * x[a] - z[a] * x[b]) / nz;
    const double ky = (y[a] * z[b] - z[a] * y[b]) / nz;
    return Norm360(RadGr * std::atan2(ky, kx));
  };
  const double vroeg = knoop(0, 1), laat = knoop(1, 2);
  const double verschil = Tussen180(laat - vroeg);
  snelheid = verschil / Stap;
  // The mean of the two directions, taken across 0 degrees where they straddle it.
  return Norm360(vroeg + verschil / 2.0);
}

bool TPlaCalculator::Bereken(int code, std::uint8_t opties, double& breedte, double& snelheid,
                             double& afstand, double& lengte, double jdET) {
  if (code < 0 || code >= AantalCalcKodes) {
    fout_ = "no body has the calculation code " + std::to_string(code);
    return false;
  }
  if (!geladen_) {
    fout_ = "the planetary terms of \"HelConst.dat\" are not loaded";
    return false;
  }
  if (!std::isfinite(jdET) || std::fabs(jdET) > GrensJD50) {
    fout_ = "the moment is outside the range of the calculator";
    return false;
  }
  ZetTijd(jdET);
  const bool helio = opties & OptHeliocentrisch;
  const bool lichttijd = !(opties & OptGeenLichttijd);
  const bool nutatie = !(opties & OptGeenNutatie);
  const bool maanSnelheid = opties & OptMaanSnelheid;
  const bool aardeNodig = helio ? (code == KodeZon || code == KodeMaan)
                                : !(code == KodeMaan || code == KodeGemKnoop ||
                                    code == KodeWareKnoop || code == KodeApogeum);
  THelioPositie aarde;
  if (aardeNodig) aarde = Aarde(jdET);

  double lon = 0, lat = 0, dist = 0, v = 0;
  switch (code) {
    case KodeZon: {
      lon = helio ? aarde.lengte : Norm360(aarde.lengte + 180.0);
      const double z = helio ? aarde.hoogte : -aarde.hoogte;
      v = aarde.dLengte;
      dist = aarde.straal;
      if (lichttijd) lon -= dist * Lichttijd * v;
      lat = Breedte(z, dist);
      break;
    }
    case KodeMaan: {
      maan_ = MaanOp(jdET);
      maanJd_ = jdET;
      TMaanPositie m = maan_;
      v = 12.0;
      if (helio || maanSnelheid) {
        constexpr double Stap = 0.0001;
        TMaanPositie m2 = MaanOp(jdET + Stap);
        if (helio) {
          Verplaats(m.lengte, m.afstand, m.hoogte, aarde.lengte, -aarde.straal, m.lengte, m.afstand);
          Verplaats(m2.lengte, m2.afstand, m2.hoogte, aarde.lengte + Stap * aarde.dLengte,
                    -(aarde.straal + Stap * aarde.dStraal), m2.lengte, m2.afstand);
        }
        v = Tussen180(m2.lengte - m.lengte) / Stap;
      }
      lon = m.lengte;
      dist = m.afstand;
      lat = Breedte(m.hoogte, dist);
      break;
    }
    case KodeMercurius: case KodeVenus: case KodeMars: case KodeJupiter: case KodeSaturnus:
    case KodeUranus: case KodeNeptunus: case KodePluto: case KodeChiron: {
      THelioPositie pos;
      if (code <= KodeMars) {
        pos = BerekenHelio(code);   // element sets 2..4 carry the codes' numbers
      } else {
        const int slot = code == KodeChiron ? SlotChiron : code - KodeJupiter + SlotJupiter;
        if (!UitEfemeris(slot, jdET, pos)) return false;
      }
      if (helio) {
        lon = pos.lengte;
        v = pos.dLengte;
        dist = pos.straal;
      } else {
        double lon2, dist2;
        Verplaats(pos.lengte, pos.straal, pos.hoogte, aarde.lengte, aarde.straal, lon, dist);
        Verplaats(pos.lengte + pos.dLengte, pos.straal + pos.dStraal, pos.hoogte + pos.dHoogte,
                  aarde.lengte + aarde.dLengte, aarde.straal + aarde.dStraal, lon2, dist2);
        v = Tussen180(lon2 - lon);
      }
      lat = Breedte(pos.hoogte, dist);
      if (lichttijd) lon -= dist * Lichttijd * v;
      break;
    }
    case KodeGemKnoop:
      lon = Norm360(stand_.el[1].knoop);
      dist = BaanElementen[1].a;
      v = -0.053;
      break;
    case KodeWareKnoop:
      lon = WareKnoop(jdET, v);
      dist = BaanElementen[1].a;
      break;
    case KodeApogeum: {
      const TElementStand& m = stand_.el[1];
      const double u = Norm360(m.perihelium - m.knoop + 180.0);
      lon = Norm360(Projecteer(u, m.i) + m.knoop);
      lat = RadGr * std::asin(SinG(u) * SinG(m.i));
      dist = 2.0 * BaanElementen[1].a * m.e;
      v = 0.111404;
      break;
    }
  }
  if (nutatie) lon += stand_.nutatie;
  lengte = Norm360(lon);
  breedte = lat;
  afstand = dist;
  snelheid = v;
  fout_.clear();
  return true;
}

}  // namespace orvan
