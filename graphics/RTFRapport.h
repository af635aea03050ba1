#pragma once
// The running report: one RTF file (RapportBestand(), "Noname.rtf" in the report folder) that
// collects several outputs page after page, and the clean-up of the temporary reports.

#include <string>

namespace orvan {

// Adds the output file to the report file. When the report exists, its closing brace (its last
// line) is replaced by the line "\page" and every line of the output from the fourth on (the
// output's paper and margin line, its text and its closing brace) is appended; otherwise the output
// becomes the report. The new report is written as a fresh file that replaces the old one, so a
// failure (unreadable output, a report that does not end in a closing brace, disk full, folder not
// writable) leaves the report as it was: the message "RapportNietAangevuld" with the reason is
// shown and false returned.
bool VoegToeAanRapport(const std::string& rapportBestand, const std::string& uitvoerBestand);

// Whether the running report exists.
bool RapportBestaat();

// Deletes the running report; true when it is gone (also when there was none). When it cannot be
// deleted and not `stil`, the message "RapportNogOpen" is shown.
bool WisRapport(bool stil);

// At program end: deletes every "*.rtf" file in the temporary folder (and any file a writer left
// there when the program was killed while it wrote). Returns the number of files deleted.
int WisTijdelijkeRapporten();

}  // namespace orvan
