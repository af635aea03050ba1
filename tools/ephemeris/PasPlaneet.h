#pragma once
// The fit of a planet's periodic terms (the Earth, Mercury, Venus or Mars): the residual of the
// reference's heliocentric longitude and of log10 of its radius vector against the calculator's
// Kepler solution without terms is fitted over arguments k1 * meanlong[idx] + k2 * M. The strongest
// arguments are taken one at a time (each time refitting all that were taken) until the table is
// full; the final table is refitted on a larger set of moments.

#include <ostream>
#include <vector>

#include "astro/HelConst.h"
#include "tools/ephemeris/Referentie.h"

namespace orvan::efem {

struct TPasInstellingen {
  int selectieMomenten = 20000;
  int fitMomenten = 80000;
  unsigned long long zaad = 20240601;
};

// `set`: 0 Earth, 2 Mercury, 3 Venus, 4 Mars; `aantal` rows. The progress and the residuals go to `log`.
bool PasPlaneet(TReferentie& ref, int set, int aantal, const TPasInstellingen& inst,
                std::vector<TStoringsTerm>& termen, std::ostream& log, std::string& fout);

}  // namespace orvan::efem
