// orvan-cli zone ZONE DATE TIME: the lookup of the time zone table ZONE (an Orvan zone name such as
// AMSTERDA, or an IANA name such as Europe/Amsterdam, found through zones/zone-names.tsv) for a
// local date (day month year) and clock time: the status, the difference to Greenwich time and the
// comment of the line found.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "shell/ProgrammaMap.h"
#include "time_place/JulDayF.h"
#include "time_place/KonvUtil.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/UurVerschil.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik = "usage: orvan-cli zone ZONE DATE TIME";

// The table name of an IANA name from the shipped mapping; empty when it is not listed.
std::string ZoneVanIana(const std::string& iana) {
  std::ifstream in(TijdzoneMap() + "zone-names.tsv");
  std::string regel;
  while (std::getline(in, regel)) {
    const auto tab1 = regel.find('\t');
    if (tab1 == std::string::npos || regel.compare(0, tab1, iana) != 0 || tab1 != iana.size())
      continue;
    const auto tab2 = regel.find('\t', tab1 + 1);
    return regel.substr(tab1 + 1, tab2 == std::string::npos ? std::string::npos : tab2 - tab1 - 1);
  }
  return {};
}

std::string VerschilTekst(const TTijdRec& t) {
  const std::int32_t s = TijdInSec(t);
  const std::int32_t a = std::abs(s);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%c%d:%02d:%02d", s < 0 ? '-' : '+', a / 3600, a / 60 % 60, a % 60);
  return buf;
}

}  // namespace

int OpdrachtZone(const TArgumenten& args) {
  for (const auto& a : args)
    if (a.size() > 2 && a.rfind("--", 0) == 0) return Fout("zone", "unknown option " + a);
  if (args.size() != 3) return Fout("zone", Gebruik);

  TDatumRec datum;
  if (!LeesDatum(args[1], DatumInternationaal, datum)) return Fout("zone", "Invalid date: " + args[1]);
  TTijdRec tijd;
  if (!LeesTijd(args[2], SoortKloktijd, tijd)) return Fout("zone", "Invalid time: " + args[2]);

  std::string fout;
  if (!OpenProgrammaMap(fout)) return Fout("zone", fout, 1);
  std::string zone = args[0];
  if (!IsGeldigeZoneNaam(zone)) {
    zone = ZoneVanIana(args[0]);
    if (zone.empty()) return Fout("zone", "Unknown zone: " + args[0]);
  }

  const TZoekVerschil z = ZoekVerschil(zone, datum, tijd);
  std::printf("zone %s\n", zone.c_str());
  std::printf("status %d\n", z.status);
  std::printf("difference %s\n", VerschilTekst(z.verschil).c_str());
  std::printf("comment%s%s\n", z.commentaar.empty() ? "" : " ", z.commentaar.c_str());
  // A table that cannot be read is a failure; an uncertain answer is not.
  return z.status == ZoekGeenTabel ? 1 : 0;
}

}  // namespace orvan::cli
