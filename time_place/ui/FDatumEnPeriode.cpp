#include "time_place/ui/FDatumEnPeriode.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "time_place/ui/DatumEdit.h"
#include "time_place/ui/PeriodeRekening.h"

namespace orvan {

TFDatumEnPeriode::TFDatumEnPeriode(QWidget* parent)
    : QFrame(parent),
      startLabel_(new QLabel(this)),
      startDatumEdit_(new TDatumEdit(Instellingen.Datuminvoermode, this)),
      eindLabel_(new QLabel(this)),
      eindDatumEdit_(new TDatumEdit(Instellingen.Datuminvoermode, this)),
      dagenLabel_(new QLabel(this)),
      aantalDagenEdit_(new QSpinBox(this)) {
  setObjectName("FDatumEnPeriode");
  startDatumEdit_->setObjectName("StartDatumEdit");
  eindDatumEdit_->setObjectName("EindDatumEdit");
  aantalDagenEdit_->setObjectName("AantalDagenEdit");
  startLabel_->setBuddy(startDatumEdit_);
  eindLabel_->setBuddy(eindDatumEdit_);
  dagenLabel_->setBuddy(aantalDagenEdit_);
  aantalDagenEdit_->setRange(-MaxPeriodeDagen, MaxPeriodeDagen);
  aantalDagenEdit_->setAlignment(Qt::AlignRight);

  auto* layout = new QGridLayout(this);
  layout->addWidget(startLabel_, 0, 0);
  layout->addWidget(startDatumEdit_, 0, 1);
  layout->addWidget(eindLabel_, 1, 0);
  layout->addWidget(eindDatumEdit_, 1, 1);
  layout->addWidget(dagenLabel_, 2, 0);
  layout->addWidget(aantalDagenEdit_, 2, 1);
  layout->setColumnStretch(1, 1);

  connect(startDatumEdit_, &QLineEdit::editingFinished, this, &TFDatumEnPeriode::DatumEditExit);
  connect(eindDatumEdit_, &QLineEdit::editingFinished, this, &TFDatumEnPeriode::DatumEditExit);
  connect(aantalDagenEdit_, &QSpinBox::valueChanged, this,
          &TFDatumEnPeriode::AantalDagenEditChange);

  ZetPeriode(EersteVanDezeMaand(), StandaardDagen);
  Labels();
  Bewaar();
}

void TFDatumEnPeriode::Labels() {
  const int mode = Instellingen.Datuminvoermode == DatumAmerikaans ? DatumAmerikaans
                                                                   : DatumInternationaal;
  startDatumEdit_->ZetMode(mode);
  eindDatumEdit_->ZetMode(mode);
  const std::string volgorde = mode == DatumAmerikaans ? Vertaal("DatumAmerika") : Vertaal("DatumIntl");
  startLabel_->setText(QString::fromStdString(Vertaal("Startdatum") + " (" + volgorde + "):"));
  eindLabel_->setText(QString::fromStdString(Vertaal("Einddatum")));
  dagenLabel_->setText(QString::fromStdString(Vertaal("AantalDagen") + ":"));
  const std::string fout = Vertaal("OngeldigeDatum");
  startDatumEdit_->ZetFoutmelding(fout);
  eindDatumEdit_->ZetFoutmelding(fout);
}

TDatumRec TFDatumEnPeriode::StartDatum() const { return startDatumEdit_->Datum(); }

double TFDatumEnPeriode::StartJD50() const { return DatumJD50(StartDatum()); }

std::int32_t TFDatumEnPeriode::AantalDagen() const { return aantalDagenEdit_->value(); }

void TFDatumEnPeriode::ZetPeriode(const TDatumRec& start, std::int32_t dagen) {
  startDatumEdit_->ZetDatum(start);
  bezig_ = true;
  aantalDagenEdit_->setValue(dagen);
  bezig_ = false;
  BerekenEind();
}

void TFDatumEnPeriode::Bewaar() {
  bewaardeStart_ = startDatumEdit_->text();
  bewaardeDagen_ = aantalDagenEdit_->value();
}

void TFDatumEnPeriode::Herstel() {
  startDatumEdit_->setText(bewaardeStart_);
  startDatumEdit_->Valideer();
  bezig_ = true;
  aantalDagenEdit_->setValue(bewaardeDagen_);
  bezig_ = false;
  BerekenEind();
}

bool TFDatumEnPeriode::ControleerBijOK(QWidget* dialoog) {
  if (!startDatumEdit_->Controleer() || !eindDatumEdit_->Controleer()) return false;
  if (!ControleerAlles(dialoog ? dialoog : this)) return false;
  BerekenDagen();
  return true;
}

void TFDatumEnPeriode::DatumEditExit() {
  if (startDatumEdit_->Valideer() && eindDatumEdit_->Valideer()) BerekenDagen();
}

void TFDatumEnPeriode::AantalDagenEditChange(int) {
  if (!bezig_) BerekenEind();
}

void TFDatumEnPeriode::BerekenEind() {
  TDatumRec eind;
  if (startDatumEdit_->Valideer() && DatumNaDagen(startDatumEdit_->Datum(), AantalDagen(), eind))
    eindDatumEdit_->ZetDatum(eind);
}

void TFDatumEnPeriode::BerekenDagen() {
  bezig_ = true;
  aantalDagenEdit_->setValue(
      DagenTussen(DatumJD50(startDatumEdit_->Datum()), DatumJD50(eindDatumEdit_->Datum())));
  bezig_ = false;
}

}  // namespace orvan
