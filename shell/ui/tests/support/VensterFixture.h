#pragma once
// Fixtures of the widget tests: a fresh program folder with the shipped language table started in
// a language, and a recording help window.

#include <gtest/gtest.h>

#include <vector>

#include "shell/tests/support/TijdelijkeMap.h"
#include "shell/ui/Help.h"

namespace orvan::test {

// A program folder of its own with the language table in English (KiesTaal switches).
class TVensterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartTaal(2)); }
  TTijdelijkeMap map;
};

// Records every help request for its lifetime.
struct THelpOpname {
  THelpOpname() {
    ZetHelpToner([this](const THelpOnderwerp& o) {
      gevraagd.push_back(o);
      return true;
    });
  }
  ~THelpOpname() { ZetHelpToner({}); }
  THelpOpname(const THelpOpname&) = delete;
  THelpOpname& operator=(const THelpOpname&) = delete;

  std::vector<THelpOnderwerp> gevraagd;
};

}  // namespace orvan::test
