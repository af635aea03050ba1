#include "horoscope/Aspekt.h"

#include <cmath>
#include <cstdlib>

#include "astro/AstroGlo.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"

namespace orvan {

bool IsMajeurAspekt(int nummer, THalveOrb halveOrb) {
  const int rij = std::abs(nummer);
  if (rij < 1 || rij > AantalAspekten) return false;
  const double orb = Aspekten[static_cast<std::size_t>(rij)].Orb;
  const double helft = GrootsteOrb() / 2.0;
  return orb > helft || (halveOrb == THalveOrb::Majeur && orb == helft);
}

bool AspektGekozen(int nummer, bool majeure, bool mineure, THalveOrb halveOrb) {
  const int rij = std::abs(nummer);
  if (rij < 1 || rij > AantalAspekten) return false;
  return IsMajeurAspekt(rij, halveOrb) ? majeure : mineure;
}

bool EigenOrbTussen(const THoroskoop& a, const THoroskoop& b) {
  auto voorspellend = [](const THoroskoop& h) {
    return h.Soort == SoortTransit || h.Soort == SoortSekProg || h.Soort == SoortPrimDir;
  };
  return !voorspellend(a) && !voorspellend(b);
}

std::int8_t HoroskoopAspekt(const THoroskoop& h1, int a, const THoroskoop& h2, int b,
                            bool eigenOrb, double& afwijking) {
  if (!DoetMeeInAspekten(a) || !DoetMeeInAspekten(b)) return 0;
  return ZoekAspekt(eigenOrb, h1.Lengte(a), h2.Lengte(b), afwijking);
}

std::vector<TAspektVondst> AspektenInHoroskoop(const THoroskoop& h) {
  std::vector<TAspektVondst> vondsten;
  for (int i = 1; i <= LaatsteKuspObject; ++i) {
    if (!DoetMeeInAspekten(i)) continue;
    for (int j = i + 1; j <= LaatsteKuspObject; ++j) {
      TAspektVondst v{i, j, 0, 0.0};
      v.aspekt = HoroskoopAspekt(h, i, h, j, true, v.afwijking);
      if (v.aspekt != 0) vondsten.push_back(v);
    }
  }
  return vondsten;
}

bool MidpuntContact(double midpunt, double lengte, double& afwijking) {
  double d = std::fabs(midpunt - lengte);
  if (d >= 180.0) d -= 180.0;
  const double orb = Instellingen.MidOrb;
  afwijking = d <= 90.0 ? d : 180.0 - d;
  return d < orb || d > 180.0 - orb;
}

}  // namespace orvan
