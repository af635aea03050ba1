#pragma once
// A fresh program folder with the shipped data, the language table started in English under the
// en_US locale, and the settings and aspect table at their defaults before and after each test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/LangUtils.h"
#include "shell/Q4Instel.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {

class InstellingenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    HerstelInstellingen();
  }
  void TearDown() override {
    setenv("LC_ALL", "en_US.UTF-8", 1);
    HerstelInstellingen();
  }

  std::string IniPad() const { return map.Pad() + InstellingenBestand; }

  void SchrijfIni(const std::string& tekst) const {
    std::ofstream(IniPad(), std::ios::binary) << tekst;
  }

  std::string LeesIni() const {
    std::ifstream in(IniPad(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // The value in force of "section/key", as the settings file would hold it.
  static std::string InGebruik(const std::string& pad) {
    const auto streep = pad.find('/');
    const TIniBestand ini = InstellingenAlsIni();
    const std::string* w = ini.Zoek(pad.substr(0, streep), pad.substr(streep + 1));
    return w ? *w : "<absent>";
  }

  TTijdelijkeMap map;
  TOpnameInteraktie ui;
};

}  // namespace orvan::test
