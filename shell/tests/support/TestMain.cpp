// The main of every core test: the tests never touch the user's files, so HOME, the XDG folders and
// ORVAN_HOME point at a fresh temporary folder, which is removed at the end.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/tests/support/TijdelijkeMap.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string map = orvan::test::ZetTestOmgeving();
  const int resultaat = RUN_ALL_TESTS();
  std::error_code ec;
  std::filesystem::remove_all(map, ec);
  return resultaat;
}
