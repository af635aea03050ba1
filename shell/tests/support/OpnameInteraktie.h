#pragma once
// Recording fakes of the interface layer for tests: every message, question, progress step and
// termination request is recorded; questions are answered from a queue (cancel when it is empty).

#include <deque>
#include <string>
#include <vector>

#include "shell/Interaktie.h"

namespace orvan::test {

struct TOpgenomenMelding {
  std::string titel;
  std::string tekst;
  std::string helpSleutel;
  bool isVraag = false;
};

class TOpnameInteraktie : public TMeldingen, public TVoortgang, public TToepassing {
 public:
  // Installs itself for the lifetime of the object.
  TOpnameInteraktie();
  ~TOpnameInteraktie() override;

  void Melding(const std::string& titel, const std::string& tekst,
               const std::string& helpSleutel) override;
  TAntwoord Vraag(const std::string& titel, const std::string& vraag,
                  const std::string& helpSleutel) override;
  void Toon(const std::string& titel, bool metAfbreken) override;
  void Zet(int procent) override;
  bool AfbrekenGevraagd() override;
  void Verberg() override {}
  void Zandloper(bool aan) override { zandloperDiepte += aan ? 1 : -1; }
  void VerwerkBerichten() override { ++berichtRondes; }
  void Beeindig(int exitKode) override { exitKodes.push_back(exitKode); }

  std::vector<TOpgenomenMelding> meldingen;
  std::deque<TAntwoord> antwoorden;
  std::vector<int> voortgang;
  std::vector<int> exitKodes;
  int afbrekenNaStappen = -1;   // AfbrekenGevraagd turns true after this many progress steps
  int zandloperDiepte = 0;
  int berichtRondes = 0;
};

}  // namespace orvan::test
