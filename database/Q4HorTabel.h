#pragma once
// The natal table (natal.db): the birth-moment fields followed by the selection flag Selekt
// (field 24) and the property fields.

#include "database/HorTabel.h"

namespace orvan {

class TQ4HorTabel : public THorTabel {
 public:
  TQ4HorTabel();
  // Hides Selekt; the last fixed field is 24.
  bool Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) override;
  void MaakVelden() override;
};

}  // namespace orvan
