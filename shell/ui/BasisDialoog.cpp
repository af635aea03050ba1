#include "shell/ui/BasisDialoog.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/LangUtils.h"

namespace orvan {

TBasisDialoogForm::TBasisDialoogForm(QWidget* parent)
    : QDialog(parent),
      inhoud_(new QWidget(this)),
      okBtn_(new QPushButton(this)),
      annuleerBtn_(new QPushButton(this)),
      helpBtn_(new QPushButton(this)) {
  okBtn_->setObjectName("OKBtn");
  annuleerBtn_->setObjectName("AnnuleerBtn");
  helpBtn_->setObjectName("HelpBtn");
  okBtn_->setDefault(true);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch(1);
  knoppen->addWidget(okBtn_);
  knoppen->addWidget(annuleerBtn_);
  knoppen->addWidget(helpBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inhoud_, 1);
  layout->addLayout(knoppen);

  connect(okBtn_, &QPushButton::clicked, this, &TBasisDialoogForm::accept);
  connect(annuleerBtn_, &QPushButton::clicked, this, &TBasisDialoogForm::reject);
  connect(helpBtn_, &QPushButton::clicked, this, &TBasisDialoogForm::HelpBtnClick);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &TBasisDialoogForm::HelpBtnClick);
  Labels();
}

void TBasisDialoogForm::accept() {
  if (MagSluiten()) QDialog::accept();
}

bool TBasisDialoogForm::MagSluiten() { return true; }

void TBasisDialoogForm::Labels() {
  okBtn_->setText(QString::fromStdString(Vertaal("OK")));
  annuleerBtn_->setText(QString::fromStdString(Vertaal("Cancel")));
  helpBtn_->setText(QString::fromStdString(Vertaal("Help")));
}

void TBasisDialoogForm::HelpBtnClick() { ToonHelp(help_); }

void TBasisDialoogForm::showEvent(QShowEvent* event) {
  Labels();
  QDialog::showEvent(event);
}

}  // namespace orvan
