// Builds the shipped place list "GeoCoord.fil" and its letter index "GeoCoord.ndx" from the
// reviewable atlas source, a TSV with the header
//   name latitude longitude zone
// (latitude and longitude in d.mm, north and east positive; zone the name of a zone table).
//
//   maak_plaatslijst OUT_DIR PLACES.tsv
//
// The records are written in the order of the place list (folded name, then folded zone; rows of
// equal keys keep their order). Refuses what the list cannot hold or would misread: a name that is
// empty, is longer than 35 characters or has characters outside code page 1252 (a name may start
// with a digit, as "25 de Mayo (AR)" does, although the text import refuses such a name); a zone longer than 8 characters; a coordinate that is no d.mm value in
// range; and two places with the same folded name, which the place browser could not tell apart.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "time_place/Cp1252.h"
#include "time_place/PltsLstMenger.h"
#include "tools/TsvLezer.h"

using namespace orvan;

namespace {

const std::vector<std::string> Kop = {"name", "latitude", "longitude", "zone"};
constexpr std::size_t NaamMax = 35;
constexpr std::size_t ZoneMax = 8;

bool Dm(const std::string& s, double grens, float& x) {
  double d = 0;
  const auto [eind, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
  if (ec != std::errc() || eind != s.data() + s.size() || !std::isfinite(d)) return false;
  const double a = std::fabs(d);
  if (a > grens || std::lround((a - std::trunc(a)) * 100.0) >= 60) return false;
  x = static_cast<float>(d);
  return true;
}

bool IsCp1252(const std::string& utf8) {
  return Cp1252NaarUtf8(Utf8NaarCp1252(utf8)) == utf8;
}

std::string ControleerRij(const std::vector<std::string>& rij, PlaatsRec& p) {
  p.Naam = rij[0];
  p.Zone = rij[3];
  if (p.Naam.empty() || p.Naam.front() == ' ' || p.Naam.back() == ' ')
    return "the name is empty or has blanks around it";
  if (!IsCp1252(p.Naam)) return "the name has characters outside code page 1252";
  if (Codepunten(p.Naam).size() > NaamMax) return "the name is longer than 35 characters";
  if (!IsCp1252(p.Zone) || Codepunten(p.Zone).size() > ZoneMax)
    return "the zone is not a name of at most 8 characters";
  if (!Dm(rij[1], 90.0, p.Breedte)) return "the latitude is no d.mm value within -90..90";
  if (!Dm(rij[2], 180.0, p.Lengte)) return "the longitude is no d.mm value within -180..180";
  return {};
}

struct TRij {
  TPlaatsRecBytes record;
  std::string sleutel;
  std::string naamSleutel;
  int regel;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: maak_plaatslijst OUT_DIR PLACES.tsv\n";
    return 2;
  }
  std::string map = argv[1];
  if (map.back() != '/') map += '/';
  const std::string bron = argv[2];

  tools::TTsvTabel tabel;
  std::string fout;
  if (!tools::LeesTsv(bron, tabel, fout)) {
    std::cerr << fout << '\n';
    return 1;
  }
  if (tabel.kolommen != Kop) {
    std::cerr << bron << ": the header must be: name latitude longitude zone\n";
    return 1;
  }

  std::vector<TRij> rijen;
  rijen.reserve(tabel.rijen.size());
  for (std::size_t i = 0; i < tabel.rijen.size(); ++i) {
    PlaatsRec p;
    const std::string reden = ControleerRij(tabel.rijen[i], p);
    if (!reden.empty()) {
      std::cerr << bron << ":" << tabel.regelNummers[i] << ": \"" << tabel.rijen[i][0] << "\": "
                << reden << '\n';
      return 1;
    }
    const TPlaatsRecBytes record = SchrijfPlaatsRec(p);
    rijen.push_back({record, PlaatsSleutel(record), NaamSleutel(record), tabel.regelNummers[i]});
  }
  std::stable_sort(rijen.begin(), rijen.end(),
                   [](const TRij& a, const TRij& b) { return a.sleutel < b.sleutel; });
  for (std::size_t i = 1; i < rijen.size(); ++i) {
    if (rijen[i].naamSleutel == rijen[i - 1].naamSleutel) {
      std::cerr << bron << ":" << rijen[i].regel << ": the folded name " << rijen[i].naamSleutel
                << " is also that of line " << rijen[i - 1].regel << '\n';
      return 1;
    }
  }

  std::vector<std::uint8_t> bytes;
  bytes.reserve(rijen.size() * PlaatsRecGrootte);
  for (const TRij& r : rijen) bytes.insert(bytes.end(), r.record.begin(), r.record.end());
  if (!SchrijfPlaatsLijst(map, bytes, PlaatsWerkNaam, false, fout)) {
    std::cerr << "maak_plaatslijst: " << fout << '\n';
    return 1;
  }
  return 0;
}
