// orvan: the desktop program. It takes no arguments; everything it needs is in its program folder.

#include <QApplication>

#include "app/StartProgramma.h"
#include "shell/ui/DesktopInteraktie.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orvan::TDesktopInteraktie interaktie;
  return orvan::VoerProgrammaUit(interaktie);
}
