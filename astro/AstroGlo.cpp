#include "astro/AstroGlo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shell/Aspekten.h"
#include "shell/Instellingen.h"

namespace orvan {

namespace {

// Mean daily motion of the bodies 1..13, degrees per day.
inline constexpr float Beweging[AantalPlaneten + 1] = {
    0.0f, 1.0f, 12.0f, 2.0f, 1.7f, 0.5f, 0.08f, 0.03f, 0.01f, 0.006f, 0.004f, -0.2f, 0.1f, 0.1f};

inline constexpr int ObjectenMetKuspen[AantalAspektObjectenMetKuspen + 1] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, ObjAscendant, ObjMC, 15, 16, 24, 25};

}  // namespace

float DagelijkseBeweging(int object, bool metKuspen) {
  if (object >= 1 && object <= AantalPlaneten) return Beweging[object];
  if (object >= EersteKuspObject && object <= LaatsteKuspObject) return metKuspen ? 360.0f : 0.0f;
  if (object >= EersteTekenObject && object <= LaatsteTekenObject) return 0.0f;
  throw TOnmogelijkObject();
}

bool DoetMeeInAspekten(int object) {
  if (object >= 1 && object <= ObjAscendant) return true;
  if (object == ObjMC) return true;
  if (object == 15 || object == 16 || object == 24 || object == 25)
    return Instellingen.OokAspektenOpKuspen;
  return false;
}

int AspektObject(int index) {
  if (index < 1 || index > AantalAspektObjecten) return 0;
  return ObjectenMetKuspen[index];
}

int AspektObjectMetKuspen(int index) {
  if (index < 1 || index > AantalAspektObjectenMetKuspen) return 0;
  return ObjectenMetKuspen[index];
}

bool IsPersoonlijk(int object) {
  return (object >= ObjZon && object <= ObjMars) || object == ObjAscendant || object == ObjMC;
}

bool IsTraag(int object) { return object >= ObjJupiter && object <= ObjPluto; }

double Norm180(double x) {
  x = Norm360(x);
  if (x > 180.0) x -= 360.0;
  return x;
}

double Verschil(double a, double b) {
  double d = std::fmod(b - a, 360.0);   // exact, -360 < d < 360
  if (d >= 180.0) {
    d -= 360.0;
  } else if (d < -180.0) {
    d += 360.0;
  }
  return d;
}

double Midpunt(double p1, double p2) { return Norm360(p1 + Norm360(p2 - p1) / 2.0); }

bool InBoog(double x, double van, double tot) {
  if (van < tot) return x >= van && x < tot;
  if (tot < van) return x >= van || x < tot;
  return false;
}

int TekenAfstand(double p1, double p2) {
  return std::min(11, static_cast<int>(Norm360(p2 - p1 + 15.0) / 30.0));
}

double HoekAfstand(double lengte1, double lengte2, double breedte1, double breedte2) {
  const double c = SinG(breedte1) * SinG(breedte2) +
                   CosG(breedte1) * CosG(breedte2) * CosG(lengte2 - lengte1);
  // Rounding can carry the cosine of (nearly) equal or opposite points just beyond +-1.
  return RadGr * std::acos(std::clamp(c, -1.0, 1.0));
}

std::int8_t ZoekAspekt(bool eigenOrb, double lengte1, double lengte2, double& afwijking) {
  double d = Norm360(std::fabs(lengte2 - lengte1));
  if (d > 180.0) d = 360.0 - d;
  for (int i = 1; i <= AantalAspekten; ++i) {
    const AspektRec& a = Aspekten[static_cast<std::size_t>(i)];
    const double orb = eigenOrb ? a.Orb : Instellingen.TraOrb;
    if (std::fabs(d - a.AspHoek) < orb) {
      afwijking = d - a.AspHoek;
      const bool achter = Norm360(lengte2 - lengte1) > 180.0;
      return static_cast<std::int8_t>(achter ? -i : i);
    }
  }
  return 0;
}

double GrootsteOrb() {
  double grootste = 0.0;
  for (int i = 1; i <= AantalAspekten; ++i)
    grootste = std::max(grootste, Aspekten[static_cast<std::size_t>(i)].Orb);
  return grootste;
}

}  // namespace orvan
