#include "shell/ui/Wacht.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace orvan {

TWachtForm::TWachtForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)),
      timer_(new QTimer(this)) {
  setObjectName("WachtForm");
  label_->setObjectName("TekstLabel");
  timer_->setObjectName("Timer1");
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::yellow);
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  label_->setAlignment(Qt::AlignCenter);
  QFont f = label_->font();
  f.setPointSizeF(f.pointSizeF() * 1.25);
  f.setBold(true);
  label_->setFont(f);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 20, 32, 20);
  layout->addWidget(label_);

  timer_->setSingleShot(true);
  timer_->setInterval(MinimumTijdMs);
  connect(timer_, &QTimer::timeout, this, &TWachtForm::Timer1Timer);
}

void TWachtForm::ToonWacht(const std::string& tekst) {
  timer_->stop();
  magVerbergen_ = false;
  minimumVerstreken_ = false;
  label_->setText(QString::fromStdString(tekst));
  adjustSize();
  setMinimumWidth(320);
  if (const QScreen* scherm = QGuiApplication::primaryScreen())
    move(scherm->availableGeometry().center() - rect().center());
  show();
  raise();
  // Painted now: the caller usually starts a long operation without processing messages.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
  timer_->start();
}

void TWachtForm::VerbergWacht() {
  if (minimumVerstreken_) {
    magVerbergen_ = false;
    hide();
  } else {
    magVerbergen_ = true;
  }
}

void TWachtForm::Timer1Timer() {
  minimumVerstreken_ = true;
  if (magVerbergen_) {
    magVerbergen_ = false;
    hide();
  }
}

}  // namespace orvan
