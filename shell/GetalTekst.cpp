#include "shell/GetalTekst.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace orvan {

namespace {

// from_chars takes no "+"; a "+" before a "-" stays unreadable.
std::string_view ZonderPlus(std::string_view s) {
  if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
  return s;
}

template <class T>
std::string Kortste(T x) {
  char buffer[64];
  const auto [eind, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
  return ec == std::errc() ? std::string(buffer, eind) : std::string();
}

}  // namespace

std::string_view ZonderBlanco(std::string_view s) {
  const auto begin = s.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  return s.substr(begin, s.find_last_not_of(" \t") - begin + 1);
}

std::string ReeelTekst(double x) { return Kortste(x); }
std::string ReeelTekst(float x) { return Kortste(x); }

bool LeesGeheelGetal(std::string_view tekst, std::int64_t& getal) {
  const std::string_view s = ZonderPlus(ZonderBlanco(tekst));
  if (s.empty()) return false;
  std::int64_t waarde = 0;
  const auto [eind, ec] = std::from_chars(s.data(), s.data() + s.size(), waarde);
  if (ec != std::errc() || eind != s.data() + s.size()) return false;
  getal = waarde;
  return true;
}

bool LeesReeelGetal(std::string_view tekst, double& getal) {
  const std::string_view s = ZonderPlus(ZonderBlanco(tekst));
  if (s.empty()) return false;
  double waarde = 0;
  const auto [eind, ec] =
      std::from_chars(s.data(), s.data() + s.size(), waarde, std::chars_format::general);
  if (ec != std::errc() || eind != s.data() + s.size() || !std::isfinite(waarde)) return false;
  getal = waarde;
  return true;
}

}  // namespace orvan
