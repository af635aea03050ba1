#pragma once
// The period dialog: a standard dialog (caption "Periodestudie") holding one date-and-period frame.
// OK closes only when the dates check valid; Cancel restores the start date and the number of days
// that were current when the dialog was shown. The program keeps one per kind of period, so each
// keeps the last period entered.

#include <cstdint>

#include "shell/ui/BasisDialoog.h"
#include "time_place/JulDayF.h"

namespace orvan {

class TFDatumEnPeriode;

class TQ5PeriodeDataDlg : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TQ5PeriodeDataDlg(QWidget* parent = nullptr);

  TFDatumEnPeriode* Periode() const { return periode_; }

  // The result: the start date, its day number (JD50, Gregorian at 0 h) and the number of days.
  TDatumRec StartDatum() const;
  double StartJD50() const;
  std::int32_t AantalDagen() const;
  void ZetPeriode(const TDatumRec& start, std::int32_t dagen);

  void reject() override;

 protected:
  bool MagSluiten() override;
  void Labels() override;
  void showEvent(QShowEvent* event) override;

 private:
  TFDatumEnPeriode* periode_;
};

}  // namespace orvan
