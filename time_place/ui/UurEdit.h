#pragma once
// The edit of a clock time, a difference to Greenwich time or an angle in degrees, minutes and
// seconds (the kinds of LeesTijd, time_place/KonvUtil.h). It shows its value as TijdTekst.

#include "time_place/JulDayF.h"
#include "time_place/ui/PelqValEdit.h"

namespace orvan {

class TUurEdit : public TValEdit {
  Q_OBJECT

 public:
  // Soort 0 clock time ("Invalid time", initially the time of day), 1 difference to Greenwich time
  // ("Invalid time difference", initially 0), 2 angle ("Invalid degree", initially 0).
  explicit TUurEdit(int soort, QWidget* parent = nullptr);

  int Soort() const { return soort_; }

  // The value read by the last successful check, or set.
  const TTijdRec& Waarde() const { return waarde_; }
  void ZetWaarde(const TTijdRec& t);

  // The base check, then LeesTijd of the text in this kind; the value is kept when it succeeds.
  bool Valideer() override;

 private:
  int soort_;
  TTijdRec waarde_;
};

}  // namespace orvan
