#pragma once
// The interface layer of the desktop program: messages and questions in the dialogs of
// VraagJaNeeAnnul.h, progress in the one progress window, the busy cursor, processing pending
// messages and ending the program. The program creates it right after the QApplication and keeps
// it until the end; it installs itself for its lifetime.

#include <functional>
#include <memory>
#include <string>

#include "shell/Interaktie.h"

namespace orvan {

class TProgresForm;

class TDesktopInteraktie : public TMeldingen, public TVoortgang, public TToepassing {
 public:
  TDesktopInteraktie();
  ~TDesktopInteraktie() override;
  TDesktopInteraktie(const TDesktopInteraktie&) = delete;
  TDesktopInteraktie& operator=(const TDesktopInteraktie&) = delete;

  void Melding(const std::string& titel, const std::string& tekst,
               const std::string& helpSleutel) override;
  TAntwoord Vraag(const std::string& titel, const std::string& vraag,
                  const std::string& helpSleutel) override;

  void Toon(const std::string& titel, bool metAfbreken) override;
  void Zet(int procent) override;
  bool AfbrekenGevraagd() override;
  void Verberg() override;

  void Zandloper(bool aan) override;   // nests: the cursor returns after as many offs as ons
  void VerwerkBerichten() override;
  // Inside the message loop of VoerHoofdlusUit the loop ends with `exitKode` and the program ends
  // the way it always does; before or after it the clean-up runs and the process ends at once.
  void Beeindig(int exitKode) override;

  // The progress window, created on first use (the program asks for it in its start-up order).
  TProgresForm& ProgresForm();

  // What must happen before the process ends outside the message loop (temporary files).
  void ZetOpruimen(std::function<void()> opruimen) { opruimen_ = std::move(opruimen); }

  // Runs the message loop and returns its exit code.
  int VoerHoofdlusUit();

  bool BeeindigingGevraagd() const { return beeindigingGevraagd_; }
  int ExitKode() const { return exitKode_; }

 private:
  std::unique_ptr<TProgresForm> progres_;
  std::function<void()> opruimen_;
  int zandloperDiepte_ = 0;
  bool hoofdlusLoopt_ = false;
  bool beeindigingGevraagd_ = false;
  int exitKode_ = 0;
};

}  // namespace orvan
