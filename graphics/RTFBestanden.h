#pragma once
// The rich-text (RTF) writer of every text report, and the folders the reports live in.
//
// A report is a small RTF document with a fixed header (font table, colour table, A4 paper and
// margins), the report's paragraphs and a closing brace. Lengths are given in millimetres and
// written in twips (1/1440 inch); font sizes are given in points and written in half-points.
//
// The writer collects the document in memory and writes it only when it is closed, as a fresh file
// beside the target that is then renamed over it: a report that cannot be written completely
// (disk full, folder not writable) never leaves a half file, and an existing file of that name
// stays as it was. Text is written as given: callers escape their texts with RtfTekst
// (graphics/RTFTekst.h).

#include <string>
#include <string_view>

namespace orvan {

// Page size and margins written into every report, millimetres.
inline constexpr double PapierHoogte = 297;
inline constexpr double PapierBreedte = 210;
inline constexpr double MargeLinks = 22;
inline constexpr double MargeRechts = 14;
inline constexpr double MargeBoven = 17;
inline constexpr double MargeOnder = 17;

// Font numbers of the font table.
inline constexpr int LetterArial = 0;    // proportional
inline constexpr int LetterCourier = 1;  // fixed pitch

// Paragraph alignments of Uitlijning.
inline constexpr int UitlijningLinks = 0;
inline constexpr int UitlijningMidden = 1;
inline constexpr int UitlijningRechts = 2;
inline constexpr int UitlijningUitgevuld = 3;

// x rounded to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
long RondAfEven(double x);

// A length in millimetres as whole twips: round(mm * 1440 / 25.4), halves to even.
long Twips(double mm);

class TRTFUitBestand {
 public:
  TRTFUitBestand() = default;
  // Closes an unclosed document first (a failure is reported as by Sluit).
  virtual ~TRTFUitBestand();
  TRTFUitBestand(const TRTFUitBestand&) = delete;
  TRTFUitBestand& operator=(const TRTFUitBestand&) = delete;

  // Starts a document for `bestandsNaam` with the header: the first line "{\rtf1\ansi\deff0", the
  // font table, the colour table, then the paper size and margins on the fourth line. The file is
  // created (or overwritten) when the document is closed; with an empty name the document stays in
  // memory (Inhoud) and no file is written.
  void Maak(const std::string& bestandsNaam);
  // Maak with a new name in the temporary folder (TijdelijkeBestandsNaam of the current time).
  void MaakTijdelijk();

  // Writes "}" and a line end and then the file. True when the file was written; otherwise the
  // message "UitvoerNietGeschreven" with the reason has been shown, and no file was created or
  // changed. A second call does nothing and returns the first result.
  virtual bool Sluit();

  const std::string& BestandsNaam() const { return bestandsNaam_; }
  bool Gesloten() const { return gesloten_; }
  // The document as written so far (the whole file once closed).
  const std::string& Inhoud() const { return inhoud_; }

  // "\paperh" twips "\paperw" twips " " (no line end).
  void Papier(double hoogteMm, double breedteMm);
  // "\margl" twips " \margr" twips " \margt" twips " \margb" twips and a line end.
  void Marges(double linksMm, double rechtsMm, double bovenMm, double onderMm);
  // "\fi" twips "\li" twips "\ri" twips and a line end: first-line, left and right indent.
  void Inspringen(double eersteRegelMm, double linksMm, double rechtsMm);
  // "\f" number "\fs" half-points " ": font `nummer` at `punten` points.
  void Letter(int nummer, double punten);
  // 0 "\ql ", 1 "\qc ", 2 "\qr ", 3 "\ql \qj"; any other kind writes nothing.
  void Uitlijning(int soort);
  // The control texts of bold and italic on or off, for use inside a line's text.
  static std::string Vet(bool aan) { return aan ? "\\b " : "\\b0 "; }
  static std::string Cursief(bool aan) { return aan ? "\\i " : "\\i0 "; }
  // The text as it is, no line end.
  void Schrijf(std::string_view tekst);
  // Every line of the text (separated by LF or CR LF; a final line end starts no new line) as one
  // paragraph: the line, "\par" and a line end. An empty text writes the blank paragraph " \par".
  void Regels(std::string_view tekst);
  // The footer in font 0 at 7.5 points, italic: "{\footer \pard \f0\fs15 \i " text, "  -  \chpgn"
  // with the page number, "\i0 }".
  void Voettekst(std::string_view tekst, bool metPaginaNummer);

 private:
  void RegelEinde() { inhoud_ += '\n'; }

  std::string bestandsNaam_;
  std::string inhoud_;
  bool gestart_ = false;
  bool gesloten_ = false;
  bool gelukt_ = false;
};

// The folders of the reports, each with a trailing "/": the temporary folder (program folder +
// "temp/") receives every report made with MaakTijdelijk; the report folder (program folder +
// "reports/") holds the running report "Noname.rtf" and is the default folder for saving.
// StartRTFBestanden fixes them from the program folder and creates them when missing (false when
// one cannot be created); the accessors start them on first use.
bool StartRTFBestanden();
const std::string& TijdelijkeMap();
const std::string& RapportMap();
const std::string& RapportBestand();  // RapportMap() + "Noname.rtf"

// The file name MaakTijdelijk uses at `nu`, the local date and time as days since 30 December 1899:
// the temporary folder + the decimal text of round((nu - 36000) * 100000) + ".rtf". Two reports
// made within the same 1/100000 of a day get the same name; the second replaces the first.
std::string TijdelijkeBestandsNaam(double nu);
// The local date and time now as days since 30 December 1899.
double HuidigeDagTijd();

}  // namespace orvan
