#pragma once
// The names of Orvan's zone tables: at most 8 characters, upper-case letters, digits and "_", so
// that they survive the folding of zone names (the place list sorts by them, the new-place dialog
// upper-cases them) and are valid file names everywhere.
//
// Every canonical IANA zone gets its own table, and so does every link that zone.tab or zone1970.tab
// name as the zone of a country (Europe/Bratislava, America/Marigot, ...), so that a place shows
// the zone of its own country. Any other link (a former or alternative name such as Asia/Calcutta
// or US/Eastern) uses the table of the zone it names.
//
// The short name is taken from the last part of the IANA name: its words (split at "_" and "-")
// joined with "_" when that fits in 8 characters, else run together and cut to 8
// (America/New_York -> NEW_YORK, America/Los_Angeles -> LOSANGEL, Europe/Amsterdam -> AMSTERDA).
// Etc/GMT-5 and Etc/GMT+5 (the signs of POSIX) become UTC_P05 and UTC_M05 (UTC+05 and UTC-05).
// When two tables would get the same name, the later one (in the order of the IANA names) ends in
// a digit 2, 3, ...; the fixed choices in ZoneNamen.cpp come first. The name "L" (local mean time)
// is never given.

#include <map>
#include <string>
#include <vector>

#include "tools/zones/TzBron.h"

namespace orvan::tools {

struct TZoneNaam {
  std::string iana;       // zone or link name
  std::string zone;       // Orvan's table name
  std::string tabelIana;  // the IANA zone whose data the table holds (iana itself, or a link's target)
  bool eigenTabel;        // true when this name has its own table (zone, or link of a country)
};

// The short name proposed for one IANA name before collisions are resolved.
std::string KorteZoneNaam(const std::string& iana);

// The names of all zones and links of `bron`, sorted by IANA name. False with a message when a link
// names no known zone (also through other links).
bool BepaalZoneNamen(const TTzBron& bron, std::vector<TZoneNaam>& namen, std::string& fout);

// Line 1 of a table: "IANA name - region", e.g. "America/New_York - United States: Eastern (most
// areas)" (UTF-8).
std::string ZoneBeschrijving(const TTzBron& bron, const std::string& iana);

}  // namespace orvan::tools
