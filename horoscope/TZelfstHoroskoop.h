#pragma once
// A chart computed from its own data (natal charts and, later, the composite).

#include "horoscope/THoroskoop.h"

namespace orvan {

class TZelfstHoroskoop : public THoroskoop {
 public:
  explicit TZelfstHoroskoop(char soort) : THoroskoop(soort) {}
};

}  // namespace orvan
