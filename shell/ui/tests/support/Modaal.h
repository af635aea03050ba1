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

// Calls `actie` on the modal dialog of class T once it shows; a modal window of another class
// that shows first is closed instead. The flag tells, once the dialog has closed, whether a T was
// seen.
template <class T>
std::shared_ptr<bool> BijModaalDialoog(std::function<void(T&)> actie) {
  auto gezien = std::make_shared<bool>(false);
  BijModaalVenster([gezien, actie](QWidget* w) {
    auto* dlg = qobject_cast<T*>(w);
    if (!dlg) {
      if (w) w->close();
      return;
    }
    *gezien = true;
    actie(*dlg);
  });
  return gezien;
}

}  // namespace orvan::test
