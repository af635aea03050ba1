#pragma once
// The batch mode of orvan-cli chart, for the command and its benchmark.

#include <iosfwd>

namespace orvan::cli {

// Reads one universal-time Julian day a line from `in` (blank lines are skipped) and writes one
// line per chart at the place (latitude and longitude in d.mm, north and east positive) with the
// house system of the settings: the JD, the local sidereal time (hours), the longitudes of objects
// 1..13 and cusps 1..12 (degrees), blank-separated with 9 decimals. Returns 0, 2 (after the
// message) for a line that is no Julian day, 1 when a chart cannot be calculated (after the
// calculator's message).
int ChartBatch(std::istream& in, std::ostream& uit, float breedteDm, float lengteDm);

}  // namespace orvan::cli
