#pragma once
// A table of birth moments (natal horoscopes or events): the fields InputNr .. Sex with their
// indexes, and the date operations over its view.

#include "database/HorVelden.h"
#include "database/PelqTabel.h"
#include "time_place/JulDayF.h"

namespace orvan {

class THorTabel : public TPelqTabel {
 public:
  // Hides SName in grids.
  bool Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) override;

  void MaakVelden() override;
  void MaakIndexen() override;
  bool CheckIndexen() override;
  // The dates of the first and the last record in "Tijd" order within the current view; both
  // 0-0-0 when the view is empty. Order and current record are restored.
  virtual void DatumStatistiek(TDatumRec& eerste, TDatumRec& laatste);

  // Whether the records of the view, in time order, reach into the period of `lengte` days from
  // the Julian day `start`. Order and current record are restored.
  bool IsErOverlap(double lengte, double start);
  // The Julian day of the current record's stored date and time.
  double JD_AD_KT() const;
  // The same in universal time: the clock time less the difference to Greenwich time.
  double JD_AD_GMT() const;
};

}  // namespace orvan
