#include "time_place/UurTabelRegel.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace orvan {

namespace {

bool IsBlanco(char c) { return c == ' ' || c == '\t'; }

// A number of the form [-|+]digits[.digits] from position p on (after blanks).
bool LeesGetal(const std::string& s, std::size_t& p, double& waarde) {
  while (p < s.size() && IsBlanco(s[p])) ++p;
  const std::size_t begin = p;
  if (p < s.size() && (s[p] == '-' || s[p] == '+')) ++p;
  std::size_t cijfers = 0;
  while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p]))) ++p, ++cijfers;
  if (p < s.size() && s[p] == '.') {
    ++p;
    while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p]))) ++p, ++cijfers;
  }
  if (cijfers == 0 || (p < s.size() && !IsBlanco(s[p]))) return false;
  waarde = std::strtod(s.substr(begin, p - begin).c_str(), nullptr);
  return std::isfinite(waarde);
}

}  // namespace

bool LeesUurTabelRegel(const std::string& regelIn, TUurTabelRegel& r) {
  std::string regel = regelIn;
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  std::size_t p = 0;
  double datum = 0, tijd = 0, verschil = 0;
  if (!LeesGetal(regel, p, datum) || !LeesGetal(regel, p, tijd) || !LeesGetal(regel, p, verschil))
    return false;
  if (datum < -99999999 || datum > 99999999 || tijd < 0 || tijd >= 24 ||
      std::fabs(verschil) >= 24)
    return false;
  r.datum = std::lround(datum);
  r.tijd = std::lround(tijd * 100);
  if (r.tijd % 100 >= 60) return false;
  r.verschil = verschil;
  // The separator, the flag, the comment.
  if (p < regel.size()) ++p;
  r.onzeker = p < regel.size() && regel[p] == '?';
  if (p < regel.size()) ++p;
  r.commentaar = p < regel.size() ? regel.substr(p, MaxUurCommentaar) : std::string();
  return true;
}

}  // namespace orvan
