#include "shell/ui/Monitor.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvan {

TMonitorForm::TMonitorForm(const std::string& titel, QWidget* parent)
    : QDialog(parent), log_(new QPlainTextEdit(this)) {
  setObjectName("MonitorForm");
  log_->setObjectName("Log");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(titel));
  log_->setReadOnly(true);
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(log_);
  resize(560, 380);
  show();
}

void TMonitorForm::VoegToe(const std::string& regel) {
  log_->appendPlainText(QString::fromStdString(regel));
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

}  // namespace orvan
