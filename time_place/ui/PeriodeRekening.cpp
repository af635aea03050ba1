#include "time_place/ui/PeriodeRekening.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvan {

namespace {

// The day numbers of the first and last dates whose year fits 16 bits.
double EersteJD50() { return JulDag50(1, 1, std::numeric_limits<std::int16_t>::min(), true, 0); }
double LaatsteJD50() { return JulDag50(12, 31, std::numeric_limits<std::int16_t>::max(), true, 0); }

}  // namespace

double DatumJD50(const TDatumRec& d) { return JulDag50(d.Maand, d.Dag, d.Jaar, true, 0); }

std::int32_t DagenTussen(double startJD50, double eindJD50) {
  const double dagen = std::round(eindJD50 - startJD50);
  return static_cast<std::int32_t>(
      std::clamp(dagen, -static_cast<double>(MaxPeriodeDagen), static_cast<double>(MaxPeriodeDagen)));
}

bool DatumNaDagen(const TDatumRec& start, std::int32_t dagen, TDatumRec& eind) {
  const double jd50 = DatumJD50(start) + dagen;
  if (jd50 < EersteJD50() || jd50 > LaatsteJD50()) return false;
  const TJDDatum d = DatumUitJD50(true, jd50);
  eind = {d.dag, d.maand, d.jaar};
  return true;
}

}  // namespace orvan
