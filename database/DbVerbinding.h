#pragma once
// A read-write connection to one SQLite file of a horoscope database, its prepared statements and
// transactions. Every change to a table runs inside one transaction with a rollback journal and
// full synchronisation, so that a crash, a killed process or a full disk leaves the file as it was
// before the change.

#include <sqlite3.h>

#include <functional>
#include <string>

#include "database/VeldWaarde.h"

namespace orvan {

// An SQLite identifier in double quotes ("my ""odd"" name"); the only way a name reaches SQL text.
std::string CiteerNaam(const std::string& naam);

class TDbVerbinding {
 public:
  TDbVerbinding() = default;
  ~TDbVerbinding() { Sluit(); }
  TDbVerbinding(const TDbVerbinding&) = delete;
  TDbVerbinding& operator=(const TDbVerbinding&) = delete;

  // Opens `pad`; `maak` creates a missing file. Writable connections use a rollback journal
  // (which makes a transaction over attached files atomic as a whole) and full synchronisation.
  bool Open(const std::string& pad, bool alleenLezen, bool maak, std::string& fout);
  void Sluit();
  bool IsOpen() const { return db_ != nullptr; }
  sqlite3* Handle() const { return db_; }
  std::string Fout() const { return db_ ? sqlite3_errmsg(db_) : "database not open"; }

  // Runs SQL without parameters (schema statements, pragmas, BEGIN/COMMIT).
  bool Voer(const std::string& sql, std::string& fout);

  // Called with every connection just opened. For tests that inject failures (a page limit that
  // makes the disk "full", a progress handler that kills the process mid-change).
  static void ZetOpenHaak(std::function<void(sqlite3*)> haak);

 private:
  sqlite3* db_ = nullptr;
};

class TDbOpdracht {
 public:
  enum class TStap { Rij, Klaar, Fout };

  TDbOpdracht() = default;
  ~TDbOpdracht() { Wis(); }
  TDbOpdracht(const TDbOpdracht&) = delete;
  TDbOpdracht& operator=(const TDbOpdracht&) = delete;

  bool Bereid(const TDbVerbinding& db, const std::string& sql, std::string& fout);
  void Wis();
  bool IsBereid() const { return stmt_ != nullptr; }

  // Parameters are numbered from 1.
  void Bind(int n, const TVeldWaarde& w);
  TStap Stap();
  void Herstel();   // reset, parameters kept
  int AantalKolommen() const { return sqlite3_column_count(stmt_); }
  TVeldWaarde Kolom(int i) const;
  std::int64_t KolomInt(int i) const { return sqlite3_column_int64(stmt_, i); }
  bool KolomLeeg(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }
  std::string KolomTekst(int i) const;
  sqlite3_stmt* Handle() const { return stmt_; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// A transaction for the lifetime of the object: rolled back unless Bevestig succeeds.
// BEGIN IMMEDIATE takes the write lock at once, so a change never fails half-way on a lock.
class TDbTransaktie {
 public:
  explicit TDbTransaktie(TDbVerbinding& db) : db_(db) {}
  ~TDbTransaktie();
  TDbTransaktie(const TDbTransaktie&) = delete;
  TDbTransaktie& operator=(const TDbTransaktie&) = delete;

  bool Begin(std::string& fout);
  bool Bevestig(std::string& fout);
  void TerugDraaien();

 private:
  TDbVerbinding& db_;
  bool actief_ = false;
};

}  // namespace orvan
