#pragma once
// The horoscope data dialog: name, sex, date, time, calendar, clock or universal time, place and
// precision of a natal chart (mode 0) or of its event (mode 1, the transit chart). The difference
// to Greenwich time is looked up in the place's time zone table on OK when the moment or the place
// changed, or when the chart never had one (99 hours); universal time has none. The data can come
// from another atlas program's clipboard text, the moment can be moved to a constellation (a solar
// or lunar return), and the chart is saved on OK when the save box is checked.

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

#include "horoscope/TOrvanHoroskoop.h"
#include "shell/ui/BasisDialoog.h"
#include "time_place/PltsTijdRec.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPaintEvent;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace orvan {

class TDatumEdit;
class TPlaatsLijstViewer;
class TUurEdit;

inline constexpr std::int32_t HelpHorDataDialoog = 3008;

// The modes of the dialog.
inline constexpr int HorDataNatal = 0;
inline constexpr int HorDataEvent = 1;

// The horoscope data dialog: mode 0 natal data, 1 event data. True when OK was pressed.
bool WijzigGegevens(TOrvanHoroskoop& horoskoop, int modus, bool nieuw, QWidget* ouder = nullptr);

class TQ4HorDataDialoogForm : public TBasisDialoogForm {
  Q_OBJECT

 public:
  // The dialog on the natal data (mode 0) or the event data (mode 1) of `horoskoop`. The place
  // browser opens the place list of the program folder.
  TQ4HorDataDialoogForm(TOrvanHoroskoop& horoskoop, int modus, QWidget* parent = nullptr);

  int Modus() const { return modus_; }
  // The data being edited: the chart's own in mode 0, its transit chart's in mode 1.
  THorData& Data() const;

  // Shows the data in the controls; a new chart shows today, the time of day and the standard
  // place instead. The changed flag is cleared, unless the data have no difference yet.
  void ToonGegevens(bool nieuw);
  // Stores the controls into the data, after the difference to Greenwich time was settled: 0:00:00
  // for universal time, looked up when the changed flag is set. False, with the data unchanged,
  // when the user cancels the difference dialog. The value edits must have checked valid.
  bool NeemGegevensOver();

  // The date, the time, the calendar, the time kind or the place changed since the data were
  // shown (or the data have no difference yet).
  bool Gewijzigd() const { return gewijzigd_; }
  // The place the dialog stands on: the one shown from the data, pasted or typed until the user
  // moves in the list, else the current entry of the browser.
  PlaatsRec HuidigePlaats() const;
  // A constellation search moved the moment of the data (they were taken over for it).
  bool Gezocht() const { return gezocht_; }

  // The buttons' actions.
  void KonstellatieBtnClick();
  void KlembordBtnClick();
  void KaartBtnClick();

  // Controls, in tab order.
  QLineEdit* NaamEdit() const { return naamEdit_; }
  QGroupBox* SexKeuze() const { return sexKeuze_; }
  QButtonGroup* SexGroep() const { return sexGroep_; }
  TDatumEdit* DatumEdit() const { return datumEdit_; }
  TUurEdit* TijdEdit() const { return tijdEdit_; }
  QGroupBox* KalenderKeuze() const { return kalenderKeuze_; }
  QButtonGroup* KalenderGroep() const { return kalenderGroep_; }
  QGroupBox* TijdSoortKeuze() const { return tijdSoortKeuze_; }
  QButtonGroup* TijdSoortGroep() const { return tijdSoortGroep_; }
  TPlaatsLijstViewer* PlaatsViewer() const { return plaatsViewer_; }
  QToolButton* OmhoogBtn() const { return omhoogBtn_; }
  QToolButton* OmlaagBtn() const { return omlaagBtn_; }
  TUurEdit* PrecisieEdit() const { return precisieEdit_; }
  QPushButton* KonstellatieBtn() const { return konstellatieBtn_; }
  QCheckBox* BewaarBox() const { return bewaarBox_; }
  QPushButton* KaartBtn() const { return kaartBtn_; }
  QPushButton* KlembordBtn() const { return klembordBtn_; }
  QLabel* NaamLabel() const { return naamLabel_; }
  QLabel* DatumLabel() const { return datumLabel_; }
  QLabel* TijdLabel() const { return tijdLabel_; }
  QLabel* PlaatsLabel() const { return plaatsLabel_; }
  QLabel* PrecisieLabel() const { return precisieLabel_; }

 protected:
  // Every value edit checks valid.
  bool MagSluiten() override;
  // The captions from the language table; again on every painting, so a change of language shows
  // at once.
  void Labels() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ToonPlaats(const PlaatsRec& p);
  void PlaatsGewijzigd();
  void BewarenBezig(double procent);

  TOrvanHoroskoop& horoskoop_;
  const int modus_;
  bool gewijzigd_ = false;
  bool inLabels_ = false;
  bool gezocht_ = false;
  TTijdRec verschil_;                      // the difference OK keeps when nothing changed
  std::optional<PlaatsRec> eigenPlaats_;   // see HuidigePlaats

  QLabel* naamLabel_;
  QLineEdit* naamEdit_;
  QGroupBox* sexKeuze_;
  QButtonGroup* sexGroep_;
  QRadioButton* sexKnoppen_[4];
  QLabel* datumLabel_;
  TDatumEdit* datumEdit_;
  QLabel* tijdLabel_;
  TUurEdit* tijdEdit_;
  QGroupBox* kalenderKeuze_;
  QButtonGroup* kalenderGroep_;
  QRadioButton* kalenderKnoppen_[2];
  QGroupBox* tijdSoortKeuze_;
  QButtonGroup* tijdSoortGroep_;
  QRadioButton* tijdSoortKnoppen_[2];
  QLabel* plaatsLabel_;
  TPlaatsLijstViewer* plaatsViewer_;
  QToolButton* omhoogBtn_;
  QToolButton* omlaagBtn_;
  QLabel* precisieLabel_;
  TUurEdit* precisieEdit_;
  QPushButton* konstellatieBtn_;
  QCheckBox* bewaarBox_;
  QPushButton* kaartBtn_;
  QPushButton* klembordBtn_;
};

}  // namespace orvan
