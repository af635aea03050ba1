#pragma once
// A small solver for angular functions of time: f(x) is an angle in degrees (-180 < f <= 180) of a
// moment x (JD50 days). It sweeps to the next stationary point, detects where the angle passes
// through zero, interpolates along the travelled angle and polishes with a damped Newton iteration.
//
// Every loop is bounded. A solve that ends on a bound (or on an objective that stops giving finite
// values) clears Ok, sets OpGrens and returns the evaluated moment with the smallest |f|.

#include <cstdint>
#include <functional>

namespace orvan {

// b - a wrapped into (-180, 180] degrees.
double HoekVerschil(double a, double b);

// Bounds of the iterations.
inline constexpr int MaxNewtonStappen = 200;        // accepted Newton steps of one solve
inline constexpr int MaxDempingen = 60;             // halvings of the Newton damping per step
inline constexpr int MaxStapVerdubbelingen = 40;    // doublings of h while the derivative is 0
inline constexpr int MaxVerfijnStappen = 200;       // iterations of one stationary-point refinement
inline constexpr int MaxSweepStappen = 20000;       // steps of one sweep to a stationary point
inline constexpr int MaxSweeps = 100;               // sweeps of three segments of a persistent bracket

class FunctionAction {
 public:
  using Objectief = std::function<double(double)>;

  FunctionAction() = default;
  explicit FunctionAction(Objectief f) : Objective(std::move(f)) {}
  virtual ~FunctionAction() = default;

  // --- Virtual operations, in slot order. ---

  // The objective's value at x.
  virtual double Waarde(double x);
  // HoekVerschil (f(x - h), f(x + h)) / (2 h): a central difference that wraps at +-180 degrees.
  virtual double Afgeleide(double x);
  // Brackets the next zero after X in the direction and interpolates X into it.
  virtual void Omsluit();

  // Bracketing (optional) and Newton from x0; the result is the zero when Ok, x0 when the bracket
  // failed without persistence, and the best moment evaluated when a bound ended the solve.
  double Los(bool omsluiten, double x0);
  // The next stationary point of f from X in the direction (or the point where the sweep limit is
  // passed); Afgelegd holds the degrees travelled.
  double Stationair();
  // Refines a stationary point near x (the vertex of parabolas through three values).
  double Verfijn(double x);

  // --- Fields. ---

  bool Ok = true;             // the last search succeeded
  bool Persistent = true;     // keep sweeping until a zero is bracketed
  Objectief Objective;        // degrees, -180..180, of a moment
  double X = 0;               // current argument, JD50 days
  double H = 1.0;             // differentiation step, days
  double FTolerantie = 1.0;   // Newton stops when |f| is below it, degrees
  double XTolerantie = 1.0;   // refinement stops when the step is below it, days
  double SweepLimiet = 0;     // a sweep stops after this many degrees travelled; 0 none
  double MaxStap = 0;         // largest accepted Newton step in bracket mode, days; 0 unlimited
  std::int8_t Richting = +1;  // +1 forward in time, -1 backward
  double Afgelegd = 0;        // degrees travelled by the last sweep
  bool OpGrens = false;       // the last solve ended on an iteration bound or a failing objective

 private:
  // Waarde that remembers the best moment and notes a non-finite value.
  double F(double x);
  bool Gestopt() const { return gestopt_; }

  double besteX_ = 0;
  double besteF_ = 0;
  bool heeftBeste_ = false;
  bool gestopt_ = false;   // a bound was hit or the objective gave a non-finite value
};

}  // namespace orvan
