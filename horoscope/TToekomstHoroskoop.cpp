#include "horoscope/TToekomstHoroskoop.h"

#include "horoscope/TOrvanHoroskoop.h"

namespace orvan {

TToekomstHoroskoop::TToekomstHoroskoop(char soort, TOrvanHoroskoop& eigenaar)
    : THoroskoop(soort), Eigenaar(eigenaar) {}

double TToekomstHoroskoop::EigenschapWaarde(const std::string& naam, bool& nietGevonden,
                                            bool& heeftWaarde) {
  nietGevonden = false;
  heeftWaarde = false;
  if (!Eigenaar.MomentEigenschap) return 0.0;
  return Eigenaar.MomentEigenschap(Eigenaar.EventNr, naam, nietGevonden, heeftWaarde);
}

}  // namespace orvan
