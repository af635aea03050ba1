// The shipped zone tables (share/orvan/zones, generated from the IANA time zone database by
// tools/zones) checked against well-known cases of that database, and their form.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "time_place/KonvUtil.h"
#include "time_place/UurTabelRegel.h"
#include "time_place/UurVerschil.h"

namespace orvan {
namespace {

const std::string kZones = std::string(ORVAN_BUILD_DATA_DIR) + "/zones/";

struct TGeval {
  const char* naam;
  const char* zone;
  TDatumRec datum;
  TTijdRec tijd;
  int status;
  TTijdRec verschil;
  const char* inCommentaar;   // a part of the comment
};

TEST(ShippedZones, WellKnownCasesOfTheIanaData) {
  const TGeval gevallen[] = {
      // The Netherlands: Amsterdam mean time +0:19:32 (rounded to 0:20) until 1 July 1937, then
      // +0:20; German time from 16 May 1940.
      {"Amsterdam mean time, winter 1930", "AMSTERDA", {15, 1, 1930}, {12, 0, 0}, ZoekZeker, {0, 20, 0}, "AMT (+0:19:32)"},
      {"Amsterdam summer time 1936", "AMSTERDA", {1, 7, 1936}, {12, 0, 0}, ZoekZeker, {1, 20, 0}, "(+1:19:32)"},
      {"Amsterdam last minute of mean time", "AMSTERDA", {30, 6, 1937}, {23, 59, 0}, ZoekZeker, {1, 20, 0}, "+1:19:32"},
      {"Amsterdam +0:20 from July 1937", "AMSTERDA", {1, 7, 1937}, {0, 0, 0}, ZoekZeker, {1, 20, 0}, "+0120"},
      {"Amsterdam +0:20 in winter 1938", "AMSTERDA", {15, 1, 1938}, {12, 0, 0}, ZoekZeker, {0, 20, 0}, "+0020"},
      {"Amsterdam before German time", "AMSTERDA", {15, 5, 1940}, {23, 59, 0}, ZoekZeker, {0, 20, 0}, "+0020"},
      {"Amsterdam skipped 1 h 40 min", "AMSTERDA", {16, 5, 1940}, {1, 0, 0}, ZoekOnzeker, {0, 20, 0}, "did not exist"},
      {"Amsterdam German summer time", "AMSTERDA", {16, 5, 1940}, {1, 40, 0}, ZoekZeker, {2, 0, 0}, "CEST"},
      {"Amsterdam German winter time", "AMSTERDA", {15, 1, 1943}, {12, 0, 0}, ZoekZeker, {1, 0, 0}, "CET"},
      {"Amsterdam local mean time", "AMSTERDA", {1, 1, 1800}, {12, 0, 0}, ZoekOnzeker, {0, 20, 0}, "local mean time"},
      // New York: war time from 9 February 1942 to 30 September 1945, year-round; the energy
      // crisis summer time of 1974 and 1975.
      {"New York before war time", "NEW_YORK", {8, 2, 1942}, {12, 0, 0}, ZoekZeker, {-5, 0, 0}, "EST"},
      {"New York war time winter", "NEW_YORK", {15, 1, 1944}, {12, 0, 0}, ZoekZeker, {-4, 0, 0}, "EWT"},
      {"New York after war time", "NEW_YORK", {1, 10, 1945}, {12, 0, 0}, ZoekZeker, {-5, 0, 0}, "EST"},
      {"New York summer 1970", "NEW_YORK", {1, 7, 1970}, {12, 0, 0}, ZoekZeker, {-4, 0, 0}, "EDT"},
      {"New York 5 January 1974", "NEW_YORK", {5, 1, 1974}, {12, 0, 0}, ZoekZeker, {-5, 0, 0}, "EST"},
      {"New York 6 January 1974", "NEW_YORK", {6, 1, 1974}, {12, 0, 0}, ZoekZeker, {-4, 0, 0}, "EDT"},
      {"New York 22 February 1975", "NEW_YORK", {22, 2, 1975}, {12, 0, 0}, ZoekZeker, {-5, 0, 0}, "EST"},
      {"New York 23 February 1975", "NEW_YORK", {23, 2, 1975}, {12, 0, 0}, ZoekZeker, {-4, 0, 0}, "EDT"},
      {"New York repeated hour 1976", "NEW_YORK", {31, 10, 1976}, {1, 30, 0}, ZoekOnzeker, {-4, 0, 0}, "came twice"},
      {"New York winter 1976", "NEW_YORK", {31, 10, 1976}, {2, 0, 0}, ZoekZeker, {-5, 0, 0}, "EST"},
      // India: +5:30, war time +6:30 from 1 October 1941 to 15 May 1942 and from 1 September 1942
      // to 15 October 1945.
      {"India 1940", "KOLKATA", {1, 6, 1940}, {12, 0, 0}, ZoekZeker, {5, 30, 0}, "IST"},
      {"India war time 1941", "KOLKATA", {1, 12, 1941}, {12, 0, 0}, ZoekZeker, {6, 30, 0}, "+0630"},
      {"India summer 1942", "KOLKATA", {1, 7, 1942}, {12, 0, 0}, ZoekZeker, {5, 30, 0}, "IST"},
      {"India war time 1944", "KOLKATA", {1, 1, 1944}, {12, 0, 0}, ZoekZeker, {6, 30, 0}, "+0630"},
      {"India after the war", "KOLKATA", {1, 1, 1946}, {12, 0, 0}, ZoekZeker, {5, 30, 0}, "IST"},
      // Sydney: summer time ends on the first Sunday of April (3:00 back to 2:00) and begins on the
      // first Sunday of October (2:00 forward to 3:00).
      {"Sydney summer", "SYDNEY", {1, 1, 2024}, {12, 0, 0}, ZoekZeker, {11, 0, 0}, "AEDT"},
      {"Sydney repeated hour", "SYDNEY", {7, 4, 2024}, {2, 30, 0}, ZoekOnzeker, {11, 0, 0}, "came twice"},
      {"Sydney winter", "SYDNEY", {7, 4, 2024}, {3, 0, 0}, ZoekZeker, {10, 0, 0}, "AEST"},
      {"Sydney skipped hour", "SYDNEY", {6, 10, 2024}, {2, 30, 0}, ZoekOnzeker, {10, 0, 0}, "did not exist"},
      {"Sydney summer again", "SYDNEY", {6, 10, 2024}, {3, 0, 0}, ZoekZeker, {11, 0, 0}, "AEDT"},
      // A fixed offset, and the later years of the rule.
      {"UTC+5", "UTC_P05", {1, 1, 1990}, {0, 0, 0}, ZoekZeker, {5, 0, 0}, "+05"},
      {"Amsterdam 2037 summer", "AMSTERDA", {1, 7, 2037}, {12, 0, 0}, ZoekZeker, {2, 0, 0}, "CEST"},
      {"Amsterdam after the table", "AMSTERDA", {1, 7, 2090}, {12, 0, 0}, ZoekZeker, {1, 0, 0}, "CET"},
  };
  for (const auto& g : gevallen) {
    const TZoekVerschil z = ZoekVerschilIn(kZones, g.zone, g.datum, g.tijd);
    EXPECT_EQ(z.status, g.status) << g.naam;
    EXPECT_EQ(z.verschil, g.verschil) << g.naam << ": got " << TijdTekst(z.verschil);
    EXPECT_NE(z.commentaar.find(g.inCommentaar), std::string::npos)
        << g.naam << ": comment \"" << z.commentaar << "\"";
  }
}

// Every IANA name maps to a table that exists, whose name is at most 8 capitals, digits or "_",
// and each table name stands for one table (one description).
TEST(ShippedZones, NameMappingIsCompleteAndUnique) {
  std::ifstream in(kZones + "zone-names.tsv");
  ASSERT_TRUE(in) << kZones;
  std::string regel;
  std::getline(in, regel);
  EXPECT_EQ(regel, "iana\tzone\tdescription");
  std::map<std::string, std::string> beschrijving;   // zone -> description
  std::map<std::string, std::string> namen;          // iana -> zone
  while (std::getline(in, regel)) {
    const auto t1 = regel.find('\t'), t2 = regel.find('\t', t1 + 1);
    ASSERT_NE(t2, std::string::npos) << regel;
    const std::string iana = regel.substr(0, t1), zone = regel.substr(t1 + 1, t2 - t1 - 1),
                      tekst = regel.substr(t2 + 1);
    EXPECT_TRUE(namen.emplace(iana, zone).second) << "twice: " << iana;
    EXPECT_TRUE(!zone.empty() && zone.size() <= 8 && zone != ZoneLokaleTijd &&
                zone.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") == std::string::npos)
        << iana << " -> " << zone;
    auto [it, nieuw] = beschrijving.emplace(zone, tekst);
    EXPECT_EQ(it->second, tekst) << zone << " stands for two tables";
    EXPECT_EQ(ZoneBeschrijving(kZones, zone), tekst) << zone;
  }
  EXPECT_GT(namen.size(), 500u);
  const std::pair<const char*, const char*> bekend[] = {
      {"Europe/Amsterdam", "AMSTERDA"}, {"America/New_York", "NEW_YORK"}, {"US/Eastern", "NEW_YORK"},
      {"Asia/Kolkata", "KOLKATA"},      {"Asia/Calcutta", "KOLKATA"},     {"Australia/Sydney", "SYDNEY"},
      {"Etc/UTC", "UTC"},               {"Europe/Kiev", "KYIV"}};
  for (const auto& [iana, zone] : bekend) EXPECT_EQ(namen[iana], zone) << iana;
}

// Every shipped table reads as a whole: a description, then well-formed lines in ascending order,
// the first from year 1 on.
TEST(ShippedZones, EveryTableIsWellFormed) {
  int tabellen = 0;
  for (const auto& e : std::filesystem::directory_iterator(kZones)) {
    if (e.path().extension() != ".uur") continue;
    ++tabellen;
    std::ifstream in(e.path());
    std::string regel;
    ASSERT_TRUE(std::getline(in, regel)) << e.path();
    EXPECT_FALSE(regel.empty()) << e.path();
    TUurTabelRegel vorige;
    int n = 0;
    while (std::getline(in, regel)) {
      TUurTabelRegel r;
      ASSERT_TRUE(LeesUurTabelRegel(regel, r)) << e.path() << ": " << regel;
      if (n == 0) EXPECT_EQ(r.datum, 10101) << e.path();
      else EXPECT_TRUE(IsEerderDan(vorige, r.datum, r.tijd)) << e.path() << ": " << regel;
      vorige = r;
      ++n;
    }
    EXPECT_GT(n, 0) << e.path();
  }
  EXPECT_GT(tabellen, 400);
}

}  // namespace
}  // namespace orvan
