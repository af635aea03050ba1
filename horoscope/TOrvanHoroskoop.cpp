#include "horoscope/TOrvanHoroskoop.h"

#include "shell/Interaktie.h"
#include "shell/ProgrammaMap.h"

namespace orvan {

TOrvanHoroskoop::TOrvanHoroskoop()
    : TZelfstHoroskoop(SoortNatal),
      TransitHoroskoop(std::make_unique<TTransitHoroskoop>(*this)),
      TKPPad(ProgrammaMap() + "*.tkp") {
  Wis();
}

TOrvanHoroskoop::~TOrvanHoroskoop() = default;

void TOrvanHoroskoop::Wis() {
  THoroskoop::Wis();
  NatalGewijzigd = true;
  NatalNr = GeenRecord;
  TransitHoroskoop->Wis();
  EventGeladen = false;
  if (SekProgHoroskoop) SekProgHoroskoop->Berekend = false;
  if (PrimDirHoroskoop) PrimDirHoroskoop->Berekend = false;
  PeriodeGezet = false;
  PeriodeLengte = 0;
}

double TOrvanHoroskoop::EigenschapWaarde(const std::string& naam, bool& nietGevonden,
                                         bool& heeftWaarde) {
  nietGevonden = false;
  heeftWaarde = false;
  if (!GebEigenschap) return 0.0;
  return GebEigenschap(NatalNr, naam, nietGevonden, heeftWaarde);
}

void TOrvanHoroskoop::ToonLaadFout() const {
  if (ToonFouten) Meldingen().Melding("", FoutLadenHoroskoop, "");
}

bool TOrvanHoroskoop::LaadNatal() {
  Wis();
  if (!LaadGeboorte) return false;
  // Read into a copy, so that a failed load leaves the chart cleared.
  THorData data;
  std::int32_t nummer = GeenRecord;
  if (!LaadGeboorte(data, nummer)) {
    ToonLaadFout();
    return false;
  }
  Data = std::move(data);
  NatalNr = nummer;
  NatalGewijzigd = false;
  Geladen = true;
  return true;
}

bool TOrvanHoroskoop::BewaarNatal() {
  if (!BewaarGeboorte) return false;
  std::int32_t nummer = NatalNr;   // the record number changes only when the save succeeds
  if (!BewaarGeboorte(Data, nummer)) {
    Meldingen().Melding("", FoutBewarenHoroskoop, "");
    return false;
  }
  NatalNr = nummer;
  NatalGewijzigd = false;
  if (NatalBewaard) NatalBewaard();
  return true;
}

bool TOrvanHoroskoop::BewaarEvent() {
  if (NatalNr < 0) BewaarNatal();
  if (NatalGewijzigd || !BewaarMoment) return false;
  std::int32_t nummer = EventNr;
  if (!BewaarMoment(TransitHoroskoop->Data, NatalNr, nummer)) {
    Meldingen().Melding("", FoutBewarenEvent, "");
    return false;
  }
  EventNr = nummer;
  EventGewijzigd = false;
  if (EventBewaard) EventBewaard();
  return true;
}

bool TOrvanHoroskoop::LaadEvent() { return LaadEventVan(true); }

// `natalZoeken`: an event of another natal record may load that record first. The second attempt
// after such a load may not, so that an event whose natal record cannot be made current ends in
// a failure instead of loading without end.
bool TOrvanHoroskoop::LaadEventVan(bool natalZoeken) {
  const std::int32_t geladenNatal = NatalNr;
  THorData data;
  std::int32_t nummer = GeenRecord;
  std::int32_t natal = geladenNatal;
  bool ok = LaadMoment && LaadMoment(data, nummer, natal);
  if (ok && natal != geladenNatal) {
    if (natalZoeken && ZoekGeboorte && ZoekGeboorte(natal)) {
      if (!LaadNatal()) return false;   // LaadNatal cleared the event and reported the failure
      return LaadEventVan(false);
    }
    ok = false;
  }
  THoroskoop& transit = *TransitHoroskoop;
  if (!ok) {
    EventGeladen = false;
    transit.Wis();
    ToonLaadFout();
    return false;
  }
  transit.Data = std::move(data);
  transit.Geladen = true;
  EventNr = nummer;
  EventGeladen = true;
  EventGewijzigd = false;
  transit.Berekend = false;
  if (SekProgHoroskoop) SekProgHoroskoop->Berekend = false;
  if (PrimDirHoroskoop) PrimDirHoroskoop->Berekend = false;
  return true;
}

bool TOrvanHoroskoop::BerekenAlles() {
  bool ok = Berekend || Bereken();
  if (ok && EventGeladen) {
    ok = TransitHoroskoop->Bereken();
    if (ok && SekProgHoroskoop) ok = SekProgHoroskoop->Bereken();
    if (ok && PrimDirHoroskoop) ok = PrimDirHoroskoop->Bereken();
  }
  return ok;
}

bool TOrvanHoroskoop::AllesBerekend() const {
  return Berekend && TransitHoroskoop->Berekend &&
         (!SekProgHoroskoop || SekProgHoroskoop->Berekend) &&
         (!PrimDirHoroskoop || PrimDirHoroskoop->Berekend);
}

bool TOrvanHoroskoop::NatalAanwezig() const {
  return !Data.Name.empty() && (NatalGewijzigd || NatalNr == GeenRecord);
}

bool TOrvanHoroskoop::EventAanwezig() const {
  return !TransitHoroskoop->Data.Name.empty() && (EventGewijzigd || EventNr == GeenRecord);
}

}  // namespace orvan
