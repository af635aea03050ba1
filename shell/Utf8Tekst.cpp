#include "shell/Utf8Tekst.h"

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

std::string Utf8Van(const std::u32string& tekens) {
  std::string uit;
  for (char32_t c : tekens) uit += Utf8(c);
  return uit;
}

}  // namespace

std::size_t AantalTekens(const std::string& utf8) { return Codepunten(utf8).size(); }

std::string KnipTekens(const std::string& utf8, std::size_t n) {
  std::u32string tekens = Codepunten(utf8);
  if (tekens.size() > n) tekens.resize(n);
  return Utf8Van(tekens);
}

std::string VulAanTekens(const std::string& utf8, std::size_t n) {
  std::u32string tekens = Codepunten(utf8);
  tekens.resize(n, U' ');
  return Utf8Van(tekens);
}

}  // namespace orvan
