#pragma once
// The relationship table (relat.db): InputNr, PartnerANr, PartnerBNr (natal InputNr values),
// KeyWords, Selekt (field 4), then the property fields.

#include <cstdint>

#include "database/HorVelden.h"
#include "database/PelqTabel.h"

namespace orvan {

class TQ4RelatTabel : public TPelqTabel {
 public:
  TQ4RelatTabel();
  // The last fixed field is 4.
  bool Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) override;
  int SelektIndex() const override;
  void MaakVelden() override;
  void MaakIndexen() override;
  bool CheckIndexen() override;

  // Whether a relationship (a, b) is stored, whatever the filter; (b, a) is another one.
  // The view and its current record are untouched.
  bool ZoekRelatie(std::int64_t a, std::int64_t b);
};

}  // namespace orvan
