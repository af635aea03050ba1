#include "time_place/ui/GeoEdit.h"

#include "time_place/KonvUtil.h"

namespace orvan {

TGeoEdit::TGeoEdit(int soort, QWidget* parent)
    : TValEdit(parent), soort_(soort == SoortLengte ? SoortLengte : SoortBreedte) {
  ZetFoutmelding(soort_ == SoortBreedte ? "Invalid latitude" : "Invalid longitude");
  ZetWaarde(0);
}

void TGeoEdit::ZetWaarde(float x) {
  waarde_ = x;
  setText(QString::fromStdString(GeoKort(x, soort_ == SoortBreedte)));
}

bool TGeoEdit::Valideer() {
  if (!TValEdit::Valideer()) return false;
  float x = 0;
  if (!LeesGeo(Tekst(), soort_, x)) return false;
  waarde_ = x;
  return true;
}

}  // namespace orvan
