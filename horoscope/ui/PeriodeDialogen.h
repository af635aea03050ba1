#pragma once
// The period dialogs of the program, each of which keeps the last period entered: the one of the
// natal chart's active period, the one of the mundane period and the one of the partner search
// period. They are created in the start-up order and freed before the application ends.

namespace orvan {

class TQ5PeriodeDataDlg;

TQ5PeriodeDataDlg& PeriodeDataDlg();         // the natal chart's period
TQ5PeriodeDataDlg& MundaanPeriodeDlg();      // the mundane period
TQ5PeriodeDataDlg& PartnerZoekPeriodeDlg();  // the partner search period

// Creates the three dialogs (the accessors create them on first use otherwise).
void MaakPeriodeDialogen();
void VrijPeriodeDialogen();

}  // namespace orvan
