#include "database/Relatie.h"

#include "shell/Interaktie.h"

namespace orvan {

TRelatie::TRelatie() { Wis(); }

void TRelatie::Wis() {
  RecordNummer = GeenRecord;
  KeyWords.clear();
  Gewijzigd = true;
}

double TRelatie::EigenschapWaarde(const std::string& naam, bool& nietGevonden, bool& heeftWaarde) {
  nietGevonden = false;
  heeftWaarde = false;
  if (!EigenschapHaak) return 0.0;
  return EigenschapHaak(RecordNummer, naam, nietGevonden, heeftWaarde);
}

void TRelatie::Bewaar() {
  if (!PartnerA || !PartnerB || PartnerA->NatalNr == GeenRecord || PartnerB->NatalNr == GeenRecord ||
      !BewaarHaak)
    return;
  if (BewaarHaak(*this))
    Gewijzigd = false;
  else
    Meldingen().Melding("", FoutBewarenRelatie, "");
}

bool TRelatie::Laad(bool metPartners) {
  Wis();
  bool ok = LaadHaak && LaadHaak(*this);
  if (ok) {
    Gewijzigd = false;
    if (metPartners) {
      auto laadPartner = [](TOrvanHoroskoop* p) {
        return p && p->ZoekGeboorte && p->ZoekGeboorte(p->NatalNr) && p->LaadNatal();
      };
      ok = PartnerA && PartnerB && PartnerA->ZoekGeboorte && PartnerB->ZoekGeboorte &&
           laadPartner(PartnerA) && laadPartner(PartnerB);
    }
  }
  if (!ok && ToonFouten) Meldingen().Melding("", FoutLadenRelatie, "");
  return ok;
}

}  // namespace orvan
