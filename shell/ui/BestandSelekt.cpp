#include "shell/ui/BestandSelekt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

TBestandSelektForm::TBestandSelektForm(QWidget* parent)
    : TBasisDialoogForm(parent),
      naamCombo_(new QComboBox(Inhoud())),
      geenGevondenLabel_(new QLabel(Inhoud())) {
  naamCombo_->setObjectName("NaamCombo");
  geenGevondenLabel_->setObjectName("GeenGevondenLabel");
  naamCombo_->setMinimumWidth(320);
  naamCombo_->setMaxVisibleItems(20);
  naamCombo_->setInsertPolicy(QComboBox::NoInsert);
  geenGevondenLabel_->setWordWrap(true);
  auto* layout = new QVBoxLayout(Inhoud());
  layout->addWidget(naamCombo_);
  layout->addWidget(geenGevondenLabel_);
  layout->addStretch(1);
}

void TBestandSelektForm::Zet(bool mapMode, bool alleenLijst, const std::string& pad,
                             std::size_t maxLengte, const std::string& titel,
                             const std::string& geenGevondenTekst, const std::string& extensie) {
  const TPadDelen delen = SplitsPad(pad);
  map_ = delen.map;
  naam_ = delen.naam;
  extensie_ = extensie.empty() ? delen.extensie : extensie;
  mapMode_ = mapMode;
  alleenLijst_ = alleenLijst;
  maxLengte_ = maxLengte;
  geenGevondenTekst_ = geenGevondenTekst;
  resultaat_.clear();
  setWindowTitle(QString::fromStdString(titel));
}

void TBestandSelektForm::showEvent(QShowEvent* event) {
  FormShow();
  TBasisDialoogForm::showEvent(event);
}

void TBestandSelektForm::FormShow() {
  gevonden_ = ZoekNamen(map_, extensie_, mapMode_);
  naamCombo_->clear();
  naamCombo_->setEditable(!alleenLijst_);
  for (const auto& g : gevonden_) naamCombo_->addItem(QString::fromStdString(g.naam));
  const int huidige = naamCombo_->findText(QString::fromStdString(naam_), Qt::MatchExactly);
  if (huidige >= 0)
    naamCombo_->setCurrentIndex(huidige);
  else if (!gevonden_.empty())
    naamCombo_->setCurrentIndex(0);
  else if (!alleenLijst_)
    naamCombo_->setEditText(QString());
  const bool geenGevonden = gevonden_.empty() && alleenLijst_;
  naamCombo_->setVisible(!geenGevonden);
  geenGevondenLabel_->setText(QString::fromStdString(geenGevondenTekst_));
  geenGevondenLabel_->setVisible(geenGevonden);
  if (!geenGevonden) naamCombo_->setFocus();
}

bool TBestandSelektForm::MagSluiten() {
  const bool geenGevonden = gevonden_.empty() && alleenLijst_;
  const std::string keuze = geenGevonden ? std::string() : naamCombo_->currentText().toStdString();
  switch (KeuzeResultaat(map_, keuze, extensie_, mapMode_, gevonden_, maxLengte_, resultaat_)) {
    case TKeuzeFout::Geen:
      return true;
    case TKeuzeFout::Ongeldig:
      Meldingen().Melding(Vertaal("Opgelet"), Vertaal("OngeldigeBestandsnaam"), "");
      break;
    case TKeuzeFout::TeLang:
      Meldingen().Melding(Vertaal("Opgelet"), Vertaal("PadTeLang"), "");
      break;
  }
  naamCombo_->setFocus();
  return false;
}

bool KiesBestand(bool mapMode, bool alleenLijst, std::string& pad, std::size_t maxLengte,
                 const std::string& titel, const std::string& geenGevondenTekst,
                 const std::string& extensie, const THelpOnderwerp& help) {
  TBestandSelektForm dlg(QApplication::activeWindow());
  dlg.Zet(mapMode, alleenLijst, pad, maxLengte, titel, geenGevondenTekst, extensie);
  dlg.ZetHelpOnderwerp(help);
  if (dlg.exec() != QDialog::Accepted || dlg.Resultaat().empty()) return false;
  pad = dlg.Resultaat();
  return true;
}

}  // namespace orvan
