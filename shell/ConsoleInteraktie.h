#pragma once
// Console versions of the interface layer, for the command-line tool: messages go to standard error,
// questions are answered from standard input (no answer counts as cancel), progress is silent.

#include "shell/Interaktie.h"

namespace orvan {

class TConsoleMeldingen : public TMeldingen {
 public:
  void Melding(const std::string& titel, const std::string& tekst,
               const std::string& helpSleutel) override;
  TAntwoord Vraag(const std::string& titel, const std::string& vraag,
                  const std::string& helpSleutel) override;
};

class TConsoleVoortgang : public TVoortgang {
 public:
  void Toon(const std::string&, bool) override {}
  void Zet(int) override {}
  bool AfbrekenGevraagd() override { return false; }
  void Verberg() override {}
};

class TConsoleToepassing : public TToepassing {
 public:
  void Zandloper(bool) override {}
  void VerwerkBerichten() override {}
  void Beeindig(int exitKode) override;
};

}  // namespace orvan
