#include "database/Q4HorTabel.h"

namespace orvan {

TQ4HorTabel::TQ4HorTabel() { LaatsteVastVeld = VeldSelekt; }

bool TQ4HorTabel::Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) {
  ZetVeldZichtbaar("Selekt", false);
  const bool ok = THorTabel::Initialiseer(map, bestandsnaam, alleenLezen);
  LaatsteVastVeld = VeldSelekt;
  return ok;
}

void TQ4HorTabel::MaakVelden() {
  THorTabel::MaakVelden();
  VoegVeldToe("Selekt", TVeldSoort::Boolean, 0, true);
}

}  // namespace orvan
