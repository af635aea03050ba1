#pragma once
// Whole files as strings, for tests that check the exact bytes a writer produced.

#include <fstream>
#include <sstream>
#include <string>

namespace orvan::test {

inline std::string LeesBestand(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void SchrijfBestand(const std::string& pad, const std::string& inhoud) {
  std::ofstream(pad, std::ios::binary) << inhoud;
}

}  // namespace orvan::test
