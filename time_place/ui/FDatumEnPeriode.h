#pragma once
// The date-and-period frame of every command that works on a period: a start date, an end date
// (both in the date input mode of the settings) and a number of days. Leaving a date edit with a
// valid date sets the number of days to the days between start and end; changing the number of
// days moves the end date to start + days.

#include <QFrame>
#include <QString>
#include <cstdint>

#include "time_place/JulDayF.h"

class QLabel;
class QSpinBox;

namespace orvan {

class TDatumEdit;

class TFDatumEnPeriode : public QFrame {
  Q_OBJECT

 public:
  // The number of days of a new frame; its start date is the first day of the current month.
  static constexpr std::int32_t StandaardDagen = 365;

  explicit TFDatumEnPeriode(QWidget* parent = nullptr);

  // Captions and error messages from the language table, and the date input mode of the settings
  // ("Datuminvoermode"); called by the owning dialog on every showing.
  void Labels();

  // The period: the start date as last read, its day number and the number of days.
  TDatumRec StartDatum() const;
  double StartJD50() const;
  std::int32_t AantalDagen() const;
  void ZetPeriode(const TDatumRec& start, std::int32_t dagen);

  // Remembers the start date text and the number of days (when the dialog is shown) and restores
  // them (when it is cancelled); the end date follows.
  void Bewaar();
  void Herstel();

  // On OK: both date edits, then every value edit of `dialoog`, must check valid. The number of
  // days is then taken from the two dates once more.
  bool ControleerBijOK(QWidget* dialoog);

  TDatumEdit* StartDatumEdit() const { return startDatumEdit_; }
  TDatumEdit* EindDatumEdit() const { return eindDatumEdit_; }
  QSpinBox* AantalDagenEdit() const { return aantalDagenEdit_; }
  QLabel* StartLabel() const { return startLabel_; }
  QLabel* EindLabel() const { return eindLabel_; }
  QLabel* DagenLabel() const { return dagenLabel_; }

 private:
  void DatumEditExit();
  void AantalDagenEditChange(int dagen);
  void BerekenEind();
  void BerekenDagen();

  QLabel* startLabel_;
  TDatumEdit* startDatumEdit_;
  QLabel* eindLabel_;
  TDatumEdit* eindDatumEdit_;
  QLabel* dagenLabel_;
  QSpinBox* aantalDagenEdit_;
  bool bezig_ = false;   // the number of days is being set from the dates
  QString bewaardeStart_;
  int bewaardeDagen_ = StandaardDagen;
};

}  // namespace orvan
