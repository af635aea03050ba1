#pragma once
// The commands on the active charts (horoscope/AktieveHoroskopen.h) that the navigation page
// starts, and the pattern of every text command.

#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

class TRTFUitBestand;

// Help context of the positions report window.
inline constexpr std::int32_t HelpPositieRapport = 3028;

// A text command: a temporary report is opened, the footer `voettekst` (RTF text: the caller
// escapes names with RtfTekst) set with page numbers when it is not empty, `schrijf` writes the report, the report is closed and shown in the text
// output window at `helpKontekst`. False when the report could not be written (nothing is shown).
bool RapportOpdracht(const std::string& voettekst,
                     const std::function<void(TRTFUitBestand&)>& schrijf,
                     std::int32_t helpKontekst);

// The positions, aspects etc. of the active natal chart. The chart is calculated first when it is
// not; false when that fails (after the calculator's message) or the report cannot be written.
bool GebBerekOpdracht();

// The period dialogs of the navigation page, each true when confirmed:
// the mundane period (stored, its flag set, given to the mundane chart);
bool MundaanPeriodeOpdracht();
// the natal chart's active period (given to the natal chart);
bool PeriodeOpdracht();
// the partner search period (the dialog starts from the period in force; its flag set).
bool PartnerZoekPeriodeOpdracht();

}  // namespace orvan
