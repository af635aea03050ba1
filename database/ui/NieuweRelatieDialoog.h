#pragma once
// The dialog "Add new relationship": two lists of the selected natal horoscopes (by name, in the
// order of their sort names), one for partner A and one for partner B. The choice is checked by
// the relationships page, not here.

#include <cstdint>
#include <vector>

#include "shell/ui/BasisDialoog.h"

class QLabel;
class QListWidget;

namespace orvan {

class TQ4DataModule;

inline constexpr const char* NieuweRelatieTitel = "Add new relationship";

class TNieuweRelatieDialoog : public TBasisDialoogForm {
  Q_OBJECT

 public:
  // Fills both lists from the natal table's view; the first horoscope is chosen in both.
  explicit TNieuweRelatieDialoog(TQ4DataModule& dm, QWidget* parent = nullptr);

  QListWidget* LijstA() const { return lijstA_; }
  QListWidget* LijstB() const { return lijstB_; }
  // The InputNr of the chosen partner, -1 when none is chosen.
  std::int64_t PartnerA() const;
  std::int64_t PartnerB() const;
  // Chooses a horoscope by InputNr in a list; false when it is not listed.
  bool KiesA(std::int64_t nr);
  bool KiesB(std::int64_t nr);

  // Runs the dialog; true with both numbers when OK was pressed.
  static bool Kies(TQ4DataModule& dm, QWidget* ouder, std::int64_t& a, std::int64_t& b);

 protected:
  void Labels() override;

 private:
  QLabel* labelA_;
  QLabel* labelB_;
  QListWidget* lijstA_;
  QListWidget* lijstB_;
};

}  // namespace orvan
