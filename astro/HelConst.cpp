#include "astro/HelConst.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

namespace orvan {

namespace {

// The numbers of one line, read strictly: every field must be a complete number.
class TRegelLezer {
 public:
  explicit TRegelLezer(std::string_view regel) : rest_(regel) {}

  bool Geheel(long lo, long hi, long& waarde) {
    const std::string_view veld = Volgend();
    if (veld.empty()) return false;
    const char* begin = veld.data();
    if (*begin == '+') ++begin;
    const auto [eind, ec] = std::from_chars(begin, veld.data() + veld.size(), waarde);
    return ec == std::errc() && eind == veld.data() + veld.size() && waarde >= lo && waarde <= hi;
  }

  bool Reeel(double& waarde) {
    const std::string_view veld = Volgend();
    if (veld.empty()) return false;
    const char* begin = veld.data();
    if (*begin == '+') ++begin;
    const auto [eind, ec] = std::from_chars(begin, veld.data() + veld.size(), waarde);
    return ec == std::errc() && eind == veld.data() + veld.size() && std::isfinite(waarde);
  }

  bool Klaar() { return Volgend().empty(); }

 private:
  std::string_view Volgend() {
    std::size_t i = 0;
    while (i < rest_.size() && IsSpatie(rest_[i])) ++i;
    std::size_t j = i;
    while (j < rest_.size() && !IsSpatie(rest_[j])) ++j;
    const std::string_view veld = rest_.substr(i, j - i);
    rest_.remove_prefix(j);
    return veld;
  }
  static bool IsSpatie(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

  std::string_view rest_;
};

bool Int8(TRegelLezer& r, std::int8_t& x) {
  long v = 0;
  if (!r.Geheel(-128, 127, v)) return false;
  x = static_cast<std::int8_t>(v);
  return true;
}

bool LeesRij(std::string_view regel, TStoringsTerm& t) {
  TRegelLezer r(regel);
  long c = 0, idx = 0;
  if (!Int8(r, t.k1) || !Int8(r, t.k2) || !r.Reeel(t.A) || !r.Reeel(t.B) ||
      !r.Geheel(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), c) ||
      !r.Reeel(t.D) || !r.Geheel(0, AantalGemLengtes - 1, idx) || !r.Klaar())
    return false;
  t.C = static_cast<std::int32_t>(c);
  t.idx = static_cast<std::uint8_t>(idx);
  return true;
}

bool LeesRij(std::string_view regel, TMaanTerm1& t) {
  TRegelLezer r(regel);
  return Int8(r, t.kl) && Int8(r, t.kl2) && Int8(r, t.kF) && Int8(r, t.kD) && r.Reeel(t.Alon) &&
         r.Reeel(t.AS) && r.Reeel(t.Apar) && r.Klaar();
}

bool LeesRij(std::string_view regel, TMaanTerm2& t) {
  TRegelLezer r(regel);
  return r.Reeel(t.A) && Int8(r, t.kl) && Int8(r, t.kl2) && Int8(r, t.kF) && Int8(r, t.kD) &&
         r.Klaar();
}

const char* VeldUitleg(const TStoringsTerm*) { return "k1 k2 A B C D idx"; }
const char* VeldUitleg(const TMaanTerm1*) { return "kl kl2 kF kD Alon AS Apar"; }
const char* VeldUitleg(const TMaanTerm2*) { return "A kl kl2 kF kD"; }

class TBestandLezer {
 public:
  explicit TBestandLezer(std::istream& in) : in_(in) {}

  bool Regel(std::string& regel) {
    if (!std::getline(in_, regel)) return false;
    ++nummer_;
    return true;
  }

  template <class T>
  bool Tabel(const char* naam, int aantal, std::vector<T>& rijen, std::string& fout) {
    rijen.assign(aantal, T{});
    std::string regel;
    for (int i = 0; i < aantal; ++i) {
      if (!Regel(regel)) {
        fout = "the file ends in the " + std::string(naam) + " table after " + std::to_string(i) +
               " of its " + std::to_string(aantal) + " rows";
        return false;
      }
      if (!LeesRij(regel, rijen[i])) {
        fout = "line " + std::to_string(nummer_) + " (" + naam + " row " + std::to_string(i + 1) +
               ") is not a row of the numbers " + VeldUitleg(static_cast<T*>(nullptr));
        return false;
      }
    }
    return true;
  }

  bool Scheiding(const char* volgende, std::string& fout) {
    std::string regel;
    if (!Regel(regel)) {
      fout = "the file ends before the " + std::string(volgende) + " table";
      return false;
    }
    return true;
  }

  int Nummer() const { return nummer_; }

 private:
  std::istream& in_;
  int nummer_ = 0;
};

void SchrijfRij(std::ostream& uit, const TStoringsTerm& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%4d %4d %14.6f %12.6f %12d %12.6f %3d", t.k1, t.k2, t.A, t.B,
                static_cast<int>(t.C), t.D, t.idx);
  uit << buf << '\n';
}

void SchrijfRij(std::ostream& uit, const TMaanTerm1& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%4d %4d %4d %4d %14.6f %14.6f %14.6f", t.kl, t.kl2, t.kF, t.kD,
                t.Alon, t.AS, t.Apar);
  uit << buf << '\n';
}

void SchrijfRij(std::ostream& uit, const TMaanTerm2& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%14.6f %4d %4d %4d %4d", t.A, t.kl, t.kl2, t.kF, t.kD);
  uit << buf << '\n';
}

}  // namespace

bool LeesHelConst(const std::string& pad, THelConst& tabellen, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = "cannot open \"" + pad + "\"";
    return false;
  }
  THelConst t;
  TBestandLezer lezer(in);
  std::string regel;
  if (!lezer.Regel(regel)) {
    fout = "the file is empty";
    return false;
  }
  const bool ok = lezer.Tabel("Earth", AantalAarde, t.storing[0], fout) &&
                  lezer.Scheiding("Mercury", fout) &&
                  lezer.Tabel("Mercury", AantalMercurius, t.storing[2], fout) &&
                  lezer.Scheiding("Venus", fout) &&
                  lezer.Tabel("Venus", AantalVenus, t.storing[3], fout) &&
                  lezer.Scheiding("Mars", fout) &&
                  lezer.Tabel("Mars", AantalMars, t.storing[4], fout) &&
                  lezer.Scheiding("first lunar", fout) &&
                  lezer.Tabel("first lunar", AantalMaan1, t.maan1, fout) &&
                  lezer.Scheiding("second lunar", fout) &&
                  lezer.Tabel("second lunar", AantalMaan2, t.maan2, fout);
  if (!ok) return false;
  while (lezer.Regel(regel)) {
    if (regel.find_first_not_of(" \t\r") != std::string::npos) {
      fout = "line " + std::to_string(lezer.Nummer()) + " follows the last table";
      return false;
    }
  }
  if (in.bad()) {
    fout = "read error";
    return false;
  }
  tabellen = std::move(t);
  return true;
}

bool SchrijfHelConst(const std::string& pad, const THelConst& t, std::string& fout) {
  const int aantallen[5] = {AantalAarde, 0, AantalMercurius, AantalVenus, AantalMars};
  for (int s : {0, 2, 3, 4})
    if (static_cast<int>(t.storing[s].size()) != aantallen[s]) {
      fout = "perturbation table " + std::to_string(s) + " has " +
             std::to_string(t.storing[s].size()) + " rows instead of " + std::to_string(aantallen[s]);
      return false;
    }
  if (static_cast<int>(t.maan1.size()) != AantalMaan1 || static_cast<int>(t.maan2.size()) != AantalMaan2) {
    fout = "the lunar tables do not have 93 and 27 rows";
    return false;
  }
  std::ostringstream uit;
  uit << "Orvan planetary terms: Earth k1 k2 A[\"] B[deg] C[1e-9 log10 r] D[deg] idx\n";
  for (const auto& r : t.storing[0]) SchrijfRij(uit, r);
  uit << "Mercury\n";
  for (const auto& r : t.storing[2]) SchrijfRij(uit, r);
  uit << "Venus\n";
  for (const auto& r : t.storing[3]) SchrijfRij(uit, r);
  uit << "Mars\n";
  for (const auto& r : t.storing[4]) SchrijfRij(uit, r);
  uit << "Moon 1: kl kl2 kF kD Alon[\"] AS[\"] Apar[\"]\n";
  for (const auto& r : t.maan1) SchrijfRij(uit, r);
  uit << "Moon 2: A[\"] kl kl2 kF kD\n";
  for (const auto& r : t.maan2) SchrijfRij(uit, r);
  std::ofstream bestand(pad, std::ios::binary | std::ios::trunc);
  bestand << uit.str();
  bestand.close();
  if (!bestand) {
    fout = "cannot write \"" + pad + "\"";
    return false;
  }
  return true;
}

}  // namespace orvan
