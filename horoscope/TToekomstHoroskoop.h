#pragma once
// A chart that belongs to a natal chart: the transit chart and the progression and direction
// charts. The owner is referred to, not owned.

#include "horoscope/THoroskoop.h"

namespace orvan {

class TOrvanHoroskoop;

class TToekomstHoroskoop : public THoroskoop {
 public:
  TToekomstHoroskoop(char soort, TOrvanHoroskoop& eigenaar);

  // The owner's MomentEigenschap hook for the owner's event record; 0 with both flags false while
  // that hook is not installed.
  double EigenschapWaarde(const std::string& naam, bool& nietGevonden, bool& heeftWaarde) override;

  TOrvanHoroskoop& Eigenaar;
};

}  // namespace orvan
