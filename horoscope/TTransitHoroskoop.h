#pragma once
// The transit chart of a natal chart: the event moment, calculated like any chart from its own
// data.

#include "horoscope/TToekomstHoroskoop.h"

namespace orvan {

class TTransitHoroskoop : public TToekomstHoroskoop {
 public:
  explicit TTransitHoroskoop(TOrvanHoroskoop& eigenaar);

  // The base Wis; then the owner's event counts as changed and as not stored.
  void Wis() override;
};

}  // namespace orvan
