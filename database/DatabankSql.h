#pragma once
// One connection to a whole horoscope database: natal.db as the main file with event.db and
// relat.db attached as "event" and "relat", so that SQL over several tables ("select ... from
// natal as A, natal as B, relat as C ...") runs as written. A transaction on it spans the three
// files atomically (the rollback journals share one super-journal).

#include <cstdint>
#include <string>

#include "database/DbVerbinding.h"

namespace orvan {

class TDatabankSql {
 public:
  // `map` with a trailing "/"; the three table files must exist.
  bool Open(const std::string& map, std::string& fout);
  void Sluit() { db_.Sluit(); }
  TDbVerbinding& Verbinding() { return db_; }

  // Deletes natal horoscope `nr` with its events and every relationship in which it is partner A
  // or B, in one transaction.
  bool VerwijderHoroskoop(std::int64_t nr, std::string& fout);

 private:
  TDbVerbinding db_;
};

}  // namespace orvan
