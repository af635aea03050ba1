// Creation, opening and closing of a table, and the notifications of its observers.

#include "database/PelqTabel.h"

#include <algorithm>
#include <filesystem>

#include "shell/LangUtils.h"

namespace orvan {

namespace fs = std::filesystem;

TPelqTabel::TPelqTabel() = default;

TPelqTabel::~TPelqTabel() {
  waarnemers_.clear();
  Sluit();
}

bool TPelqTabel::Mislukt(const std::string& fout) {
  fout_ = fout;
  return false;
}

std::string TPelqTabel::TabelNaam() const {
  const auto punt = bestand_.rfind('.');
  return punt == std::string::npos ? bestand_ : bestand_.substr(0, punt);
}

// ---------------------------------------------------------------------------------------------
// Creation and opening

bool TPelqTabel::Initialiseer(const std::string& map, const std::string& bestandsnaam,
                              bool alleenLezen) {
  Sluit();
  map_ = map;
  if (!map_.empty() && map_.back() != '/') map_ += '/';
  bestand_ = bestandsnaam;
  fout_.clear();
  if (!MaakTabelIndienNodig()) return false;
  if (!CheckIndexen()) return false;
  alleenLezen_ = alleenLezen;
  InvoegenGeblokkeerd = false;
  FilterGewijzigd = true;
  if (!Open()) return false;
  if (!alleenLezen_) {
    if (!SelekteerAlles()) return false;
    VoorInvoegen = [](TPelqTabel& t) { return !t.InvoegenGeblokkeerd; };
  }
  return true;
}

int TPelqTabel::SelektIndex() const { return 24; }

void TPelqTabel::VoegVeldToe(const std::string& naam, TVeldSoort soort, int grootte, bool verplicht) {
  VeldDefs.push_back({naam, soort, grootte, verplicht});
}

void TPelqTabel::VoegIndexToe(const std::string& naam, const std::string& velden) {
  IndexDefs.push_back({naam, velden});
}

void TPelqTabel::MaakVelden() { VeldDefs.clear(); }

void TPelqTabel::MaakIndexen() { IndexDefs.clear(); }

bool TPelqTabel::MaakTabelIndienNodig() {
  std::error_code ec;
  const std::string pad = Pad();
  if (!fs::exists(pad, ec)) {
    const fs::path map = fs::path(map_).parent_path();   // without the trailing "/"
    if (!map.empty() && !fs::is_directory(map, ec) && !fs::create_directory(map, ec))
      return Mislukt("Cannot create folder " + map.string() + ": " + ec.message());
  }
  TDbVerbinding db;
  std::string fout;
  if (!db.Open(pad, false, true, fout)) return Mislukt(fout);
  // A file left empty by an interrupted creation is created again.
  TDbOpdracht zoek;
  if (!zoek.Bereid(db, "select 1 from sqlite_master where type = 'table' and name = ?1 collate nocase", fout))
    return Mislukt(fout);
  zoek.Bind(1, TabelNaam());
  const auto stap = zoek.Stap();
  if (stap == TDbOpdracht::TStap::Fout) return Mislukt(db.Fout());
  if (stap == TDbOpdracht::TStap::Rij) return true;
  zoek.Wis();

  MaakVelden();
  MaakIndexen();
  std::string sql = "create table " + CiteerNaam(TabelNaam()) + " (";
  for (std::size_t i = 0; i < VeldDefs.size(); ++i)
    sql += (i ? ", " : "") + KolomDeclaratie(VeldDefs[i]);
  sql += ")";
  TDbTransaktie t(db);
  if (!t.Begin(fout) || !db.Voer(sql, fout)) return Mislukt(fout);
  for (const auto& index : IndexDefs) {
    std::string kolommen;
    for (const auto& v : IndexVelden(index.velden)) kolommen += (kolommen.empty() ? "" : ", ") + CiteerNaam(v);
    if (!db.Voer("create index " + CiteerNaam(index.naam) + " on " + CiteerNaam(TabelNaam()) + " (" +
                     kolommen + ")",
                 fout))
      return Mislukt(fout);
  }
  if (!t.Bevestig(fout)) return Mislukt(fout);
  return true;
}

bool TPelqTabel::CheckIndexen() { return ControleerIndexen({}); }

bool TPelqTabel::ControleerIndexen(const std::vector<TIndexDef>& indexen) {
  std::vector<TIndexDef> lijst = indexen;
  lijst.push_back({"InputNr", "InputNr"});
  TDbVerbinding db;
  std::string fout;
  if (!db.Open(Pad(), false, false, fout)) return Mislukt(fout);
  TDbOpdracht zoek;
  if (!zoek.Bereid(db, "select 1 from sqlite_master where type = 'index' and name = ?1 collate nocase", fout))
    return Mislukt(fout);
  for (const auto& index : lijst) {
    zoek.Herstel();
    zoek.Bind(1, index.naam);
    const auto stap = zoek.Stap();
    if (stap == TDbOpdracht::TStap::Fout) return Mislukt(db.Fout());
    if (stap == TDbOpdracht::TStap::Rij) continue;
    zoek.Herstel();
    std::string kolommen;
    for (const auto& v : IndexVelden(index.velden)) kolommen += (kolommen.empty() ? "" : ", ") + CiteerNaam(v);
    if (!db.Voer("create index " + CiteerNaam(index.naam) + " on " + CiteerNaam(TabelNaam()) + " (" +
                     kolommen + ")",
                 fout))
      return Mislukt(fout);
  }
  return true;
}

bool TPelqTabel::Open() {
  if (IsOpen()) return true;
  std::string fout;
  if (!db_.Open(Pad(), alleenLezen_, false, fout)) return Mislukt(fout);
  if (!LeesStructuur() || !BereidOpdrachten()) {
    leesRij_.Wis();
    leesSleutel_.Wis();
    db_.Sluit();
    return false;
  }
  MeldVoorHerladen();
  toestand_ = TTabelToestand::Bladeren;
  viewGeldig_ = false;
  positiesGeldig_ = false;
  WisCache();
  huidigGeladen_ = false;
  if (huidigeRowid_ < 0) pos_ = 0;
  MeldNaHerladen();
  return true;
}

bool TPelqTabel::LeesStructuur() {
  std::string fout;
  velden_.clear();
  indexen_.clear();
  TDbOpdracht info;
  if (!info.Bereid(db_, "select name, type, \"notnull\", pk from pragma_table_info(?1)", fout))
    return Mislukt(fout);
  info.Bind(1, TabelNaam());
  TDbOpdracht::TStap stap;
  while ((stap = info.Stap()) == TDbOpdracht::TStap::Rij)
    velden_.push_back(VeldVanKolom(info.KolomTekst(0), info.KolomTekst(1), info.KolomInt(2) != 0,
                                   info.KolomInt(3) != 0));
  if (stap == TDbOpdracht::TStap::Fout) return Mislukt(db_.Fout());
  if (velden_.empty()) return Mislukt("Table " + TabelNaam() + " not found in " + Pad());

  // The fixed fields must stand where the program expects them: their position is used by number.
  MaakVelden();
  bool klopt = velden_.size() >= VeldDefs.size();
  for (std::size_t i = 0; klopt && i < VeldDefs.size(); ++i)
    klopt = ZelfdeNaam(velden_[i].naam, VeldDefs[i].naam);
  if (!klopt) {
    velden_.clear();
    return Mislukt(Vertaal("TabelOngeldig") + " " + Pad());
  }

  TDbOpdracht lijst;
  if (!lijst.Bereid(db_,
                    "select il.name, group_concat(ii.name, ';') from pragma_index_list(?1) as il, "
                    "pragma_index_info(il.name) as ii group by il.name order by il.name",
                    fout))
    return Mislukt(fout);
  lijst.Bind(1, TabelNaam());
  while ((stap = lijst.Stap()) == TDbOpdracht::TStap::Rij)
    indexen_.push_back({lijst.KolomTekst(0), lijst.KolomTekst(1)});
  if (stap == TDbOpdracht::TStap::Fout) return Mislukt(db_.Fout());
  // group_concat does not promise the field order of an index: read it per index.
  for (auto& index : indexen_) {
    TDbOpdracht velden;
    if (!velden.Bereid(db_, "select name from pragma_index_info(?1) order by seqno", fout))
      return Mislukt(fout);
    velden.Bind(1, index.naam);
    index.velden.clear();
    while (velden.Stap() == TDbOpdracht::TStap::Rij)
      index.velden += (index.velden.empty() ? "" : ";") + velden.KolomTekst(0);
  }

  verborgen_.assign(velden_.size(), false);
  for (const auto& naam : verborgenNamen_) {
    const int n = VeldNummer(naam);
    if (n >= 0) verborgen_[static_cast<std::size_t>(n)] = true;
  }

  // The order and filter settings survive a reopen when they still fit the fields.
  orde_ = TOrde();
  if (!indexNaam_.empty() && !ZelfdeNaam(indexNaam_, "primary")) {
    const auto it = std::find_if(indexen_.begin(), indexen_.end(),
                                 [&](const TIndexDef& i) { return ZelfdeNaam(i.naam, indexNaam_); });
    if (it == indexen_.end()) {
      indexNaam_.clear();
    } else {
      for (const auto& v : IndexVelden(it->velden)) {
        const int n = VeldNummer(v);
        if (n < 0) continue;
        orde_.velden.push_back(n);
        orde_.kolommen.push_back(CiteerNaam(velden_[static_cast<std::size_t>(n)].naam));
      }
    }
  }
  if (!filterTekst_.empty() && !VertaalFilterTekst(filterTekst_, velden_, filterSql_, fout)) {
    filterTekst_.clear();
    filterSql_ = TSqlVoorwaarde();
  }
  return true;
}

bool TPelqTabel::BereidOpdrachten() {
  std::string fout;
  const std::string t = CiteerNaam(TabelNaam());
  if (!leesRij_.Bereid(db_, "select * from " + t + " where rowid = ?1", fout)) return Mislukt(fout);
  if (orde_.kolommen.empty()) {
    leesSleutel_.Wis();
    return true;
  }
  std::string kolommen;
  for (const auto& k : orde_.kolommen) kolommen += (kolommen.empty() ? "" : ", ") + k;
  if (!leesSleutel_.Bereid(db_, "select " + kolommen + " from " + t + " where rowid = ?1", fout))
    return Mislukt(fout);
  return true;
}

void TPelqTabel::Sluit() {
  if (toestand_ == TTabelToestand::Gesloten && !db_.IsOpen()) return;
  if (blokDiepte_ > 0) {
    blok_.reset();
    blokDiepte_ = 0;
    blokMislukt_ = false;
  }
  MeldVoorHerladen();
  leesRij_.Wis();
  leesSleutel_.Wis();
  db_.Sluit();
  toestand_ = TTabelToestand::Gesloten;
  velden_.clear();
  rij_.clear();
  viewGeldig_ = false;
  positiesGeldig_ = false;
  WisCache();
  huidigGeladen_ = false;
  pos_ = -1;
  huidigeRowid_ = -1;
  bof_ = eof_ = true;
  MeldNaHerladen();
}

bool TPelqTabel::VeldZichtbaar(int veld) const {
  return veld >= 0 && veld < AantalVelden() && !verborgen_[static_cast<std::size_t>(veld)];
}

void TPelqTabel::ZetVeldZichtbaar(const std::string& naam, bool zichtbaar) {
  const auto it = std::find_if(verborgenNamen_.begin(), verborgenNamen_.end(),
                               [&](const std::string& n) { return ZelfdeNaam(n, naam); });
  if (zichtbaar && it != verborgenNamen_.end()) verborgenNamen_.erase(it);
  if (!zichtbaar && it == verborgenNamen_.end()) verborgenNamen_.push_back(naam);
  const int n = VeldNummer(naam);
  if (n >= 0) verborgen_[static_cast<std::size_t>(n)] = !zichtbaar;
}

// ---------------------------------------------------------------------------------------------
// Notifications

void TPelqTabel::MeldVoorHerladen() {
  Meld([](TTabelWaarnemer& w) { w.VoorHerladen(); });
}

void TPelqTabel::MeldNaHerladen() {
  Meld([](TTabelWaarnemer& w) { w.NaHerladen(); });
}

void TPelqTabel::Herlaad(const std::function<void()>& wijziging) {
  MeldVoorHerladen();
  wijziging();
  viewGeldig_ = false;
  positiesGeldig_ = false;
  huidigGeladen_ = false;
  MeldNaHerladen();
  HuidigVerplaatst();
}

void TPelqTabel::HuidigVerplaatst() {
  huidigGeladen_ = false;
  if (besturingUit_ > 0) {
    gemist_ = true;
    return;
  }
  if (waarnemers_.empty()) return;   // nobody asks where: the view need not be read for it
  const int p = RecNr();
  Meld([p](TTabelWaarnemer& w) { w.HuidigeGewijzigd(p); });
}

void TPelqTabel::SchakelBesturingUit() { ++besturingUit_; }

void TPelqTabel::SchakelBesturingIn() {
  if (besturingUit_ == 0) return;
  if (--besturingUit_ > 0 || !gemist_) return;
  gemist_ = false;
  MeldVoorHerladen();
  MeldNaHerladen();
  HuidigVerplaatst();
}

void TPelqTabel::VoegWaarnemerToe(TTabelWaarnemer* w) {
  if (std::find(waarnemers_.begin(), waarnemers_.end(), w) == waarnemers_.end()) waarnemers_.push_back(w);
}

void TPelqTabel::VerwijderWaarnemer(TTabelWaarnemer* w) {
  waarnemers_.erase(std::remove(waarnemers_.begin(), waarnemers_.end(), w), waarnemers_.end());
}

}  // namespace orvan
