#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/ProgrammaMap.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

void Schrijf(const fs::path& pad, const std::string& inhoud) {
  fs::create_directories(pad.parent_path());
  std::ofstream(pad) << inhoud;
}

std::string Lees(const fs::path& pad) {
  std::ifstream in(pad);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ProgrammaMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bron = test::NieuweTijdelijkeMap();
    doel = test::NieuweTijdelijkeMap() + "orvan/";
    Schrijf(bron + "strings.db", "shipped texts");
    Schrijf(bron + "aspekten.db", "shipped aspects");
    Schrijf(bron + "help/EN/index.html", "help");
  }
  void TearDown() override {
    fs::remove_all(bron);
    fs::remove_all(fs::path(doel).parent_path().parent_path());
  }
  std::string bron, doel;
};

TEST_F(ProgrammaMapTest, FirstStartCreatesAndFillsTheFolder) {
  std::string fout;
  ASSERT_TRUE(VulProgrammaMap(bron, doel, fout)) << fout;
  EXPECT_EQ(Lees(doel + "strings.db"), "shipped texts");
  EXPECT_EQ(Lees(doel + "help/EN/index.html"), "help");
  for (const auto& e : fs::recursive_directory_iterator(doel))
    EXPECT_NE(e.path().extension(), ".part") << e.path();
}

TEST_F(ProgrammaMapTest, UserFilesStayAndProgramFilesAreRefreshed) {
  std::string fout;
  ASSERT_TRUE(VulProgrammaMap(bron, doel, fout)) << fout;
  Schrijf(doel + "aspekten.db", "the user's aspects");
  Schrijf(doel + "strings.db", "old texts");
  Schrijf(doel + "orvan.ini", "[general]");
  const auto later = fs::file_time_type::clock::now() + std::chrono::hours(1);
  fs::last_write_time(bron + "strings.db", later);
  fs::last_write_time(bron + "aspekten.db", later);
  ASSERT_TRUE(VulProgrammaMap(bron, doel, fout)) << fout;
  EXPECT_EQ(Lees(doel + "strings.db"), "shipped texts");
  EXPECT_EQ(Lees(doel + "aspekten.db"), "the user's aspects");
  EXPECT_EQ(Lees(doel + "orvan.ini"), "[general]");
}

TEST_F(ProgrammaMapTest, AFolderThatCannotBeCreatedIsReported) {
  Schrijf(doel + "blocker", "a file where a folder should be");
  std::string fout;
  EXPECT_FALSE(VulProgrammaMap(bron, doel + "blocker/sub/", fout));
  EXPECT_NE(fout.find("Cannot create the program folder"), std::string::npos) << fout;
}

TEST(ProgrammaMapKeuze, EnvironmentDecidesTheFolder) {
  const char* orvanHome = std::getenv("ORVAN_HOME");
  const std::string bewaard = orvanHome ? orvanHome : "";
  const std::string home = std::getenv("HOME");
  struct {
    const char* orvanHome;
    const char* xdg;
    std::string verwacht;
  } gevallen[] = {
      {"/tmp/orvan-x", "/tmp/xdg", "/tmp/orvan-x/"},
      {"/tmp/orvan-y/", "", "/tmp/orvan-y/"},
      {"", "/tmp/xdg-orvan-test", "/tmp/xdg-orvan-test/orvan/"},
      {"", "", home + "/.local/share/orvan/"},
  };
  for (const auto& g : gevallen) {
    setenv("ORVAN_HOME", g.orvanHome, 1);
    setenv("XDG_DATA_HOME", g.xdg, 1);
    HerstelProgrammaMap();
    EXPECT_EQ(ProgrammaMap(), g.verwacht);
    fs::remove_all(g.verwacht);
  }
  setenv("ORVAN_HOME", bewaard.c_str(), 1);
  HerstelProgrammaMap();
}

}  // namespace
}  // namespace orvan
