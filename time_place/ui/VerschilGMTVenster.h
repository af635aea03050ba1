#pragma once
// The window in which the user confirms or types the difference to Greenwich time when the time
// zone table gives no certain answer (BepaalVerschilGMT, time_place/UurVerschil.h): the
// difference edit, the message lines and, when the zone has one, its exceptions text in red.

#include <cstdint>

#include "shell/ui/BasisDialoog.h"
#include "time_place/VerschilGMTDialoog.h"

class QLabel;
class QPlainTextEdit;

namespace orvan {

class TUurEdit;

// Help topic of the dialog: the horoscope data dialog, from which it is asked.
inline constexpr std::int32_t HelpVerschilGMT = 3008;

class TVerschilGMTForm : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TVerschilGMTForm(const TVerschilVraag& vraag, QWidget* parent = nullptr);

  TUurEdit* VerschilEdit() const { return verschilEdit_; }
  QPlainTextEdit* MeldingMemo() const { return meldingMemo_; }
  // Hidden when the zone has no exceptions text; the message box then takes their room.
  QLabel* UitzonderingLabel() const { return uitzonderingLabel_; }
  QPlainTextEdit* UitzonderingMemo() const { return uitzonderingMemo_; }

  // The difference the edit read at OK.
  TTijdRec Verschil() const;

 protected:
  bool MagSluiten() override;   // all value edits check valid
  void Labels() override;

 private:
  TVerschilVraag vraag_;
  QLabel* verschilLabel_;
  TUurEdit* verschilEdit_;
  QPlainTextEdit* meldingMemo_;
  QLabel* uitzonderingLabel_;
  QPlainTextEdit* uitzonderingMemo_;
};

// The dialog of BepaalVerschilGMT in the desktop program: each question opens a modal
// TVerschilGMTForm over the active window (or over `ouder`).
class TVerschilGMTVenster final : public TVerschilGMTDialoog {
 public:
  explicit TVerschilGMTVenster(QWidget* ouder = nullptr) : ouder_(ouder) {}
  bool Vraag(const TVerschilVraag& vraag, TTijdRec& verschil) override;

 private:
  QWidget* ouder_;
};

// Installs the window as the dialog of BepaalVerschilGMT for the run of the program, and removes
// it again (before `ouder` is destroyed).
void StartVerschilGMTVenster(QWidget* ouder);
void StopVerschilGMTVenster();

}  // namespace orvan
