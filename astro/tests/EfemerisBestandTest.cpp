// The ephemeris file names, the numbering of the files and the record layout.

#include <gtest/gtest.h>

#include "astro/EfemerisBestand.h"

namespace orvan {
namespace {

TEST(EfemerisBestand, NamesCarryTheNumberAndMForNegative) {
  const struct {
    int n;
    const char* naam;
  } gevallen[] = {{24, "LRZ6_24.PC"}, {0, "LRZ6_0.PC"}, {-1, "LRZ6_M1.PC"}, {-30, "LRZ6_M30.PC"},
                  {6, "LRZ6_6.PC"}};
  for (const auto& g : gevallen) EXPECT_EQ(EfemerisBestandsnaam(g.n), g.naam) << "n = " << g.n;
}

TEST(EfemerisBestand, FileNumberOfATabularEpoch) {
  // The day is the tabular epoch's JD - 0.5.
  const struct {
    long long dag;
    int n;
  } gevallen[] = {{2400000, 24},  {2499920, 24}, {2500000, 25}, {0, 0},
                  {-80, -1},      {-100000, -1}, {-100080, -2}, {99920, 0}};
  for (const auto& g : gevallen) EXPECT_EQ(EfemerisBestandNummer(g.dag), g.n) << "day " << g.dag;
}

TEST(EfemerisBestand, RecordIsLittleEndianAndChecked) {
  TEfemerisRecord r;
  for (int s = 0; s < EfemSlots; ++s) r[s] = {1295999999 - s, 100000000 + s, -99999999 + s};
  r[1].lengte = 0x01020304;
  unsigned char bytes[EfemRecordLengte];
  CodeerRecord(r, bytes);
  EXPECT_EQ(bytes[12], 0x04);   // slot 1 begins at byte 12, lowest byte first
  EXPECT_EQ(bytes[15], 0x01);
  TEfemerisRecord terug;
  ASSERT_TRUE(DecodeerRecord(bytes, terug));
  for (int s = 0; s < EfemSlots; ++s) {
    EXPECT_EQ(terug[s].lengte, r[s].lengte);
    EXPECT_EQ(terug[s].straal, r[s].straal);
    EXPECT_EQ(terug[s].hoogte, r[s].hoogte);
  }
  const struct {
    const char* naam;
    TEfemerisWaarde w;
  } fout[] = {{"longitude of 360 degrees", {1296000000, 100, 0}},
              {"negative longitude", {-1, 100, 0}},
              {"zero radius (an empty slot)", {0, 0, 0}},
              {"height above the radius", {5, 100, -101}}};
  for (const auto& f : fout) {
    TEfemerisRecord slecht = r;
    slecht[4] = f.w;
    CodeerRecord(slecht, bytes);
    EXPECT_FALSE(DecodeerRecord(bytes, terug)) << f.naam;
  }
}

}  // namespace
}  // namespace orvan
