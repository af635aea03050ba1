#pragma once
// The standard dialog frame from which the option dialogs derive: the dialog's own controls above a
// row of OK, Cancel and Help buttons. The Help button and F1 open the help at the dialog's help
// context number. OK closes only when `MagSluiten` allows it; a dialog with value edits overrides
// it with ControleerAlles (time_place/ui/PelqValEdit.h), so that it stays open on invalid input.

#include <QDialog>
#include <cstdint>

#include "shell/ui/Help.h"

class QPushButton;
class QShowEvent;

namespace orvan {

class TBasisDialoogForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBasisDialoogForm(QWidget* parent = nullptr);

  // The help context number (0 when created); a keyword may name the topic instead.
  std::int32_t HelpContext() const { return help_.kontekst; }
  void ZetHelpContext(std::int32_t kontekst) { help_ = THelpOnderwerp(kontekst); }
  const THelpOnderwerp& HelpOnderwerp() const { return help_; }
  void ZetHelpOnderwerp(THelpOnderwerp onderwerp) { help_ = std::move(onderwerp); }

  // The area above the buttons that derived dialogs fill (it has no layout of its own).
  QWidget* Inhoud() const { return inhoud_; }

  QPushButton* OKBtn() const { return okBtn_; }
  QPushButton* AnnuleerBtn() const { return annuleerBtn_; }
  QPushButton* HelpBtn() const { return helpBtn_; }

  // Closes with OK when MagSluiten allows it (the OK button, Enter).
  void accept() override;

 protected:
  // Whether OK may close the dialog; the default allows it.
  virtual bool MagSluiten();
  // Sets the captions from the language table; called on every showing. Overrides call this one.
  virtual void Labels();
  void HelpBtnClick();

  void showEvent(QShowEvent* event) override;

 private:
  QWidget* inhoud_;
  QPushButton* okBtn_;
  QPushButton* annuleerBtn_;
  QPushButton* helpBtn_;
  THelpOnderwerp help_;
};

}  // namespace orvan
