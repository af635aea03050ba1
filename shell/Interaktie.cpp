#include "shell/Interaktie.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "shell/ConsoleInteraktie.h"

namespace orvan {

namespace {
TConsoleMeldingen consoleMeldingen;
TConsoleVoortgang consoleVoortgang;
TConsoleToepassing consoleToepassing;
TMeldingen* huidigeMeldingen = &consoleMeldingen;
TVoortgang* huidigeVoortgang = &consoleVoortgang;
TToepassing* huidigeToepassing = &consoleToepassing;
}  // namespace

TMeldingen& Meldingen() { return *huidigeMeldingen; }
TVoortgang& Voortgang() { return *huidigeVoortgang; }
TToepassing& Toepassing() { return *huidigeToepassing; }
void ZetMeldingen(TMeldingen* m) { huidigeMeldingen = m ? m : &consoleMeldingen; }
void ZetVoortgang(TVoortgang* v) { huidigeVoortgang = v ? v : &consoleVoortgang; }
void ZetToepassing(TToepassing* t) { huidigeToepassing = t ? t : &consoleToepassing; }

void TConsoleMeldingen::Melding(const std::string& titel, const std::string& tekst,
                                const std::string&) {
  if (titel.empty())
    std::cerr << tekst << '\n';
  else
    std::cerr << titel << ": " << tekst << '\n';
}

TAntwoord TConsoleMeldingen::Vraag(const std::string& titel, const std::string& vraag,
                                   const std::string&) {
  if (!titel.empty()) std::cerr << titel << ": ";
  std::cerr << vraag << " [y/n] " << std::flush;
  std::string regel;
  if (!std::getline(std::cin, regel) || regel.empty()) return TAntwoord::Annuleer;
  switch (regel[0]) {
    case 'y': case 'Y': case 'j': case 'J': case 'o': case 'O':
      return TAntwoord::Ja;
    case 'n': case 'N':
      return TAntwoord::Nee;
    default:
      return TAntwoord::Annuleer;
  }
}

void TConsoleToepassing::Beeindig(int exitKode) {
  std::cout.flush();
  std::cerr.flush();
  std::exit(exitKode);
}

}  // namespace orvan
