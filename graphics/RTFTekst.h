#pragma once
// Text for the RTF writer. The writer writes its texts as given, so every text that did not come
// from the report code itself (names, places, keywords, comments, translated texts, term tables)
// passes through RtfTekst before it is written.

#include <string>
#include <string_view>

namespace orvan {

// The UTF-8 text as RTF text that every reader shows as the same characters:
// - "\", "{" and "}" are escaped ("\\", "\{", "\}"), a tab becomes "\tab ";
// - line ends (LF, CR) stay, so a text of several lines still makes several paragraphs in Regels;
//   other control characters are dropped;
// - every character outside ASCII becomes "\u" with its UTF-16 code as a signed number, followed by
//   one fallback character for readers without Unicode: its code page 1252 byte as "\'hh", or "?"
//   when code page 1252 lacks it ("ü" gives "\u252\'fc", "ł" gives "\u322?"). Characters beyond
//   the 16-bit range are written as their two UTF-16 surrogates.
// Bytes that are no valid UTF-8 are taken as code page 1252 characters.
std::string RtfTekst(std::string_view utf8);

}  // namespace orvan
