// Editing a table: edit, append, post and delete, blocks of changes in one transaction, the reset
// of the selection flags and the property statistics.

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "database/PelqTabel.h"

namespace orvan {

// ---------------------------------------------------------------------------------------------
// Editing

bool TPelqTabel::Wijzig() {
  if (toestand_ == TTabelToestand::Wijzigen) return true;
  if (toestand_ != TTabelToestand::Bladeren) return Mislukt("Table is not open for browsing: " + Pad());
  if (alleenLezen_) return Mislukt("Cannot modify a read-only table: " + Pad());
  ZorgVoorView();
  if (pos_ < 0) return Mislukt("No record to edit in " + Pad());
  const TRecordLezer& h = Huidig();
  buffer_ = TRecord(&velden_, {});
  for (int i = 0; i < AantalVelden(); ++i) buffer_.Waarden().push_back(h.Waarde(i));
  if (static_cast<int>(buffer_.Waarden().size()) != AantalVelden())
    return Mislukt("Record not found in " + Pad());
  gewijzigd_.assign(velden_.size(), false);
  oudeSleutel_ = Sleutel(huidigeRowid_, &buffer_);
  bewerkRowid_ = huidigeRowid_;
  toestand_ = TTabelToestand::Wijzigen;
  HuidigVerplaatst();
  return true;
}

bool TPelqTabel::Voegtoe() {
  if (!NaarBladeren()) return false;
  if (toestand_ != TTabelToestand::Bladeren) return Mislukt("Table is not open: " + Pad());
  if (alleenLezen_) return Mislukt("Cannot modify a read-only table: " + Pad());
  if (VoorInvoegen && !VoorInvoegen(*this)) {
    fout_.clear();   // aborted silently
    return false;
  }
  buffer_ = TRecord(&velden_, std::vector<TVeldWaarde>(velden_.size()));
  gewijzigd_.assign(velden_.size(), false);
  posVoorToevoegen_ = pos_;
  toestand_ = TTabelToestand::Toevoegen;
  HuidigVerplaatst();
  return true;
}

bool TPelqTabel::ZetWaarde(int veld, const TVeldWaarde& waarde) {
  if (toestand_ != TTabelToestand::Wijzigen && toestand_ != TTabelToestand::Toevoegen)
    return Mislukt("Table is not in edit mode: " + Pad());
  if (veld < 0 || veld >= AantalVelden()) return Mislukt("No field number " + std::to_string(veld));
  const TVeldDef& v = velden_[static_cast<std::size_t>(veld)];
  if (v.soort == TVeldSoort::AutoNummer) return Mislukt("Field " + v.naam + " cannot be modified");
  TVeldWaarde w;
  std::string fout;
  if (!ZetOmVoorVeld(v, waarde, w, fout)) return Mislukt(fout);
  buffer_.Waarden()[static_cast<std::size_t>(veld)] = std::move(w);
  gewijzigd_[static_cast<std::size_t>(veld)] = true;
  return true;
}

bool TPelqTabel::ZetWaarde(const std::string& naam, const TVeldWaarde& waarde) {
  const int n = VeldNummer(naam);
  if (n < 0) return Mislukt("Field " + naam + " not found in " + Pad());
  return ZetWaarde(n, waarde);
}

void TPelqTabel::Annuleer() {
  if (toestand_ != TTabelToestand::Wijzigen && toestand_ != TTabelToestand::Toevoegen) return;
  toestand_ = TTabelToestand::Bladeren;
  buffer_ = TRecord();
  HuidigVerplaatst();
}

std::vector<TVeldWaarde> TPelqTabel::Sleutel(std::int64_t rowid, const TRecord* rec) const {
  std::vector<TVeldWaarde> sleutel;
  if (rec) {
    for (int v : orde_.velden) sleutel.push_back(rec->Waarde(v));
  } else if (leesSleutel_.IsBereid()) {
    leesSleutel_.Herstel();
    leesSleutel_.Bind(1, TVeldWaarde(rowid));
    if (leesSleutel_.Stap() == TDbOpdracht::TStap::Rij)
      for (std::size_t i = 0; i < orde_.velden.size(); ++i) sleutel.push_back(leesSleutel_.Kolom(static_cast<int>(i)));
    leesSleutel_.Herstel();
    sleutel.resize(orde_.velden.size());
  }
  sleutel.emplace_back(rowid);
  return sleutel;
}

int TPelqTabel::InvoegPositie(std::int64_t rowid, const std::vector<TVeldWaarde>& sleutel) const {
  (void)rowid;
  std::size_t laag = 0, hoog = rij_.size();
  while (laag < hoog) {
    const std::size_t midden = laag + (hoog - laag) / 2;
    if (VergelijkSleutels(Sleutel(rij_[midden], nullptr), sleutel) < 0)
      laag = midden + 1;
    else
      hoog = midden;
  }
  return static_cast<int>(laag);
}

bool TPelqTabel::VoerWijziging(const std::function<bool(std::string&)>& wijziging) {
  std::string fout;
  if (blokDiepte_ > 0) {
    if (blokMislukt_) return Mislukt("An earlier change of this block failed; the block is undone");
    if (!wijziging(fout)) {
      blokMislukt_ = true;
      return Mislukt(fout);
    }
    return true;
  }
  TDbTransaktie t(db_);
  if (!t.Begin(fout) || !wijziging(fout) || !t.Bevestig(fout)) return Mislukt(fout);
  return true;
}

bool TPelqTabel::SchrijfBuffer(std::string& fout, std::int64_t& rowid) {
  const std::string t = CiteerNaam(TabelNaam());
  TDbOpdracht o;
  std::vector<int> velden;
  if (toestand_ == TTabelToestand::Toevoegen) {
    std::string kolommen, plaatsen;
    for (int i = 0; i < AantalVelden(); ++i) {
      if (velden_[static_cast<std::size_t>(i)].soort == TVeldSoort::AutoNummer) continue;
      kolommen += (kolommen.empty() ? "" : ", ") + CiteerNaam(velden_[static_cast<std::size_t>(i)].naam);
      plaatsen += plaatsen.empty() ? "?" : ", ?";
      velden.push_back(i);
    }
    const std::string sql = kolommen.empty() ? "insert into " + t + " default values"
                                             : "insert into " + t + " (" + kolommen + ") values (" + plaatsen + ")";
    if (!o.Bereid(db_, sql, fout)) return false;
    for (std::size_t i = 0; i < velden.size(); ++i)
      o.Bind(static_cast<int>(i) + 1, buffer_.Waarde(velden[i]));
    if (o.Stap() != TDbOpdracht::TStap::Klaar) {
      fout = db_.Fout();
      return false;
    }
    rowid = sqlite3_last_insert_rowid(db_.Handle());
    return true;
  }
  std::string toewijzingen;
  for (int i = 0; i < AantalVelden(); ++i) {
    if (!gewijzigd_[static_cast<std::size_t>(i)]) continue;
    toewijzingen += (toewijzingen.empty() ? "" : ", ") + CiteerNaam(velden_[static_cast<std::size_t>(i)].naam) + " = ?";
    velden.push_back(i);
  }
  rowid = bewerkRowid_;   // the record Wijzig took, wherever the view stands now
  if (velden.empty()) return true;
  if (!o.Bereid(db_, "update " + t + " set " + toewijzingen + " where rowid = ?", fout)) return false;
  for (std::size_t i = 0; i < velden.size(); ++i) o.Bind(static_cast<int>(i) + 1, buffer_.Waarde(velden[i]));
  o.Bind(static_cast<int>(velden.size()) + 1, TVeldWaarde(rowid));
  if (o.Stap() != TDbOpdracht::TStap::Klaar) {
    fout = db_.Fout();
    return false;
  }
  if (sqlite3_changes(db_.Handle()) != 1) {
    fout = "Record " + std::to_string(rowid) + " has been deleted from " + Pad();
    return false;
  }
  return true;
}

bool TPelqTabel::Post() {
  if (toestand_ != TTabelToestand::Wijzigen && toestand_ != TTabelToestand::Toevoegen)
    return Mislukt("Table is not in edit mode: " + Pad());
  if (VoorPosten) VoorPosten(*this);
  if (toestand_ != TTabelToestand::Wijzigen && toestand_ != TTabelToestand::Toevoegen)
    return Mislukt("The edit was ended before the post: " + Pad());
  const bool toevoegen = toestand_ == TTabelToestand::Toevoegen;
  std::int64_t rowid = -1;
  if (!VoerWijziging([&](std::string& fout) { return SchrijfBuffer(fout, rowid); })) return false;
  laatstGepost_ = rowid;
  cache_.erase(rowid);
  // The view changed under the edit (its order or filter was set meanwhile) when the record being
  // edited is no longer at the current position.
  const bool viewVolgt =
      viewGeldig_ && (toevoegen || (pos_ >= 0 && pos_ < static_cast<int>(rij_.size()) &&
                                    rij_[static_cast<std::size_t>(pos_)] == bewerkRowid_));
  if (!viewVolgt) {
    // The view is read afresh; it then stands on the posted record when that is in it.
    toestand_ = TTabelToestand::Bladeren;
    buffer_ = TRecord();
    Herlaad([&] { huidigeRowid_ = rowid; });
    return true;
  }

  // The view follows the posted record: it keeps its place when its order key and its filter
  // verdict are unchanged, else it moves (or leaves a filtered view).
  TRecord nieuw;
  if (!LeesRij(rowid, nieuw)) nieuw = buffer_;
  const bool lid = Doorlaat(rowid, nieuw);
  const auto sleutel = Sleutel(rowid, &nieuw);
  toestand_ = TTabelToestand::Bladeren;
  buffer_ = TRecord();
  int nieuwePos = pos_;
  if (!toevoegen && lid && VergelijkSleutels(sleutel, oudeSleutel_) == 0 && pos_ >= 0) {
    const int p = pos_;
    Meld([p](TTabelWaarnemer& w) { w.RijGewijzigd(p); });
  } else {
    if (!toevoegen && pos_ >= 0) {
      const int p = pos_;
      Meld([p](TTabelWaarnemer& w) { w.VoorRijWeg(p); });
      rij_.erase(rij_.begin() + p);
      positiesGeldig_ = false;
      Meld([](TTabelWaarnemer& w) { w.NaRijWeg(); });
    }
    if (lid) {
      const int p = InvoegPositie(rowid, sleutel);
      Meld([p](TTabelWaarnemer& w) { w.VoorRijBij(p); });
      rij_.insert(rij_.begin() + p, rowid);
      positiesGeldig_ = false;
      Meld([](TTabelWaarnemer& w) { w.NaRijBij(); });
      nieuwePos = p;
    } else {
      nieuwePos = toevoegen ? posVoorToevoegen_ : pos_;
    }
  }
  if (rij_.empty()) {
    pos_ = -1;
    huidigeRowid_ = -1;
  } else {
    pos_ = std::clamp(nieuwePos, 0, static_cast<int>(rij_.size()) - 1);
    huidigeRowid_ = rij_[static_cast<std::size_t>(pos_)];
  }
  huidig_ = std::move(nieuw);
  huidigGeladen_ = huidigeRowid_ == rowid;
  const int p = pos_;
  Meld([p](TTabelWaarnemer& w) { w.HuidigeGewijzigd(p); });
  return true;
}

bool TPelqTabel::Verwijder() {
  if (toestand_ == TTabelToestand::Toevoegen || toestand_ == TTabelToestand::Wijzigen) Annuleer();
  if (toestand_ != TTabelToestand::Bladeren) return Mislukt("Table is not open: " + Pad());
  if (alleenLezen_) return Mislukt("Cannot modify a read-only table: " + Pad());
  ZorgVoorView();
  if (pos_ < 0) return Mislukt("No record to delete in " + Pad());
  const std::int64_t rowid = huidigeRowid_;
  const bool ok = VoerWijziging([&](std::string& fout) {
    TDbOpdracht o;
    if (!o.Bereid(db_, "delete from " + CiteerNaam(TabelNaam()) + " where rowid = ?1", fout)) return false;
    o.Bind(1, TVeldWaarde(rowid));
    if (o.Stap() != TDbOpdracht::TStap::Klaar) {
      fout = db_.Fout();
      return false;
    }
    return true;
  });
  if (!ok) return false;
  cache_.erase(rowid);
  const int p = pos_;
  Meld([p](TTabelWaarnemer& w) { w.VoorRijWeg(p); });
  rij_.erase(rij_.begin() + p);
  positiesGeldig_ = false;
  Meld([](TTabelWaarnemer& w) { w.NaRijWeg(); });
  pos_ = -2;   // forces the move notification
  ZetPositie(p);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Change blocks

bool TPelqTabel::BeginWijzigingen() {
  if (!IsOpen() || alleenLezen_) return Mislukt("Cannot modify " + Pad());
  if (blokDiepte_++ > 0) return true;
  blokMislukt_ = false;
  blok_ = std::make_unique<TDbTransaktie>(db_);
  std::string fout;
  if (!blok_->Begin(fout)) {
    blok_.reset();
    blokDiepte_ = 0;
    return Mislukt(fout);
  }
  return true;
}

bool TPelqTabel::EindeWijzigingen(bool bevestigen) {
  if (blokDiepte_ == 0) return false;
  if (!bevestigen) blokMislukt_ = true;
  if (--blokDiepte_ > 0) return !blokMislukt_;
  std::string fout;
  bool ok = !blokMislukt_ && blok_->Bevestig(fout);
  if (!ok && !fout.empty()) fout_ = fout;
  blok_.reset();   // rolls back unless committed
  blokMislukt_ = false;
  if (!ok) {
    // The view may hold records of the undone block: read it again.
    if (toestand_ != TTabelToestand::Bladeren) Annuleer();
    Herlaad([&] { WisCache(); });
  }
  return ok;
}

// ---------------------------------------------------------------------------------------------
// Selection and statistics

bool TPelqTabel::SelekteerAlles() {
  if (!IsOpen()) return Mislukt("Table is not open: " + Pad());
  if (alleenLezen_) return Mislukt("Cannot modify a read-only table: " + Pad());
  const int s = SelektIndex();
  if (s < 0 || s >= AantalVelden()) return Mislukt("No selection field in " + Pad());
  if (toestand_ != TTabelToestand::Bladeren) Annuleer();
  SchakelBesturingUit();
  VoorPosten = nullptr;
  const std::string kolom = CiteerNaam(velden_[static_cast<std::size_t>(s)].naam);
  // One statement sets every flag: one transaction, whatever the number of records. When every
  // flag is set already (the usual open) nothing is written at all.
  bool alGezet = false;
  if (blokDiepte_ == 0) {
    TDbOpdracht zoek;
    std::string fout;
    alGezet = zoek.Bereid(db_, "select 1 from " + CiteerNaam(TabelNaam()) + " where " + kolom +
                                   " is not 1 limit 1",
                          fout) &&
              zoek.Stap() == TDbOpdracht::TStap::Klaar;
  }
  const bool ok = alGezet || VoerWijziging([&](std::string& fout) {
    return db_.Voer("update " + CiteerNaam(TabelNaam()) + " set " + kolom + " = 1 where " + kolom +
                        " is not 1",
                    fout);
  });
  WisCache();
  gefilterd_ = true;
  viewGeldig_ = false;
  positiesGeldig_ = false;
  huidigeRowid_ = -1;
  pos_ = 0;
  bof_ = true;
  eof_ = false;
  huidigGeladen_ = false;
  gemist_ = true;
  SchakelBesturingIn();
  return ok;
}

void TPelqTabel::EigStatistiek(int n, int& aantal, double& standaardAfwijking, double& gemiddelde,
                               long double& somKwadraten, long double& som, double& maximum,
                               double& minimum) {
  aantal = 0;
  standaardAfwijking = 0;
  gemiddelde = 0;
  somKwadraten = 0;
  som = 0;
  maximum = -2147483648.0;
  minimum = 2147483647.0;
  const int veld = LaatsteVastVeld + n;
  if (!IsOpen() || n < 1 || veld >= AantalVelden()) return;
  SchakelBesturingUit();
  ZorgVoorView();
  TDbOpdracht o;
  std::string fout;
  std::unordered_map<std::int64_t, double> waarden;
  if (o.Bereid(db_, "select rowid, " + CiteerNaam(velden_[static_cast<std::size_t>(veld)].naam) + " from " +
                        CiteerNaam(TabelNaam()) + " where " +
                        CiteerNaam(velden_[static_cast<std::size_t>(veld)].naam) + " is not null",
               fout)) {
    while (o.Stap() == TDbOpdracht::TStap::Rij) {
      const TVeldWaarde w = o.Kolom(1);
      if (w.IsTekst() && w.Tekst()->empty()) continue;
      waarden.emplace(o.KolomInt(0), w.AlsGetal());
    }
  }
  for (const std::int64_t rowid : rij_) {
    const auto it = waarden.find(rowid);
    if (it == waarden.end()) continue;
    const double x = it->second;
    ++aantal;
    som += x;
    somKwadraten += static_cast<long double>(x) * x;
    if (x > maximum) maximum = x;
    if (x < minimum) minimum = x;
  }
  if (aantal > 0) gemiddelde = static_cast<double>(som / aantal);
  if (aantal > 1) {
    // Rounding can make the numerator slightly negative when all values are equal.
    const long double teller = std::max<long double>(0, somKwadraten - som * som / aantal);
    standaardAfwijking = static_cast<double>(std::sqrt(teller / (aantal - 1)));
  }
  SchakelBesturingIn();
}

}  // namespace orvan
