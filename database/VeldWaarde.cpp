#include "database/VeldWaarde.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orvan {

namespace {

bool LeesDouble(const std::string& s, double& d) {
  if (s.empty()) return false;
  char* eind = nullptr;
  d = std::strtod(s.c_str(), &eind);
  return eind == s.c_str() + s.size();
}

}  // namespace

std::int64_t TVeldWaarde::AlsInt() const {
  if (const auto* i = std::get_if<std::int64_t>(&w_)) return *i;
  if (const auto* d = std::get_if<double>(&w_)) return std::llround(*d);
  if (const auto* s = std::get_if<std::string>(&w_)) {
    double d = 0;
    return LeesDouble(*s, d) ? std::llround(d) : 0;
  }
  return 0;
}

double TVeldWaarde::AlsGetal() const {
  if (const auto* i = std::get_if<std::int64_t>(&w_)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&w_)) return *d;
  if (const auto* s = std::get_if<std::string>(&w_)) {
    double d = 0;
    return LeesDouble(*s, d) ? d : 0;
  }
  return 0;
}

bool TVeldWaarde::AlsBool() const { return AlsGetal() != 0; }

std::string TVeldWaarde::AlsTekst() const {
  if (const auto* i = std::get_if<std::int64_t>(&w_)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&w_)) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, *d);
    return std::string(buf, r.ptr);
  }
  if (const auto* s = std::get_if<std::string>(&w_)) return *s;
  return {};
}

int TVeldWaarde::Vergelijk(const TVeldWaarde& a, const TVeldWaarde& b) {
  auto klasse = [](const TVeldWaarde& w) { return w.IsLeeg() ? 0 : w.IsGetal() ? 1 : 2; };
  const int ka = klasse(a), kb = klasse(b);
  if (ka != kb) return ka < kb ? -1 : 1;
  if (ka == 0) return 0;
  if (ka == 1) {
    if (a.IsGeheel() && b.IsGeheel()) {
      const auto x = std::get<std::int64_t>(a.w_), y = std::get<std::int64_t>(b.w_);
      return x < y ? -1 : x > y ? 1 : 0;
    }
    const double x = a.AlsGetal(), y = b.AlsGetal();
    return x < y ? -1 : x > y ? 1 : 0;
  }
  const int c = std::get<std::string>(a.w_).compare(std::get<std::string>(b.w_));
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int VergelijkSleutels(const std::vector<TVeldWaarde>& a, const std::vector<TVeldWaarde>& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (const int c = TVeldWaarde::Vergelijk(a[i], b[i])) return c;
  return 0;
}

}  // namespace orvan
