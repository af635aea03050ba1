// maak_zonetabellen: writes Orvan's zone tables from the IANA time zone database as Debian's tzdata
// installs it (text lists and binary zone files under /usr/share/zoneinfo):
//   OUT_DIR/<ZONE>.uur    one table per zone (UurTabel.h), line 1 "IANA name - region";
//   OUT_DIR/<ZONE>.exc    the exceptions text of zones that need one (see data/zones/README.md);
//   OUT_DIR/zone-names.tsv  every IANA zone and link name with its table name (ZoneNamen.h).
// Earlier .uur and .exc files in OUT_DIR are removed first, so the folder holds one run's output.
//
//   maak_zonetabellen [--tot JAAR] [--notities NOTES.tsv] ZONEINFO_DIR OUT_DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "time_place/Cp1252.h"
#include "tools/TsvLezer.h"
#include "tools/zones/TzBron.h"
#include "tools/zones/TzifLezer.h"
#include "tools/zones/UurTabel.h"
#include "tools/zones/ZoneNamen.h"

using namespace orvan::tools;
namespace fs = std::filesystem;

namespace {

inline constexpr int kStandaardTotJaar = 2037;

std::string Stad(const std::string& iana) {
  std::string s = iana.substr(iana.rfind('/') == std::string::npos ? 0 : iana.rfind('/') + 1);
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

bool Schrijf(const std::string& pad, const std::string& inhoud, std::string& fout) {
  std::ofstream uit(pad, std::ios::binary);
  uit << inhoud;
  if (!uit) fout = "Cannot write \"" + pad + "\"";
  return static_cast<bool>(uit);
}

// The exceptions text of a zone: for a zone that shares its country with other zones, and for
// zones with a note of their own. Empty when the zone needs none.
std::string Uitzonderingen(const TTzBron& bron, const TZoneNaam& z, const std::string& notitie,
                           const std::vector<std::string>& ookVoor) {
  const auto regio = bron.regio.find(z.iana);
  const bool gedeeld = regio != bron.regio.end() && !regio->second.opmerking.empty();
  if (!gedeeld && notitie.empty()) return {};
  std::string t = ZoneBeschrijving(bron, z.iana) + "\n\n";
  if (gedeeld)
    t += "This country has more than one time zone. Before 1970 this table follows the clocks of " +
         Stad(z.tabelIana) +
         "; other places in the region may then have kept other times, and a place near the "
         "border of the region may belong to a neighbouring table.\n";
  if (!notitie.empty()) t += (gedeeld ? "\n" : "") + notitie + "\n";
  if (!ookVoor.empty()) {
    t += "\nAlso used for:";
    for (const auto& n : ookVoor) t += " " + n;
    t += "\n";
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  int totJaar = kStandaardTotJaar;
  std::string notitiesPad;
  while (args.size() > 2 && args[0].rfind("--", 0) == 0) {
    if (args[0] == "--tot") totJaar = std::stoi(args[1]);
    else if (args[0] == "--notities") notitiesPad = args[1];
    else break;
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 2) {
    std::fprintf(stderr,
                 "usage: maak_zonetabellen [--tot YEAR] [--notities NOTES.tsv] ZONEINFO_DIR OUT_DIR\n");
    return 2;
  }
  std::string map = args[0], uit = args[1], fout;
  if (!map.empty() && map.back() != '/') map += '/';
  if (!uit.empty() && uit.back() != '/') uit += '/';

  TTzBron bron;
  std::vector<TZoneNaam> namen;
  if (!LeesTzBron(map, bron, fout) || !BepaalZoneNamen(bron, namen, fout)) {
    std::fprintf(stderr, "maak_zonetabellen: %s\n", fout.c_str());
    return 1;
  }
  std::map<std::string, std::string> notities;
  if (!notitiesPad.empty()) {
    TTsvTabel tabel;
    if (!LeesTsv(notitiesPad, tabel, fout)) {
      std::fprintf(stderr, "maak_zonetabellen: %s\n", fout.c_str());
      return 1;
    }
    for (const auto& rij : tabel.rijen)
      if (rij.size() >= 2) notities[rij[0]] += (notities[rij[0]].empty() ? "" : "\n") + rij[1];
  }

  std::error_code ec;
  fs::create_directories(uit, ec);
  for (const auto& e : fs::directory_iterator(uit, ec))
    if (e.path().extension() == ".uur" || e.path().extension() == ".exc") fs::remove(e.path(), ec);

  // The other IANA names of each table.
  std::map<std::string, std::vector<std::string>> ookVoor;
  for (const auto& z : namen)
    if (!z.eigenTabel) ookVoor[z.zone].push_back(z.iana);

  std::string tsv = "iana\tzone\tdescription\n";
  int tabellen = 0, regelsTotaal = 0;
  for (const auto& z : namen) {
    const std::string beschrijving = ZoneBeschrijving(bron, z.eigenTabel ? z.iana : z.tabelIana);
    tsv += z.iana + "\t" + z.zone + "\t" + beschrijving + "\n";
    if (!z.eigenTabel) continue;
    TTzif tz;
    bool ok = LeesTzifBestand(map + z.tabelIana, tz, fout);
    std::vector<TUurRegel> regels;
    if (ok) regels = MaakUurRegels(tz, Stad(z.tabelIana), totJaar, fout, ok);
    if (!ok) {
      std::fprintf(stderr, "maak_zonetabellen: %s: %s\n", z.iana.c_str(), fout.c_str());
      return 1;
    }
    std::string tekst = orvan::Utf8NaarCp1252(beschrijving) + "\n";
    for (const auto& r : regels) tekst += UurRegelTekst(r) + "\n";
    if (!Schrijf(uit + z.zone + ".uur", tekst, fout)) {
      std::fprintf(stderr, "maak_zonetabellen: %s\n", fout.c_str());
      return 1;
    }
    const std::string exc = Uitzonderingen(bron, z, notities[z.iana], ookVoor[z.zone]);
    if (!exc.empty() && !Schrijf(uit + z.zone + ".exc", orvan::Utf8NaarCp1252(exc), fout)) {
      std::fprintf(stderr, "maak_zonetabellen: %s\n", fout.c_str());
      return 1;
    }
    ++tabellen;
    regelsTotaal += static_cast<int>(regels.size());
  }
  if (!Schrijf(uit + "zone-names.tsv", tsv, fout)) {
    std::fprintf(stderr, "maak_zonetabellen: %s\n", fout.c_str());
    return 1;
  }
  std::printf("tzdata %s: %zu names, %d tables, %d lines, through %d\n", bron.versie.c_str(),
              namen.size(), tabellen, regelsTotaal, totJaar);
  return 0;
}
