#pragma once
// The log window of the imports: a read-only text with a vertical scroll bar, visible as soon as
// it is created. Closing it frees it, so a caller keeps it in a QPointer and checks that before
// writing.

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace orvan {

class TMonitorForm : public QDialog {
  Q_OBJECT

 public:
  explicit TMonitorForm(const std::string& titel, QWidget* parent = nullptr);

  // Appends a line and scrolls to it.
  void VoegToe(const std::string& regel);

  QPlainTextEdit* Log() const { return log_; }

 private:
  QPlainTextEdit* log_;
};

}  // namespace orvan
