#include "graphics/RTFLezer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

// Nesting beyond this depth is counted but not kept: the innermost groups then share the state of
// the deepest kept one.
inline constexpr std::size_t MaxDiepte = 256;
inline constexpr std::size_t MaxWoordLengte = 32;   // letters of a control word
inline constexpr int MinHalvePunten = 2;
inline constexpr int MaxHalvePunten = 3276;

enum class TBestemming {
  Tekst,      // the document's text
  Letters,    // the font table
  Overslaan,  // a destination without text of the document
};

struct TGroep {
  TBestemming bestemming = TBestemming::Tekst;
  TRtfTekenOpmaak teken;
  TRtfAlineaOpmaak alinea;   // paragraph properties are kept per group as well
  int uc = 1;   // fallback characters after "\u"
};

bool IsOverslaanWoord(std::string_view woord) {
  static constexpr std::string_view woorden[] = {
      "colortbl", "stylesheet", "info",      "footer",   "footerl",  "footerr",   "footerf",
      "header",   "headerl",    "headerr",   "headerf",  "pict",     "object",    "fldinst",
      "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl",
      "themedata", "datastore", "latentstyles", "filetbl", "footnote", "annotation",
      "bkmkstart", "bkmkend", "nonshppict", "shppict"};
  return std::find(std::begin(woorden), std::end(woorden), woord) != std::end(woorden);
}

class TLezer {
 public:
  explicit TLezer(std::string_view rtf) : rtf_(rtf) { groepen_.push_back({}); }

  TRtfDocument Lees() {
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c == '{') {
        OpenGroep();
      } else if (c == '}') {
        SluitGroep();
      } else if (c == '\\') {
        LeesBesturing();
      } else if (c == '\r' || c == '\n') {
        // line ends of the file are no text
      } else {
        Byte(static_cast<unsigned char>(c));
      }
    }
    SpoelBytes();
    if (!alinea_.stukken.empty()) EindAlinea();
    return std::move(doc_);
  }

 private:
  TGroep& Groep() { return groepen_.back(); }

  void OpenGroep() {
    SpoelBytes();
    terugval_ = 0;
    if (groepen_.size() < MaxDiepte)
      groepen_.push_back(groepen_.back());
    else
      ++extraDiepte_;
  }

  void SluitGroep() {
    SpoelBytes();
    terugval_ = 0;
    if (extraDiepte_ > 0) {
      --extraDiepte_;
      return;
    }
    if (Groep().bestemming == TBestemming::Letters) EindLetter();
    if (groepen_.size() > 1) groepen_.pop_back();
  }

  // --- Text. ---

  // Raw bytes are collected and decoded together: valid UTF-8 as such, anything else as code
  // page 1252 (the writer itself escapes every byte above 127).
  void Byte(unsigned char b) {
    if (terugval_ > 0) {
      --terugval_;
      return;
    }
    bytes_ += static_cast<char>(b);
  }

  void SpoelBytes() {
    if (bytes_.empty()) return;
    const std::string b = std::move(bytes_);
    bytes_.clear();
    for (char32_t c : Codepunten(b)) Teken(c);
  }

  void Teken(char32_t c) {
    switch (Groep().bestemming) {
      case TBestemming::Overslaan:
        return;
      case TBestemming::Letters:
        if (c == U';')
          EindLetter();
        else
          letterNaam_ += Utf8(c);
        return;
      case TBestemming::Tekst:
        break;
    }
    if (hoogSurrogaat_ != 0) {
      const char32_t hoog = hoogSurrogaat_;
      hoogSurrogaat_ = 0;
      if (c >= 0xDC00 && c <= 0xDFFF) {
        c = 0x10000 + ((hoog - 0xD800) << 10) + (c - 0xDC00);
      } else {
        Teken(U'\uFFFD');
      }
    }
    if (c >= 0xD800 && c <= 0xDBFF) {
      hoogSurrogaat_ = c;
      return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) c = U'\uFFFD';
    if ((c < 0x20 && c != U'\t') || c == 0x7F) return;   // control characters show nothing
    const TRtfTekenOpmaak& opmaak = Groep().teken;
    if (alinea_.stukken.empty() || !(alinea_.stukken.back().opmaak == opmaak))
      alinea_.stukken.push_back({{}, opmaak});
    alinea_.stukken.back().tekst += Utf8(c);
  }

  void EindAlinea() {
    SpoelBytes();
    alinea_.opmaak = Groep().alinea;
    alinea_.eindOpmaak = Groep().teken;
    alinea_.nieuwePagina = nieuwePagina_;
    nieuwePagina_ = false;
    doc_.alineas.push_back(std::move(alinea_));
    alinea_ = {};
  }

  void EindLetter() {
    if (letterNummer_ >= 0) {
      std::string naam = letterNaam_;
      const auto begin = naam.find_first_not_of(' ');
      naam = begin == std::string::npos ? std::string() : naam.substr(begin);
      while (!naam.empty() && naam.back() == ' ') naam.pop_back();
      auto it = std::find_if(doc_.letters.begin(), doc_.letters.end(),
                             [&](const TRtfLetter& l) { return l.nummer == letterNummer_; });
      if (it == doc_.letters.end())
        doc_.letters.push_back({letterNummer_, naam});
      else
        it->naam = naam;
    }
    letterNummer_ = -1;
    letterNaam_.clear();
  }

  // --- Control words. ---

  void LeesBesturing() {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z')) {
      ++pos_;
      Symbool(c);
      return;
    }
    std::string woord;
    while (pos_ < rtf_.size() && ((rtf_[pos_] >= 'a' && rtf_[pos_] <= 'z') ||
                                  (rtf_[pos_] >= 'A' && rtf_[pos_] <= 'Z'))) {
      if (woord.size() < MaxWoordLengte) woord += rtf_[pos_];
      ++pos_;
    }
    bool heeftGetal = false;
    bool negatief = false;
    long long getal = 0;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-' && pos_ + 1 < rtf_.size() &&
        rtf_[pos_ + 1] >= '0' && rtf_[pos_ + 1] <= '9') {
      negatief = true;
      ++pos_;
    }
    while (pos_ < rtf_.size() && rtf_[pos_] >= '0' && rtf_[pos_] <= '9') {
      heeftGetal = true;
      if (getal < INT_MAX) getal = getal * 10 + (rtf_[pos_] - '0');
      ++pos_;
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;   // the delimiter belongs to the word
    getal = std::min<long long>(getal, INT_MAX);
    const int n = static_cast<int>(negatief ? -getal : getal);
    Woord(woord, heeftGetal, n);
  }

  void Symbool(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Byte(static_cast<unsigned char>(c));
        break;
      case '\'': {
        int waarde = 0;
        int cijfers = 0;
        while (cijfers < 2 && pos_ < rtf_.size()) {
          const char h = rtf_[pos_];
          int d = -1;
          if (h >= '0' && h <= '9') d = h - '0';
          if (h >= 'a' && h <= 'f') d = h - 'a' + 10;
          if (h >= 'A' && h <= 'F') d = h - 'A' + 10;
          if (d < 0) break;
          waarde = waarde * 16 + d;
          ++cijfers;
          ++pos_;
        }
        if (cijfers == 0) break;
        SpoelBytes();
        if (terugval_ > 0) {
          --terugval_;
          break;
        }
        Teken(CodepuntVanCp1252(static_cast<unsigned char>(waarde)));
        break;
      }
      case '~':
        SpoelBytes();
        Teken(U'\u00A0');
        break;
      case '_':
        SpoelBytes();
        Teken(U'\u2011');
        break;
      case '*':
        Groep().bestemming = TBestemming::Overslaan;
        break;
      case '\r':
      case '\n':
        Woord("par", false, 0);
        break;
      default:
        break;   // "\-" (optional hyphen), "\|", "\:" and unknown symbols show nothing
    }
  }

  void Woord(std::string_view w, bool heeftGetal, int n) {
    SpoelBytes();
    TGroep& g = Groep();
    TRtfTekenOpmaak& t = g.teken;
    const bool aan = !heeftGetal || n != 0;
    if (w == "fonttbl") {
      g.bestemming = TBestemming::Letters;
      letterNummer_ = -1;
      letterNaam_.clear();
    } else if (IsOverslaanWoord(w)) {
      g.bestemming = TBestemming::Overslaan;
    } else if (g.bestemming == TBestemming::Overslaan) {
      // nothing inside a skipped destination changes the document
    } else if (g.bestemming == TBestemming::Letters) {
      if (w == "f" && heeftGetal) {
        if (letterNummer_ >= 0 && !letterNaam_.empty()) EindLetter();
        letterNummer_ = n;
        letterNaam_.clear();
      }
      // family, character set and pitch words of the font table carry no name
    } else if (w == "deff") {
      if (heeftGetal) {
        doc_.standaardLetter = n;
        for (TGroep& groep : groepen_) groep.teken.letter = n;
      }
    } else if (w == "par") {
      if (g.bestemming == TBestemming::Tekst) EindAlinea();
    } else if (w == "page") {
      if (g.bestemming == TBestemming::Tekst) {
        if (!alinea_.stukken.empty()) EindAlinea();
        nieuwePagina_ = true;
      }
    } else if (w == "line") {
      Teken(U'\u2028');
    } else if (w == "tab") {
      Teken(U'\t');
    } else if (w == "u") {
      if (heeftGetal) {
        const int code = n < 0 ? n + 65536 : n;
        if (code >= 0 && code <= 0xFFFF) Teken(static_cast<char32_t>(code));
        terugval_ = g.uc;
      }
    } else if (w == "uc") {
      if (heeftGetal) g.uc = std::clamp(n, 0, 16);
    } else if (w == "emdash") {
      Teken(U'\u2014');
    } else if (w == "endash") {
      Teken(U'\u2013');
    } else if (w == "bullet") {
      Teken(U'\u2022');
    } else if (w == "lquote") {
      Teken(U'\u2018');
    } else if (w == "rquote") {
      Teken(U'\u2019');
    } else if (w == "ldblquote") {
      Teken(U'\u201C');
    } else if (w == "rdblquote") {
      Teken(U'\u201D');
    } else if (w == "b") {
      t.vet = aan;
    } else if (w == "i") {
      t.cursief = aan;
    } else if (w == "ul") {
      t.onderstreept = aan;
    } else if (w == "ulnone") {
      t.onderstreept = false;
    } else if (w == "f") {
      if (heeftGetal) t.letter = n;
    } else if (w == "fs") {
      if (heeftGetal) t.halvePunten = std::clamp(n, MinHalvePunten, MaxHalvePunten);
    } else if (w == "plain") {
      t = TRtfTekenOpmaak{};
      t.letter = doc_.standaardLetter;
    } else if (w == "pard") {
      g.alinea = TRtfAlineaOpmaak{};
    } else if (w == "ql") {
      g.alinea.uitlijning = 0;
    } else if (w == "qc") {
      g.alinea.uitlijning = 1;
    } else if (w == "qr") {
      g.alinea.uitlijning = 2;
    } else if (w == "qj") {
      g.alinea.uitlijning = 3;
    } else if (w == "fi") {
      if (heeftGetal) g.alinea.eersteRegel = n;
    } else if (w == "li") {
      if (heeftGetal) g.alinea.links = n;
    } else if (w == "ri") {
      if (heeftGetal) g.alinea.rechts = n;
    }
    // Every other word (paper, margins, character set, language, colours ...) changes nothing
    // that the window shows.
  }

  std::string_view rtf_;
  std::size_t pos_ = 0;
  std::vector<TGroep> groepen_;
  std::size_t extraDiepte_ = 0;
  TRtfDocument doc_;
  TRtfAlinea alinea_;
  bool nieuwePagina_ = false;
  std::string bytes_;
  int terugval_ = 0;            // fallback characters still to skip after "\u"
  char32_t hoogSurrogaat_ = 0;  // the first half of a surrogate pair
  int letterNummer_ = -1;       // the font table entry being read
  std::string letterNaam_;
};

}  // namespace

std::string TRtfAlinea::Tekst() const {
  std::string t;
  for (const TRtfStuk& s : stukken) t += s.tekst;
  return t;
}

std::string TRtfDocument::LetterNaam(int nummer) const {
  for (const TRtfLetter& l : letters)
    if (l.nummer == nummer) return l.naam;
  return {};
}

TRtfDocument LeesRtf(std::string_view rtf) { return TLezer(rtf).Lees(); }

}  // namespace orvan
