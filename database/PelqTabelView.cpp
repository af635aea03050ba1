// The view of a table: building it in the order of an index and through the filters, moving in
// it, reading its records, locating and searching.

#include <algorithm>
#include <unordered_set>

#include "database/HoofdLetters.h"
#include "database/PelqTabel.h"
#include "shell/Utf8Tekst.h"

namespace orvan {

namespace {

inline constexpr std::size_t CacheGrootte = 2048;   // records kept for a grid
inline constexpr int IndexInputNr = 0;              // field number of InputNr

// A candidate record read from the statement that builds the view: column 0 is the rowid, then
// the fields of `kolomVan` (field number -> column, -1 for a field not read).
class TOpdrachtLezer : public TRecordLezer {
 public:
  TOpdrachtLezer(const TDbOpdracht& o, const std::vector<TVeldDef>& velden, const std::vector<int>& kolomVan)
      : o_(o), velden_(velden), kolomVan_(kolomVan) {}
  int AantalVelden() const override { return static_cast<int>(velden_.size()); }
  TVeldWaarde Waarde(int veld) const override {
    if (veld < 0 || veld >= AantalVelden()) return TVeldWaarde();
    const int kolom = kolomVan_[static_cast<std::size_t>(veld)];
    return kolom < 0 ? TVeldWaarde() : o_.Kolom(kolom);
  }
  using TRecordLezer::Waarde;
  int VeldNummer(const std::string& naam) const override { return ZoekVeld(velden_, naam); }

 private:
  const TDbOpdracht& o_;
  const std::vector<TVeldDef>& velden_;
  const std::vector<int>& kolomVan_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// The view

void TPelqTabel::WisCache() const { cache_.clear(); }

void TPelqTabel::ZorgVoorView() const {
  if (viewGeldig_ || toestand_ == TTabelToestand::Gesloten) return;
  BouwView();
  viewGeldig_ = true;
  positiesGeldig_ = false;
  int p = -1;
  if (huidigeRowid_ >= 0) {
    const auto it = std::find(rij_.begin(), rij_.end(), huidigeRowid_);
    if (it != rij_.end()) p = static_cast<int>(it - rij_.begin());
  }
  if (p < 0) p = rij_.empty() ? -1 : std::clamp(pos_, 0, static_cast<int>(rij_.size()) - 1);
  if (p != pos_ || (p >= 0 && rij_[static_cast<std::size_t>(p)] != huidigeRowid_)) huidigGeladen_ = false;
  pos_ = p;
  huidigeRowid_ = p < 0 ? -1 : rij_[static_cast<std::size_t>(p)];
  if (p < 0) bof_ = eof_ = true;
}

void TPelqTabel::BouwView() const {
  rij_.clear();
  const bool metRecord = gefilterd_ && recordFilter_;
  // Column 0 is the rowid; with a record filter the fields it reads follow, then the order key.
  std::vector<int> kolomVan(velden_.size(), -1);
  std::string kolommen = "rowid";
  int kolom = 1;
  if (metRecord) {
    for (int v = 0; v < static_cast<int>(velden_.size()); ++v) {
      const bool nodig = filterVelden_.empty() ||
                         std::find(filterVelden_.begin(), filterVelden_.end(), v) != filterVelden_.end();
      if (!nodig) continue;
      kolommen += ", " + CiteerNaam(velden_[static_cast<std::size_t>(v)].naam);
      kolomVan[static_cast<std::size_t>(v)] = kolom++;
    }
  }
  const int eersteSleutel = kolom;
  const bool zelfSorteren = metRecord && !orde_.kolommen.empty();
  if (zelfSorteren)
    for (const auto& k : orde_.kolommen) kolommen += ", " + k;
  std::string sql = "select " + kolommen + " from " + CiteerNaam(TabelNaam());
  if (gefilterd_ && !filterSql_.sql.empty()) sql += " where " + filterSql_.sql;
  // Without a record filter the index gives the order directly (it holds the key and the rowid).
  // A record filter reads the table's own columns: one pass over the table and a sort here beats
  // walking the index with a table lookup for every record.
  if (!zelfSorteren) {
    sql += " order by ";
    for (const auto& k : orde_.kolommen) sql += k + ", ";
    sql += "rowid";
  }
  TDbOpdracht o;
  std::string fout;
  if (!o.Bereid(db_, sql, fout)) {
    const_cast<TPelqTabel*>(this)->fout_ = fout;
    return;
  }
  if (gefilterd_)
    for (std::size_t i = 0; i < filterSql_.parameters.size(); ++i)
      o.Bind(static_cast<int>(i) + 1, filterSql_.parameters[i]);
  const TOpdrachtLezer lezer(o, velden_, kolomVan);
  // The keys of all records in one block, n per record; the sort orders record numbers.
  const std::size_t n = orde_.kolommen.size();
  std::vector<TVeldWaarde> sleutels;
  std::vector<std::int64_t> geheleSleutels;
  bool alleGeheel = true;
  std::vector<std::int64_t> rowids;
  TDbOpdracht::TStap stap;
  while ((stap = o.Stap()) == TDbOpdracht::TStap::Rij) {
    if (metRecord && !recordFilter_(lezer)) continue;
    if (!zelfSorteren) {
      rij_.push_back(o.KolomInt(0));
      continue;
    }
    rowids.push_back(o.KolomInt(0));
    for (std::size_t i = 0; i < n; ++i) {
      const int k = eersteSleutel + static_cast<int>(i);
      // Date and time keys are integers: kept as such they sort several times faster.
      if (alleGeheel && sqlite3_column_type(o.Handle(), k) == SQLITE_INTEGER) {
        geheleSleutels.push_back(o.KolomInt(k));
        continue;
      }
      if (alleGeheel) {
        alleGeheel = false;
        for (const auto g : geheleSleutels) sleutels.emplace_back(g);
        geheleSleutels.clear();
      }
      sleutels.push_back(o.Kolom(k));
    }
  }
  if (stap == TDbOpdracht::TStap::Fout) const_cast<TPelqTabel*>(this)->fout_ = db_.Fout();
  if (zelfSorteren) {
    std::vector<std::uint32_t> volgorde(rowids.size());
    for (std::uint32_t i = 0; i < volgorde.size(); ++i) volgorde[i] = i;
    if (alleGeheel) {
      std::sort(volgorde.begin(), volgorde.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (std::size_t i = 0; i < n; ++i)
          if (geheleSleutels[a * n + i] != geheleSleutels[b * n + i])
            return geheleSleutels[a * n + i] < geheleSleutels[b * n + i];
        return rowids[a] < rowids[b];
      });
    } else {
      std::sort(volgorde.begin(), volgorde.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (std::size_t i = 0; i < n; ++i)
          if (const int c = TVeldWaarde::Vergelijk(sleutels[a * n + i], sleutels[b * n + i])) return c < 0;
        return rowids[a] < rowids[b];
      });
    }
    rij_.reserve(volgorde.size());
    for (const auto i : volgorde) rij_.push_back(rowids[i]);
  }
}

int TPelqTabel::AantalRecords() const {
  ZorgVoorView();
  return static_cast<int>(rij_.size());
}

bool TPelqTabel::Bof() const {
  ZorgVoorView();
  return bof_ || rij_.empty();
}

bool TPelqTabel::Eof() const {
  ZorgVoorView();
  return eof_ || rij_.empty();
}

int TPelqTabel::RecNr() const {
  ZorgVoorView();
  return pos_;
}

int TPelqTabel::PositieVan(TBladwijzer b) const {
  ZorgVoorView();
  if (!positiesGeldig_) {
    positieVan_.clear();
    positieVan_.reserve(rij_.size());
    for (std::size_t i = 0; i < rij_.size(); ++i) positieVan_[rij_[i]] = static_cast<int>(i);
    positiesGeldig_ = true;
  }
  const auto it = positieVan_.find(b);
  return it == positieVan_.end() ? -1 : it->second;
}

void TPelqTabel::ZetPositie(int positie) {
  ZorgVoorView();
  const int oud = pos_;
  const std::int64_t oudeRowid = huidigeRowid_;
  if (rij_.empty()) {
    pos_ = -1;
    huidigeRowid_ = -1;
  } else {
    pos_ = std::clamp(positie, 0, static_cast<int>(rij_.size()) - 1);
    huidigeRowid_ = rij_[static_cast<std::size_t>(pos_)];
  }
  if (oud != pos_ || oudeRowid != huidigeRowid_) HuidigVerplaatst();
}

int TPelqTabel::AantalInTabel() {
  TDbOpdracht o;
  std::string fout;
  if (!o.Bereid(db_, "select count(*) from " + CiteerNaam(TabelNaam()), fout)) return 0;
  return o.Stap() == TDbOpdracht::TStap::Rij ? static_cast<int>(o.KolomInt(0)) : 0;
}

// Posts a pending edit before the current record moves; false when that post fails.
bool TPelqTabel::NaarBladeren() {
  if (toestand_ == TTabelToestand::Wijzigen || toestand_ == TTabelToestand::Toevoegen) return Post();
  return true;
}

void TPelqTabel::Eerste() {
  if (!NaarBladeren()) return;
  ZetPositie(0);
  bof_ = true;
  eof_ = rij_.empty();
}

void TPelqTabel::Laatste() {
  if (!NaarBladeren()) return;
  ZorgVoorView();
  ZetPositie(static_cast<int>(rij_.size()) - 1);
  eof_ = true;
  bof_ = rij_.empty();
}

void TPelqTabel::Volgende() {
  if (!NaarBladeren()) return;
  ZorgVoorView();
  if (pos_ >= 0 && pos_ + 1 < static_cast<int>(rij_.size())) {
    ZetPositie(pos_ + 1);
    bof_ = eof_ = false;
  } else {
    eof_ = true;
  }
}

void TPelqTabel::Vorige() {
  if (!NaarBladeren()) return;
  ZorgVoorView();
  if (pos_ > 0) {
    ZetPositie(pos_ - 1);
    bof_ = eof_ = false;
  } else {
    bof_ = true;
  }
}

int TPelqTabel::VerplaatsMet(int n) {
  if (!NaarBladeren()) return 0;
  ZorgVoorView();
  if (rij_.empty()) return 0;
  const int doel = pos_ + n;
  const int nieuw = std::clamp(doel, 0, static_cast<int>(rij_.size()) - 1);
  const int verplaatst = nieuw - pos_;
  ZetPositie(nieuw);
  bof_ = doel < 0;
  eof_ = doel >= static_cast<int>(rij_.size());
  return verplaatst;
}

bool TPelqTabel::GaNaar(int positie) {
  if (!NaarBladeren()) return false;
  ZorgVoorView();
  if (positie < 0 || positie >= static_cast<int>(rij_.size())) return false;
  ZetPositie(positie);
  bof_ = eof_ = false;
  return true;
}

TBladwijzer TPelqTabel::Bladwijzer() const {
  ZorgVoorView();
  return pos_ < 0 ? GeenBladwijzer : huidigeRowid_;
}

bool TPelqTabel::GaNaarBladwijzer(TBladwijzer b) {
  if (!NaarBladeren()) return false;
  const int p = PositieVan(b);
  if (p < 0) return false;
  ZetPositie(p);
  bof_ = eof_ = false;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Reading records

bool TPelqTabel::LeesRij(std::int64_t rowid, TRecord& rec) const {
  if (!leesRij_.IsBereid()) return false;
  leesRij_.Herstel();
  leesRij_.Bind(1, TVeldWaarde(rowid));
  if (leesRij_.Stap() != TDbOpdracht::TStap::Rij) {
    leesRij_.Herstel();
    return false;
  }
  std::vector<TVeldWaarde> waarden;
  waarden.reserve(velden_.size());
  for (int i = 0; i < static_cast<int>(velden_.size()); ++i) waarden.push_back(leesRij_.Kolom(i));
  leesRij_.Herstel();
  rec = TRecord(&velden_, std::move(waarden));
  return true;
}

const TRecord* TPelqTabel::RijUitCache(std::int64_t rowid) const {
  const auto it = cache_.find(rowid);
  if (it != cache_.end()) return &it->second;
  if (cache_.size() >= CacheGrootte) cache_.clear();
  TRecord rec;
  if (!LeesRij(rowid, rec)) return nullptr;
  return &cache_.emplace(rowid, std::move(rec)).first->second;
}

const TRecordLezer& TPelqTabel::Huidig() const {
  if (toestand_ == TTabelToestand::Wijzigen || toestand_ == TTabelToestand::Toevoegen) return buffer_;
  ZorgVoorView();
  if (!huidigGeladen_) {
    huidig_ = TRecord(&velden_, {});
    if (pos_ >= 0) LeesRij(huidigeRowid_, huidig_);
    huidigGeladen_ = true;
  }
  return huidig_;
}

TVeldWaarde TPelqTabel::Waarde(int veld) const { return Huidig().Waarde(veld); }

TVeldWaarde TPelqTabel::Waarde(const std::string& naam) const { return Huidig().Waarde(naam); }

TVeldWaarde TPelqTabel::WaardeOp(int positie, int veld) const {
  ZorgVoorView();
  if (positie < 0 || positie >= static_cast<int>(rij_.size())) return {};
  if (toestand_ == TTabelToestand::Wijzigen && rij_[static_cast<std::size_t>(positie)] == bewerkRowid_)
    return buffer_.Waarde(veld);
  const TRecord* rec = RijUitCache(rij_[static_cast<std::size_t>(positie)]);
  return rec ? rec->Waarde(veld) : TVeldWaarde();
}

TBladwijzer TPelqTabel::InputNrOp(int positie) const {
  ZorgVoorView();
  if (positie < 0 || positie >= static_cast<int>(rij_.size())) return GeenBladwijzer;
  return rij_[static_cast<std::size_t>(positie)];
}

// ---------------------------------------------------------------------------------------------
// Order and filter

std::vector<std::string> TPelqTabel::IndexNamen() const {
  std::vector<std::string> namen;
  for (const auto& i : indexen_) namen.push_back(i.naam);
  return namen;
}

bool TPelqTabel::ZetIndex(const std::string& naam) {
  if (!NaarBladeren()) return false;
  if (!IsOpen()) {
    indexNaam_ = naam;
    return true;
  }
  TOrde orde;
  if (!naam.empty() && !ZelfdeNaam(naam, "primary")) {
    const auto it = std::find_if(indexen_.begin(), indexen_.end(),
                                 [&](const TIndexDef& i) { return ZelfdeNaam(i.naam, naam); });
    if (it == indexen_.end()) return Mislukt("Index " + naam + " not found in " + Pad());
    for (const auto& v : IndexVelden(it->velden)) {
      const int n = VeldNummer(v);
      if (n < 0) return Mislukt("Index " + naam + " names no field " + v);
      orde.velden.push_back(n);
      orde.kolommen.push_back(CiteerNaam(velden_[static_cast<std::size_t>(n)].naam));
    }
  }
  bool ok = true;
  Herlaad([&] {
    indexNaam_ = naam;
    orde_ = std::move(orde);
    ok = BereidOpdrachten();
  });
  return ok;
}

void TPelqTabel::ZetGefilterd(bool aan) {
  if (aan == gefilterd_) return;
  if (!IsOpen()) {
    gefilterd_ = aan;
    return;
  }
  Herlaad([&] { gefilterd_ = aan; });
}

bool TPelqTabel::ZetFilterTekst(const std::string& tekst) {
  if (!IsOpen()) {
    filterTekst_ = tekst;
    return true;
  }
  TSqlVoorwaarde sql;
  std::string fout;
  if (!VertaalFilterTekst(tekst, velden_, sql, fout)) return Mislukt(fout);
  Herlaad([&] {
    filterTekst_ = tekst;
    filterSql_ = std::move(sql);
  });
  return true;
}

void TPelqTabel::ZetRecordFilter(TRecordFilter filter, std::vector<int> velden) {
  if (!IsOpen() || !gefilterd_) {
    recordFilter_ = std::move(filter);
    filterVelden_ = std::move(velden);
    viewGeldig_ = false;
    return;
  }
  Herlaad([&] {
    recordFilter_ = std::move(filter);
    filterVelden_ = std::move(velden);
  });
}

bool TPelqTabel::Doorlaat(std::int64_t rowid, const TRecord& rec) const {
  if (!gefilterd_) return true;
  if (!filterSql_.sql.empty()) {
    TDbOpdracht o;
    std::string fout;
    if (!o.Bereid(db_, "select 1 from " + CiteerNaam(TabelNaam()) + " where rowid = ?1 and " + filterSql_.sql, fout))
      return false;
    o.Bind(1, TVeldWaarde(rowid));
    for (std::size_t i = 0; i < filterSql_.parameters.size(); ++i)
      o.Bind(static_cast<int>(i) + 2, filterSql_.parameters[i]);
    if (o.Stap() != TDbOpdracht::TStap::Rij) return false;
  }
  return !recordFilter_ || recordFilter_(rec);
}

bool TPelqTabel::Ververs() {
  if (!NaarBladeren()) return false;
  if (!IsOpen()) return false;
  Herlaad([&] { WisCache(); });
  return true;
}

// ---------------------------------------------------------------------------------------------
// Locate and search

bool TPelqTabel::ZoekInputNr(std::int64_t nr) {
  if (!NaarBladeren()) return false;
  const int p = PositieVan(nr);
  if (p < 0) return false;
  ZetPositie(p);
  bof_ = eof_ = false;
  return true;
}

bool TPelqTabel::Zoek(const std::string& veld, const TVeldWaarde& waarde, TZoekOpties opties) {
  return Zoek({{veld, waarde}}, opties);
}

bool TPelqTabel::Zoek(const std::vector<std::pair<std::string, TVeldWaarde>>& velden, TZoekOpties opties) {
  if (!NaarBladeren()) return false;
  if (!IsOpen() || velden.empty()) return false;
  if (velden.size() == 1 && VeldNummer(velden[0].first) == IndexInputNr && velden[0].second.IsGetal())
    return ZoekInputNr(velden[0].second.AlsInt());
  std::string sql = "select rowid from " + CiteerNaam(TabelNaam()) + " where ";
  std::vector<TVeldWaarde> parameters;
  for (std::size_t i = 0; i < velden.size(); ++i) {
    const int n = VeldNummer(velden[i].first);
    if (n < 0) return Mislukt("Field " + velden[i].first + " not found in " + Pad());
    const std::string kolom = CiteerNaam(velden_[static_cast<std::size_t>(n)].naam);
    const TVeldWaarde& w = velden[i].second;
    sql += i ? " and " : "";
    if (w.IsLeeg()) {
      sql += kolom + " is null";
      continue;
    }
    const bool tekst = w.IsTekst();
    const std::string collatie = tekst && opties.zonderHoofdletters ? " collate nocase" : "";
    if (tekst && opties.deelSleutel) {
      parameters.emplace_back(static_cast<std::int64_t>(AantalTekens(*w.Tekst())));
      sql += "substr(" + kolom + ", 1, ?) = ?" + collatie;
    } else {
      sql += kolom + " = ?" + collatie;
    }
    parameters.push_back(w);
  }
  TDbOpdracht o;
  std::string fout;
  if (!o.Bereid(db_, sql, fout)) return Mislukt(fout);
  for (std::size_t i = 0; i < parameters.size(); ++i) o.Bind(static_cast<int>(i) + 1, parameters[i]);
  int beste = -1;
  while (o.Stap() == TDbOpdracht::TStap::Rij) {
    const int p = PositieVan(o.KolomInt(0));
    if (p >= 0 && (beste < 0 || p < beste)) beste = p;
  }
  if (beste < 0) return false;
  ZetPositie(beste);
  bof_ = eof_ = false;
  return true;
}

bool TPelqTabel::ZoekVolgende(const std::string& veld, const std::string& tekst, bool vanafBegin) {
  if (!NaarBladeren()) return false;
  const int n = VeldNummer(veld);
  if (!IsOpen() || n < 0) return false;
  ZorgVoorView();
  const int start = vanafBegin ? 0 : pos_ + 1;
  if (start >= static_cast<int>(rij_.size())) return false;
  const std::string gezocht = HoofdLetters(tekst);
  // One pass over the column gives the records that contain the text; the first of them after
  // the start position in view order is the one found.
  TDbOpdracht o;
  std::string fout;
  if (!o.Bereid(db_, "select rowid, " + CiteerNaam(velden_[static_cast<std::size_t>(n)].naam) + " from " +
                         CiteerNaam(TabelNaam()),
                fout))
    return Mislukt(fout);
  std::unordered_set<std::int64_t> treffers;
  while (o.Stap() == TDbOpdracht::TStap::Rij) {
    const std::string waarde = o.KolomTekst(1);
    if (HoofdLetters(waarde).find(gezocht) != std::string::npos) treffers.insert(o.KolomInt(0));
  }
  for (int p = start; p < static_cast<int>(rij_.size()); ++p)
    if (treffers.count(rij_[static_cast<std::size_t>(p)])) {
      ZetPositie(p);
      bof_ = eof_ = false;
      return true;
    }
  return false;
}

}  // namespace orvan
