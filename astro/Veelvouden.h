#pragma once
// Cosines and sines of the multiples k x (k = 0..K) of an angle, built by repeated rotation, so
// that a series over integer combinations of a few angles needs no trigonometric call per term.

#include <cmath>
#include <cstdlib>

namespace orvan {

class TVeelvouden {
 public:
  static constexpr int MaxK = 128;   // every multiplier of a signed 8-bit field

  TVeelvouden() = default;
  TVeelvouden(double x, int K) { Zet(x, K); }

  // x in radians; K is clamped to MaxK.
  void Zet(double x, int K) {
    K_ = K < MaxK ? K : MaxK;
    c_[0] = 1.0;
    s_[0] = 0.0;
    if (K_ < 1) return;
    c_[1] = std::cos(x);
    s_[1] = std::sin(x);
    for (int k = 2; k <= K_; ++k) {
      c_[k] = c_[k - 1] * c_[1] - s_[k - 1] * s_[1];
      s_[k] = s_[k - 1] * c_[1] + c_[k - 1] * s_[1];
    }
  }

  // cos and sin of k x for -K <= k <= K.
  double Cos(int k) const { return c_[std::abs(k)]; }
  double Sin(int k) const { return k < 0 ? -s_[-k] : s_[k]; }

  // cos and sin of ka a + kb b.
  static void Product(const TVeelvouden& a, int ka, const TVeelvouden& b, int kb, double& c,
                      double& s) {
    const double ca = a.Cos(ka), sa = a.Sin(ka), cb = b.Cos(kb), sb = b.Sin(kb);
    c = ca * cb - sa * sb;
    s = sa * cb + ca * sb;
  }

 private:
  int K_ = 0;
  double c_[MaxK + 1];
  double s_[MaxK + 1];
};

}  // namespace orvan
