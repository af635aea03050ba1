#include "shell/ui/BestandKeuze.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orvan {

namespace {

std::string Klein(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool EindigtOp(const std::string& tekst, const std::string& einde) {
  return tekst.size() >= einde.size() &&
         Klein(tekst.substr(tekst.size() - einde.size())) == Klein(einde);
}

std::string Trim(const std::string& s) {
  const auto begin = s.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  const auto eind = s.find_last_not_of(" \t");
  return s.substr(begin, eind - begin + 1);
}

}  // namespace

TPadDelen SplitsPad(std::string pad) {
  while (pad.size() > 1 && pad.back() == '/') pad.pop_back();
  TPadDelen delen;
  const auto schuin = pad.find_last_of('/');
  std::string bestand = pad;
  if (schuin != std::string::npos) {
    delen.map = pad.substr(0, schuin + 1);
    bestand = pad.substr(schuin + 1);
  }
  const auto punt = bestand.find_last_of('.');
  if (punt != std::string::npos && punt > 0) {
    delen.naam = bestand.substr(0, punt);
    delen.extensie = bestand.substr(punt + 1);
  } else {
    delen.naam = bestand;
  }
  return delen;
}

std::vector<TGevondenNaam> ZoekNamen(const std::string& map, const std::string& extensie,
                                     bool mapMode) {
  std::vector<TGevondenNaam> namen;
  const std::string einde = "." + extensie;
  std::error_code ec;
  fs::directory_iterator it(map.empty() ? fs::path(".") : fs::path(map), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code ecSoort;
    const bool isMap = it->is_directory(ecSoort);
    if (ecSoort || isMap != mapMode) continue;
    if (!mapMode && !it->is_regular_file(ecSoort)) continue;
    const std::string bestandsnaam = it->path().filename().string();
    if (!EindigtOp(bestandsnaam, einde) || bestandsnaam.size() == einde.size()) continue;
    namen.push_back({bestandsnaam.substr(0, bestandsnaam.size() - einde.size()), bestandsnaam});
  }
  std::sort(namen.begin(), namen.end(), [](const TGevondenNaam& a, const TGevondenNaam& b) {
    const std::string ka = Klein(a.naam), kb = Klein(b.naam);
    return ka != kb ? ka < kb : a.naam < b.naam;
  });
  return namen;
}

TKeuzeFout KeuzeResultaat(const std::string& map, const std::string& keuze,
                          const std::string& extensie, bool mapMode,
                          const std::vector<TGevondenNaam>& gevonden, std::size_t maxLengte,
                          std::string& resultaat) {
  resultaat.clear();
  std::string naam = Trim(keuze);
  if (naam.empty()) return TKeuzeFout::Geen;
  std::string bestandsnaam;
  for (const auto& g : gevonden)
    if (g.naam == naam) bestandsnaam = g.bestandsnaam;
  if (bestandsnaam.empty()) {
    if (EindigtOp(naam, "." + extensie) && naam.size() > extensie.size() + 1)
      naam.resize(naam.size() - extensie.size() - 1);
    if (naam == "." || naam == ".." || naam.find('/') != std::string::npos ||
        naam.find('\0') != std::string::npos)
      return TKeuzeFout::Ongeldig;
    bestandsnaam = naam + "." + extensie;
  }
  std::string pad = map + bestandsnaam;
  if (mapMode) pad += "/";
  if (maxLengte != 0 && pad.size() > maxLengte) return TKeuzeFout::TeLang;
  resultaat = pad;
  return TKeuzeFout::Geen;
}

}  // namespace orvan
