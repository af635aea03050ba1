#pragma once
// The wait message: a borderless window on top of the others, with one centred line on yellow.
// Once shown it stays at least two seconds, so that a short operation does not make it flash:
// VerbergWacht hides it at once when the minimum time has passed since ToonWacht, else as soon as
// it has. The program creates it once at start-up and reuses it.

#include <QTimer>
#include <QWidget>
#include <string>

class QLabel;

namespace orvan {

class TWachtForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int MinimumTijdMs = 2000;

  explicit TWachtForm(QWidget* parent = nullptr);

  // Shows the window with `tekst` (painted before returning) and restarts the minimum time.
  void ToonWacht(const std::string& tekst);
  // Hides the window now, or when the minimum time has passed.
  void VerbergWacht();

  bool MagVerbergen() const { return magVerbergen_; }            // hide when the time is up
  bool MinimumVerstreken() const { return minimumVerstreken_; }  // the time is up

  QLabel* TekstLabel() const { return label_; }

 private:
  void Timer1Timer();

  QLabel* label_;
  QTimer* timer_;
  bool magVerbergen_ = false;
  bool minimumVerstreken_ = true;
};

}  // namespace orvan
