#include "horoscope/AktieveHoroskopen.h"

#include <algorithm>
#include <cstdint>

#include "horoscope/ZetPeriode.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {

std::unique_ptr<TAktieveHoroskopen> aktieve;

TAntwoord VraagAfsluiten(const char* sleutel) {
  return Meldingen().Vraag(Vertaal("Opgelet"), Vertaal(sleutel), AfsluitenHelpSleutel);
}

}  // namespace

TAktieveHoroskopen::TAktieveHoroskopen()
    : natal_(std::make_unique<TOrvanHoroskoop>()),
      partner_(std::make_unique<TOrvanHoroskoop>()),
      mundaan_(std::make_unique<TOrvanHoroskoop>()) {}

TAktieveHoroskopen::~TAktieveHoroskopen() {
  natal_.reset();
  partner_.reset();
  mundaan_.reset();
}

bool TAktieveHoroskopen::AfsluitenAkt(int welke) {
  bool aanwezig = false;
  const char* sleutel = nullptr;
  switch (welke) {
    case AfsluitenNatal:
      aanwezig = natal_->NatalAanwezig();
      sleutel = TaalSleutel("AfsluitenAktHor");
      break;
    case AfsluitenEvent:
      aanwezig = natal_->EventAanwezig();
      sleutel = TaalSleutel("AfsluitenAktMoment");
      break;
    case AfsluitenPartner:
      aanwezig = partner_->NatalAanwezig();
      sleutel = TaalSleutel("AfsluitenAktPartner");
      break;
    default:
      return true;
  }
  if (!aanwezig) return true;
  switch (VraagAfsluiten(sleutel)) {
    case TAntwoord::Annuleer:
      return false;
    case TAntwoord::Nee:
      return true;
    case TAntwoord::Ja:
      break;
  }
  switch (welke) {
    case AfsluitenNatal: {
      const bool bewaard = natal_->BewaarNatal();
      if (bewaard) AfsluitenAkt(AfsluitenEvent);
      return bewaard;
    }
    case AfsluitenEvent:
      return natal_->BewaarEvent();
    default:
      return partner_->BewaarNatal();
  }
}

bool TAktieveHoroskopen::AfsluitenAlles() {
  if (!AfsluitenAkt(AfsluitenNatal) || !AfsluitenAkt(AfsluitenEvent) ||
      !AfsluitenAkt(AfsluitenPartner))
    return false;
  natal_->Wis();
  partner_->Wis();
  return true;
}

void TAktieveHoroskopen::NaDatabankWissel() {
  natal_->NatalNr = GeenRecord;
  natal_->EventNr = GeenRecord;
  partner_->NatalNr = GeenRecord;
}

void TAktieveHoroskopen::ZetMundaanPeriode(const TDatumRec& start, std::int32_t dagen) {
  MundaanStart = start;
  MundaanDagen = dagen;
  MundaanPeriodeGezet = true;
  ZetPeriode(*mundaan_, start, dagen);
}

void TAktieveHoroskopen::ZetPartnerZoekPeriode(const TDatumRec& start, std::int32_t dagen) {
  PartnerZoekStart = start;
  PartnerZoekDagen = dagen;
  PartnerZoekPeriodeGezet = true;
}

TAktieveHoroskopen& AktieveHoroskopen() {
  if (!aktieve) StartAktieveHoroskopen();
  return *aktieve;
}

void StartAktieveHoroskopen() {
  if (!aktieve) aktieve = std::make_unique<TAktieveHoroskopen>();
}

void StopAktieveHoroskopen() { aktieve.reset(); }

TDatumRec PartnerZoekStandaardStart(const TDatumRec& geboorte) {
  TDatumRec start;
  start.Dag = 1;
  start.Maand = geboorte.Maand;
  start.Jaar = static_cast<std::int16_t>(std::max(geboorte.Jaar - 3, INT16_MIN));
  return start;
}

}  // namespace orvan
