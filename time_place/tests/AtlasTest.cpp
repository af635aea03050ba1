// The shipped place list: its order, index, names and zones, and some well-known places as the
// browser finds them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "time_place/Cp1252.h"
#include "time_place/PlaatsLijstModel.h"
#include "time_place/PltsLstMenger.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

const std::string Geleverd = std::string(ORVAN_BUILD_DATA_DIR) + "/";

// The Orvan zone names of the zone table mapping.
std::set<std::string> ZoneNamen() {
  std::ifstream in(std::string(ORVAN_SOURCE_DIR) + "/data/zones/zone-names.tsv");
  std::set<std::string> namen;
  std::string regel;
  std::getline(in, regel);
  while (std::getline(in, regel)) {
    const std::size_t tab = regel.find('\t');
    if (tab == std::string::npos) continue;
    namen.insert(regel.substr(tab + 1, regel.find('\t', tab + 1) - tab - 1));
  }
  return namen;
}

TEST(Atlas, OrderIndexNamesAndZones) {
  TPlaatsLijst lijst(Geleverd);
  std::string fout;
  ASSERT_TRUE(lijst.OpenAlleenLezen(fout)) << fout;
  ASSERT_GT(lijst.Aantal(), 130000);
  EXPECT_FALSE(lijst.IndexHerbouwd()) << "the shipped index fits the shipped list";
  const std::set<std::string> zones = ZoneNamen();
  ASSERT_FALSE(zones.empty());
  PlaatsRec p;
  std::string vorige;
  for (int n = 0; n < lijst.Aantal(); ++n) {
    ASSERT_TRUE(lijst.Lees(n, p)) << n;
    const std::string sleutel = lijst.NaamSleutel(n);
    // Strictly ascending: no two places the browser could not tell apart.
    ASSERT_LT(vorige, sleutel) << n << " " << p.Naam;
    vorige = sleutel;
    ASSERT_LE(Codepunten(p.Naam).size(), 35u) << p.Naam;
    ASSERT_EQ(Cp1252NaarUtf8(Utf8NaarCp1252(p.Naam)), p.Naam) << "not CP1252: " << p.Naam;
    ASSERT_EQ(zones.count(p.Zone), 1u) << p.Naam << " has the unknown zone " << p.Zone;
    ASSERT_TRUE(fs::exists(std::string(ORVAN_SOURCE_DIR) + "/data/zones/" + p.Zone + ".uur"))
        << p.Naam << ": no zone table " << p.Zone;
    ASSERT_LE(std::abs(p.Breedte), 90.0f) << p.Naam;
    ASSERT_LE(std::abs(p.Lengte), 180.0f) << p.Naam;
    ASSERT_EQ(p.Gewist, 0) << p.Naam;
  }
}

TEST(Atlas, WellKnownPlacesByTyping) {
  // The browser writes (index, compaction), so it works on a copy.
  test::TOpnameInteraktie interaktie;
  const std::string map = test::NieuweTijdelijkeMap();
  fs::copy_file(Geleverd + PlaatsBestandNaam, map + PlaatsBestandNaam);
  fs::copy_file(Geleverd + PlaatsIndexNaam, map + PlaatsIndexNaam);
  TPlaatsLijstModel viewer(map);
  ASSERT_TRUE(viewer.Open());
  struct Geval {
    const char* getypt;
    const char* naam;
    float breedte;
    float lengte;
    const char* zone;
  };
  const Geval gevallen[] = {
      {"zuri", "Zürich (CH)", 47.22f, 8.33f, "ZURICH"},
      {"amsterdam(", "Amsterdam (NL)", 52.22f, 4.53f, "AMSTERDA"},
      {"shertogenbosch", "'s-Hertogenbosch (NL)", 51.42f, 5.18f, "AMSTERDA"},
      {"springfield(usil", "Springfield (US-IL)", 39.48f, -89.39f, "CHICAGO"},
      {"springfield(usmo", "Springfield (US-MO)", 37.13f, -93.18f, "CHICAGO"},
      {"newyorkcity", "New York City (US)", 40.43f, -74.00f, "NEW_YORK"},
      {"munich", "Munich (DE)", 48.08f, 11.35f, "BERLIN"},
      {"munchenst", "Münchenstein (CH)", 47.31f, 7.37f, "ZURICH"},
      {"lodz", "Lódz (PL)", 51.46f, 19.28f, "WARSAW"},
      {"istanbul", "Istanbul (TR)", 41.01f, 28.57f, "ISTANBUL"},
  };
  for (const Geval& g : gevallen) {
    viewer.ToetsNeer(TLijstToets::Begin);
    for (const char* c = g.getypt; *c; ++c) viewer.ToetsDruk(*c);
    const PlaatsRec& p = viewer.HuidigeRec();
    EXPECT_EQ(p.Naam, g.naam) << "typed " << g.getypt;
    EXPECT_NEAR(p.Breedte, g.breedte, 0.011f) << g.naam;
    EXPECT_NEAR(p.Lengte, g.lengte, 0.011f) << g.naam;
    EXPECT_EQ(p.Zone, g.zone) << g.naam;
  }
}

}  // namespace
}  // namespace orvan
