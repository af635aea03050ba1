// orvan-cli jd DATE TIME [--julian]: the day numbers of a date (day month year) and a universal
// time, with Delta T and the Gregorian date read back from the day number.

#include <cstdio>
#include <string>

#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "time_place/JulDayF.h"
#include "time_place/KonvUtil.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik = "usage: orvan-cli jd DATE TIME [--julian]";
inline constexpr int TaalEngels = 2;

}  // namespace

int OpdrachtJd(const TArgumenten& argumenten) {
  TArgumenten args = argumenten;
  const bool juliaans = NeemVlag(args, "julian");
  for (const auto& a : args)
    if (a.size() > 2 && a.rfind("--", 0) == 0) return Fout("jd", "unknown option " + a);
  if (args.size() != 2) return Fout("jd", Gebruik);

  TDatumRec datum;
  if (!LeesDatum(args[0], DatumInternationaal, datum)) return Fout("jd", "Invalid date: " + args[0]);
  TTijdRec tijd;
  if (!LeesTijd(args[1], SoortKloktijd, tijd)) return Fout("jd", "Invalid time: " + args[1]);

  const double uren = TijdInUren(tijd);   // universal time
  const double jd = JulDag(datum.Maand, datum.Dag, datum.Jaar, !juliaans, uren);
  const double jd50 = JulDag50(datum.Maand, datum.Dag, datum.Jaar, !juliaans, uren);
  std::printf("jd %.6f\n", jd);
  std::printf("jd50 %.6f\n", jd50);
  std::printf("deltat_s %.3f\n", DeltaT(jd50) * 86400);
  std::printf("date %s\n", JD50DatumTijdTekst(TaalEngels, DatumInternationaal, jd50).c_str());
  return 0;
}

}  // namespace orvan::cli
