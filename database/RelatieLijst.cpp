#include "database/RelatieLijst.h"

#include "database/DatabankSql.h"
#include "database/HorVelden.h"

namespace orvan {

namespace {

// Steps a statement that returns no rows; false with the connection's message.
bool VoerUit(TDbVerbinding& db, TDbOpdracht& o, std::string& fout) {
  if (o.Stap() == TDbOpdracht::TStap::Klaar) return true;
  fout = db.Fout();
  return false;
}

// Whether a query with parameters 1..n bound to `waarden` returns a row.
bool HeeftRij(TDbVerbinding& db, const std::string& sql, const std::vector<TVeldWaarde>& waarden,
              bool& gevonden, std::string& fout) {
  TDbOpdracht o;
  if (!o.Bereid(db, sql, fout)) return false;
  for (std::size_t i = 0; i < waarden.size(); ++i) o.Bind(static_cast<int>(i) + 1, waarden[i]);
  switch (o.Stap()) {
    case TDbOpdracht::TStap::Rij:
      gevonden = true;
      return true;
    case TDbOpdracht::TStap::Klaar:
      gevonden = false;
      return true;
    default:
      fout = db.Fout();
      return false;
  }
}

}  // namespace

void TRelatieLijst::Wis() {
  kolommen_.clear();
  eigenschappen_.clear();
  eigenschapVelden_.clear();
  rijen_.clear();
}

bool TRelatieLijst::Lees(const std::string& map, std::string& fout) {
  Wis();
  map_ = map;
  if (!map_.empty() && map_.back() != '/') map_ += '/';
  TDatabankSql sql;
  if (!sql.Open(map_, fout)) return false;
  TDbVerbinding& db = sql.Verbinding();

  // The property fields with their kinds, from the relationship table's structure.
  TDbOpdracht info;
  if (!info.Bereid(db, "select name, type, \"notnull\", pk from pragma_table_info('relat', 'relat')", fout))
    return false;
  int veld = 0;
  for (TDbOpdracht::TStap s; (s = info.Stap()) != TDbOpdracht::TStap::Klaar; ++veld) {
    if (s == TDbOpdracht::TStap::Fout) {
      fout = db.Fout();
      return false;
    }
    if (veld <= RelatVeldSelekt) continue;
    eigenschappen_.push_back(info.KolomTekst(0));
    eigenschapVelden_.push_back(
        VeldVanKolom(info.KolomTekst(0), info.KolomTekst(1), info.KolomInt(2) != 0, info.KolomInt(3) != 0));
  }
  info.Wis();

  TDbOpdracht o;
  if (!o.Bereid(db, RelatieLijstSql, fout)) return false;
  const int n = o.AantalKolommen();
  if (n != RelLijstEersteEigenschap + AantalEigenschappen()) {
    fout = "The relationship table has an unexpected structure";
    eigenschappen_.clear();
    eigenschapVelden_.clear();
    return false;
  }
  for (int i = 0; i < n; ++i) kolommen_.emplace_back(sqlite3_column_name(o.Handle(), i));
  for (TDbOpdracht::TStap s; (s = o.Stap()) != TDbOpdracht::TStap::Klaar;) {
    if (s == TDbOpdracht::TStap::Fout) {
      fout = db.Fout();
      Wis();
      return false;
    }
    std::vector<TVeldWaarde> rij;
    rij.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) rij.push_back(o.Kolom(i));
    rijen_.push_back(std::move(rij));
  }
  return true;
}

TVeldWaarde TRelatieLijst::Waarde(int rij, int kolom) const {
  if (rij < 0 || rij >= AantalRijen() || kolom < 0 || kolom >= AantalKolommen()) return {};
  return rijen_[static_cast<std::size_t>(rij)][static_cast<std::size_t>(kolom)];
}

int TRelatieLijst::RijVan(std::int64_t inputNr) const {
  for (int r = 0; r < AantalRijen(); ++r)
    if (InputNr(r) == inputNr) return r;
  return -1;
}

bool TRelatieLijst::GeldigeRij(int rij, std::string& fout) const {
  if (rij >= 0 && rij < AantalRijen()) return true;
  fout = "There is no relationship in row " + std::to_string(rij + 1);
  return false;
}

bool TRelatieLijst::Wijzig(int rij, const TVeldWaarde& steekwoorden,
                           const std::vector<TVeldWaarde>& eigenschappen, std::string& fout) {
  if (!GeldigeRij(rij, fout)) return false;
  if (eigenschappen.size() != eigenschappen_.size()) {
    fout = "The number of property values does not match the relationship table";
    return false;
  }
  // The values as their fields store them; nothing is written when one does not fit.
  std::vector<TVeldWaarde> waarden(eigenschappen.size() + 1);
  const TVeldDef steekwoordVeld{"KeyWords", TVeldSoort::Tekst, SteekwoordenLengte, false};
  if (!ZetOmVoorVeld(steekwoordVeld, steekwoorden, waarden[0], fout)) return false;
  for (std::size_t i = 0; i < eigenschappen.size(); ++i)
    if (!ZetOmVoorVeld(eigenschapVelden_[i], eigenschappen[i], waarden[i + 1], fout)) return false;

  std::string tekst = "update relat set KeyWords = ?1";
  for (std::size_t i = 0; i < eigenschappen_.size(); ++i)
    tekst += ", " + CiteerNaam(eigenschappen_[i]) + " = ?" + std::to_string(i + 2);
  const int p = static_cast<int>(eigenschappen_.size()) + 2;
  tekst += " where PartnerANr = ?" + std::to_string(p) + " and PartnerBNr = ?" + std::to_string(p + 1) +
           " and InputNr = ?" + std::to_string(p + 2);

  TDatabankSql sql;
  if (!sql.Open(map_, fout)) return false;
  TDbVerbinding& db = sql.Verbinding();
  TDbTransaktie t(db);
  if (!t.Begin(fout)) return false;
  TDbOpdracht o;
  if (!o.Bereid(db, tekst, fout)) return false;
  for (std::size_t i = 0; i < waarden.size(); ++i) o.Bind(static_cast<int>(i) + 1, waarden[i]);
  const auto& oud = rijen_[static_cast<std::size_t>(rij)];
  o.Bind(p, oud[RelLijstPartnerANr]);
  o.Bind(p + 1, oud[RelLijstPartnerBNr]);
  o.Bind(p + 2, oud[RelLijstInputNr]);
  if (!VoerUit(db, o, fout)) return false;
  if (sqlite3_changes(db.Handle()) != 1) {
    fout = "The relationship is no longer stored in the relationship table";
    return false;
  }
  o.Wis();
  if (!t.Bevestig(fout)) return false;

  auto& nieuw = rijen_[static_cast<std::size_t>(rij)];
  nieuw[RelLijstKeyWords] = waarden[0];
  for (std::size_t i = 0; i < eigenschappen.size(); ++i) nieuw[RelLijstEersteEigenschap + i] = waarden[i + 1];
  return true;
}

bool TRelatieLijst::WijzigWaarde(int rij, int kolom, const TVeldWaarde& waarde, std::string& fout) {
  if (!GeldigeRij(rij, fout)) return false;
  if (kolom != RelLijstKeyWords && (kolom < RelLijstEersteEigenschap || kolom >= AantalKolommen())) {
    fout = "Only the keywords and the properties of a relationship can be changed here";
    return false;
  }
  const auto& r = rijen_[static_cast<std::size_t>(rij)];
  TVeldWaarde steekwoorden = kolom == RelLijstKeyWords ? waarde : r[RelLijstKeyWords];
  std::vector<TVeldWaarde> eigenschappen(r.begin() + RelLijstEersteEigenschap, r.end());
  if (kolom >= RelLijstEersteEigenschap)
    eigenschappen[static_cast<std::size_t>(kolom - RelLijstEersteEigenschap)] = waarde;
  return Wijzig(rij, steekwoorden, eigenschappen, fout);
}

TNieuweRelatie TRelatieLijst::VoegToe(std::int64_t a, std::int64_t b, const std::string& steekwoorden,
                                      std::int64_t& nieuwNr, std::string& fout) {
  if (a == b) return TNieuweRelatie::ZelfdeHoroskoop;
  TVeldWaarde tekst;
  if (!ZetOmVoorVeld({"KeyWords", TVeldSoort::Tekst, SteekwoordenLengte, false}, TVeldWaarde(steekwoorden),
                     tekst, fout))
    return TNieuweRelatie::Fout;

  TDatabankSql sql;
  if (!sql.Open(map_, fout)) return TNieuweRelatie::Fout;
  TDbVerbinding& db = sql.Verbinding();
  TDbTransaktie t(db);
  if (!t.Begin(fout)) return TNieuweRelatie::Fout;
  // Checked inside the transaction, so that no other writer adds the pair in between.
  bool gevonden = false;
  for (std::int64_t nr : {a, b}) {
    if (!HeeftRij(db, "select 1 from natal where InputNr = ?1", {TVeldWaarde(nr)}, gevonden, fout))
      return TNieuweRelatie::Fout;
    if (!gevonden) return TNieuweRelatie::OnbekendeHoroskoop;
  }
  if (!HeeftRij(db, "select 1 from relat where PartnerANr = ?1 and PartnerBNr = ?2",
                {TVeldWaarde(a), TVeldWaarde(b)}, gevonden, fout))
    return TNieuweRelatie::Fout;
  if (gevonden) return TNieuweRelatie::BestaatAl;

  TDbOpdracht o;
  if (!o.Bereid(db, "insert into relat (PartnerANr, PartnerBNr, KeyWords, Selekt) values (?1, ?2, ?3, ?4)",
                fout))
    return TNieuweRelatie::Fout;
  o.Bind(1, TVeldWaarde(a));
  o.Bind(2, TVeldWaarde(b));
  o.Bind(3, tekst);
  o.Bind(4, TVeldWaarde(true));
  if (!VoerUit(db, o, fout)) return TNieuweRelatie::Fout;
  const std::int64_t nr = sqlite3_last_insert_rowid(db.Handle());
  o.Wis();
  if (!t.Bevestig(fout)) return TNieuweRelatie::Fout;
  sql.Sluit();
  nieuwNr = nr;
  // The list follows; a failed re-read leaves it empty with the reason, the record is stored.
  if (!Lees(fout)) return TNieuweRelatie::Fout;
  return TNieuweRelatie::Toegevoegd;
}

bool TRelatieLijst::Verwijder(int rij, std::string& fout) {
  if (!GeldigeRij(rij, fout)) return false;
  TDatabankSql sql;
  if (!sql.Open(map_, fout)) return false;
  TDbVerbinding& db = sql.Verbinding();
  TDbTransaktie t(db);
  if (!t.Begin(fout)) return false;
  TDbOpdracht o;
  if (!o.Bereid(db, "delete from relat where InputNr = ?1", fout)) return false;
  o.Bind(1, rijen_[static_cast<std::size_t>(rij)][RelLijstInputNr]);
  if (!VoerUit(db, o, fout)) return false;
  o.Wis();
  if (!t.Bevestig(fout)) return false;
  rijen_.erase(rijen_.begin() + rij);
  return true;
}

}  // namespace orvan
