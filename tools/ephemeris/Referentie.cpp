#include "tools/ephemeris/Referentie.h"

#include <swephexp.h>

#include <cmath>
#include <vector>

namespace orvan::efem {

std::string ReferentieVersie() {
  char versie[AS_MAXCH] = {};
  swe_version(versie);
  return versie;
}

TReferentie::TReferentie(const std::string& map) {
  std::vector<char> pad(map.begin(), map.end());
  pad.push_back('\0');
  swe_set_ephe_path(pad.data());
}

TReferentie::~TReferentie() { swe_close(); }

bool TReferentie::Bereken(int ipl, double jdTT, int vlaggen, double x[6], std::string& fout) {
  char serr[AS_MAXCH] = {};
  const int gevraagd = vlaggen | SEFLG_SWIEPH | SEFLG_SPEED;
  const int r = swe_calc(jdTT, ipl, gevraagd, x, serr);
  if (r < 0) {
    fout = serr;
    return false;
  }
  if (ipl != SE_ECL_NUT && !(r & SEFLG_SWIEPH)) {
    fout = "no ephemeris file data for body " + std::to_string(ipl) + " at JD " + std::to_string(jdTT) +
           (serr[0] ? std::string(": ") + serr : std::string());
    return false;
  }
  return true;
}

bool TReferentie::Helio(int ipl, double jdTT, double& lengte, double& breedte, double& straal,
                        double& z, std::string& fout) {
  const int v = SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR | SEFLG_NOGDEFL;
  double x[6];
  if (!Bereken(ipl, jdTT, v, x, fout)) return false;
  lengte = x[0];
  breedte = x[1];
  straal = x[2];
  z = straal * std::sin(breedte * M_PI / 180.0);
  return true;
}

bool TReferentie::AardeHelio(double jdTT, double& lengte, double& breedte, double& straal,
                             std::string& fout) {
  const int v = SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR | SEFLG_NOGDEFL;
  double x[6];
  if (!Bereken(SE_SUN, jdTT, v, x, fout)) return false;
  lengte = std::fmod(x[0] + 180.0, 360.0);
  breedte = -x[1];
  straal = x[2];
  return true;
}

bool TReferentie::Schijnbaar(int ipl, double jdTT, double& lengte, double& breedte, double& afstand,
                             std::string& fout) {
  double x[6];
  if (!Bereken(ipl, jdTT, 0, x, fout)) return false;
  lengte = x[0];
  breedte = x[1];
  afstand = x[2];
  return true;
}

bool TReferentie::Nutatie(double jdTT, double& dpsi, double& scheefheid, std::string& fout) {
  double x[6];
  if (!Bereken(SE_ECL_NUT, jdTT, 0, x, fout)) return false;
  scheefheid = x[0];
  dpsi = x[2];
  return true;
}

}  // namespace orvan::efem
