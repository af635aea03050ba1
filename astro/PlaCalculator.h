#pragma once
// The planet calculator of the process. It is created at start-up, before the language table, from
// "HelConst.dat" in the program folder, and every chart calculation goes through it.

#include "astro/Rwplcalc.h"

namespace orvan {

// Creates the calculator for the program folder. When "HelConst.dat" is missing or damaged it shows
// "File  "HelConst.dat"  not found." (with the reason on a second line for a damaged file), asks
// the application to end with exit code 1 and returns false; the calculator then exists without
// tables, so that every Bereken fails instead of computing without its terms.
bool StartPlaCalculator();

// The calculator; started on first use when the start-up did not create it.
TPlaCalculator& PlaCalculator();

// Frees the calculator (at program end, and in tests before the program folder changes).
void HerstelPlaCalculator();

// The message shown when the tables cannot be read.
inline constexpr const char* HelConstNietGevonden = "File  \"HelConst.dat\"  not found.";

}  // namespace orvan
