#pragma once
// The birth-data options of the subcommands that calculate a chart, typed as a user types them:
//
//   --date DATE --time TIME (--ut | --diff H:M:S) [--julian] --lat LAT --long LONG
//   [--house R|C|V|E|K|P|Y]
//
// DATE is day month year, TIME a clock time, --diff the difference of that clock to universal time
// (clock time minus UT, east positive), --ut says TIME is universal time; --julian reads the date
// in the Julian calendar. LAT and LONG take the place notations of the program (52N22, 52 22,
// 52.22 degrees.minutes; south and west negative or S and W). Invalid input is reported on
// standard error naming the option, with exit status 2.

#include <optional>
#include <string>

#include "cli/Opdrachten.h"

namespace orvan {
struct THorData;
}

namespace orvan::cli {

inline constexpr const char* GeboorteGebruik =
    "--date DATE --time TIME (--ut | --diff H:M:S) [--julian] --lat LAT --long LONG "
    "[--house R|C|V|E|K|P|Y]";

struct TGeboorteOpties {
  bool ut = false;
  bool juliaans = false;
  std::optional<std::string> datum, tijd, verschil, breedte, lengte, huis;
  bool ontbreekt = false;  // an option was given without its value

  bool HeeftMoment() const { return datum || tijd || verschil || ut || juliaans; }
};

// Removes the birth-data options from `args`.
TGeboorteOpties NeemGeboorteOpties(TArgumenten& args);

// The place and the house system: --lat and --long are required, --house gives the index 0..6 of
// the house system (-1 when it is not given). 0, or the exit status after the message.
int LeesPlaatsOpties(const std::string& opdracht, const TGeboorteOpties& opties, float& breedteDm,
                     float& lengteDm, int& huisSysteem);

// The moment: --date, --time and either --ut or --diff are required. Fills the date, time,
// difference, clock-time and calendar fields of `data`. 0, or the exit status after the message.
int LeesMomentOpties(const std::string& opdracht, const TGeboorteOpties& opties, THorData& data);

}  // namespace orvan::cli
