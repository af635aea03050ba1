#pragma once
// A program folder with a small language table of the test's own making.

#include <sqlite3.h>

#include <string>
#include <vector>

#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {

struct TTaalRij {
  std::string sleutel;
  std::vector<const char*> teksten;   // nullptr writes NULL
};

inline void MaakTabel(const std::string& pad, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(pad.c_str(), &db);
  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

inline void MaakTaalTabel(const std::string& map, const std::vector<TTaalRij>& rijen,
                          const std::vector<std::string>& talen) {
  std::string sql = "create table strings (identifier TEXT, NL TEXT, EN TEXT, FR TEXT, DU TEXT);";
  for (const auto& rij : rijen) {
    sql += "insert into strings values ('" + rij.sleutel + "'";
    for (const char* t : rij.teksten) sql += t ? ", '" + std::string(t) + "'" : ", NULL";
    sql += ");";
  }
  MaakTabel(map + "strings.db", sql);
  std::string lang = "create table LangID (LangName TEXT);";
  for (const auto& t : talen) lang += "insert into LangID values ('" + t + "');";
  MaakTabel(map + "LangID", lang);
}

inline const std::vector<std::string> VierTalen = {"Nederlands", "English", "Français", "Deutsch"};

}  // namespace orvan::test
