#pragma once
// The day-count arithmetic of a period (start date and number of days), without widgets. Dates are
// Gregorian at 0 h universal time; day numbers are JD50.

#include <cstdint>

#include "time_place/JulDayF.h"

namespace orvan {

// The largest number of days a period may span either way (about 10000 years).
inline constexpr std::int32_t MaxPeriodeDagen = 3652425;

// JD50 of a Gregorian date at 0 h.
double DatumJD50(const TDatumRec& d);

// The number of days from start to end: round(eind - start), limited to ±MaxPeriodeDagen.
std::int32_t DagenTussen(double startJD50, double eindJD50);

// The date `dagen` days after `start` (before it when negative). False, with `eind` unchanged,
// when that date's year does not fit the 16-bit year of a TDatumRec.
bool DatumNaDagen(const TDatumRec& start, std::int32_t dagen, TDatumRec& eind);

}  // namespace orvan
