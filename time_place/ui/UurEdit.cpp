#include "time_place/ui/UurEdit.h"

#include <QTime>

#include "time_place/KonvUtil.h"

namespace orvan {

TUurEdit::TUurEdit(int soort, QWidget* parent) : TValEdit(parent), soort_(soort) {
  TTijdRec begin;
  switch (soort_) {
    case SoortKloktijd: {
      ZetFoutmelding("Invalid time");
      const QTime nu = QTime::currentTime();
      begin = {static_cast<std::int16_t>(nu.hour()), static_cast<std::int16_t>(nu.minute()),
               static_cast<std::int16_t>(nu.second())};
      break;
    }
    case SoortTijdverschil:
      ZetFoutmelding("Invalid time difference");
      break;
    default:
      ZetFoutmelding("Invalid degree");
      break;
  }
  ZetWaarde(begin);
}

void TUurEdit::ZetWaarde(const TTijdRec& t) {
  waarde_ = t;
  setText(QString::fromStdString(TijdTekst(t)));
}

bool TUurEdit::Valideer() {
  if (!TValEdit::Valideer()) return false;
  TTijdRec t;
  if (!LeesTijd(Tekst(), soort_, t)) return false;
  waarde_ = t;
  return true;
}

}  // namespace orvan
