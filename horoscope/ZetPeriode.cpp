#include "horoscope/ZetPeriode.h"

#include "horoscope/TOrvanHoroskoop.h"

namespace orvan {

void ZetPeriode(TOrvanHoroskoop& horoskoop, const TDatumRec& start, std::int32_t dagen) {
  THorData periode;
  periode.Datum = start;
  periode.Tijd = {0, 0, 0};
  periode.Verschil = {0, 0, 0};
  periode.Precisie = {0, 0, 0};
  periode.ClockTime = false;
  periode.GregKal = true;
  periode.Plaats = horoskoop.Data.Plaats;
  horoskoop.PeriodeData = std::move(periode);
  horoskoop.PeriodeStart = JulDag50(start.Maand, start.Dag, start.Jaar, true, 0.0);
  horoskoop.PeriodeLengte = dagen;
  horoskoop.PeriodeGezet = true;
}

}  // namespace orvan
