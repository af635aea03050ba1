#include "database/DbVerbinding.h"

#include <utility>

namespace orvan {

namespace {

inline constexpr int WachtOpSlotMs = 5000;

std::function<void(sqlite3*)>& OpenHaak() {
  static std::function<void(sqlite3*)> haak;
  return haak;
}

}  // namespace

std::string CiteerNaam(const std::string& naam) {
  std::string uit = "\"";
  for (char c : naam) {
    if (c == '"') uit += '"';
    uit += c;
  }
  return uit + "\"";
}

void TDbVerbinding::ZetOpenHaak(std::function<void(sqlite3*)> haak) { OpenHaak() = std::move(haak); }

bool TDbVerbinding::Open(const std::string& pad, bool alleenLezen, bool maak, std::string& fout) {
  Sluit();
  int vlaggen = alleenLezen ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  if (maak && !alleenLezen) vlaggen |= SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(pad.c_str(), &db_, vlaggen, nullptr) != SQLITE_OK) {
    fout = db_ ? std::string(sqlite3_errmsg(db_)) + ": " + pad : "out of memory";
    Sluit();
    return false;
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, WachtOpSlotMs);
  // A file that is not a database opens without complaint; the first read tells.
  std::string melding;
  if (!Voer("select count(*) from sqlite_master", melding)) {
    fout = melding + ": " + pad;
    Sluit();
    return false;
  }
  if (!alleenLezen &&
      (!Voer("pragma journal_mode=delete", melding) || !Voer("pragma synchronous=full", melding))) {
    fout = melding + ": " + pad;
    Sluit();
    return false;
  }
  if (OpenHaak()) OpenHaak()(db_);
  return true;
}

void TDbVerbinding::Sluit() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool TDbVerbinding::Voer(const std::string& sql, std::string& fout) {
  if (!db_) {
    fout = "database not open";
    return false;
  }
  char* melding = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &melding) != SQLITE_OK) {
    fout = melding ? melding : sqlite3_errmsg(db_);
    sqlite3_free(melding);
    return false;
  }
  return true;
}

bool TDbOpdracht::Bereid(const TDbVerbinding& db, const std::string& sql, std::string& fout) {
  Wis();
  if (!db.IsOpen()) {
    fout = "database not open";
    return false;
  }
  if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt_,
                         nullptr) != SQLITE_OK) {
    fout = db.Fout();
    Wis();
    return false;
  }
  return true;
}

void TDbOpdracht::Wis() {
  if (stmt_) sqlite3_finalize(stmt_);
  stmt_ = nullptr;
}

void TDbOpdracht::Bind(int n, const TVeldWaarde& w) {
  if (w.IsLeeg())
    sqlite3_bind_null(stmt_, n);
  else if (w.IsGeheel())
    sqlite3_bind_int64(stmt_, n, w.AlsInt());
  else if (w.IsReeel())
    sqlite3_bind_double(stmt_, n, w.AlsGetal());
  else
    sqlite3_bind_text(stmt_, n, w.Tekst()->data(), static_cast<int>(w.Tekst()->size()),
                      SQLITE_TRANSIENT);
}

TDbOpdracht::TStap TDbOpdracht::Stap() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return TStap::Rij;
  if (rc == SQLITE_DONE) return TStap::Klaar;
  return TStap::Fout;
}

void TDbOpdracht::Herstel() { sqlite3_reset(stmt_); }

TVeldWaarde TDbOpdracht::Kolom(int i) const {
  switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER: return TVeldWaarde(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return TVeldWaarde(sqlite3_column_double(stmt_, i));
    case SQLITE_NULL: return TVeldWaarde();
    default: return TVeldWaarde(KolomTekst(i));
  }
}

std::string TDbOpdracht::KolomTekst(int i) const {
  const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
  return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i))) : std::string();
}

TDbTransaktie::~TDbTransaktie() { TerugDraaien(); }

bool TDbTransaktie::Begin(std::string& fout) {
  if (!db_.Voer("begin immediate", fout)) return false;
  actief_ = true;
  return true;
}

bool TDbTransaktie::Bevestig(std::string& fout) {
  if (!actief_) return false;
  if (!db_.Voer("commit", fout)) {
    TerugDraaien();
    return false;
  }
  actief_ = false;
  return true;
}

void TDbTransaktie::TerugDraaien() {
  if (!actief_) return;
  actief_ = false;
  std::string fout;
  // A failed statement may already have ended the transaction; then there is nothing to undo.
  if (db_.IsOpen() && !sqlite3_get_autocommit(db_.Handle())) db_.Voer("rollback", fout);
}

}  // namespace orvan
