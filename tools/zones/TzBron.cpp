#include "tools/zones/TzBron.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace orvan::tools {

namespace {

std::vector<std::string> SplitsTab(const std::string& regel) {
  std::vector<std::string> velden;
  std::string veld;
  std::istringstream in(regel);
  while (std::getline(in, veld, '\t')) velden.push_back(veld);
  return velden;
}

std::vector<std::string> SplitsKomma(const std::string& s) {
  std::vector<std::string> delen;
  std::string deel;
  std::istringstream in(s);
  while (std::getline(in, deel, ',')) delen.push_back(deel);
  return delen;
}

// zone.tab: code, coordinates, zone, comment; zone1970.tab: codes (comma-separated), coordinates,
// zone, comment. The first file that names a zone gives its region.
void LeesZoneTab(const std::string& pad, TTzBron& bron) {
  std::ifstream in(pad);
  std::string regel;
  while (std::getline(in, regel)) {
    if (regel.empty() || regel[0] == '#') continue;
    const auto velden = SplitsTab(regel);
    if (velden.size() < 3) continue;
    if (bron.regio.count(velden[2])) continue;
    TTzRegio r;
    r.landen = SplitsKomma(velden[0]);
    if (velden.size() > 3) r.opmerking = velden[3];
    bron.regio[velden[2]] = r;
  }
}

}  // namespace

bool LeesTzBron(const std::string& mapIn, TTzBron& bron, std::string& fout) {
  std::string map = mapIn;
  if (!map.empty() && map.back() != '/') map += '/';
  bron = TTzBron{};
  std::ifstream zi(map + "tzdata.zi");
  if (!zi) {
    fout = "Cannot read \"" + map + "tzdata.zi\"";
    return false;
  }
  std::string regel;
  while (std::getline(zi, regel)) {
    if (regel.rfind("# version ", 0) == 0) bron.versie = regel.substr(10);
    std::istringstream in(regel);
    std::string soort, a, b;
    in >> soort >> a >> b;
    if (soort == "Z" && !a.empty()) bron.zones.push_back(a);
    else if (soort == "L" && !a.empty() && !b.empty()) bron.links.push_back({b, a});
  }
  if (bron.zones.empty()) {
    fout = "No zone in \"" + map + "tzdata.zi\"";
    return false;
  }
  std::sort(bron.zones.begin(), bron.zones.end());
  std::sort(bron.links.begin(), bron.links.end(),
            [](const TTzLink& x, const TTzLink& y) { return x.naam < y.naam; });
  LeesZoneTab(map + "zone.tab", bron);
  LeesZoneTab(map + "zone1970.tab", bron);
  std::ifstream iso(map + "iso3166.tab");
  while (std::getline(iso, regel)) {
    if (regel.empty() || regel[0] == '#') continue;
    const auto velden = SplitsTab(regel);
    if (velden.size() >= 2) bron.landNaam[velden[0]] = velden[1];
  }
  return true;
}

}  // namespace orvan::tools
