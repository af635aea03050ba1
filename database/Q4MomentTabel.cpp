#include "database/Q4MomentTabel.h"

namespace orvan {

TQ4MomentTabel::TQ4MomentTabel() { LaatsteVastVeld = VeldOrvanNr; }

bool TQ4MomentTabel::Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) {
  const bool ok = TQ4HorTabel::Initialiseer(map, bestandsnaam, alleenLezen);
  LaatsteVastVeld = VeldOrvanNr;
  if (!ok) return false;
  ZetFilterTekst("");
  ZetGefilterd(true);
  return true;
}

void TQ4MomentTabel::MaakVelden() {
  TQ4HorTabel::MaakVelden();
  VoegVeldToe("OrvanNr", TVeldSoort::Geheel, 0, true);
}

void TQ4MomentTabel::MaakIndexen() {
  TQ4HorTabel::MaakIndexen();
  VoegIndexToe("OrvanInputNr", "OrvanNr;InputNr");
}

bool TQ4MomentTabel::CheckIndexen() {
  return ControleerIndexen({{"SName", "SName"},
                            {"Tijd", "DateY;DateM;DateD;TimeH;TimeM;TimeS"},
                            {"Verjaardag", "DateM;DateD;TimeH;TimeM;TimeS"},
                            {"OrvanInputNr", "OrvanNr;InputNr"}});
}

}  // namespace orvan
