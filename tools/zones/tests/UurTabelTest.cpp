#include <gtest/gtest.h>

#include "tools/zones/DagNummer.h"
#include "tools/zones/TzifLezer.h"
#include "tools/zones/UurTabel.h"
#include "tools/zones/tests/TzifBouwer.h"

namespace orvan::tools {
namespace {

std::int64_t Ut(int j, int m, int d, int u, int min = 0, int s = 0) {
  return DagenSinds1970(j, m, d) * 86400 + u * 3600 + min * 60 + s;
}

std::vector<std::string> Regels(const std::vector<test::TBouwType>& typen,
                                const std::vector<test::TBouwOvergang>& overgangen,
                                const std::string& voet, int totJaar) {
  TTzif tz;
  std::string fout;
  EXPECT_TRUE(LeesTzif(test::BouwTzif(typen, overgangen, voet), tz, fout)) << fout;
  bool ok = false;
  const auto regels = MaakUurRegels(tz, "Testburg", totJaar, fout, ok);
  EXPECT_TRUE(ok) << fout;
  std::vector<std::string> teksten;
  for (const auto& r : regels) teksten.push_back(UurRegelTekst(r));
  return teksten;
}

TEST(UurTabel, MeanTimeChangesAndTheRuleOfTheFooter) {
  // Local mean time +0:19:32 until 1900 (midnight by that clock), standard time +1:00 after, a
  // change of the abbreviation alone in 1950, summer time from 31 March 2024, and the footer's
  // rule for the rest of 2024.
  const auto regels = Regels(
      {{1172, false, "LMT"}, {3600, false, "CET"}, {7200, true, "CEST"}, {3600, false, "MET"}},
      {{Ut(1900, 1, 1, 0) - 1172, 1}, {Ut(1950, 1, 1, 0), 3}, {Ut(2024, 3, 31, 1), 2}},
      "CET-1CEST,M3.5.0,M10.5.0/3", 2024);
  const std::vector<std::string> verwacht = {
      "00010101 0.00 0.20 ?LMT local mean time of Testburg, +0:19:32; the place's own mean time "
      "may differ",
      "19000101 0.00 0.20 ?clocks set forward 0.00 to 0.40: 0.00-0.40 did not exist; 0.20 LMT "
      "assumed",
      "19000101 0.40 1.00  CET",
      "20240331 2.00 1.00 ?clocks set forward 2.00 to 3.00: 2.00-3.00 did not exist; 1.00 MET "
      "assumed",
      "20240331 3.00 2.00  CEST summer time",
      "20241027 2.00 2.00 ?clocks set back 3.00 to 2.00: 2.00-3.00 came twice, first 2.00 CEST, "
      "then 1.00 CET",
      "20241027 3.00 1.00  CET",
  };
  EXPECT_EQ(regels, verwacht);
}

TEST(UurTabel, ChangesOfSecondsAndWestOfGreenwich) {
  // Amsterdam's +0:19:32 to +0:20 in 1937 rounds to the same minute but is a change; a zone west
  // of Greenwich writes negative differences; no footer and no later changes.
  const auto regels = Regels({{1172, false, "AMT"}, {1200, false, "+0020"}, {-18000, false, "EST"}},
                             {{Ut(1937, 7, 1, 0) - 1172, 1}, {Ut(1940, 1, 1, 12), 2}}, "", 2037);
  const std::vector<std::string> verwacht = {
      "00010101 0.00 0.20  AMT (+0:19:32)",
      "19370701 0.00 0.20  +0020",
      "19400101 7.00 0.20 ?clocks set back 12.20 to 7.00: 7.00-12.20 came twice, first 0.20 +0020, "
      "then -5.00 EST",
      "19400101 12.20 -5.00  EST",
  };
  EXPECT_EQ(regels, verwacht);
}

TEST(UurTabel, HmmTexts) {
  EXPECT_EQ(HmmTekst(0), "0.00");
  EXPECT_EQ(HmmTekst(20), "0.20");
  EXPECT_EQ(HmmTekst(-210), "-3.30");
  EXPECT_EQ(HmmTekst(14 * 60), "14.00");
  EXPECT_EQ(HmmTekst(-296), "-4.56");
}

}  // namespace
}  // namespace orvan::tools
