#include "shell/IniBestand.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "shell/GetalTekst.h"

namespace orvan {

namespace {

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string EenRegel(const std::string& waarde) {
  std::string s = waarde;
  for (char& c : s)
    if (c == '\n' || c == '\r' || c == '\0') c = ' ';
  return s;
}

}  // namespace

TIniBestand TIniBestand::VanTekst(std::string_view tekst) {
  TIniBestand ini;
  if (tekst.substr(0, 3) == "\xEF\xBB\xBF") tekst.remove_prefix(3);
  TSektie* huidige = nullptr;  // nullptr: keys here belong to no section and are left out
  while (!tekst.empty()) {
    const auto eind = tekst.find('\n');
    std::string_view regel = tekst.substr(0, eind);
    tekst.remove_prefix(eind == std::string_view::npos ? tekst.size() : eind + 1);
    if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
    regel = ZonderBlanco(regel);
    if (regel.empty() || regel[0] == ';' || regel[0] == '#') continue;
    if (regel[0] == '[') {
      const auto sluit = regel.find(']');
      const std::string_view naam = sluit == std::string_view::npos
                                        ? std::string_view()
                                        : ZonderBlanco(regel.substr(1, sluit - 1));
      if (naam.empty()) {
        huidige = nullptr;
        continue;
      }
      ini.secties_.push_back({std::string(naam), {}});
      huidige = &ini.secties_.back();
      continue;
    }
    const auto is = regel.find('=');
    if (!huidige || is == std::string_view::npos) continue;
    const std::string_view naam = ZonderBlanco(regel.substr(0, is));
    if (naam.empty()) continue;
    huidige->sleutels.push_back(
        {std::string(naam), std::string(ZonderBlanco(regel.substr(is + 1)))});
  }
  return ini;
}

bool TIniBestand::Laad(const std::string& pad, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = "cannot open \"" + pad + "\": " + std::strerror(errno);
    return false;
  }
  std::ostringstream inhoud;
  inhoud << in.rdbuf();
  if (in.bad()) {
    fout = "cannot read \"" + pad + "\"";
    return false;
  }
  *this = VanTekst(inhoud.str());
  return true;
}

const std::string* TIniBestand::Zoek(std::string_view sektie, std::string_view sleutel) const {
  for (const TSektie& s : secties_) {
    if (!GelijkZonderHoofdletters(s.naam, sektie)) continue;
    for (const TSleutel& k : s.sleutels)
      if (GelijkZonderHoofdletters(k.naam, sleutel)) return &k.waarde;
  }
  return nullptr;
}

void TIniBestand::Zet(std::string_view sektie, std::string_view sleutel, std::string waarde) {
  TSektie* eerste = nullptr;
  for (TSektie& s : secties_) {
    if (!GelijkZonderHoofdletters(s.naam, sektie)) continue;
    if (!eerste) eerste = &s;
    for (TSleutel& k : s.sleutels)
      if (GelijkZonderHoofdletters(k.naam, sleutel)) {
        k.waarde = std::move(waarde);
        return;
      }
  }
  if (!eerste) {
    secties_.push_back({std::string(sektie), {}});
    eerste = &secties_.back();
  }
  eerste->sleutels.push_back({std::string(sleutel), std::move(waarde)});
}

std::string TIniBestand::Tekst() const {
  std::string uit;
  for (std::size_t i = 0; i < secties_.size(); ++i) {
    if (i) uit += '\n';
    uit += "[" + secties_[i].naam + "]\n";
    for (const TSleutel& k : secties_[i].sleutels) uit += k.naam + "=" + EenRegel(k.waarde) + "\n";
  }
  return uit;
}

}  // namespace orvan
