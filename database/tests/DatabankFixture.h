#pragma once
// A fresh database folder per test, the language table of the build in English and the recording
// interface layer; helpers that make birth data and read the files directly.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

#include "database/HorTabellen.h"
#include "database/Q4HorDBLink.h"
#include "horoscope/THorData.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {

inline THorData Geboorte(const std::string& naam, int jaar, int maand, int dag, int uur = 12,
                         int minuut = 0) {
  THorData d;
  d.Name = naam;
  d.Datum = {static_cast<std::int16_t>(dag), static_cast<std::int16_t>(maand), static_cast<std::int16_t>(jaar)};
  d.Tijd = {static_cast<std::int16_t>(uur), static_cast<std::int16_t>(minuut), 0};
  d.Verschil = {1, 0, 0};
  d.Plaats.Naam = "Amsterdam";
  d.Plaats.Breedte = 52.22f;
  d.Plaats.Lengte = 4.53f;
  d.Plaats.Zone = "MET";
  return d;
}

// Runs SQL on a file of the database with a connection of its own; the first column of the
// first row as text ("" when there is none).
inline std::string Vraag(const std::string& pad, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string uit;
  if (sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK) {
      if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_text(s, 0))
        uit = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
      sqlite3_finalize(s);
    } else {
      uit = std::string("ERROR ") + sqlite3_errmsg(db);
    }
  }
  sqlite3_close(db);
  return uit;
}

// Every field name and every value of every record of a table, in InputNr order: a fingerprint
// of its contents and structure.
// `select` chooses the columns and rows.
inline std::string Selectie(const std::string& pad, const std::string& select) {
  sqlite3* db = nullptr;
  std::string uit;
  if (sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return "no file";
  sqlite3_stmt* s = nullptr;
  if (sqlite3_prepare_v2(db, select.c_str(), -1, &s, nullptr) == SQLITE_OK) {
    for (int i = 0; i < sqlite3_column_count(s); ++i) uit += std::string(sqlite3_column_name(s, i)) + ";";
    while (sqlite3_step(s) == SQLITE_ROW) {
      uit += "\n";
      for (int i = 0; i < sqlite3_column_count(s); ++i) {
        const auto* t = sqlite3_column_text(s, i);
        uit += std::to_string(sqlite3_column_type(s, i)) + ":" + (t ? reinterpret_cast<const char*>(t) : "") + ";";
      }
    }
    sqlite3_finalize(s);
  } else {
    uit = std::string("ERROR ") + sqlite3_errmsg(db);
  }
  sqlite3_close(db);
  return uit;
}

inline std::string Inhoud(const std::string& pad, const std::string& tabel) {
  return Selectie(pad, "select * from \"" + tabel + "\" order by InputNr");
}

class DatabankTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    map_ = NieuweTijdelijkeMap() + "test.hor/";
  }

  // Saves a natal record through the save rule of the hooks; its InputNr.
  std::int32_t Bewaar(THorTabel& tabel, const THorData& d, std::int32_t natalNr = -1) {
    std::int32_t nr = -1;
    EXPECT_TRUE(BewaarHorRecord(tabel, d, natalNr, nr)) << tabel.LaatsteFout();
    return nr;
  }

  // The names of the view, in order, from the first record.
  static std::vector<std::string> Namen(TPelqTabel& t, int veld = VeldName) {
    std::vector<std::string> namen;
    for (int p = 0; p < t.AantalRecords(); ++p) namen.push_back(t.WaardeOp(p, veld).AlsTekst());
    return namen;
  }

  std::string Natal() const { return map_ + "natal.db"; }

  TOpnameInteraktie interaktie_;
  std::string map_;
};

}  // namespace orvan::test
