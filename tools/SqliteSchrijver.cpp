#include "tools/SqliteSchrijver.h"

#include <sqlite3.h>

#include <cstdio>

namespace orvan::tools {

namespace {

std::string Identifier(const std::string& naam) {
  std::string s = "\"";
  for (char c : naam) s += c == '"' ? std::string("\"\"") : std::string(1, c);
  return s + "\"";
}

bool Exec(sqlite3* db, const std::string& sql, std::string& fout) {
  char* melding = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &melding) == SQLITE_OK) return true;
  fout = melding ? melding : sqlite3_errmsg(db);
  sqlite3_free(melding);
  return false;
}

bool Vul(sqlite3* db, const std::string& tabel, const std::vector<TKolom>& kolommen,
         const std::vector<std::vector<std::string>>& rijen,
         const std::vector<std::string>& indexen, std::string& fout) {
  std::string maak = "create table " + Identifier(tabel) + " (";
  std::string invoeg = "insert into " + Identifier(tabel) + " values (";
  for (std::size_t i = 0; i < kolommen.size(); ++i) {
    maak += (i ? ", " : "") + Identifier(kolommen[i].naam) + " " + kolommen[i].type;
    invoeg += i ? ", ?" : "?";
  }
  if (!Exec(db, maak + ")", fout) || !Exec(db, "begin", fout)) return false;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, (invoeg + ")").c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    fout = sqlite3_errmsg(db);
    return false;
  }
  bool ok = true;
  for (const auto& rij : rijen) {
    sqlite3_reset(stmt);
    for (std::size_t i = 0; i < kolommen.size(); ++i) {
      const int p = static_cast<int>(i) + 1;
      const std::string& v = i < rij.size() ? rij[i] : std::string();
      if (kolommen[i].type == "INTEGER")
        sqlite3_bind_int64(stmt, p, std::stoll(v.empty() ? "0" : v));
      else if (kolommen[i].type == "REAL")
        sqlite3_bind_double(stmt, p, std::stod(v.empty() ? "0" : v));
      else
        sqlite3_bind_text(stmt, p, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE) {
      fout = sqlite3_errmsg(db);
      ok = false;
      break;
    }
  }
  sqlite3_finalize(stmt);
  if (!ok) return false;
  for (const std::string& index : indexen)
    if (!Exec(db, index, fout)) return false;
  return Exec(db, "commit", fout);
}

}  // namespace

bool SchrijfTabel(const std::string& pad, const std::string& tabel,
                  const std::vector<TKolom>& kolommen,
                  const std::vector<std::vector<std::string>>& rijen,
                  const std::vector<std::string>& indexen, std::string& fout) {
  const std::string tijdelijk = pad + ".part";
  std::remove(tijdelijk.c_str());
  sqlite3* db = nullptr;
  if (sqlite3_open(tijdelijk.c_str(), &db) != SQLITE_OK) {
    fout = pad + ": " + (db ? sqlite3_errmsg(db) : "cannot open");
    sqlite3_close(db);
    return false;
  }
  bool ok = false;
  try {
    ok = Vul(db, tabel, kolommen, rijen, indexen, fout);
  } catch (const std::exception& e) {   // a number field that does not read as a number
    fout = std::string("bad number: ") + e.what();
  }
  sqlite3_close(db);
  if (ok && std::rename(tijdelijk.c_str(), pad.c_str()) != 0) {
    fout = pad + ": cannot rename into place";
    ok = false;
  }
  if (!ok) {
    std::remove(tijdelijk.c_str());
    fout = pad + ": " + fout;
  }
  return ok;
}

}  // namespace orvan::tools
