#pragma once
// The data commands of the navigation page: the horoscope data dialog on the active natal chart,
// its event and the partner chart (horoscope/AktieveHoroskopen.h). On OK the edited chart is
// calculated again; a failed calculation shows its message. Each is true when OK was pressed, so
// that the page shows the new data.

class QWidget;

namespace orvan {

// The natal chart's data (mode 0).
bool NatalWijzigOpdracht(QWidget* ouder = nullptr);
// The event's data (mode 1); a new event when none is loaded.
bool MomentWijzigOpdracht(QWidget* ouder = nullptr);
// The partner chart's data (mode 0); a new partner when it was never calculated.
bool PartnerWijzigOpdracht(QWidget* ouder = nullptr);

}  // namespace orvan
