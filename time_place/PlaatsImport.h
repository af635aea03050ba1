#pragma once
// Merging a text file of places into the place list. The file (CP1252 or UTF-8) holds three lines
// per place: the name (its first 35 characters are used); latitude and longitude in d.mm separated
// by blanks; the zone table name (first 8 characters). Entries are merged in key order; an entry
// whose key is already in the list is dropped, and entries out of order are taken in further
// passes, each starting at the first entry the pass before had to skip. The list is replaced only
// when every pass has succeeded; a faulty entry, an abort or a write failure leaves it as it was.

#include <string>

namespace orvan {

// The monitor window of an import: every line read is echoed to it.
class TImportMonitor {
 public:
  virtual ~TImportMonitor() = default;
  virtual void Begin(const std::string& titel) = 0;   // the window's title (translated)
  virtual void Regel(const std::string& regel) = 0;   // a line of the text file, as UTF-8
  virtual void Einde(const std::string& tekst) = 0;   // the closing text (translated); beeps
  virtual bool AfbrekenGevraagd() { return false; }   // polled after every entry
};

struct TImportUitslag {
  bool gelukt = false;       // every entry was read and the list is complete
  bool foutInTekst = false;  // a faulty entry stopped the import
  bool afgebroken = false;   // stopped on request
  int toegevoegd = 0;        // places added
  int aantal = 0;            // records in the list afterwards
  int passen = 0;
  std::string reden;         // a file error, when the text or the list could not be read or written
};

// Merges `bestandsnaam` into the list in `map` (an empty map means the program folder). The list
// must not be open meanwhile. After a completed import the previous list is "GeoCoord.bak".
TImportUitslag LeesPlaatsenTekst(const std::string& bestandsnaam, TImportMonitor& monitor,
                                 const std::string& map = {});

// Whether an entry's name is acceptable: not empty, and its first character is not one of the
// codes 40..64 (an opening parenthesis, digits and most punctuation).
bool IsGeldigePlaatsNaam(const std::string& naam);

}  // namespace orvan
