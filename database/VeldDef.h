#pragma once
// Field and index definitions of the horoscope tables, and how they are declared in SQLite.
// A field's kind is kept in the declared column type, so that a table read back from its file
// (including the property fields added at run time) has the same definitions.

#include <string>
#include <vector>

#include "database/VeldWaarde.h"

namespace orvan {

enum class TVeldSoort {
  AutoNummer,  // auto-increment integer, the primary key (SQLite's rowid)
  Tekst,       // string of at most `grootte` characters
  Memo,        // text without limit
  Bcd,         // number with two decimals (degrees.minutes coordinates)
  KleinGetal,  // 16-bit integer
  Geheel,      // 32-bit integer
  Boolean,     // stored as 0 or 1
  Numeriek     // floating-point number (the property fields)
};

struct TVeldDef {
  std::string naam;
  TVeldSoort soort = TVeldSoort::Numeriek;
  int grootte = 0;         // characters, for Tekst
  bool verplicht = false;  // NOT NULL
};

struct TIndexDef {
  std::string naam;
  std::string velden;      // field names separated by ";"
};

// The column declaration "name TYPE [NOT NULL]" of a field, name quoted.
std::string KolomDeclaratie(const TVeldDef& v);

// The definition of a column read from its file (PRAGMA table_info: name, declared type, not
// null, primary key).
TVeldDef VeldVanKolom(const std::string& naam, const std::string& type, bool nietNul, bool sleutel);

// The value a field of this kind stores for `w`: texts cut to their size, two decimals for BCD,
// integers within 16 or 32 bits, booleans as 0 or 1, numbers from their text. False with the
// reason when the field cannot hold it.
bool ZetOmVoorVeld(const TVeldDef& v, const TVeldWaarde& w, TVeldWaarde& uit, std::string& fout);

// The field names of an index ("DateY;DateM;DateD").
std::vector<std::string> IndexVelden(const std::string& velden);

}  // namespace orvan
