#pragma once
// Read access to the fields of one record, by position and by name. The record filter of a table
// receives the candidate record this way.

#include <string>
#include <utility>
#include <vector>

#include "database/VeldDef.h"
#include "database/VeldWaarde.h"

namespace orvan {

class TRecordLezer {
 public:
  virtual ~TRecordLezer() = default;
  virtual int AantalVelden() const = 0;
  virtual TVeldWaarde Waarde(int veld) const = 0;
  // The field number of a name (without regard to case), -1 when there is none.
  virtual int VeldNummer(const std::string& naam) const = 0;
  TVeldWaarde Waarde(const std::string& naam) const {
    const int n = VeldNummer(naam);
    return n < 0 ? TVeldWaarde() : Waarde(n);
  }
};

// Names of fields and indexes are the same without regard to ASCII case, as SQLite compares them.
bool ZelfdeNaam(const std::string& a, const std::string& b);

// The field number of `naam` in a list of definitions, without regard to ASCII case (as SQLite
// compares column names); -1 when absent.
int ZoekVeld(const std::vector<TVeldDef>& velden, const std::string& naam);

// A record held in memory: the values in field order.
class TRecord : public TRecordLezer {
 public:
  TRecord() = default;
  TRecord(const std::vector<TVeldDef>* velden, std::vector<TVeldWaarde> waarden)
      : velden_(velden), waarden_(std::move(waarden)) {}

  int AantalVelden() const override { return static_cast<int>(waarden_.size()); }
  TVeldWaarde Waarde(int veld) const override {
    return veld >= 0 && veld < AantalVelden() ? waarden_[static_cast<std::size_t>(veld)]
                                              : TVeldWaarde();
  }
  using TRecordLezer::Waarde;
  int VeldNummer(const std::string& naam) const override {
    return velden_ ? ZoekVeld(*velden_, naam) : -1;
  }
  std::vector<TVeldWaarde>& Waarden() { return waarden_; }
  const std::vector<TVeldWaarde>& Waarden() const { return waarden_; }

 private:
  const std::vector<TVeldDef>* velden_ = nullptr;
  std::vector<TVeldWaarde> waarden_;
};

}  // namespace orvan
