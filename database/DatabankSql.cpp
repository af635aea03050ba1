#include "database/DatabankSql.h"

namespace orvan {

bool TDatabankSql::Open(const std::string& map, std::string& fout) {
  if (!db_.Open(map + "natal.db", false, false, fout)) return false;
  for (const char* naam : {"event", "relat"}) {
    TDbOpdracht koppel;
    if (!koppel.Bereid(db_, std::string("attach database ?1 as ") + naam, fout)) {
      db_.Sluit();
      return false;
    }
    koppel.Bind(1, map + naam + ".db");
    if (koppel.Stap() != TDbOpdracht::TStap::Klaar) {
      fout = db_.Fout();
      db_.Sluit();
      return false;
    }
    if (!db_.Voer(std::string("pragma ") + naam + ".journal_mode=delete", fout) ||
        !db_.Voer(std::string("pragma ") + naam + ".synchronous=full", fout)) {
      db_.Sluit();
      return false;
    }
  }
  return true;
}

bool TDatabankSql::VerwijderHoroskoop(std::int64_t nr, std::string& fout) {
  TDbTransaktie t(db_);
  if (!t.Begin(fout)) return false;
  for (const char* sql : {"delete from event where OrvanNr = ?1",
                          "delete from relat where PartnerANr = ?1 or PartnerBNr = ?1",
                          "delete from natal where InputNr = ?1"}) {
    TDbOpdracht o;
    if (!o.Bereid(db_, sql, fout)) return false;
    o.Bind(1, TVeldWaarde(nr));
    if (o.Stap() != TDbOpdracht::TStap::Klaar) {
      fout = db_.Fout();
      return false;
    }
  }
  return t.Bevestig(fout);
}

}  // namespace orvan
