#include "database/Q4RelatTabel.h"

namespace orvan {

TQ4RelatTabel::TQ4RelatTabel() { LaatsteVastVeld = RelatVeldSelekt; }

bool TQ4RelatTabel::Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) {
  const bool ok = TPelqTabel::Initialiseer(map, bestandsnaam, alleenLezen);
  LaatsteVastVeld = RelatVeldSelekt;
  return ok;
}

int TQ4RelatTabel::SelektIndex() const { return RelatVeldSelekt; }

void TQ4RelatTabel::MaakVelden() {
  TPelqTabel::MaakVelden();
  VoegVeldToe("InputNr", TVeldSoort::AutoNummer, 0, false);
  VoegVeldToe("PartnerANr", TVeldSoort::Geheel, 0, true);
  VoegVeldToe("PartnerBNr", TVeldSoort::Geheel, 0, true);
  VoegVeldToe("KeyWords", TVeldSoort::Tekst, SteekwoordenLengte, false);
  VoegVeldToe("Selekt", TVeldSoort::Boolean, 0, true);
}

void TQ4RelatTabel::MaakIndexen() {
  TPelqTabel::MaakIndexen();
  VoegIndexToe("PartnerNrs", "PartnerANr;PartnerBNr");
}

bool TQ4RelatTabel::CheckIndexen() { return ControleerIndexen({{"PartnerNrs", "PartnerANr;PartnerBNr"}}); }

bool TQ4RelatTabel::ZoekRelatie(std::int64_t a, std::int64_t b) {
  TDbOpdracht o;
  std::string fout;
  if (!IsOpen() || !o.Bereid(Verbinding(), "select 1 from " + CiteerNaam(TabelNaam()) +
                                               " where PartnerANr = ?1 and PartnerBNr = ?2 limit 1",
                             fout))
    return false;
  o.Bind(1, TVeldWaarde(a));
  o.Bind(2, TVeldWaarde(b));
  return o.Stap() == TDbOpdracht::TStap::Rij;
}

}  // namespace orvan
