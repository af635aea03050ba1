#pragma once
// For tests of modal dialogs: runs `actie` on the modal dialog as soon as its message loop runs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace orvan::test {

// Calls `actie` with the active modal widget (nullptr when none appeared) once the next modal
// message loop is running. The action must close the dialog.
inline void BijModaalVenster(std::function<void(QWidget*)> actie) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto pogingen = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, actie, pogingen] {
    QWidget* modaal = QApplication::activeModalWidget();
    if (!modaal && ++*pogingen < 500) return;
    timer->stop();
    timer->deleteLater();
    actie(modaal);
  });
  timer->start();
}

}  // namespace orvan::test
