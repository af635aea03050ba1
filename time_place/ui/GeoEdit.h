#pragma once
// The edit of a latitude or a longitude in d.mm notation (52N22, 52 22, 52.22; west and south
// negative). It shows its value as GeoKort (52N22, 4E05, 73W59).

#include "time_place/ui/PelqValEdit.h"

namespace orvan {

class TGeoEdit : public TValEdit {
  Q_OBJECT

 public:
  // Soort 0 latitude ("Invalid latitude"), 1 longitude ("Invalid longitude"); initially 0.
  explicit TGeoEdit(int soort, QWidget* parent = nullptr);

  int Soort() const { return soort_; }

  // The value in d.mm read by the last successful check, or set.
  float Waarde() const { return waarde_; }
  void ZetWaarde(float x);

  // The base check, then LeesGeo of the text in this kind; the value is kept when it succeeds.
  bool Valideer() override;

 private:
  int soort_;
  float waarde_ = 0;
};

}  // namespace orvan
