#include "shell/ui/Q4About.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/LangUtils.h"

namespace orvan {

const char* const TQ4AboutForm::Ondertitel[4] = {
    "Astrologische berekeningen, interpretaties, statistiek",
    "Astrological calculations, interpretations, statistics",
    "Calculs, interprétations, statistiques astrologiques",
    "Astrologische Berechnungen, Interpretationen, Statistik",
};

namespace {

QLabel* Regel(QWidget* ouder, const QString& tekst, double punten, bool vet,
              const char* naam) {
  auto* label = new QLabel(tekst, ouder);
  label->setObjectName(naam);
  label->setAlignment(Qt::AlignHCenter);
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSizeF(punten);
  f.setBold(vet);
  label->setFont(f);
  return label;
}

}  // namespace

TQ4AboutForm::TQ4AboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer_(new QTimer(this)) {
  setObjectName("AboutForm");
  timer_->setObjectName("Timer1");
  setFixedSize(Breedte, Hoogte);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0, 255, 0));   // lime
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->setSpacing(2);
  layout->addWidget(Regel(this, QStringLiteral("Orvan"), 44, true, "ProductLabel"));
  layout->addWidget(Regel(this,
                          QString::fromStdString(Vertaal("Versie")) +
                              QStringLiteral(" " ORVAN_VERSIE),
                          11, false, "VersieLabel"));
  layout->addSpacing(14);
  for (int i = 0; i < 4; ++i)
    layout->addWidget(Regel(this, QString::fromUtf8(Ondertitel[i]), 11, true, "OndertitelLabel"));
  layout->addStretch(1);
  layout->addWidget(Regel(this, QString::fromStdString(Vertaal("OverMakers")), 10, false,
                          "MakersLabel"));
  layout->addWidget(Regel(this, QString::fromStdString(Vertaal("OverGebouwdMet")), 9, false,
                          "GebouwdMetLabel"));
  layout->addWidget(Regel(this, QString::fromStdString(Vertaal("OverPlaatsgegevens")), 9, false,
                          "PlaatsgegevensLabel"));

  if (const QScreen* scherm = QGuiApplication::primaryScreen())
    move(scherm->availableGeometry().center() - rect().center());
  timer_->setSingleShot(true);
  timer_->start(TimerMs);
}

void TQ4AboutForm::Toon(QWidget* parent) {
  TQ4AboutForm venster(parent);
  venster.exec();
}

bool TQ4AboutForm::TimerLoopt() const { return timer_->isActive(); }

void TQ4AboutForm::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Sluit();
}

void TQ4AboutForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  Sluit();
}

void TQ4AboutForm::Sluit() {
  timer_->stop();
  reject();
}

}  // namespace orvan
