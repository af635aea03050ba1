#include "shell/tests/support/OpnameInteraktie.h"

namespace orvan::test {

TOpnameInteraktie::TOpnameInteraktie() {
  ZetMeldingen(this);
  ZetVoortgang(this);
  ZetToepassing(this);
}

TOpnameInteraktie::~TOpnameInteraktie() {
  ZetMeldingen(nullptr);
  ZetVoortgang(nullptr);
  ZetToepassing(nullptr);
}

void TOpnameInteraktie::Melding(const std::string& titel, const std::string& tekst,
                                const std::string& helpSleutel) {
  meldingen.push_back({titel, tekst, helpSleutel, false});
}

TAntwoord TOpnameInteraktie::Vraag(const std::string& titel, const std::string& vraag,
                                   const std::string& helpSleutel) {
  meldingen.push_back({titel, vraag, helpSleutel, true});
  if (antwoorden.empty()) return TAntwoord::Annuleer;
  const TAntwoord a = antwoorden.front();
  antwoorden.pop_front();
  return a;
}

void TOpnameInteraktie::Toon(const std::string&, bool) { voortgang.clear(); }

void TOpnameInteraktie::Zet(int procent) { voortgang.push_back(procent); }

bool TOpnameInteraktie::AfbrekenGevraagd() {
  return afbrekenNaStappen >= 0 && static_cast<int>(voortgang.size()) >= afbrekenNaStappen;
}

}  // namespace orvan::test
