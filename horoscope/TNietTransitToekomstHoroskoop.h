#pragma once
// The base of the derived charts that hold no moment of their own: secondary progressions and
// primary directions, whose moment comes from the owner and the transit chart.

#include "horoscope/TToekomstHoroskoop.h"

namespace orvan {

class TNietTransitToekomstHoroskoop : public TToekomstHoroskoop {
 public:
  TNietTransitToekomstHoroskoop(char soort, TOrvanHoroskoop& eigenaar)
      : TToekomstHoroskoop(soort, eigenaar) {}
};

}  // namespace orvan
