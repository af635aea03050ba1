// The property fields of a table: their names and values, and adding and dropping them.

#include <algorithm>

#include "database/PelqTabel.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/Utf8Tekst.h"

namespace orvan {

namespace {

inline constexpr std::size_t MaxEigenschapsNaam = 64;   // characters of a property name

}  // namespace

// ---------------------------------------------------------------------------------------------
// Property fields

std::vector<std::string> TPelqTabel::EigenschapNamen() const {
  std::vector<std::string> namen;
  for (int i = LaatsteVastVeld + 1; i < AantalVelden(); ++i) namen.push_back(velden_[static_cast<std::size_t>(i)].naam);
  return namen;
}

std::string TPelqTabel::EigenschapNaam(int n) const {
  const int veld = LaatsteVastVeld + n;
  return n >= 1 && veld < AantalVelden() ? velden_[static_cast<std::size_t>(veld)].naam : std::string();
}

int TPelqTabel::AantalEigenschappen() const { return std::max(0, AantalVelden() - LaatsteVastVeld - 1); }

int TPelqTabel::EigenschapNummer(const std::string& naam) const {
  const auto namen = EigenschapNamen();
  for (std::size_t i = 0; i < namen.size(); ++i)
    if (ZelfdeNaam(namen[i], naam)) return static_cast<int>(i) + 1;
  return 0;
}

bool TPelqTabel::LeesEigenschap(int n, double& waarde) const {
  if (n < 1 || LaatsteVastVeld + n >= AantalVelden()) return false;
  const TVeldWaarde w = Waarde(LaatsteVastVeld + n);
  if (w.IsLeeg() || w.AlsTekst().empty()) return false;
  waarde = w.AlsGetal();
  return true;
}

bool TPelqTabel::SchrijfEigenschap(int n, double waarde) {
  if (n < 1 || LaatsteVastVeld + n >= AantalVelden()) return Mislukt("No property number " + std::to_string(n));
  if (!Wijzig()) return false;
  if (!ZetWaarde(LaatsteVastVeld + n, TVeldWaarde(waarde)) || !Post()) {
    const std::string fout = fout_;
    Annuleer();
    return Mislukt(fout);
  }
  return true;
}

bool TPelqTabel::ControleerEigenschapsNaam(const std::string& naam, bool toevoegen, std::string& fout) const {
  if (!toevoegen) {
    if (EigenschapNummer(naam) == 0) {
      fout = Vertaal("GeenEigenschap") + " \"" + naam + "\"";
      return false;
    }
    return true;
  }
  bool alleenBlanco = true;
  for (char c : naam) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      fout = Vertaal("EigNaamOngeldig") + " \"" + naam + "\"";
      return false;
    }
    if (c != ' ') alleenBlanco = false;
  }
  if (alleenBlanco || naam.front() == ' ' || AantalTekens(naam) > MaxEigenschapsNaam) {
    fout = Vertaal("EigNaamOngeldig") + " \"" + naam + "\"";
    return false;
  }
  if (VeldNummer(naam) >= 0) {
    fout = Vertaal("EigBestaatAl") + " \"" + naam + "\"";
    return false;
  }
  return true;
}

bool TPelqTabel::MaakEigenschap(const std::string& naam) { return WijzigEigenschapsveld(naam, true); }

bool TPelqTabel::VerwijderEigenschap(const std::string& naam) { return WijzigEigenschapsveld(naam, false); }

bool TPelqTabel::WijzigEigenschapsveld(const std::string& naam, bool toevoegen) {
  SchakelBesturingUit();
  std::string fout;
  // The name is checked against the fields as they stand: a fixed field is never dropped, and an
  // added name must be new. The engine's own checks follow inside the transaction.
  const bool wasOpen = IsOpen();
  bool geldig = wasOpen || Open();
  if (!geldig) fout = fout_;
  if (geldig) geldig = ControleerEigenschapsNaam(naam, toevoegen, fout);
  if (!geldig) {
    if (!wasOpen) Sluit();
    Meldingen().Melding(Vertaal("Opgelet"), fout, "");
    fout_ = fout;
    SchakelBesturingIn();
    return false;
  }
  bool ok = true;
  const TBladwijzer bladwijzer = wasOpen ? Bladwijzer() : GeenBladwijzer;
  Sluit();
  bool koppelOpen = false;
  TBladwijzer koppelBladwijzer = GeenBladwijzer;
  if (GekoppeldeTabel) {
    koppelOpen = GekoppeldeTabel->IsOpen();
    if (koppelOpen) koppelBladwijzer = GekoppeldeTabel->Bladwijzer();
    GekoppeldeTabel->Sluit();
  }

  {
    TDbVerbinding db;
    const std::string sql = "ALTER TABLE " + CiteerNaam(TabelNaam()) + "\n" +
                            (toevoegen ? "ADD " + CiteerNaam(naam) + " NUMERIC" : "DROP " + CiteerNaam(naam));
    if (db.Open(Pad(), false, false, fout)) {
      TDbTransaktie t(db);
      ok = t.Begin(fout) && db.Voer(sql, fout) && t.Bevestig(fout);
    } else {
      ok = false;
    }
    if (!ok) {
      Meldingen().Melding(Vertaal("Opgelet"), fout, "");
      fout_ = fout;
    }
  }

  if (wasOpen) {
    huidigeRowid_ = bladwijzer;
    Open();
  }
  if (GekoppeldeTabel && koppelOpen) {
    GekoppeldeTabel->huidigeRowid_ = koppelBladwijzer;
    GekoppeldeTabel->Open();
  }
  SchakelBesturingIn();
  return ok;
}

}  // namespace orvan
