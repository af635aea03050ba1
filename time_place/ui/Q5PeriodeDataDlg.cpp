#include "time_place/ui/Q5PeriodeDataDlg.h"

#include <QShowEvent>
#include <QVBoxLayout>

#include "shell/LangUtils.h"
#include "time_place/ui/FDatumEnPeriode.h"

namespace orvan {

TQ5PeriodeDataDlg::TQ5PeriodeDataDlg(QWidget* parent)
    : TBasisDialoogForm(parent), periode_(new TFDatumEnPeriode(Inhoud())) {
  setObjectName("Q5PeriodeDataDlg");
  auto* layout = new QVBoxLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(periode_);
  Labels();
}

TDatumRec TQ5PeriodeDataDlg::StartDatum() const { return periode_->StartDatum(); }

double TQ5PeriodeDataDlg::StartJD50() const { return periode_->StartJD50(); }

std::int32_t TQ5PeriodeDataDlg::AantalDagen() const { return periode_->AantalDagen(); }

void TQ5PeriodeDataDlg::ZetPeriode(const TDatumRec& start, std::int32_t dagen) {
  periode_->ZetPeriode(start, dagen);
}

void TQ5PeriodeDataDlg::reject() {
  periode_->Herstel();
  TBasisDialoogForm::reject();
}

bool TQ5PeriodeDataDlg::MagSluiten() { return periode_->ControleerBijOK(this); }

void TQ5PeriodeDataDlg::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(QString::fromStdString(Vertaal("Periodestudie")));
  periode_->Labels();
}

void TQ5PeriodeDataDlg::showEvent(QShowEvent* event) {
  TBasisDialoogForm::showEvent(event);   // labels first: they may switch the date input mode
  if (!event->spontaneous()) periode_->Bewaar();
}

}  // namespace orvan
