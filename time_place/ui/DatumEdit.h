#pragma once
// The edit of a calendar date, typed day month year (mode 0, international) or month day year
// (mode 1, American) with any separators. It shows its value as the numeric date text (13/8/2004
// or 8/13/2004). As a day number it is the Gregorian date at 0 h universal time.

#include "time_place/JulDayF.h"
#include "time_place/ui/PelqValEdit.h"

namespace orvan {

class TDatumEdit : public TValEdit {
  Q_OBJECT

 public:
  // Message "Invalid date"; initially today.
  explicit TDatumEdit(int mode, QWidget* parent = nullptr);

  int Mode() const { return mode_; }
  // Changes the mode; the value is shown again in the new order.
  void ZetMode(int mode);

  // The value read by the last successful check, or set.
  const TDatumRec& Datum() const { return datum_; }
  void ZetDatum(const TDatumRec& d);

  // JD50 of the current text as a Gregorian date at 0 h; 0 when the text is no valid date (a date
  // at 0 h never has the day number 0, which lies at noon).
  double JD50();
  // Sets the Gregorian date on which `jd50` lies.
  void ZetJD50(double jd50);

  // The base check, then LeesDatum of the text in this mode; the value is kept when it succeeds.
  bool Valideer() override;

 private:
  int mode_;
  TDatumRec datum_;
};

}  // namespace orvan
