#pragma once
// Plain text of Orvan's own rich-text reports, for the command line and for checks: every paragraph
// becomes one line, blanks stay as written (so tables set in the fixed-pitch font keep their
// columns) and formatting (fonts, sizes, bold, alignment, margins) is left out. A page break
// becomes a line holding a form feed. The header's tables and the footer are not text and are left
// out too.

#include <string>
#include <string_view>

namespace orvan {

// The UTF-8 text of an RTF document. Reads the control words the report writer and RtfTekst write
// ("\par", "\page", "\tab", "\line", "\u" with its fallback, "\'hh" as code page 1252, "\\", "\{",
// "\}") and skips the groups of the font and colour tables, the footer and header and any "\*"
// destination; other control words are ignored. Blanks at the end of a line are dropped.
std::string RtfNaarTekst(std::string_view rtf);

}  // namespace orvan
