#pragma once
// An RTF document read by Orvan's reader (graphics/RTFLezer.h) as a Qt text document for the text
// output window: fonts of the font table mapped to the installed metric-compatible fonts, sizes in
// points, bold, italic, underline, paragraph alignment and indents. A page break starts the next
// paragraph on a new page when printed and shows as a rule on the screen.

#include <QString>
#include <string>

class QTextDocument;

namespace orvan {

struct TRtfDocument;

// The font family shown for a font-table name: "Arial" and its CE and Cyr variants as Liberation
// Sans, "Arial Narrow" as Liberation Sans Narrow, "courier new" as Liberation Mono, "Times New
// Roman" as Liberation Serif; any other name as written (letter case of the mapping ignored).
QString LetterFamilie(const std::string& rtfNaam);

// Twips as document pixels (96 per inch).
double TwipsInPixels(int twips);

// Replaces the content of `doc` with the document.
void VulTekstDocument(QTextDocument& doc, const TRtfDocument& rtf);

}  // namespace orvan
