#include <gtest/gtest.h>

#include "tools/zones/DagNummer.h"
#include "tools/zones/PosixTz.h"

namespace orvan::tools {
namespace {

std::int64_t Ut(int j, int m, int d, int u, int min = 0) {
  return DagenSinds1970(j, m, d) * 86400 + u * 3600 + min * 60;
}

TEST(PosixTz, RulesOfBothHemispheres) {
  struct TGeval {
    const char* tz;
    int jaar;
    std::vector<std::pair<std::int64_t, std::int32_t>> verwacht;   // UT moment, new offset
  };
  const TGeval gevallen[] = {
      // Europe: last Sunday ("week 5") of March and of October at 1:00 UT; October 2024 has only
      // four Sundays.
      {"CET-1CEST,M3.5.0,M10.5.0/3", 2024, {{Ut(2024, 3, 31, 1), 7200}, {Ut(2024, 10, 27, 1), 3600}}},
      // United States: second Sunday of March 2:00 EST, first Sunday of November 2:00 EDT.
      {"EST5EDT,M3.2.0,M11.1.0", 2024, {{Ut(2024, 3, 10, 7), -14400}, {Ut(2024, 11, 3, 6), -18000}}},
      // New South Wales: summer time ends first Sunday of April 3:00 AEDT, begins first Sunday of
      // October 2:00 AEST; in UT both fall on the Saturday.
      {"AEST-10AEDT,M10.1.0,M4.1.0/3", 2024, {{Ut(2024, 4, 6, 16), 36000}, {Ut(2024, 10, 5, 16), 39600}}},
      // Quoted names and offsets of half an hour (Lord Howe Island).
      {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 2023, {{Ut(2023, 4, 1, 15), 37800}, {Ut(2023, 9, 30, 15, 30), 39600}}},
      // Julian day numbers: J60 is 1 March also in a leap year; 59 (zero-based) is 29 February.
      {"XST-2XDT,J60/0,59/0", 2024, {{Ut(2024, 2, 28, 21), 7200}, {Ut(2024, 2, 29, 22), 10800}}},
  };
  for (const auto& g : gevallen) {
    TPosixTz tz;
    std::string fout;
    ASSERT_TRUE(LeesPosixTz(g.tz, tz, fout)) << g.tz << ": " << fout;
    const auto o = PosixOvergangen(tz, g.jaar, g.jaar);
    ASSERT_EQ(o.size(), g.verwacht.size()) << g.tz;
    for (std::size_t i = 0; i < o.size(); ++i) {
      EXPECT_EQ(o[i].moment, g.verwacht[i].first) << g.tz << " change " << i;
      EXPECT_EQ(o[i].type.utVerschil, g.verwacht[i].second) << g.tz << " change " << i;
    }
  }
}

TEST(PosixTz, FixedOffsetsAndYearRoundSummerTime) {
  TPosixTz tz;
  std::string fout;
  ASSERT_TRUE(LeesPosixTz("<-03>3", tz, fout)) << fout;
  EXPECT_EQ(tz.standaard.utVerschil, -10800);
  EXPECT_TRUE(PosixOvergangen(tz, 2020, 2030).empty());
  // Permanent summer time as zic writes it: the end of one year is the start of the next, so only
  // the first start remains and no change back to standard time.
  ASSERT_TRUE(LeesPosixTz("EST5EDT,0/0,J365/25", tz, fout)) << fout;
  const auto o = PosixOvergangen(tz, 2030, 2032);
  ASSERT_FALSE(o.empty());
  for (std::size_t i = 0; i + 1 < o.size(); ++i)
    EXPECT_TRUE(o[i].type.zomertijd) << "change " << i;
}

TEST(PosixTz, RefusesMalformedStrings) {
  for (const char* s : {"", "C-1", "CET", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
                        "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,J0,J100", "<+03-3", "CET-1x"}) {
    TPosixTz tz;
    std::string fout;
    EXPECT_FALSE(LeesPosixTz(s, tz, fout)) << '"' << s << '"';
  }
}

}  // namespace
}  // namespace orvan::tools
