#include <gtest/gtest.h>

#include "tools/zones/TzifLezer.h"
#include "tools/zones/tests/TzifBouwer.h"

namespace orvan::tools {
namespace {

using test::BouwTzif;

const std::vector<test::TBouwType> kTypen = {
    {1172, false, "LMT"}, {3600, false, "CET"}, {7200, true, "CEST"}};

TEST(TzifLezer, ReadsTypesTransitionsAndFooter) {
  const auto bytes = BouwTzif(kTypen, {{-4260211200, 1}, {-2000000000, 2}, {-1990000000, 1}},
                              "CET-1CEST,M3.5.0,M10.5.0/3");
  TTzif tz;
  std::string fout;
  ASSERT_TRUE(LeesTzif(bytes, tz, fout)) << fout;
  EXPECT_EQ(tz.versie, 2);
  ASSERT_EQ(tz.typen.size(), 3u);
  EXPECT_EQ(tz.typen[0].utVerschil, 1172);
  EXPECT_EQ(tz.typen[0].afkorting, "LMT");
  EXPECT_TRUE(tz.typen[2].zomertijd);
  EXPECT_EQ(tz.typen[2].afkorting, "CEST");
  ASSERT_EQ(tz.overgangen.size(), 3u);
  EXPECT_EQ(tz.overgangen[0].moment, -4260211200);   // before 1902: needs the 64-bit block
  EXPECT_EQ(tz.overgangen[1].type, 2u);
  EXPECT_EQ(tz.voet, "CET-1CEST,M3.5.0,M10.5.0/3");
}

TEST(TzifLezer, RefusesMalformedFiles) {
  const auto goed = BouwTzif(kTypen, {{0, 1}, {100, 2}}, "CET-1");
  struct TGeval {
    const char* naam;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<TGeval> gevallen;
  auto magie = goed;
  magie[0] = 'X';
  gevallen.push_back({"bad magic", magie});
  gevallen.push_back({"cut short", std::vector<std::uint8_t>(goed.begin(), goed.end() - 30)});
  gevallen.push_back({"empty", {}});
  gevallen.push_back({"type index out of range", BouwTzif(kTypen, {{0, 7}}, "CET-1")});
  gevallen.push_back({"transitions out of order", BouwTzif(kTypen, {{100, 1}, {50, 2}}, "CET-1")});
  auto geenVoet = goed;
  geenVoet.pop_back();   // footer without its closing line end
  gevallen.push_back({"footer not closed", geenVoet});
  for (const auto& g : gevallen) {
    TTzif tz;
    std::string fout;
    EXPECT_FALSE(LeesTzif(g.bytes, tz, fout)) << g.naam;
    EXPECT_FALSE(fout.empty()) << g.naam;
  }
}

}  // namespace
}  // namespace orvan::tools
