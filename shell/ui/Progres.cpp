#include "shell/ui/Progres.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/LangUtils.h"

namespace orvan {

TProgresForm::TProgresForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      balk_(new QProgressBar(this)),
      afbrekenBtn_(new QPushButton(this)) {
  setObjectName("ProgresForm");
  balk_->setObjectName("Balk");
  afbrekenBtn_->setObjectName("AfbrekenBtn");
  setWindowModality(Qt::ApplicationModal);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::yellow);
  setPalette(p);
  balk_->setRange(0, 100);
  balk_->setTextVisible(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 10, 16, 10);
  layout->addStretch(1);
  layout->addWidget(balk_);
  layout->addSpacing(6);
  layout->addWidget(afbrekenBtn_, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  setFixedSize(Breedte, HoogteMetAfbreken);
  connect(afbrekenBtn_, &QPushButton::clicked, this, &TProgresForm::AfbrekenBtnClick);
}

void TProgresForm::Toon(const std::string& titel, bool metAfbreken) {
  metAfbreken_ = metAfbreken;
  afbrekenGevraagd_ = false;
  setWindowTitle(QString::fromStdString(titel));
  afbrekenBtn_->setText(QString::fromStdString(Vertaal("Abort")));
  afbrekenBtn_->setVisible(metAfbreken);
  setFixedSize(Breedte, metAfbreken ? HoogteMetAfbreken : HoogteZonderAfbreken);
  balk_->setValue(0);
  if (!isVisible()) {
    if (const QScreen* scherm = QGuiApplication::primaryScreen())
      move(scherm->availableGeometry().center() - rect().center());
  }
  show();
  raise();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgresForm::ZetPositie(int procent) {
  balk_->setValue(std::clamp(procent, 0, 100));
}

int TProgresForm::Positie() const { return balk_->value(); }

void TProgresForm::Verberg() { hide(); }

void TProgresForm::AfbrekenBtnClick() { afbrekenGevraagd_ = true; }

void TProgresForm::closeEvent(QCloseEvent* event) {
  if (metAfbreken_) afbrekenGevraagd_ = true;
  event->ignore();
}

}  // namespace orvan
