#include "horoscope/ui/PeriodeDialogen.h"

#include <memory>

#include "time_place/ui/Q5PeriodeDataDlg.h"

namespace orvan {

namespace {

std::unique_ptr<TQ5PeriodeDataDlg> natalDlg;
std::unique_ptr<TQ5PeriodeDataDlg> mundaanDlg;
std::unique_ptr<TQ5PeriodeDataDlg> partnerZoekDlg;

TQ5PeriodeDataDlg& Dialoog(std::unique_ptr<TQ5PeriodeDataDlg>& dlg, const char* naam) {
  if (!dlg) {
    dlg = std::make_unique<TQ5PeriodeDataDlg>();
    dlg->setObjectName(naam);
  }
  return *dlg;
}

}  // namespace

TQ5PeriodeDataDlg& PeriodeDataDlg() { return Dialoog(natalDlg, "PeriodeDataDlg"); }
TQ5PeriodeDataDlg& MundaanPeriodeDlg() { return Dialoog(mundaanDlg, "MundaanPeriodeDlg"); }
TQ5PeriodeDataDlg& PartnerZoekPeriodeDlg() {
  return Dialoog(partnerZoekDlg, "PartnerZoekPeriodeDlg");
}

void MaakPeriodeDialogen() {
  PeriodeDataDlg();
  MundaanPeriodeDlg();
  PartnerZoekPeriodeDlg();
}

void VrijPeriodeDialogen() {
  natalDlg.reset();
  mundaanDlg.reset();
  partnerZoekDlg.reset();
}

}  // namespace orvan
