#include "horoscope/Q4Konstell.h"

#include <cmath>
#include <limits>

#include "astro/AstroGlo.h"
#include "horoscope/FunktBew.h"
#include "time_place/JulDayF.h"

namespace orvan {
namespace {

bool IsKusp(int object) { return object >= EersteKuspObject && object <= LaatsteKuspObject; }
bool IsLichaam(int object) { return object >= ObjZon && object <= AantalPlaneten; }

// f(x) = Norm180 (Lengte (1) - angle - Lengte (2)) of the chart at UT x; only what the two objects
// need is recomputed, and the chart's UT is restored (the bodies stay computed for x). After the
// first failing body the value is NaN, which ends the solve, so the failure is reported once.
double KonstellWaarde(THoroskoop& h, double x, bool& fout) {
  if (fout) return std::numeric_limits<double>::quiet_NaN();
  const double bewaard = h.UT;
  h.ZetJD(x);
  const int o1 = h.ZoekObject1;
  const int o2 = h.ZoekObject2;
  if (IsKusp(o1) || IsKusp(o2)) {
    h.BerekenSterretijd();
    h.BerekenHuizen();
  }
  if (IsLichaam(o1) && !h.BerekenPlaneet(THoroskoop::Slot(o1))) fout = true;
  if (!fout && IsLichaam(o2) && !h.BerekenPlaneet(THoroskoop::Slot(o2))) fout = true;
  const double f = Norm180(h.Lengte(o1) - h.ZoekHoek - h.Lengte(o2));
  h.ZetJD(bewaard);
  return fout ? std::numeric_limits<double>::quiet_NaN() : f;
}

}  // namespace

bool WordtOmsloten(int object1, int object2) {
  if (object1 == ObjMaan || object2 == ObjMaan) return false;
  if (IsKusp(object1) || IsKusp(object2)) return false;
  if (object1 == ObjZon && object2 > ObjVenus) return false;
  if (object2 == ObjZon && object1 > ObjVenus) return false;
  return true;
}

bool ZoekExakt(THoroskoop& h) {
  const int o1 = h.ZoekObject1;
  const int o2 = h.ZoekObject2;
  if (o1 < 1 || o1 > LaatsteTekenObject || o2 < 1 || o2 > LaatsteTekenObject || h.ZoekModus != 0)
    return false;
  const double m1 = DagelijkseBeweging(o1, true);
  const double m2 = DagelijkseBeweging(o2, true);
  bool fout = false;
  FunctionAction fa([&h, &fout](double x) { return KonstellWaarde(h, x, fout); });
  fa.XTolerantie = KonstellXTolerantie;
  fa.FTolerantie = KonstellFTolerantie;
  fa.H = 0.01 / (std::fabs(m1 - m2) + 0.01);
  fa.MaxStap = 1000.0 * fa.H;
  fa.Richting = +1;
  fa.Persistent = true;
  fa.SweepLimiet = 360.0;
  const double x = fa.Los(WordtOmsloten(o1, o2), h.UT);
  h.ZetJD(x);
  return fa.Ok && !fout;
}

bool ZoekKonstellatie(THoroskoop& h, int object1, int object2, double hoek) {
  h.BerekenUT();
  h.BerekenJD();
  h.ZoekObject1 = static_cast<std::int8_t>(object1);
  h.ZoekObject2 = static_cast<std::int8_t>(object2);
  h.ZoekHoek = hoek;
  h.ZoekModus = 0;
  const bool exakt = ZoekExakt(h);
  const TDatumTijd moment = JD50InDatumTijd(h.Data.GregKal, h.UT);
  h.Data.Datum = moment.datum;
  h.Data.Tijd = moment.tijd;
  h.Data.Precisie = TTijdRec{0, 0, 1};
  h.Data.ClockTime = false;
  h.Data.Sex = SexNeutraal;
  return exakt;
}

TKonstellKeuze& KonstellKeuze() {
  static TKonstellKeuze keuze;
  return keuze;
}

bool KonstellHoekGeldig(double hoek) {
  return hoek >= KleinsteKonstellHoek && hoek <= GrootsteKonstellHoek;
}

bool OnmogelijkeKombinatie(bool natalModus, int object1, int object2) {
  if (object1 < EersteKeuzeObject || object1 > LaatsteKeuzeObject1 ||
      object2 < EersteKeuzeObject || object2 > LaatsteKeuzeObject2)
    return true;
  if (natalModus && object1 == object2) return true;
  return IsKusp(object1) && IsKusp(object2);
}

}  // namespace orvan
