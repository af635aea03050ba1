#include "horoscope/ui/HorDataOpdrachten.h"

#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/Q4HorDataDialoog.h"
#include "shell/Interaktie.h"

namespace orvan {

namespace {

bool WijzigEnBereken(TOrvanHoroskoop& horoskoop, int modus, bool nieuw, QWidget* ouder) {
  if (!WijzigGegevens(horoskoop, modus, nieuw, ouder)) return false;
  if (!horoskoop.BerekenAlles()) Meldingen().Melding("", FoutBerekenHoroskoop, "");
  return true;
}

}  // namespace

bool NatalWijzigOpdracht(QWidget* ouder) {
  return WijzigEnBereken(AktieveHoroskopen().Natal(), HorDataNatal, false, ouder);
}

bool MomentWijzigOpdracht(QWidget* ouder) {
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  return WijzigEnBereken(natal, HorDataEvent, !natal.EventGeladen, ouder);
}

bool PartnerWijzigOpdracht(QWidget* ouder) {
  TOrvanHoroskoop& partner = AktieveHoroskopen().Partner();
  return WijzigEnBereken(partner, HorDataNatal, !partner.Berekend, ouder);
}

}  // namespace orvan
