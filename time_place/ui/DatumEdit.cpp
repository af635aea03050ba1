#include "time_place/ui/DatumEdit.h"

#include <QDate>

namespace orvan {

TDatumEdit::TDatumEdit(int mode, QWidget* parent)
    : TValEdit(parent), mode_(mode == DatumAmerikaans ? DatumAmerikaans : DatumInternationaal) {
  ZetFoutmelding("Invalid date");
  const QDate vandaag = QDate::currentDate();
  ZetDatum({static_cast<std::int16_t>(vandaag.day()), static_cast<std::int16_t>(vandaag.month()),
            static_cast<std::int16_t>(vandaag.year())});
}

void TDatumEdit::ZetMode(int mode) {
  const int nieuw = mode == DatumAmerikaans ? DatumAmerikaans : DatumInternationaal;
  if (nieuw == mode_) return;
  // The text is read in the old order before it is shown in the new one; an invalid text stays.
  TDatumRec d;
  const bool geldig = LeesDatum(Tekst(), mode_, d);
  mode_ = nieuw;
  if (geldig) ZetDatum(d);
}

void TDatumEdit::ZetDatum(const TDatumRec& d) {
  datum_ = d;
  setText(QString::fromStdString(DatumTekst(0, d, mode_)));
}

double TDatumEdit::JD50() {
  if (!Valideer()) return 0;
  return JulDag50(datum_.Maand, datum_.Dag, datum_.Jaar, true, 0);
}

void TDatumEdit::ZetJD50(double jd50) {
  const TJDDatum d = DatumUitJD50(true, jd50);
  ZetDatum({d.dag, d.maand, d.jaar});
}

bool TDatumEdit::Valideer() {
  if (!TValEdit::Valideer()) return false;
  TDatumRec d;
  if (!LeesDatum(Tekst(), mode_, d)) return false;
  datum_ = d;
  return true;
}

}  // namespace orvan
