#pragma once
// The fit of the two lunar tables against the reference's geocentric Moon: the apparent longitude
// less the reference's nutation (so referred to the mean equinox of date, as the series is), the
// latitude through the latitude formula of the series (its argument S = F + SS, solved by
// Gauss-Newton steps), and the parallax 8.794" / distance. Arguments kl l + kl2 l' + kF F + kD D,
// with the series' factors E and g^2 in the columns of table 1.

#include <ostream>
#include <string>
#include <vector>

#include "astro/HelConst.h"
#include "tools/ephemeris/PasPlaneet.h"
#include "tools/ephemeris/Referentie.h"

namespace orvan::efem {

bool PasMaan(TReferentie& ref, const TPasInstellingen& inst, std::vector<TMaanTerm1>& tabel1,
             std::vector<TMaanTerm2>& tabel2, std::ostream& log, std::string& fout);

}  // namespace orvan::efem
