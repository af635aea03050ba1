#pragma once
// The table classes of a horoscope database and the field numbers of their fixed fields.
//
//   TPelqTabel            one table in one SQLite file, with its navigational view
//     THorTabel           birth-moment fields, date operations
//       TQ4HorTabel       natal table (natal.db)
//         TQ4MomentTabel  event table (event.db)
//     TQ4RelatTabel       relationship table (relat.db)

#include <cstdint>
#include <string>

#include "database/HorTabel.h"
#include "database/HorVelden.h"
#include "database/PelqTabel.h"
#include "database/Q4HorTabel.h"
#include "database/Q4MomentTabel.h"
#include "database/Q4RelatTabel.h"
#include "database/WijzigingsBlok.h"

namespace orvan {

// The property `naam` of the record with InputNr `nummer` in the table's view: locates the record
// (it becomes current). `nietGevonden` when the record is not in the view; `heeftWaarde` when the
// record has a value for the property. Returns the value, 0 otherwise.
double EigenschapVanHoroskoop(TPelqTabel& tabel, std::int64_t nummer, const std::string& naam,
                              bool& heeftWaarde, bool& nietGevonden);

}  // namespace orvan
