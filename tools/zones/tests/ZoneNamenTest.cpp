#include <gtest/gtest.h>

#include <algorithm>

#include "tools/zones/ZoneNamen.h"

namespace orvan::tools {
namespace {

TEST(ZoneNamen, ShortNames) {
  const std::pair<const char*, const char*> gevallen[] = {
      {"America/New_York", "NEW_YORK"},   {"America/Los_Angeles", "LOSANGEL"},
      {"Europe/Amsterdam", "AMSTERDA"},   {"America/Port-au-Prince", "PORTAUPR"},
      {"America/Argentina/Buenos_Aires", "BUENOSAI"}, {"Asia/Kolkata", "KOLKATA"},
      {"Etc/GMT-5", "UTC_P05"},           {"Etc/GMT+10", "UTC_M10"},
      {"Etc/GMT-14", "UTC_P14"},          {"Etc/UTC", "UTC"},
      {"Etc/GMT", "GMT"},                 {"EST5EDT", "EST5EDT"},
  };
  for (const auto& [iana, zone] : gevallen) EXPECT_EQ(KorteZoneNaam(iana), zone) << iana;
}

const TZoneNaam* Zoek(const std::vector<TZoneNaam>& namen, const std::string& iana) {
  auto it = std::find_if(namen.begin(), namen.end(), [&](const TZoneNaam& z) { return z.iana == iana; });
  return it == namen.end() ? nullptr : &*it;
}

TEST(ZoneNamen, CollisionsLinksAndCountryLinks) {
  TTzBron bron;
  bron.zones = {"America/North_Dakota/Center", "America/Santa_Isabella", "Europe/Paris",
                "Europe/Santa_Isabel"};
  bron.links = {{"Europe/Monaco", "Europe/Paris"}, {"Older/Name", "Old/Name"},
                {"Old/Name", "Europe/Paris"}};
  bron.regio["Europe/Monaco"] = {{"MC"}, ""};
  std::vector<TZoneNaam> namen;
  std::string fout;
  ASSERT_TRUE(BepaalZoneNamen(bron, namen, fout)) << fout;
  ASSERT_EQ(namen.size(), 7u);
  EXPECT_EQ(Zoek(namen, "America/North_Dakota/Center")->zone, "ND_CENTE");   // chosen by hand
  // The first in IANA order keeps the plain name, the next ends in 2.
  EXPECT_EQ(Zoek(namen, "America/Santa_Isabella")->zone, "SANTAISA");
  EXPECT_EQ(Zoek(namen, "Europe/Santa_Isabel")->zone, "SANTAIS2");
  // A link of a country has its own table; other links use their zone's, also through a link.
  EXPECT_EQ(Zoek(namen, "Europe/Monaco")->zone, "MONACO");
  EXPECT_TRUE(Zoek(namen, "Europe/Monaco")->eigenTabel);
  EXPECT_EQ(Zoek(namen, "Europe/Monaco")->tabelIana, "Europe/Paris");
  EXPECT_EQ(Zoek(namen, "Older/Name")->zone, "PARIS");
  EXPECT_FALSE(Zoek(namen, "Older/Name")->eigenTabel);

  bron.links.push_back({"Broken/Link", "Nowhere/At_All"});
  EXPECT_FALSE(BepaalZoneNamen(bron, namen, fout));
  EXPECT_NE(fout.find("Broken/Link"), std::string::npos);
}

TEST(ZoneNamen, Descriptions) {
  TTzBron bron;
  bron.landNaam = {{"US", "United States"}, {"BE", "Belgium"}, {"NL", "Netherlands"}};
  bron.regio["America/New_York"] = {{"US"}, "Eastern (most areas)"};
  bron.regio["Europe/Brussels"] = {{"BE", "NL"}, ""};
  EXPECT_EQ(ZoneBeschrijving(bron, "America/New_York"),
            "America/New_York - United States: Eastern (most areas)");
  EXPECT_EQ(ZoneBeschrijving(bron, "Europe/Brussels"), "Europe/Brussels - Belgium, Netherlands");
  EXPECT_EQ(ZoneBeschrijving(bron, "Etc/GMT+5"),
            "Etc/GMT+5 - fixed offset UTC-05, no daylight saving");
}

}  // namespace
}  // namespace orvan::tools
