// Reading "HelConst.dat": the layout round trip and every way a damaged file is refused.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "astro/HelConst.h"
#include "astro/tests/AstroFixture.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

std::vector<std::string> Regels(const std::string& pad) {
  std::ifstream in(pad);
  std::vector<std::string> regels;
  for (std::string r; std::getline(in, r);) regels.push_back(r);
  return regels;
}

void Schrijf(const std::string& pad, const std::vector<std::string>& regels) {
  std::ofstream uit(pad, std::ios::trunc);
  for (const auto& r : regels) uit << r << '\n';
}

TEST(HelConst, RoundTripKeepsEveryField) {
  const std::string map = test::NieuweTijdelijkeMap();
  test::SchrijfProefConstanten(map);
  THelConst t;
  std::string fout;
  ASSERT_TRUE(LeesHelConst(map + "HelConst.dat", t, fout)) << fout;
  EXPECT_EQ(t.storing[0].size(), 86u);
  EXPECT_EQ(t.storing[2].size(), 24u);
  EXPECT_EQ(t.storing[3].size(), 22u);
  EXPECT_EQ(t.storing[4].size(), 62u);
  EXPECT_EQ(t.maan1.size(), 93u);
  EXPECT_EQ(t.maan2.size(), 27u);
  const TStoringsTerm& a = t.storing[0][0];
  EXPECT_EQ(a.k1, 1);
  EXPECT_EQ(a.k2, -2);
  EXPECT_DOUBLE_EQ(a.B, 12.5);
  EXPECT_DOUBLE_EQ(a.D, 300.25);
  EXPECT_EQ(a.idx, 1);
  EXPECT_EQ(t.storing[4][61].idx, 19);
  EXPECT_EQ(t.storing[4][61].k1, -3);
  EXPECT_EQ(t.maan2[26].kl2, 1);
  EXPECT_EQ(t.maan2[26].kD, -2);
}

TEST(HelConst, AcceptsWindowsLineEndsAndTrailingBlankLines) {
  const std::string map = test::NieuweTijdelijkeMap();
  test::SchrijfProefConstanten(map);
  auto regels = Regels(map + "HelConst.dat");
  for (auto& r : regels) r += '\r';
  regels.push_back("");
  regels.push_back("  ");
  Schrijf(map + "HelConst.dat", regels);
  THelConst t;
  std::string fout;
  EXPECT_TRUE(LeesHelConst(map + "HelConst.dat", t, fout)) << fout;
}

struct TBeschadiging {
  const char* naam;
  std::function<void(std::vector<std::string>&)> wijzig;
  const char* inReden;   // a part of the reason
};

// Line numbers in the good file: 1 header, 2..87 Earth, 88 separator, 89..112 Mercury, 113
// separator, 114..135 Venus, 136, 137..198 Mars, 199, 200..292 Moon 1, 293, 294..320 Moon 2.
const TBeschadiging Beschadigingen[] = {
    {"EmptyFile", [](auto& r) { r.clear(); }, "empty"},
    {"CutInTheEarthTable", [](auto& r) { r.resize(40); }, "Earth"},
    {"CutBeforeTheLastTable", [](auto& r) { r.resize(293); }, "second lunar"},
    {"LastRowMissing", [](auto& r) { r.pop_back(); }, "second lunar"},
    {"MercuryRowMissing", [](auto& r) { r.erase(r.begin() + 100); }, "line 112"},
    {"LetterInANumber", [](auto& r) { r[5] = "1 2 3.5x 4 5 6 7"; }, "line 6"},
    {"TooFewNumbers", [](auto& r) { r[10] = "1 2 3.5 4 5 6"; }, "line 11"},
    {"TooManyNumbers", [](auto& r) { r[10] = "1 2 3.5 4 5 6 7 8"; }, "line 11"},
    {"MultiplierOutOfRange", [](auto& r) { r[2] = "200 0 1 2 3 4 5"; }, "line 3"},
    {"ArgumentRowOutOfRange", [](auto& r) { r[2] = "1 0 1 2 3 4 20"; }, "line 3"},
    {"FractionalInteger", [](auto& r) { r[2] = "1 0 1 2 3.5 4 5"; }, "line 3"},
    {"NotANumber", [](auto& r) { r[205] = "1 0 0 0 nan 0 0"; }, "line 206"},
    {"TextAfterTheLastTable", [](auto& r) { r.push_back("0 0 0 0 0"); }, "follows"},
};

class HelConstBeschadigd : public ::testing::TestWithParam<TBeschadiging> {};

TEST_P(HelConstBeschadigd, IsRefusedWithItsReason) {
  const std::string map = test::NieuweTijdelijkeMap();
  test::SchrijfProefConstanten(map);
  auto regels = Regels(map + "HelConst.dat");
  ASSERT_EQ(regels.size(), 320u);
  GetParam().wijzig(regels);
  Schrijf(map + "HelConst.dat", regels);
  THelConst t;
  t.maan2.resize(3);   // must stay as it was
  std::string fout;
  EXPECT_FALSE(LeesHelConst(map + "HelConst.dat", t, fout));
  EXPECT_NE(fout.find(GetParam().inReden), std::string::npos) << "reason: " << fout;
  EXPECT_EQ(t.maan2.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Bestanden, HelConstBeschadigd, ::testing::ValuesIn(Beschadigingen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST(HelConst, MissingFileIsRefused) {
  THelConst t;
  std::string fout;
  EXPECT_FALSE(LeesHelConst(test::NieuweTijdelijkeMap() + "HelConst.dat", t, fout));
  EXPECT_FALSE(fout.empty());
}

TEST(HelConst, WriterRefusesWrongRowCounts) {
  THelConst t = test::ProefConstanten();
  t.storing[3].pop_back();
  std::string fout;
  EXPECT_FALSE(SchrijfHelConst(test::NieuweTijdelijkeMap() + "HelConst.dat", t, fout));
  EXPECT_NE(fout.find("22"), std::string::npos) << fout;
}

}  // namespace
}  // namespace orvan
