#pragma once
// The event table (event.db): the natal fields, then OrvanNr (field 25, the InputNr of the natal
// horoscope the event belongs to) and the property fields.

#include "database/Q4HorTabel.h"

namespace orvan {

class TQ4MomentTabel : public TQ4HorTabel {
 public:
  TQ4MomentTabel();
  // The last fixed field is 25; the filter text is cleared and filtering is on.
  bool Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) override;
  void MaakVelden() override;
  void MaakIndexen() override;
  bool CheckIndexen() override;
};

}  // namespace orvan
