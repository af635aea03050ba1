#include "shell/Sqlite.h"

namespace orvan {

bool TSqliteDb::OpenLeesbaar(const std::string& pad, std::string& fout) {
  Sluit();
  if (sqlite3_open_v2(pad.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    fout = db_ ? sqlite3_errmsg(db_) : "out of memory";
    Sluit();
    return false;
  }
  // A file that is not a database opens without complaint; the first read tells.
  char* melding = nullptr;
  if (sqlite3_exec(db_, "select count(*) from sqlite_master", nullptr, nullptr, &melding) !=
      SQLITE_OK) {
    fout = melding ? melding : sqlite3_errmsg(db_);
    sqlite3_free(melding);
    Sluit();
    return false;
  }
  return true;
}

void TSqliteDb::Sluit() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool TSqliteStmt::Bereid(const TSqliteDb& db, const char* sql, std::string& fout) {
  Wis();
  if (!db.IsOpen() || sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK) {
    fout = db.LaatsteFout();
    Wis();
    return false;
  }
  return true;
}

void TSqliteStmt::Wis() {
  if (stmt_) sqlite3_finalize(stmt_);
  stmt_ = nullptr;
}

}  // namespace orvan
