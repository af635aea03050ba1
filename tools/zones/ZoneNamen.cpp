#include "tools/zones/ZoneNamen.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace orvan::tools {

namespace {

inline constexpr std::size_t kMaxNaam = 8;

// Names chosen by hand where the rule gives an unreadable or misleading result; they are taken
// before any other name.
const std::map<std::string, std::string>& VasteNamen() {
  static const std::map<std::string, std::string> vast = {
      // "CENTER", "BEULAH" and "NEWSALEM" would not tell the reader where they are.
      {"America/North_Dakota/Beulah", "ND_BEULA"},
      {"America/North_Dakota/Center", "ND_CENTE"},
      {"America/North_Dakota/New_Salem", "ND_NEWSA"},
  };
  return vast;
}

std::vector<std::string> Woorden(const std::string& deel) {
  std::vector<std::string> woorden;
  std::string woord;
  for (char c : deel) {
    if (c == '_' || c == '-' || c == ' ') {
      if (!woord.empty()) woorden.push_back(woord);
      woord.clear();
    } else if (std::isalnum(static_cast<unsigned char>(c))) {
      woord += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (c == '+') {
      woord += 'P';
    }
  }
  if (!woord.empty()) woorden.push_back(woord);
  return woorden;
}

std::string Samen(const std::vector<std::string>& woorden, const std::string& tussen) {
  std::string s;
  for (std::size_t i = 0; i < woorden.size(); ++i) s += (i ? tussen : "") + woorden[i];
  return s;
}

std::string Resolveer(const TTzBron& bron, const std::string& naam, int diepte = 0) {
  if (std::binary_search(bron.zones.begin(), bron.zones.end(), naam)) return naam;
  if (diepte > 8) return {};
  auto it = std::lower_bound(bron.links.begin(), bron.links.end(), naam,
                             [](const TTzLink& l, const std::string& n) { return l.naam < n; });
  if (it == bron.links.end() || it->naam != naam) return {};
  return Resolveer(bron, it->doel, diepte + 1);
}

}  // namespace

std::string KorteZoneNaam(const std::string& iana) {
  if (iana == "Etc/UTC") return "UTC";
  if (iana == "Etc/GMT") return "GMT";
  if (iana.rfind("Etc/GMT", 0) == 0 && iana.size() > 8) {
    // POSIX signs: Etc/GMT-5 is five hours ahead of Greenwich.
    const char teken = iana[7];
    const std::string uren = iana.substr(8);
    if ((teken == '+' || teken == '-') && !uren.empty() && uren.size() <= 2 &&
        std::all_of(uren.begin(), uren.end(), [](char c) { return std::isdigit(
            static_cast<unsigned char>(c)); }))
      return std::string("UTC_") + (teken == '-' ? "P" : "M") + (uren.size() == 1 ? "0" : "") +
             uren;
  }
  const auto schuine = iana.rfind('/');
  const auto woorden = Woorden(schuine == std::string::npos ? iana : iana.substr(schuine + 1));
  std::string naam = Samen(woorden, "_");
  if (naam.size() > kMaxNaam) naam = Samen(woorden, "").substr(0, kMaxNaam);
  if (naam.empty() || naam == "L") naam = "ZONE";
  return naam;
}

bool BepaalZoneNamen(const TTzBron& bronIn, std::vector<TZoneNaam>& namen, std::string& fout) {
  namen.clear();
  TTzBron bron = bronIn;   // sorted, for the look-ups of Resolveer
  std::sort(bron.zones.begin(), bron.zones.end());
  std::sort(bron.links.begin(), bron.links.end(),
            [](const TTzLink& x, const TTzLink& y) { return x.naam < y.naam; });
  // The names with a table of their own: the zones and the links of a country.
  std::vector<std::string> eigen = bron.zones;
  for (const auto& l : bron.links)
    if (bron.regio.count(l.naam)) eigen.push_back(l.naam);
  std::sort(eigen.begin(), eigen.end());

  std::map<std::string, std::string> kort;  // IANA -> short name
  std::set<std::string> bezet;
  for (const auto& [iana, naam] : VasteNamen())
    if (std::binary_search(eigen.begin(), eigen.end(), iana)) {
      kort[iana] = naam;
      bezet.insert(naam);
    }
  for (const auto& iana : eigen) {
    if (kort.count(iana)) continue;
    std::string naam = KorteZoneNaam(iana);
    for (int n = 2; bezet.count(naam); ++n) {
      const std::string achter = std::to_string(n);
      naam = KorteZoneNaam(iana).substr(0, kMaxNaam - achter.size()) + achter;
    }
    kort[iana] = naam;
    bezet.insert(naam);
  }

  std::set<std::string> alle(eigen.begin(), eigen.end());
  for (const auto& l : bron.links) alle.insert(l.naam);
  for (const auto& iana : alle) {
    TZoneNaam z;
    z.iana = iana;
    z.eigenTabel = kort.count(iana) > 0;
    if (z.eigenTabel) {
      z.zone = kort[iana];
      z.tabelIana = Resolveer(bron, iana);
    } else {
      const std::string doel = Resolveer(bron, iana);
      if (doel.empty()) {
        fout = "The link \"" + iana + "\" names no zone";
        return false;
      }
      z.zone = kort[doel];
      z.tabelIana = doel;
    }
    if (z.tabelIana.empty()) {
      fout = "The link \"" + iana + "\" names no zone";
      return false;
    }
    namen.push_back(z);
  }
  return true;
}

std::string ZoneBeschrijving(const TTzBron& bron, const std::string& iana) {
  std::string regio;
  if (auto it = bron.regio.find(iana); it != bron.regio.end()) {
    for (std::size_t i = 0; i < it->second.landen.size(); ++i) {
      const std::string& code = it->second.landen[i];
      auto land = bron.landNaam.find(code);
      regio += (i ? ", " : "") + (land != bron.landNaam.end() ? land->second : code);
    }
    if (!it->second.opmerking.empty()) regio += ": " + it->second.opmerking;
  } else if (iana == "Etc/UTC") {
    regio = "Coordinated Universal Time";
  } else if (iana == "Etc/GMT") {
    regio = "Greenwich Mean Time";
  } else if (iana.rfind("Etc/GMT", 0) == 0) {
    const std::string z = KorteZoneNaam(iana);
    regio = std::string("fixed offset UTC") + (z[4] == 'P' ? "+" : "-") + z.substr(5) +
            ", no daylight saving";
  } else if (iana == "Factory") {
    regio = "no time zone set";
  } else {
    regio = "former zone of the POSIX standard";
  }
  return iana + " - " + regio;
}

}  // namespace orvan::tools
