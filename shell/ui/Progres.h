#pragma once
// The progress window of long operations: on top of the others, yellow, titled by its caller, with
// a bar from 0 to 100 and an Abort button that sets a flag the operation polls. Without abort the
// button is hidden and the window is lower. While it is shown the other windows take no input, so
// that no second command starts while the operation processes messages between its steps. The
// program creates it once and reuses it.

#include <QWidget>
#include <string>

class QProgressBar;
class QPushButton;
class QCloseEvent;

namespace orvan {

class TProgresForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int HoogteMetAfbreken = 105;     // pixels
  static constexpr int HoogteZonderAfbreken = 60;   // pixels
  static constexpr int Breedte = 400;               // pixels

  explicit TProgresForm(QWidget* parent = nullptr);

  // Shows the window: caption `titel`, bar at 0, abort flag cleared, the Abort button shown when
  // `metAfbreken`.
  void Toon(const std::string& titel, bool metAfbreken);
  void ZetPositie(int procent);   // clamped to 0..100
  int Positie() const;
  bool AfbrekenGevraagd() const { return afbrekenGevraagd_; }
  void Verberg();

  QProgressBar* Balk() const { return balk_; }
  QPushButton* AfbrekenBtn() const { return afbrekenBtn_; }

 protected:
  // Closing the window asks to abort when aborting is offered; the caller hides it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void AfbrekenBtnClick();

  QProgressBar* balk_;
  QPushButton* afbrekenBtn_;
  bool afbrekenGevraagd_ = false;
  bool metAfbreken_ = true;
};

}  // namespace orvan
