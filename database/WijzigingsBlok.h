#pragma once
// Several posts to one table in one transaction, for the lifetime of the object: either all of
// them reach the file (Bevestig) or none does (a failed post, or leaving the scope without
// Bevestig). A filter pass or an import over many records runs in one block.

#include "database/PelqTabel.h"

namespace orvan {

class TWijzigingsBlok {
 public:
  explicit TWijzigingsBlok(TPelqTabel& tabel) : tabel_(tabel), begonnen_(tabel.BeginWijzigingen()) {}
  ~TWijzigingsBlok() {
    if (begonnen_ && !klaar_) tabel_.EindeWijzigingen(false);
  }
  TWijzigingsBlok(const TWijzigingsBlok&) = delete;
  TWijzigingsBlok& operator=(const TWijzigingsBlok&) = delete;

  bool Begonnen() const { return begonnen_; }
  // Commits the block; false (and nothing written) when any post of it failed.
  bool Bevestig() {
    if (!begonnen_ || klaar_) return false;
    klaar_ = true;
    return tabel_.EindeWijzigingen(true);
  }

 private:
  TPelqTabel& tabel_;
  bool begonnen_;
  bool klaar_ = false;
};

}  // namespace orvan
