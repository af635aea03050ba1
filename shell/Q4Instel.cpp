#include "shell/Q4Instel.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

#include "shell/GetalTekst.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Utf8Tekst.h"
#include "shell/VeiligSchrijven.h"

namespace orvan {

namespace {

inline constexpr std::size_t PlaatsNaamLengte = 35;
inline constexpr std::size_t ZoneLengte = 8;
inline constexpr std::size_t PersInfoLengte = 255;

std::string Nr(int n) { return std::to_string(n); }

// Every key of the settings file, in the order of the file, with its field and the range of
// values that may reach a calculation. `S` is TInstellingen when reading, const when writing.
template <class S, class V>
void BezoekSleutels(S& s, V& v) {
  v.Tekst("general", "database", s.Database, 0, false);
  v.Tekst("general", "RefDatabase", s.RefDatabase, 0, true);
  v.Tekst("general", "StdPlaats", s.StdPlaats.Naam, PlaatsNaamLengte, true);
  v.Reeel("general", "StdPlaatsGB", s.StdPlaats.Breedte, -90.0, 90.0, false);
  v.Reeel("general", "StdPlaatsGL", s.StdPlaats.Lengte, -180.0, 180.0, false);
  v.Tekst("general", "StdPlaatsZone", s.StdPlaats.Zone, ZoneLengte, true);
  v.Bool("general", "WordpadUitvoer", s.WordpadUitvoer);
  v.Bool("general", "PositiesBewaren", s.PositiesBewaren);
  v.Taal("general", "Taal");
  v.Geheel("general", "Datuminvoermode", s.Datuminvoermode, 0, 1);
  for (int i = 1; i <= 4; ++i)
    v.Tekst("PersInfo", "lijn" + Nr(i), s.PersInfo[i], PersInfoLengte, true);

  v.Geheel("BerekPref", "HuisSys", s.HuisSys, 0, 6);
  v.Bool("BerekPref", "GebruikWareKnoop", s.GebruikWareKnoop);
  v.Bool("BerekPref", "OokAspektenOpKuspen", s.OokAspektenOpKuspen);
  // Orbs as the preferences accept them: above 0 and below 20 degrees.
  v.Reeel("BerekPref", "MidOrb", s.MidOrb, 0.0, 20.0, true);
  v.Reeel("BerekPref", "TraOrb", s.TraOrb, 0.0, 20.0, true);
  v.Reeel("BerekPref", "BrFac", s.BrFac, 0.0, 100.0, true);
  for (int i = 1; i <= TInstellingen::AantalGewichten; ++i)
    v.Geheel("BerekPref", "Gewicht-" + Nr(i), s.Gewicht[i], 0, 1000);
  v.Geheel("BerekPref", "KompStarthuis", s.KompStarthuis, 1, 12);
  v.Letter("BerekPref", "PrimDirSysteem", s.PrimDirSysteem, "LRD");

  v.Geheel("TekPref", "CirkelRotatie", s.CirkelRotatie, 0, 2);
  v.Bool("TekPref", "HuisNummering", s.HuisNummering);
  v.Bool("TekPref", "LijndikteMin", s.LijndikteMin);
  v.Geheel("TekPref", "GevPtStreepjes", s.GevPtStreepjes, 0, 2);
  v.Tekst("TekPref", "SymBestandsnaam", s.SymBestandsnaam, 0, true);
  for (int i = 1; i <= TInstellingen::AantalPla; ++i)
    v.Pad("TekPref", "PlaSym" + Nr(i), s.PlaSym[i]);
  for (int i = 1; i <= TInstellingen::AantalTekens; ++i)
    v.Pad("TekPref", "TekenSym" + Nr(i), s.TekenSym[i]);

  for (int i = 1; i <= TInstellingen::AantalObjekten; ++i) v.Bool("PlaOpTek", Nr(i), s.PlaOpTek[i]);
  for (int i = 1; i <= TInstellingen::AantalObjekten; ++i)
    v.Bool("PlaAspOpTek", Nr(i), s.PlaAspOpTek[i]);
  for (int i = 1; i <= TInstellingen::AantalPla; ++i) v.Bool("TraObj", Nr(i), s.TraObj[i]);
  for (int i = 1; i <= TInstellingen::AantalObjekten; ++i)
    v.Bool("SekProgObj", Nr(i), s.SekProgObj[i]);
  for (int i = 1; i <= TInstellingen::AantalObjekten; ++i)
    v.Bool("PrimDirObj", Nr(i), s.PrimDirObj[i]);
  v.Bool("TraOpt", "tsMajeure", s.tsMajeure);
  v.Bool("TraOpt", "tsMineure", s.tsMineure);
  v.Bool("TraOpt", "tsMidpunten", s.tsMidpunten);
  v.Bool("TraOpt", "tsKuspen", s.tsKuspen);
  v.Bool("TraOpt", "tsIntrede", s.tsIntrede);
  v.Bool("BerekPref", "gpMajeure", s.gpMajeure);
  v.Bool("BerekPref", "gpMineure", s.gpMineure);
  v.Bool("BerekPref", "gpMidpunten", s.gpMidpunten);
  v.Bool("BerekPref", "gpKuspen", s.gpKuspen);
  // A sign is ruled by one of the bodies 1..13.
  for (int i = 1; i <= TInstellingen::AantalTekens; ++i)
    v.Geheel("Tekenheren", Nr(i), s.Tekenheren[i], 1, TInstellingen::AantalPla);

  // Written for other readers of the file; the margins are read from "Afdruk".
  v.AlleenSchrijven("Marges", "ProMilleLinks", s.MargeProMilleLinks);
  v.AlleenSchrijven("Marges", "ProMilleBoven", s.MargeProMilleBoven);
  v.AlleenSchrijven("Marges", "ProMilleRechts", s.MargeProMilleRechts);
  v.AlleenSchrijven("Marges", "ProMilleOnder", s.MargeProMilleOnder);

  v.Kleur("Kleuren", "Planeten", s.Kleuren.Planeten);
  v.Kleur("Kleuren", "Cirkel", s.Kleuren.Cirkel);
  v.Kleur("Kleuren", "Huizen", s.Kleuren.Huizen);
  v.Kleur("Kleuren", "BuitenCirkel", s.Kleuren.BuitenCirkel);
  for (int i = 1; i <= 4; ++i) v.Kleur("Kleuren", "Element" + Nr(i), s.Kleuren.Element[i]);
  for (int i = 1; i <= TInstellingen::AantalPla; ++i)
    v.Kleur("Kleuren", "Pla" + Nr(i), s.Kleuren.Pla[i]);
  v.Bool("Kleuren", "InvZwartWit", s.InvZwartWit);

  // Opposite margins of 500 per mille or more would leave no page to print on.
  v.Geheel("Afdruk", "MargeProMilleLinks", s.MargeProMilleLinks, 0, 499);
  v.Geheel("Afdruk", "MargeProMilleBoven", s.MargeProMilleBoven, 0, 499);
  v.Geheel("Afdruk", "MargeProMilleRechts", s.MargeProMilleRechts, 0, 499);
  v.Geheel("Afdruk", "MargeProMilleOnder", s.MargeProMilleOnder, 0, 499);
  v.Bool("Afdruk", "MonokroomPrint", s.MonokroomPrint);
  v.Bool("Afdruk", "AfdrukLandscape", s.AfdrukLandscape);

  v.Bool("InterprPref", "ToonTransitnaamInLijst", s.ToonTransitnaamInLijst);
}

class TSchrijver {
 public:
  explicit TSchrijver(TIniBestand& ini) : ini_(ini) {}

  void Tekst(const char* sek, const std::string& sl, const std::string& w, std::size_t, bool) {
    ini_.Zet(sek, sl, w);
  }
  void Pad(const char* sek, const std::string& sl, const std::string& w) { ini_.Zet(sek, sl, w); }
  void Bool(const char* sek, const std::string& sl, bool w) { ini_.Zet(sek, sl, w ? "1" : "0"); }
  template <class T>
  void Geheel(const char* sek, const std::string& sl, T w, std::int64_t, std::int64_t) {
    ini_.Zet(sek, sl, std::to_string(static_cast<std::int64_t>(w)));
  }
  template <class T>
  void Reeel(const char* sek, const std::string& sl, T w, double, double, bool) {
    ini_.Zet(sek, sl, ReeelTekst(w));
  }
  void Letter(const char* sek, const std::string& sl, char w, const char*) {
    ini_.Zet(sek, sl, std::string(1, w));
  }
  void Taal(const char* sek, const std::string& sl) {
    ini_.Zet(sek, sl, std::to_string(HuidigeTaal));
  }
  void AlleenSchrijven(const char* sek, const std::string& sl, std::int32_t w) {
    ini_.Zet(sek, sl, std::to_string(w));
  }
  void Kleur(const char* sek, const std::string& naam, TKleur k) {
    ini_.Zet(sek, naam + "R", std::to_string(KleurRood(k)));
    ini_.Zet(sek, naam + "G", std::to_string(KleurGroen(k)));
    ini_.Zet(sek, naam + "B", std::to_string(KleurBlauw(k)));
  }

 private:
  TIniBestand& ini_;
};

// Reads each key with the value in force as its default; a key that is absent, unreadable or out
// of range leaves the field unchanged.
class TLezer {
 public:
  explicit TLezer(const TIniBestand& ini) : ini_(ini) {}

  void Tekst(const char* sek, const std::string& sl, std::string& veld, std::size_t max,
             bool leegMag) {
    const std::string* w = ini_.Zoek(sek, sl);
    if (!w || (w->empty() && !leegMag)) return;
    veld = max ? KnipTekens(*w, max) : *w;
  }
  void Pad(const char* sek, const std::string& sl, std::string& veld) {
    const std::string* w = ini_.Zoek(sek, sl);
    if (!w || w->empty()) return;
    // Relative paths belong to the program folder, not to the working directory.
    veld = (*w)[0] == '/' ? *w : ProgrammaMap() + *w;
  }
  void Bool(const char* sek, const std::string& sl, bool& veld) {
    std::int64_t g = 0;
    if (LeesGeheel(sek, sl, g)) veld = g != 0;
  }
  template <class T>
  void Geheel(const char* sek, const std::string& sl, T& veld, std::int64_t min, std::int64_t max) {
    std::int64_t g = 0;
    if (LeesGeheel(sek, sl, g) && g >= min && g <= max) veld = static_cast<T>(g);
  }
  // The range includes its ends, unless `open` (the value must lie strictly between them).
  template <class T>
  void Reeel(const char* sek, const std::string& sl, T& veld, double min, double max, bool open) {
    const std::string* w = ini_.Zoek(sek, sl);
    double x = 0;
    if (!w || !LeesReeelGetal(*w, x)) return;
    if (open ? x > min && x < max : x >= min && x <= max) veld = static_cast<T>(x);
  }
  void Letter(const char* sek, const std::string& sl, char& veld, const char* toegestaan) {
    const std::string* w = ini_.Zoek(sek, sl);
    if (!w || w->empty()) return;
    for (const char* c = toegestaan; *c; ++c)
      if ((*w)[0] == *c) veld = *c;
  }
  void Taal(const char* sek, const std::string& sl) {
    std::int64_t g = HuidigeTaal;
    if (!LeesGeheel(sek, sl, g) || g < std::numeric_limits<int>::min() ||
        g > std::numeric_limits<int>::max())
      g = HuidigeTaal;
    KiesTaal(static_cast<int>(g));
  }
  void AlleenSchrijven(const char*, const std::string&, std::int32_t) {}
  void Kleur(const char* sek, const std::string& naam, TKleur& veld) {
    std::int64_t r = -1, g = -1, b = -1;
    const auto deel = [&](const char* kanaal, std::int64_t& c) {
      return LeesGeheel(sek, naam + kanaal, c) && c >= 0 && c <= 255;
    };
    if (deel("R", r) && deel("G", g) && deel("B", b))
      veld = Rgb(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b));
  }

 private:
  bool LeesGeheel(const char* sek, const std::string& sl, std::int64_t& g) const {
    const std::string* w = ini_.Zoek(sek, sl);
    return w && LeesGeheelGetal(*w, g);
  }

  const TIniBestand& ini_;
};

std::string InstellingenPad() { return ProgrammaMap() + InstellingenBestand; }

}  // namespace

TIniBestand InstellingenAlsIni() {
  TIniBestand ini;
  TSchrijver schrijver(ini);
  BezoekSleutels(static_cast<const TInstellingen&>(Instellingen), schrijver);
  return ini;
}

bool LeesInstellingen() {
  const std::string pad = InstellingenPad();
  TIniBestand ini;
  bool ok = true;
  std::error_code ec;
  if (std::filesystem::exists(pad, ec)) {
    std::string fout;
    ok = ini.Laad(pad, fout);
    if (!ok) ini = TIniBestand();
  }
  TInstellingen& s = Instellingen;
  // These two have defaults of their own rather than the value in force.
  s.Datuminvoermode = LocaleDatuminvoermode();
  s.SymBestandsnaam.clear();
  TLezer lezer(ini);
  BezoekSleutels(s, lezer);
  if (!ini.Zoek("general", "RefDatabase")) s.RefDatabase = s.Database;
  if (s.SymBestandsnaam.empty()) s.SymBestandsnaam = LocaleSymBestandsnaam();
  s.StdPlaats.Gewist = 0;
  for (int i = TInstellingen::AantalPla + 1; i <= TInstellingen::AantalObjekten; ++i)
    s.Kleuren.Pla[i] = s.Kleuren.Huizen;
  return ok;
}

bool BewaarInstellingen() {
  const std::string pad = InstellingenPad();
  TIniBestand nieuw = InstellingenAlsIni();
  TIniBestand oud;
  std::string fout;
  std::error_code ec;
  if (std::filesystem::exists(pad, ec) && oud.Laad(pad, fout))
    for (const auto& sektie : oud.Secties())
      for (const auto& sleutel : sektie.sleutels)
        if (!nieuw.Zoek(sektie.naam, sleutel.naam))
          nieuw.Zet(sektie.naam, sleutel.naam, sleutel.waarde);
  if (SchrijfBestandVeilig(pad, nieuw.Tekst(), fout)) return true;
  Meldingen().Melding(Vertaal("Opgelet"), Vertaal("InstellingenNietBewaard") + "\n" + fout, "");
  return false;
}

bool StartInstellingen() {
  ZetStandaardInstellingen();
  LeesInstellingen();
  return LeesAspekten();
}

void HerstelInstellingen() {
  ZetStandaardInstellingen();
  WisAspekten();
}

}  // namespace orvan
