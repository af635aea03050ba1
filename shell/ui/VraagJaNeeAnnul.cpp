#include "shell/ui/VraagJaNeeAnnul.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "shell/LangUtils.h"
#include "shell/ui/Help.h"

namespace orvan {

namespace {

inline constexpr int TekstBreedte = 420;     // pixels
inline constexpr int MaxTekstHoogte = 320;   // pixels; longer texts scroll

// A caption from the language table, or the fixed English text while the table is not available
// (messages about the language table itself are shown before it is open).
QString Knoptekst(const std::string& vertaald, const char* reserve) {
  if (vertaald.empty() || vertaald.rfind("???", 0) == 0) return QString::fromUtf8(reserve);
  return QString::fromStdString(vertaald);
}

}  // namespace

TVraagJaNeeAnnulDlg::TVraagJaNeeAnnulDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      tekstEdit_(new QTextEdit(this)),
      jaBtn_(new QPushButton(this)),
      neeBtn_(new QPushButton(this)),
      annuleerBtn_(new QPushButton(this)),
      helpBtn_(new QPushButton(this)) {
  tekstEdit_->setObjectName("TekstEdit");
  jaBtn_->setObjectName("JaBtn");
  neeBtn_->setObjectName("NeeBtn");
  annuleerBtn_->setObjectName("AnnuleerBtn");
  helpBtn_->setObjectName("HelpBtn");
  tekstEdit_->setReadOnly(true);
  tekstEdit_->setFrameShape(QFrame::NoFrame);
  QPalette p = tekstEdit_->palette();   // the text reads as part of the window, not as a field
  p.setColor(QPalette::Base, palette().color(QPalette::Window));
  tekstEdit_->setPalette(p);
  tekstEdit_->setFocusPolicy(Qt::NoFocus);
  tekstEdit_->setFixedWidth(TekstBreedte);
  jaBtn_->setDefault(true);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch(1);
  knoppen->addWidget(jaBtn_);
  knoppen->addWidget(neeBtn_);
  knoppen->addWidget(annuleerBtn_);
  knoppen->addWidget(helpBtn_);
  knoppen->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tekstEdit_);
  layout->addLayout(knoppen);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(jaBtn_, &QPushButton::clicked, this, [this] { Sluit(TAntwoord::Ja); });
  connect(neeBtn_, &QPushButton::clicked, this, [this] { Sluit(TAntwoord::Nee); });
  connect(annuleerBtn_, &QPushButton::clicked, this, [this] { Sluit(TAntwoord::Annuleer); });
  connect(helpBtn_, &QPushButton::clicked, this, &TVraagJaNeeAnnulDlg::HelpBtnClick);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &TVraagJaNeeAnnulDlg::HelpBtnClick);
}

void TVraagJaNeeAnnulDlg::Zet(const std::string& titel, const std::string& tekst,
                              const std::string& helpSleutel, bool alleenOK) {
  alleenOK_ = alleenOK;
  antwoord_ = TAntwoord::Annuleer;
  helpSleutel_ = helpSleutel;
  setWindowTitle(QString::fromStdString(titel));
  // Plain text: messages carry file names and other user text, which must not be read as markup.
  tekstEdit_->setPlainText(QString::fromStdString(tekst));
  tekstEdit_->document()->setTextWidth(TekstBreedte - 2 * tekstEdit_->frameWidth());
  const int hoogte = static_cast<int>(tekstEdit_->document()->size().height()) + 4;
  tekstEdit_->setFixedHeight(std::min(std::max(hoogte, QFontMetrics(font()).height() * 2),
                                      MaxTekstHoogte));
  neeBtn_->setVisible(!alleenOK_);
  annuleerBtn_->setVisible(!alleenOK_);
  helpBtn_->setVisible(!helpSleutel_.empty());
  Labels();
}

void TVraagJaNeeAnnulDlg::Labels() {
  jaBtn_->setText(alleenOK_ ? Knoptekst(Vertaal("OK"), "OK") : Knoptekst(Vertaal("Yes"), "Yes"));
  neeBtn_->setText(Knoptekst(Vertaal("No"), "No"));
  annuleerBtn_->setText(Knoptekst(Vertaal("Cancel"), "Cancel"));
  helpBtn_->setText(Knoptekst(Vertaal("Help"), "Help"));
}

void TVraagJaNeeAnnulDlg::HelpBtnClick() {
  if (!helpSleutel_.empty()) ToonHelp(helpSleutel_);
}

void TVraagJaNeeAnnulDlg::Sluit(TAntwoord antwoord) {
  antwoord_ = antwoord;
  if (antwoord == TAntwoord::Annuleer)
    reject();
  else
    done(antwoord == TAntwoord::Ja ? QDialog::Accepted : QDialog::Accepted + 1);
}

namespace {

TAntwoord ToonVraagvenster(const std::string& titel, const std::string& tekst,
                           const std::string& helpSleutel, bool alleenOK) {
  TVraagJaNeeAnnulDlg dlg(QApplication::activeWindow());
  dlg.Zet(titel, tekst, helpSleutel, alleenOK);
  dlg.exec();
  return dlg.Antwoord();
}

}  // namespace

TAntwoord Vraag(const std::string& titel, const std::string& vraag,
                const std::string& helpSleutel) {
  return ToonVraagvenster(titel, vraag, helpSleutel, false);
}

void Melding(const std::string& titel, const std::string& tekst, const std::string& helpSleutel) {
  ToonVraagvenster(titel, tekst, helpSleutel, true);
}

}  // namespace orvan
