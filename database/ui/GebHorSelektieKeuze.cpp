// The choices of the selection page: a record made the active natal chart, the active event or
// the partner chart, a new chart typed in the data dialog, a record deleted.

#include <QDate>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/Relatie.h"
#include "database/ui/GebHorSelektie.h"
#include "graphics/RTFRapport.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ZetPeriode.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {

void MeldBerekenFout() { Meldingen().Melding("", FoutBerekenHoroskoop, ""); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Activating

bool TFQ5GebHorSelektie::ActiveerNatal() {
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  // The running report may be emptied first.
  if (RapportBestaat()) {
    const TAntwoord a =
        Meldingen().Vraag(Vertaal("Opgelet"), Vertaal("RapportLegenJaNee"), "UitvoerViaRapport");
    if (a == TAntwoord::Annuleer) return false;
    if (a == TAntwoord::Ja) WisRapport(false);
  }
  if (!natal.BerekenAlles()) {
    MeldBerekenFout();
    return false;
  }
  const QDate vandaag = Vandaag ? Vandaag() : QDate::currentDate();
  ZetPeriode(natal,
             {static_cast<std::int16_t>(vandaag.day()), static_cast<std::int16_t>(vandaag.month()),
              static_cast<std::int16_t>(vandaag.year())},
             AktievePeriodeDagen);
  if (AktHorGekozen) AktHorGekozen();
  return true;
}

bool TFQ5GebHorSelektie::ActiveerEvent() {
  if (!AktieveHoroskopen().Natal().BerekenAlles()) {
    MeldBerekenFout();
    return false;
  }
  if (MomentGekozen) MomentGekozen();
  return true;
}

bool TFQ5GebHorSelektie::ActiveerPartner() {
  if (!AktieveHoroskopen().Partner().BerekenAlles()) {
    MeldBerekenFout();
    return false;
  }
  BewaarRelaties();
  if (PartnerGekozen) PartnerGekozen();
  return true;
}

// Both ordered pairs (active, partner) and (partner, active) in the relationship table, each
// stored only when it is missing, the two in one transaction.
void TFQ5GebHorSelektie::BewaarRelaties() {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TOrvanHoroskoop& natal = akt.Natal();
  TOrvanHoroskoop& partner = akt.Partner();
  if (!natal.Geladen || natal.NatalNr < 0 || partner.NatalNr < 0 || natal.NatalNr == partner.NatalNr)
    return;
  TQ4RelatTabel& relaties = dm_.RelatTabel;
  if (!relaties.IsOpen()) return;
  const bool heenBestaat = relaties.ZoekRelatie(natal.NatalNr, partner.NatalNr);
  const bool terugBestaat = relaties.ZoekRelatie(partner.NatalNr, natal.NatalNr);
  if (heenBestaat && terugBestaat) return;

  TRelatie relatie;
  KoppelRelatie(relatie, dm_);   // without partners: only the relationship's own hooks
  TWijzigingsBlok blok(relaties);
  auto bewaar = [&relatie](TOrvanHoroskoop& a, TOrvanHoroskoop& b) {
    relatie.Wis();
    relatie.PartnerA = &a;
    relatie.PartnerB = &b;
    relatie.Bewaar();   // "Error saving relationship" on failure
    return !relatie.Gewijzigd;
  };
  if (!heenBestaat && !bewaar(natal, partner)) return;
  if (!terugBestaat && !bewaar(partner, natal)) return;
  if (!blok.Bevestig()) Meldingen().Melding("", FoutBewarenRelatie, "");
}

// ---------------------------------------------------------------------------------------------
// Choosing

void TFQ5GebHorSelektie::SelAktHorBtnClick() {
  if (!ingesteld_) return;
  PostInfo();
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen() || tabel.RecNr() < 0) return;
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TOrvanHoroskoop& natal = akt.Natal();
  if (modus_ == ModusNatal) {
    if (!akt.AfsluitenAkt(AfsluitenNatal)) return;
    if (!natal.LaadNatal()) return;
    ActiveerNatal();
    return;
  }
  // An event of another natal horoscope replaces the natal chart as well.
  if (tabel.Waarde(VeldOrvanNr).AlsInt() != natal.NatalNr && !akt.AfsluitenAkt(AfsluitenNatal)) return;
  if (!akt.AfsluitenAkt(AfsluitenEvent)) return;
  if (!natal.LaadEvent()) return;
  if (ActiveerNatal()) ActiveerEvent();
}

void TFQ5GebHorSelektie::SelAktParBtnClick() {
  if (!ingesteld_ || modus_ != ModusNatal) return;
  PostInfo();
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen() || tabel.RecNr() < 0) return;
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  if (!akt.AfsluitenAkt(AfsluitenPartner)) return;
  if (!akt.Partner().LaadNatal()) return;
  ActiveerPartner();
}

void TFQ5GebHorSelektie::NieuwBtnClick() {
  if (!ingesteld_) return;
  PostInfo();
  dm_.GebTabel.InvoegenGeblokkeerd = false;
  dm_.MomentTabel.InvoegenGeblokkeerd = false;
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TOrvanHoroskoop& natal = akt.Natal();
  const bool isMoment = modus_ == ModusGebeurtenis;
  const bool isPartner = !isMoment && partnerModus_;
  TOrvanHoroskoop& horoskoop = isPartner ? akt.Partner() : natal;
  const int welke = isMoment ? AfsluitenEvent : isPartner ? AfsluitenPartner : AfsluitenNatal;
  const bool mag = (!isMoment || natal.Geladen) && akt.AfsluitenAkt(welke) && GegevensDialoog &&
                   GegevensDialoog(horoskoop, isMoment ? 1 : 0, true, this);
  if (mag) {
    if (isMoment)
      ActiveerEvent();
    else if (isPartner)
      ActiveerPartner();
    else
      ActiveerNatal();
  }
  Ververs();
}

void TFQ5GebHorSelektie::VerwijderBtnClick() {
  if (!ingesteld_) return;
  PostInfo();
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen() || tabel.RecNr() < 0) return;
  if (Meldingen().Vraag(Vertaal("Opgelet"), Vertaal("BentUZekerVerwHor"), "Horoskoopdatabanken") !=
      TAntwoord::Ja)
    return;
  const auto nr = static_cast<std::int32_t>(tabel.Waarde(VeldInputNr).AlsInt());
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TOrvanHoroskoop& natal = akt.Natal();
  if (modus_ == ModusNatal) {
    // The horoscope, its events and its relationships go in one transaction.
    if (dm_.VerwijderHoroskoop(nr)) {
      // An active chart of the deleted record is no longer stored.
      if (natal.NatalNr == nr) {
        natal.NatalNr = GeenRecord;
        natal.EventNr = GeenRecord;
      }
      if (akt.Partner().NatalNr == nr) akt.Partner().NatalNr = GeenRecord;
    }
  } else if (!tabel.Verwijder()) {
    Meldingen().Melding(Vertaal("Opgelet"), tabel.LaatsteFout(), "");
  } else if (natal.EventNr == nr) {
    natal.EventNr = GeenRecord;
  }
  Ververs();
}

}  // namespace orvan
