#include "graphics/RTFNaarTekst.h"

#include <cctype>
#include <vector>

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

struct TGroep {
  bool overslaan = false;  // a destination that holds no text of the document
  int uc = 1;              // fallback characters after "\u"
};

bool IsOverslaanGroep(std::string_view woord) {
  static const char* const woorden[] = {
      "fonttbl",   "colortbl",  "stylesheet",        "info",    "footer",  "footerl",   "footerr",
      "footerf",   "header",    "headerl",           "headerr", "headerf", "pict",      "object",
      "fldinst",   "listtable", "listoverridetable", "revtbl",  "rsidtbl", "generator", "xmlnstbl",
      "themedata", "datastore"};
  for (const char* w : woorden)
    if (woord == w) return true;
  return false;
}

class TLezer {
 public:
  explicit TLezer(std::string_view rtf) : rtf_(rtf) { groepen_.push_back({}); }

  std::string Lees() {
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_];
      if (c == '{') {
        ++pos_;
        groepen_.push_back(groepen_.back());
        terugval_ = 0;
      } else if (c == '}') {
        ++pos_;
        if (groepen_.size() > 1) groepen_.pop_back();
        terugval_ = 0;
      } else if (c == '\\') {
        ++pos_;
        LeesBesturing();
      } else if (c == '\r' || c == '\n') {
        ++pos_;
      } else {
        ++pos_;
        Teken(CodepuntVanCp1252(static_cast<unsigned char>(c)));
      }
    }
    return Afgesloten();
  }

 private:
  bool Overslaan() const { return groepen_.back().overslaan; }

  void Teken(char32_t c) {
    if (terugval_ > 0) {
      --terugval_;
      return;
    }
    if (Overslaan()) return;
    if (hoog_) {
      const char32_t eerste = hoog_;
      hoog_ = 0;
      if (c >= 0xDC00 && c <= 0xDFFF) {
        regel_ += Utf8(0x10000 + ((eerste - 0xD800) << 10) + (c - 0xDC00));
        return;
      }
    }
    regel_ += Utf8(c);
  }

  void Eenheid(long waarde) {
    if (waarde < 0) waarde += 0x10000;
    const auto c = static_cast<char32_t>(waarde);
    terugval_ = 0;
    if (!Overslaan()) {
      if (c >= 0xD800 && c <= 0xDBFF) {
        hoog_ = c;
      } else if (c >= 0xDC00 && c <= 0xDFFF && hoog_) {
        Teken(c);
      } else {
        hoog_ = 0;
        regel_ += Utf8(c);
      }
    }
    terugval_ = groepen_.back().uc;
  }

  void NieuweRegel() {
    if (Overslaan()) return;
    terugval_ = 0;
    while (!regel_.empty() && (regel_.back() == ' ' || regel_.back() == '\t')) regel_.pop_back();
    tekst_ += regel_;
    tekst_ += '\n';
    regel_.clear();
  }

  void LeesBesturing() {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c))) {
      const std::size_t begin = pos_;
      while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
      const std::string_view woord = rtf_.substr(begin, pos_ - begin);
      bool heeftGetal = false;
      long getal = 0;
      bool negatief = false;
      if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
        negatief = true;
        ++pos_;
      }
      while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
        heeftGetal = true;
        if (getal < 10000000) getal = getal * 10 + (rtf_[pos_] - '0');
        ++pos_;
      }
      if (negatief) getal = -getal;
      if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
      Woord(woord, heeftGetal, getal);
      return;
    }
    ++pos_;
    switch (c) {
      case '\\':
      case '{':
      case '}': Teken(static_cast<unsigned char>(c)); break;
      case '\'': {
        if (pos_ + 2 <= rtf_.size() && std::isxdigit(static_cast<unsigned char>(rtf_[pos_])) &&
            std::isxdigit(static_cast<unsigned char>(rtf_[pos_ + 1]))) {
          const auto byte =
              static_cast<unsigned char>(std::stoi(std::string(rtf_.substr(pos_, 2)), nullptr, 16));
          pos_ += 2;
          Teken(CodepuntVanCp1252(byte));
        }
        break;
      }
      case '*': groepen_.back().overslaan = true; break;
      case '~': Teken(0xA0); break;
      case '_': Teken('-'); break;
      case '\r':
      case '\n': NieuweRegel(); break;
      default: break;  // "\-" (optional hyphen) and unknown control symbols
    }
  }

  void Woord(std::string_view woord, bool heeftGetal, long getal) {
    if (IsOverslaanGroep(woord)) {
      groepen_.back().overslaan = true;
    } else if (woord == "par" || woord == "line") {
      NieuweRegel();
    } else if (woord == "page") {
      if (!Overslaan()) {
        if (!regel_.empty()) NieuweRegel();
        tekst_ += "\f\n";
      }
    } else if (woord == "tab") {
      Teken('\t');
    } else if (woord == "u" && heeftGetal) {
      Eenheid(getal);
    } else if (woord == "uc" && heeftGetal) {
      groepen_.back().uc = getal < 0 ? 0 : static_cast<int>(getal);
    } else if (woord == "emdash") {
      Teken(0x2014);
    } else if (woord == "endash") {
      Teken(0x2013);
    } else if (woord == "bullet") {
      Teken(0x2022);
    } else if (woord == "lquote") {
      Teken(0x2018);
    } else if (woord == "rquote") {
      Teken(0x2019);
    } else if (woord == "ldblquote") {
      Teken(0x201C);
    } else if (woord == "rdblquote") {
      Teken(0x201D);
    }
  }

  std::string Afgesloten() {
    while (!regel_.empty() && (regel_.back() == ' ' || regel_.back() == '\t')) regel_.pop_back();
    if (!regel_.empty()) tekst_ += regel_ + "\n";
    return tekst_;
  }

  std::string_view rtf_;
  std::size_t pos_ = 0;
  std::vector<TGroep> groepen_;
  std::string tekst_;
  std::string regel_;
  int terugval_ = 0;   // fallback characters still to skip after "\u"
  char32_t hoog_ = 0;  // a high surrogate waiting for its partner
};

}  // namespace

std::string RtfNaarTekst(std::string_view rtf) { return TLezer(rtf).Lees(); }

}  // namespace orvan
