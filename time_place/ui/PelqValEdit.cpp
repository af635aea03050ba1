#include "time_place/ui/PelqValEdit.h"

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

TValEdit::TValEdit(QWidget* parent) : QLineEdit(parent) {}

bool TValEdit::Valideer() {
  bool isValid = true;
  if (OnValidate) OnValidate(*this, Tekst(), isValid);
  return isValid;
}

void TValEdit::Waarschuw() {
  if (OnWarn)
    OnWarn(*this);
  else
    Meldingen().Melding(Vertaal("Opgelet"), foutmelding_, "");
}

bool TValEdit::Controleer() {
  if (Valideer()) return true;
  setFocus(Qt::OtherFocusReason);
  Waarschuw();
  return false;
}

bool ControleerAlles(QWidget* container) {
  if (!container) return true;
  for (QObject* kind : container->children()) {
    auto* widget = qobject_cast<QWidget*>(kind);
    if (!widget || widget->isWindow()) continue;   // a dialog owned by the container is not part of it
    if (auto* edit = qobject_cast<TValEdit*>(widget)) {
      if (!edit->Controleer()) return false;
    } else if (!widget->children().isEmpty()) {
      if (!ControleerAlles(widget)) return false;
    }
  }
  return true;
}

}  // namespace orvan
