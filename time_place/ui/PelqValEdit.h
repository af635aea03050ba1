#pragma once
// The base of the value edits: a one-line edit that knows how to check its text. A dialog checks
// all its value edits with ControleerAlles before it closes with OK; the first edit that fails
// takes the focus and shows its message (or runs its OnWarn handler), and the dialog stays open.

#include <QLineEdit>
#include <functional>
#include <string>

namespace orvan {

class TValEdit;

// Checks the text `s`: leaves `isValid` true to accept it, sets it false to refuse it.
using TValidateEvent = std::function<void(TValEdit& sender, const std::string& s, bool& isValid)>;
// Replaces the message box of a failed check.
using TWarnEvent = std::function<void(TValEdit& sender)>;

class TValEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TValEdit(QWidget* parent = nullptr);

  TValidateEvent OnValidate;
  TWarnEvent OnWarn;

  // The message of a failed check; "Invalid input" by default. Dialogs set translated texts.
  const std::string& Foutmelding() const { return foutmelding_; }
  void ZetFoutmelding(std::string tekst) { foutmelding_ = std::move(tekst); }

  std::string Tekst() const { return text().toStdString(); }

  // The result of OnValidate on the current text; true without a handler. The value edits of
  // PlaatsEnTijdEdits.h read their value here as well.
  virtual bool Valideer();
  // OnWarn when set, else the message in a message box (title "Opgelet").
  virtual void Waarschuw();
  // Valideer; on failure the edit takes the focus, Waarschuw runs and the result is false.
  virtual bool Controleer();

 private:
  std::string foutmelding_ = "Invalid input";
};

// Walks the child widgets of `container` in order, descending into every child that has
// children, and runs Controleer on each value edit; stops at the first that fails (false).
bool ControleerAlles(QWidget* container);

}  // namespace orvan
