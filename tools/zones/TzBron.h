#pragma once
// The text side of the IANA time zone database as Debian's tzdata installs it under
// /usr/share/zoneinfo: the zone and link names (tzdata.zi, "Z" and "L" lines), the countries of each
// zone (zone.tab, zone1970.tab) and the country names (iso3166.tab). The offsets themselves are read
// from the binary zone files (TzifLezer.h).

#include <map>
#include <string>
#include <vector>

namespace orvan::tools {

struct TTzLink {
  std::string naam;    // the link name, e.g. "Asia/Calcutta"
  std::string doel;    // the zone it names, e.g. "Asia/Kolkata"
};

struct TTzRegio {
  std::vector<std::string> landen;   // ISO 3166 codes, the most populous first
  std::string opmerking;             // the comment column of zone.tab / zone1970.tab
};

struct TTzBron {
  std::string versie;                          // e.g. "2025b", from the first line of tzdata.zi
  std::vector<std::string> zones;              // canonical zone names, sorted
  std::vector<TTzLink> links;                  // sorted by link name
  std::map<std::string, TTzRegio> regio;       // by zone (or link) name, from zone.tab, then zone1970.tab
  std::map<std::string, std::string> landNaam; // ISO code -> country name (UTF-8)
};

// Reads the four text files from `map` (with or without a trailing "/"). False with a message when
// tzdata.zi cannot be read or holds no zone; the other files are optional.
bool LeesTzBron(const std::string& map, TTzBron& bron, std::string& fout);

}  // namespace orvan::tools
