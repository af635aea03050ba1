// The main of every core test: the tests never touch the user's files, so HOME, the XDG folders and
// ORVAN_HOME point at a fresh temporary folder, which is removed at the end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/ProgrammaMap.h"
#include "shell/tests/support/TijdelijkeMap.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string map = orvan::test::NieuweTijdelijkeMap();
  setenv("HOME", map.c_str(), 1);
  setenv("XDG_DATA_HOME", (map + "data").c_str(), 1);
  setenv("ORVAN_HOME", (map + "orvan").c_str(), 1);
  setenv("LC_ALL", "en_US.UTF-8", 1);
  orvan::HerstelProgrammaMap();
  const int resultaat = RUN_ALL_TESTS();
  std::error_code ec;
  std::filesystem::remove_all(map, ec);
  return resultaat;
}
