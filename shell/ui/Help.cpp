#include "shell/ui/Help.h"

#include <QApplication>

namespace orvan {

namespace {
THelpToner helpToner;
}  // namespace

void ZetHelpToner(THelpToner toner) { helpToner = std::move(toner); }

bool ToonHelp(const THelpOnderwerp& onderwerp) {
  if (helpToner && helpToner(onderwerp)) return true;
  QApplication::beep();
  return false;
}

}  // namespace orvan
