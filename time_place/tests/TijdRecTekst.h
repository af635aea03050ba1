#pragma once
// Shows a time record as "h:m:s" in test failure messages.

#include <string>

#include "time_place/JulDayF.h"

namespace orvan::test {

inline std::string Toon(const TTijdRec& t) {
  return std::to_string(t.Uren) + ":" + std::to_string(t.Minuten) + ":" + std::to_string(t.Seconden);
}

}  // namespace orvan::test
