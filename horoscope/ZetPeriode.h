#pragma once
// The active period of a natal chart: the period data the period scans and period charts start
// from.

#include <cstdint>

#include "time_place/JulDayF.h"

namespace orvan {

class TOrvanHoroskoop;

// Sets the period of `horoskoop`: the period data get the start date (Gregorian), 0:00:00
// universal time, an empty name and the natal place; PeriodeStart is the JD50 (UT) of that moment,
// PeriodeLengte the number of days, and PeriodeGezet is set.
void ZetPeriode(TOrvanHoroskoop& horoskoop, const TDatumRec& start, std::int32_t dagen);

}  // namespace orvan
