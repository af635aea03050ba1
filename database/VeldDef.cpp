#include "database/VeldDef.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "database/DbVerbinding.h"
#include "shell/Utf8Tekst.h"

namespace orvan {

namespace {

std::string Hoofd(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool LeesGetalTekst(const std::string& s, double& d) {
  if (s.empty()) return false;
  char* eind = nullptr;
  d = std::strtod(s.c_str(), &eind);
  return eind == s.c_str() + s.size() && std::isfinite(d);
}

}  // namespace

std::string KolomDeclaratie(const TVeldDef& v) {
  std::string type;
  switch (v.soort) {
    case TVeldSoort::AutoNummer: return CiteerNaam(v.naam) + " INTEGER PRIMARY KEY AUTOINCREMENT";
    case TVeldSoort::Tekst: type = "VARCHAR(" + std::to_string(v.grootte) + ")"; break;
    case TVeldSoort::Memo: type = "TEXT"; break;
    case TVeldSoort::Bcd: type = "DECIMAL(8,2)"; break;
    case TVeldSoort::KleinGetal: type = "SMALLINT"; break;
    case TVeldSoort::Geheel: type = "INTEGER"; break;
    case TVeldSoort::Boolean: type = "BOOLEAN"; break;
    case TVeldSoort::Numeriek: type = "NUMERIC"; break;
  }
  return CiteerNaam(v.naam) + " " + type + (v.verplicht ? " NOT NULL" : "");
}

TVeldDef VeldVanKolom(const std::string& naam, const std::string& type, bool nietNul, bool sleutel) {
  TVeldDef v;
  v.naam = naam;
  v.verplicht = nietNul;
  const std::string t = Hoofd(type);
  if (sleutel && t == "INTEGER") {
    v.soort = TVeldSoort::AutoNummer;
  } else if (t.rfind("VARCHAR", 0) == 0) {
    v.soort = TVeldSoort::Tekst;
    const auto open = t.find('(');
    v.grootte = open == std::string::npos ? 255 : std::atoi(t.c_str() + open + 1);
  } else if (t == "TEXT") {
    v.soort = TVeldSoort::Memo;
  } else if (t.rfind("DECIMAL", 0) == 0) {
    v.soort = TVeldSoort::Bcd;
  } else if (t == "SMALLINT") {
    v.soort = TVeldSoort::KleinGetal;
  } else if (t == "INTEGER") {
    v.soort = TVeldSoort::Geheel;
  } else if (t == "BOOLEAN") {
    v.soort = TVeldSoort::Boolean;
  } else {
    v.soort = TVeldSoort::Numeriek;
  }
  return v;
}

std::vector<std::string> IndexVelden(const std::string& velden) {
  std::vector<std::string> uit;
  std::size_t begin = 0;
  while (begin <= velden.size()) {
    const auto eind = std::min(velden.find(';', begin), velden.size());
    if (eind > begin) uit.push_back(velden.substr(begin, eind - begin));
    begin = eind + 1;
  }
  return uit;
}

bool ZetOmVoorVeld(const TVeldDef& v, const TVeldWaarde& w, TVeldWaarde& uit, std::string& fout) {
  if (w.IsLeeg()) {
    uit = TVeldWaarde();
    return true;
  }
  auto getal = [&](double& d) {
    if (w.IsGetal()) {
      d = w.AlsGetal();
      return std::isfinite(d);
    }
    if (w.Tekst()->empty()) return false;
    return LeesGetalTekst(*w.Tekst(), d);
  };
  auto geenGetal = [&]() {
    fout = "\"" + w.AlsTekst() + "\" is not a valid value for field \"" + v.naam + "\"";
    return false;
  };
  switch (v.soort) {
    case TVeldSoort::Tekst:
      uit = TVeldWaarde(KnipTekens(w.AlsTekst(), static_cast<std::size_t>(v.grootte)));
      return true;
    case TVeldSoort::Memo:
      uit = TVeldWaarde(w.AlsTekst());
      return true;
    case TVeldSoort::Bcd: {
      double d = 0;
      if (!getal(d)) return geenGetal();
      uit = TVeldWaarde(std::round(d * 100.0) / 100.0);
      return true;
    }
    case TVeldSoort::KleinGetal:
    case TVeldSoort::Geheel:
    case TVeldSoort::AutoNummer: {
      double d = 0;
      if (!getal(d) || std::fabs(d - std::round(d)) > 1e-9) return geenGetal();
      const double grens = v.soort == TVeldSoort::KleinGetal ? 32767.0 : 2147483647.0;
      if (d > grens || d < -grens - 1) return geenGetal();
      uit = TVeldWaarde(static_cast<std::int64_t>(std::llround(d)));
      return true;
    }
    case TVeldSoort::Boolean: {
      if (w.IsTekst()) {
        std::string t;
        for (char c : *w.Tekst()) t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (t == "true" || t == "1") uit = TVeldWaarde(true);
        else if (t == "false" || t == "0") uit = TVeldWaarde(false);
        else return geenGetal();
        return true;
      }
      uit = TVeldWaarde(w.AlsGetal() != 0);
      return true;
    }
    case TVeldSoort::Numeriek: {
      double d = 0;
      if (w.IsTekst() && w.Tekst()->empty()) {
        uit = TVeldWaarde();
        return true;
      }
      if (!getal(d)) return geenGetal();
      uit = w.IsGeheel() ? w : TVeldWaarde(d);
      return true;
    }
  }
  return geenGetal();
}

}  // namespace orvan
