#include "horoscope/TTransitHoroskoop.h"

#include "horoscope/TOrvanHoroskoop.h"

namespace orvan {

TTransitHoroskoop::TTransitHoroskoop(TOrvanHoroskoop& eigenaar)
    : TToekomstHoroskoop(SoortTransit, eigenaar) {}

void TTransitHoroskoop::Wis() {
  THoroskoop::Wis();
  Eigenaar.EventGewijzigd = true;
  Eigenaar.EventNr = GeenRecord;
}

}  // namespace orvan
