#include "horoscope/ui/Opdrachten.h"

#include <QDialog>

#include "graphics/RTFBestanden.h"
#include "graphics/ui/TekstUitvoer.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ZetPeriode.h"
#include "horoscope/ui/PeriodeDialogen.h"
#include "reports/PositieRapport.h"
#include "time_place/ui/Q5PeriodeDataDlg.h"

namespace orvan {

bool RapportOpdracht(const std::string& voettekst,
                     const std::function<void(TRTFUitBestand&)>& schrijf,
                     std::int32_t helpKontekst) {
  TRTFUitBestand rapport;
  rapport.MaakTijdelijk();
  if (!voettekst.empty()) rapport.Voettekst(voettekst, true);
  schrijf(rapport);
  if (!rapport.Sluit()) return false;   // the writer has shown why
  ToonTekst(rapport.BestandsNaam(), helpKontekst);
  return true;
}

bool GebBerekOpdracht() {
  TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  if (!natal.Berekend && !natal.Bereken()) return false;
  // The positions report sets its own footer.
  return RapportOpdracht({}, [&natal](TRTFUitBestand& r) { PositieRapport(natal, r); },
                         HelpPositieRapport);
}

bool MundaanPeriodeOpdracht() {
  TQ5PeriodeDataDlg& dlg = MundaanPeriodeDlg();
  if (dlg.exec() != QDialog::Accepted) return false;
  AktieveHoroskopen().ZetMundaanPeriode(dlg.StartDatum(), dlg.AantalDagen());
  return true;
}

bool PeriodeOpdracht() {
  TQ5PeriodeDataDlg& dlg = PeriodeDataDlg();
  if (dlg.exec() != QDialog::Accepted) return false;
  ZetPeriode(AktieveHoroskopen().Natal(), dlg.StartDatum(), dlg.AantalDagen());
  return true;
}

bool PartnerZoekPeriodeOpdracht() {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TQ5PeriodeDataDlg& dlg = PartnerZoekPeriodeDlg();
  if (akt.PartnerZoekPeriodeGezet) dlg.ZetPeriode(akt.PartnerZoekStart, akt.PartnerZoekDagen);
  if (dlg.exec() != QDialog::Accepted) return false;
  akt.ZetPartnerZoekPeriode(dlg.StartDatum(), dlg.AantalDagen());
  return true;
}

}  // namespace orvan
