#include "time_place/ui/LijstViewer.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFocusEvent>
#include <QKeyEvent>

#include "time_place/Cp1252.h"
#include "time_place/NaamBew.h"

namespace orvan {

TLijstViewer::TLijstViewer(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The line is the browser's own: no context menu that would let it be changed or pasted.
  setContextMenuPolicy(Qt::NoContextMenu);
  setDragEnabled(false);
}

TLijstViewer::~TLijstViewer() {
  // The model may still redraw while it closes its list; the widget is going already.
  if (model_) {
    model_->OnVeranderd = nullptr;
    model_->OnPiep = nullptr;
  }
}

void TLijstViewer::ZetModel(std::unique_ptr<TLijstViewerModel> model) {
  model_ = std::move(model);
  model_->OnVeranderd = [this] { ToonRegel(); };
  model_->OnPiep = [] { QApplication::beep(); };
}

std::optional<TLijstToets> TLijstViewer::BrowserToets(const QKeyEvent& event) {
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  switch (event.key()) {
    case Qt::Key_Backspace:
      return TLijstToets::Terug;
    case Qt::Key_Left:
      return TLijstToets::Links;
    case Qt::Key_Right:
      return TLijstToets::Rechts;
    case Qt::Key_Home:
      return TLijstToets::Begin;
    case Qt::Key_End:
      return TLijstToets::Einde;
    case Qt::Key_Up:
      return TLijstToets::Op;
    case Qt::Key_Down:
      return TLijstToets::Neer;
    case Qt::Key_Insert:
      return TLijstToets::Invoegen;
    case Qt::Key_Delete:
      if (ctrl) return TLijstToets::CtrlWissen;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void TLijstViewer::Toets(TLijstToets toets) { model_->ToetsNeer(toets); }

void TLijstViewer::TypTeken(const std::string& teken) {
  const std::string gevouwen = VouwHaakjes(teken);
  if (gevouwen.empty() || teken.size() == 1) {
    if (teken.size() == 1) model_->ToetsDruk(teken[0]);
    return;
  }
  for (const char c : gevouwen) model_->ToetsDruk(c);
}

void TLijstViewer::keyPressEvent(QKeyEvent* event) {
  if (!model_) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (const auto toets = BrowserToets(*event)) {
    event->accept();
    Toets(*toets);
    return;
  }
  const bool opdracht =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const QString tekst = event->text();
  if (!opdracht && !tekst.isEmpty() && tekst.at(0).isPrint()) {
    event->accept();
    for (const char32_t c : tekst.toStdU32String()) TypTeken(Utf8(c));
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Tab, Enter, Escape and the shortcuts belong to the dialog.
  event->ignore();
}

void TLijstViewer::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const Qt::FocusReason reden = event->reason();
  if (model_ && (reden == Qt::MouseFocusReason || reden == Qt::TabFocusReason ||
                 reden == Qt::BacktabFocusReason || reden == Qt::ShortcutFocusReason))
    model_->WisPrefix();
}

void TLijstViewer::ZetKleur(bool gewist) {
  QPalette p = palette();
  const QColor kleur = gewist ? QColor(Qt::red) : QColor(Qt::black);
  p.setColor(QPalette::Text, kleur);
  setPalette(p);
}

void TLijstViewer::ToonRegel() {
  const std::string& regel = model_->Tekst();
  ZetKleur(model_->IsGewist());
  setText(QString::fromStdString(regel));
  // The selection counts code points; the edit counts UTF-16 units.
  const int lengte = static_cast<int>(
      QString::fromStdString(EersteTekens(regel, model_->SelektieLengte())).size());
  if (lengte > 0)
    setSelection(0, lengte);
  else
    setCursorPosition(0);
  emit Getoond();
}

void TLijstViewer::ToonTekst(const std::string& regel) {
  ZetKleur(false);
  setText(QString::fromStdString(regel));
  setCursorPosition(0);
  emit Getoond();
}

}  // namespace orvan
