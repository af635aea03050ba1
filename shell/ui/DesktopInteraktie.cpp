#include "shell/ui/DesktopInteraktie.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "shell/ui/Progres.h"
#include "shell/ui/VraagJaNeeAnnul.h"

namespace orvan {

TDesktopInteraktie::TDesktopInteraktie() {
  ZetMeldingen(this);
  ZetVoortgang(this);
  ZetToepassing(this);
}

TDesktopInteraktie::~TDesktopInteraktie() {
  ZetMeldingen(nullptr);
  ZetVoortgang(nullptr);
  ZetToepassing(nullptr);
  while (zandloperDiepte_ > 0) Zandloper(false);
}

void TDesktopInteraktie::Melding(const std::string& titel, const std::string& tekst,
                                 const std::string& helpSleutel) {
  // A message interrupts a busy operation: the user must see the normal cursor over the dialog.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  orvan::Melding(titel, tekst, helpSleutel);
  QApplication::restoreOverrideCursor();
}

TAntwoord TDesktopInteraktie::Vraag(const std::string& titel, const std::string& vraag,
                                    const std::string& helpSleutel) {
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const TAntwoord antwoord = orvan::Vraag(titel, vraag, helpSleutel);
  QApplication::restoreOverrideCursor();
  return antwoord;
}

TProgresForm& TDesktopInteraktie::ProgresForm() {
  if (!progres_) progres_ = std::make_unique<TProgresForm>();
  return *progres_;
}

void TDesktopInteraktie::Toon(const std::string& titel, bool metAfbreken) {
  ProgresForm().Toon(titel, metAfbreken);
}

void TDesktopInteraktie::Zet(int procent) { ProgresForm().ZetPositie(procent); }

bool TDesktopInteraktie::AfbrekenGevraagd() { return progres_ && progres_->AfbrekenGevraagd(); }

void TDesktopInteraktie::Verberg() {
  if (progres_) progres_->Verberg();
}

void TDesktopInteraktie::Zandloper(bool aan) {
  if (aan) {
    ++zandloperDiepte_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (zandloperDiepte_ > 0) {
    --zandloperDiepte_;
    QApplication::restoreOverrideCursor();
  }
}

void TDesktopInteraktie::VerwerkBerichten() { QCoreApplication::processEvents(); }

void TDesktopInteraktie::Beeindig(int exitKode) {
  beeindigingGevraagd_ = true;
  exitKode_ = exitKode;
  Verberg();
  while (zandloperDiepte_ > 0) Zandloper(false);
  if (hoofdlusLoopt_) {
    QCoreApplication::exit(exitKode);
    return;
  }
  if (opruimen_) opruimen_();
  std::cout.flush();
  std::cerr.flush();
  std::exit(exitKode);
}

int TDesktopInteraktie::VoerHoofdlusUit() {
  hoofdlusLoopt_ = true;
  const int kode = QApplication::exec();
  hoofdlusLoopt_ = false;
  return kode;
}

}  // namespace orvan
