#pragma once
// The question dialog (Yes, No, Cancel) and the message dialog (OK only): the same window, with the
// text in a read-only rich edit and a Help button that is shown only when the caller names a help
// keyword. Both are modal, centred on the active window and freed after use.

#include <QDialog>
#include <string>

#include "shell/Interaktie.h"

class QPushButton;
class QTextEdit;

namespace orvan {

class TVraagJaNeeAnnulDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TVraagJaNeeAnnulDlg(QWidget* parent = nullptr);

  // Fills the window: caption, text (shown as plain text), help keyword (empty: no Help button) and
  // the OK-only mode, in which the Yes button becomes the OK button and No and Cancel are hidden.
  void Zet(const std::string& titel, const std::string& tekst, const std::string& helpSleutel,
           bool alleenOK);

  // The answer after the dialog has closed: Cancel when it was closed any other way.
  TAntwoord Antwoord() const { return antwoord_; }

  bool AlleenOK() const { return alleenOK_; }
  const std::string& HelpSleutel() const { return helpSleutel_; }

  QTextEdit* TekstEdit() const { return tekstEdit_; }
  QPushButton* JaBtn() const { return jaBtn_; }
  QPushButton* NeeBtn() const { return neeBtn_; }
  QPushButton* AnnuleerBtn() const { return annuleerBtn_; }
  QPushButton* HelpBtn() const { return helpBtn_; }

 private:
  void Labels();
  void HelpBtnClick();
  void Sluit(TAntwoord antwoord);

  QTextEdit* tekstEdit_;
  QPushButton* jaBtn_;
  QPushButton* neeBtn_;
  QPushButton* annuleerBtn_;
  QPushButton* helpBtn_;
  bool alleenOK_ = false;
  std::string helpSleutel_;
  TAntwoord antwoord_ = TAntwoord::Annuleer;
};

// Asks a question; the answer is Yes, No or Cancel (also when the window is closed with Esc).
TAntwoord Vraag(const std::string& titel, const std::string& vraag, const std::string& helpSleutel);

// Shows a message with one OK button.
void Melding(const std::string& titel, const std::string& tekst, const std::string& helpSleutel);

}  // namespace orvan
