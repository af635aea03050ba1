#include "time_place/ui/VerschilGMTVenster.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

#include "time_place/KonvUtil.h"
#include "time_place/ui/PelqValEdit.h"
#include "time_place/ui/UurEdit.h"

namespace orvan {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Regels(const std::vector<std::string>& regels) {
  QStringList lijst;
  for (const auto& r : regels) lijst << Q(r);
  return lijst.join('\n');
}

QPlainTextEdit* MaakMemo(QWidget* ouder, const char* naam) {
  auto* memo = new QPlainTextEdit(ouder);
  memo->setObjectName(naam);
  memo->setReadOnly(true);
  memo->setFocusPolicy(Qt::ClickFocus);   // Tab goes from the edit to the buttons
  return memo;
}

TVerschilGMTVenster* geinstalleerd = nullptr;

}  // namespace

TVerschilGMTForm::TVerschilGMTForm(const TVerschilVraag& vraag, QWidget* parent)
    : TBasisDialoogForm(parent),
      vraag_(vraag),
      verschilLabel_(new QLabel(Inhoud())),
      verschilEdit_(new TUurEdit(SoortTijdverschil, Inhoud())),
      meldingMemo_(MaakMemo(Inhoud(), "MeldingMemo")),
      uitzonderingLabel_(new QLabel(Inhoud())),
      uitzonderingMemo_(MaakMemo(Inhoud(), "UitzonderingMemo")) {
  setObjectName("VerschilGMTForm");
  ZetHelpContext(HelpVerschilGMT);
  verschilLabel_->setObjectName("VerschilLabel");
  verschilEdit_->setObjectName("VerschilEdit");
  uitzonderingLabel_->setObjectName("UitzonderingLabel");
  verschilLabel_->setBuddy(verschilEdit_);

  verschilEdit_->ZetFoutmelding(vraag_.foutmelding);
  verschilEdit_->ZetWaarde(vraag_.verschil);
  meldingMemo_->setPlainText(Regels(vraag_.meldRegels));

  QPalette rood = uitzonderingMemo_->palette();
  rood.setColor(QPalette::Text, Qt::red);
  uitzonderingMemo_->setPalette(rood);
  uitzonderingMemo_->setPlainText(Q(vraag_.uitzonderingen));

  auto* layout = new QGridLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(verschilLabel_, 0, 0);
  layout->addWidget(verschilEdit_, 0, 1);
  layout->addWidget(meldingMemo_, 1, 0, 1, 2);
  layout->addWidget(uitzonderingLabel_, 2, 0, 1, 2);
  layout->addWidget(uitzonderingMemo_, 3, 0, 1, 2);
  layout->setRowStretch(1, 1);
  // Without an exceptions text its rows are hidden and the message box takes their room.
  const bool uitzonderingen = vraag_.heeftUitzonderingen;
  uitzonderingLabel_->setVisible(uitzonderingen);
  uitzonderingMemo_->setVisible(uitzonderingen);
  if (uitzonderingen) layout->setRowStretch(3, 2);

  resize(520, 400);
  Labels();
  verschilEdit_->setFocus();
  verschilEdit_->selectAll();
}

TTijdRec TVerschilGMTForm::Verschil() const { return verschilEdit_->Waarde(); }

bool TVerschilGMTForm::MagSluiten() { return ControleerAlles(this); }

void TVerschilGMTForm::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(Q(vraag_.titel));
  verschilLabel_->setText(Q(vraag_.verschilLabel));
  uitzonderingLabel_->setText(Q(vraag_.uitzonderingLabel));
}

bool TVerschilGMTVenster::Vraag(const TVerschilVraag& vraag, TTijdRec& verschil) {
  QWidget* ouder = QApplication::activeModalWidget();
  if (!ouder) ouder = QApplication::activeWindow();
  if (!ouder) ouder = ouder_;
  TVerschilGMTForm form(vraag, ouder);
  if (form.exec() != QDialog::Accepted) return false;
  verschil = form.Verschil();
  return true;
}

void StartVerschilGMTVenster(QWidget* ouder) {
  StopVerschilGMTVenster();
  geinstalleerd = new TVerschilGMTVenster(ouder);
  ZetVerschilGMTDialoog(geinstalleerd);
}

void StopVerschilGMTVenster() {
  if (!geinstalleerd) return;
  if (&VerschilGMTDialoog() == geinstalleerd) ZetVerschilGMTDialoog(nullptr);
  delete geinstalleerd;
  geinstalleerd = nullptr;
}

}  // namespace orvan
