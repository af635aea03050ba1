#pragma once
// Small owning wrappers around SQLite's C API: a connection and a prepared statement.

#include <sqlite3.h>

#include <string>

namespace orvan {

class TSqliteDb {
 public:
  TSqliteDb() = default;
  ~TSqliteDb() { Sluit(); }
  TSqliteDb(const TSqliteDb&) = delete;
  TSqliteDb& operator=(const TSqliteDb&) = delete;

  // Opens an existing file read-only. False with SQLite's message when the file is missing or is
  // no database.
  bool OpenLeesbaar(const std::string& pad, std::string& fout);
  void Sluit();
  bool IsOpen() const { return db_ != nullptr; }
  sqlite3* Handle() const { return db_; }
  std::string LaatsteFout() const { return db_ ? sqlite3_errmsg(db_) : "database not open"; }

 private:
  sqlite3* db_ = nullptr;
};

class TSqliteStmt {
 public:
  TSqliteStmt() = default;
  ~TSqliteStmt() { Wis(); }
  TSqliteStmt(const TSqliteStmt&) = delete;
  TSqliteStmt& operator=(const TSqliteStmt&) = delete;

  bool Bereid(const TSqliteDb& db, const char* sql, std::string& fout);
  void Wis();
  sqlite3_stmt* Handle() const { return stmt_; }
  bool IsBereid() const { return stmt_ != nullptr; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace orvan
