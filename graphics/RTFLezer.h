#pragma once
// Orvan's rich-text reader: an RTF document as paragraphs of formatted text, for the text output
// window. It reads every control word the report writer emits and those that interpretation texts
// commonly use: bold, italic, underline, font and size ("\f", "\fs", "\plain"), paragraph
// alignment and indents ("\ql", "\qc", "\qr", "\qj", "\fi", "\li", "\ri", "\pard"), "\par",
// "\page", "\tab", "\line", "\u" with its fallback ("\uc"), "\'hh" as code page 1252 and the
// escaped characters. The font table gives the font names. The colour table, style sheet, footers,
// headers, pictures and every "\*" destination are skipped; any other control word is ignored.
//
// Malformed input is read without failing: unbalanced braces, cut-off control words, huge numbers
// (limited to the int range) and deep nesting (no recursion) all give some document.
//
// Lengths are in twips (1/1440 inch), font sizes in half-points.

#include <string>
#include <string_view>
#include <vector>

namespace orvan {

struct TRtfTekenOpmaak {
  int letter = 0;           // font number of the font table
  int halvePunten = 24;     // 12 points when the document names no size
  bool vet = false;
  bool cursief = false;
  bool onderstreept = false;

  bool operator==(const TRtfTekenOpmaak&) const = default;
};

struct TRtfAlineaOpmaak {
  int uitlijning = 0;     // 0 left, 1 centred, 2 right, 3 justified (as the writer's Uitlijning)
  int eersteRegel = 0;    // first-line indent relative to the left indent, twips (may be negative)
  int links = 0;          // left indent, twips
  int rechts = 0;         // right indent, twips

  bool operator==(const TRtfAlineaOpmaak&) const = default;
};

// A run of text in one format. The text is UTF-8; a tab is '\t' and a line break inside the
// paragraph ("\line") is U+2028.
struct TRtfStuk {
  std::string tekst;
  TRtfTekenOpmaak opmaak;
};

struct TRtfAlinea {
  TRtfAlineaOpmaak opmaak;
  std::vector<TRtfStuk> stukken;
  bool nieuwePagina = false;   // a "\page" comes before this paragraph
  TRtfTekenOpmaak eindOpmaak;  // the character format at the paragraph's end (an empty one's height)

  std::string Tekst() const;   // the runs' text joined
};

struct TRtfLetter {
  int nummer = 0;
  std::string naam;   // as written in the font table, without the closing ";"
};

struct TRtfDocument {
  std::vector<TRtfLetter> letters;
  int standaardLetter = 0;   // "\deff"
  std::vector<TRtfAlinea> alineas;

  // The name of font `nummer`; empty when the font table does not have it.
  std::string LetterNaam(int nummer) const;
};

// The line separator that stands for "\line" in a run's text.
inline constexpr std::string_view RtfRegelEinde = "\xE2\x80\xA8";

TRtfDocument LeesRtf(std::string_view rtf);

}  // namespace orvan
