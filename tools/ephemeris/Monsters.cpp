#include "tools/ephemeris/Monsters.h"

#include <random>

namespace orvan::efem {

std::vector<double> Momenten(int aantal, double vanJaar, double totJaar, std::uint64_t zaad) {
  std::mt19937_64 gen(zaad);
  std::vector<double> jd;
  jd.reserve(aantal);
  const double van = JaarInJD(vanJaar), tot = JaarInJD(totJaar);
  for (int i = 0; i < aantal; ++i) {
    // 53 random bits in [0, 1), independent of the library's distributions.
    const double u = static_cast<double>(gen() >> 11) * 0x1.0p-53;
    jd.push_back(van + u * (tot - van));
  }
  return jd;
}

std::vector<double> FitMomenten(int aantal, std::uint64_t zaad) {
  std::vector<double> jd = Momenten(aantal / 3, -1000.0, 3000.0, zaad);
  const std::vector<double> modern = Momenten(aantal - aantal / 3, 1600.0, 2400.0, zaad + 1);
  jd.insert(jd.end(), modern.begin(), modern.end());
  return jd;
}

double FitGewicht(double jd) {
  constexpr double buiten = 0.1;
  const double jaar = JDInJaar(jd);
  return jaar >= 1600 && jaar <= 2400 ? 1.0 : buiten;
}

}  // namespace orvan::efem
