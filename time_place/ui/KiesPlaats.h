#pragma once
// The place selection dialog: a place browser under a label. Insert in the browser opens the
// new-place dialog. On OK the current place of the browser is the result. In its standard-place
// mode it edits the standard place of the settings: caption "StdPlaats", label
// "SelekteerStdPlts", it starts on the current standard place and OK makes the chosen place the
// new standard place.

#include <string>

#include "shell/ui/BasisDialoog.h"
#include "time_place/PltsTijdRec.h"

class QLabel;

namespace orvan {

class TPlaatsLijstViewer;

class TKiesPlaatsDlg : public TBasisDialoogForm {
  Q_OBJECT

 public:
  // `titelSleutel` and `labelSleutel` are translation keys; `map` is the folder of the place
  // list (empty = the program folder).
  TKiesPlaatsDlg(const char* titelSleutel, const char* labelSleutel, QWidget* parent = nullptr,
                 std::string map = {});

  TPlaatsLijstViewer* Viewer() const { return viewer_; }
  QLabel* Label() const { return label_; }

  // The place chosen (the browser's current place).
  PlaatsRec Plaats() const;

 protected:
  // OK needs a place with a name: without one (an empty list) it keeps the dialog open with a
  // message.
  bool MagSluiten() override;
  void Labels() override;

 private:
  const char* titelSleutel_;
  const char* labelSleutel_;
  QLabel* label_;
  TPlaatsLijstViewer* viewer_;
};

// The place selection dialog, modal, starting on `plaats` (shown with ToonPlaats; a place without
// a name starts on the first place of the list). True on OK, with `plaats` the chosen place;
// false with `plaats` unchanged.
bool KiesPlaats(PlaatsRec& plaats, const char* titelSleutel, const char* labelSleutel,
                QWidget* ouder = nullptr);

// The standard-place mode: starts on the standard place of the settings; OK stores the chosen
// place as the new standard place (in the settings record, written at program end). True on OK.
bool KiesStandaardPlaats(QWidget* ouder = nullptr);

}  // namespace orvan
