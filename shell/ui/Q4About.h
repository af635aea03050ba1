#pragma once
// The about window, which is also the splash window at start-up: borderless, on top, centred,
// lime, 536 x 348 pixels, with the product name, the version, the subtitle in the four languages
// and the maker's lines. Its timer switches itself off after 2000 ms; a click or a key closes the
// window (result cancel) and switches the timer off at once. At start-up the program keeps
// processing messages while TimerLoopt() and then frees the window.

#include <QDialog>

class QTimer;

namespace orvan {

class TQ4AboutForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int Breedte = 536;   // pixels
  static constexpr int Hoogte = 348;    // pixels
  static constexpr int TimerMs = 2000;

  explicit TQ4AboutForm(QWidget* parent = nullptr);

  // Shows the window modally (Help menu) and frees it.
  static void Toon(QWidget* parent);

  bool TimerLoopt() const;

  // The four subtitle lines, each in its own language.
  static const char* const Ondertitel[4];

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Sluit();

  QTimer* timer_;
};

}  // namespace orvan
