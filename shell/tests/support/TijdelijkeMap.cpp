#include "shell/tests/support/TijdelijkeMap.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"

namespace fs = std::filesystem;

namespace orvan::test {

std::string NieuweTijdelijkeMap() {
  std::string sjabloon = (fs::temp_directory_path() / "orvan-test-XXXXXX").string();
  if (!mkdtemp(sjabloon.data())) throw std::runtime_error("cannot create a temporary folder");
  return sjabloon + "/";
}

std::string ZetTestOmgeving() {
  const std::string map = NieuweTijdelijkeMap();
  setenv("HOME", map.c_str(), 1);
  setenv("XDG_DATA_HOME", (map + "data").c_str(), 1);
  setenv("ORVAN_HOME", (map + "orvan").c_str(), 1);
  setenv("LC_ALL", "en_US.UTF-8", 1);
  HerstelProgrammaMap();
  return map;
}

TTijdelijkeMap::TTijdelijkeMap(bool vullen) : pad_(NieuweTijdelijkeMap()) {
  if (const char* v = std::getenv("ORVAN_HOME")) {
    vorige_ = v;
    hadVorige_ = true;
  }
  SluitTaalTabel();
  setenv("ORVAN_HOME", pad_.c_str(), 1);
  HerstelProgrammaMap();
  std::string fout;
  if (!vullen)
    GebruikProgrammaMap(pad_);
  else if (!OpenProgrammaMap(fout))
    throw std::runtime_error(fout);
}

TTijdelijkeMap::~TTijdelijkeMap() {
  SluitTaalTabel();
  std::error_code ec;
  fs::remove_all(pad_, ec);
  if (hadVorige_)
    setenv("ORVAN_HOME", vorige_.c_str(), 1);
  else
    unsetenv("ORVAN_HOME");
  HerstelProgrammaMap();
}

bool StartTaal(int taal) {
  setenv("LC_ALL", "en_US.UTF-8", 1);
  if (!StartTaalTabel()) return false;
  return KiesTaal(taal);
}

}  // namespace orvan::test
