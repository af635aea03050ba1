#include "time_place/NaamBew.h"

#include <cstddef>

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

inline constexpr std::size_t Vouw35Lengte = 35;

// Base letters of Latin Extended-A (U+0100..U+017F), for letters that code page 1252 lacks
// (Polish, Czech, Hungarian, Turkish, Baltic names). A "2" stands for a two-letter folding.
// The CP1252 letters of this block (Œ œ Š š Ÿ Ž ž) never get here: they fold by the CP1252 table.
constexpr char LatijnUitgebreidA[] =
    "AAAAAA"        // 0100 Ā ā Ă ă Ą ą
    "CCCCCCCC"      // 0106 Ć ć Ĉ ĉ Ċ ċ Č č
    "DDDD"          // 010E Ď ď Đ đ
    "EEEEEEEEEE"    // 0112 Ē ē Ĕ ĕ Ė ė Ę ę Ě ě
    "GGGGGGGG"      // 011C Ĝ ĝ Ğ ğ Ġ ġ Ģ ģ
    "HHHH"          // 0124 Ĥ ĥ Ħ ħ
    "IIIIIIIIII"    // 0128 Ĩ ĩ Ī ī Ĭ ĭ Į į İ ı
    "22"            // 0132 Ĳ ĳ
    "JJ"            // 0134 Ĵ ĵ
    "KKK"           // 0136 Ķ ķ ĸ
    "LLLLLLLLLL"    // 0139 Ĺ ĺ Ļ ļ Ľ ľ Ŀ ŀ Ł ł
    "NNNNNNN"       // 0143 Ń ń Ņ ņ Ň ň ŉ
    "NN"            // 014A Ŋ ŋ
    "OOOOOO"        // 014C Ō ō Ŏ ŏ Ő ő
    "22"            // 0152 Œ œ (in CP1252)
    "RRRRRR"        // 0154 Ŕ ŕ Ŗ ŗ Ř ř
    "SSSSSSSS"      // 015A Ś ś Ŝ ŝ Ş ş Š š
    "TTTTTT"        // 0162 Ţ ţ Ť ť Ŧ ŧ
    "UUUUUUUUUUUU"  // 0168 Ũ ũ Ū ū Ŭ ŭ Ů ů Ű ű Ų ų
    "WW"            // 0174 Ŵ ŵ
    "YYY"           // 0176 Ŷ ŷ Ÿ
    "ZZZZZZ"        // 0179 Ź ź Ż ż Ž ž
    "S";            // 017F ſ
static_assert(sizeof(LatijnUitgebreidA) == 0x80 + 1);

// The folding of a character that has no CP1252 form: common Latin letters by their base letter,
// everything else nothing.
std::string Transcribeer(char32_t c) {
  if (c >= 0x100 && c < 0x180) {
    const char letter = LatijnUitgebreidA[c - 0x100];
    if (letter != '2') return std::string(1, letter);
    return c < 0x134 ? "IJ" : "OE";
  }
  switch (c) {
    case 0x0218: case 0x0219: return "S";   // Ș ș (Romanian)
    case 0x021A: case 0x021B: return "T";   // Ț ț
    case 0x1E9E: return "SS";               // capital sharp s
    default: return {};
  }
}

// The folded form of one Unicode character.
std::string VouwCodepunt(char32_t c) {
  const char cp = Cp1252VanCodepunt(c);
  if (CodepuntVanCp1252(static_cast<unsigned char>(cp)) == c)
    return VouwTeken(static_cast<unsigned char>(cp));
  return Transcribeer(c);
}

// Folds every character of a UTF-8 text; `behoud` (when not 0) is kept as it is.
std::string Vouw(const std::string& s, char behoud) {
  std::string uit;
  for (const char32_t c : Codepunten(s)) {
    if (behoud != 0 && c == static_cast<unsigned char>(behoud))
      uit += behoud;
    else
      uit += VouwCodepunt(c);
  }
  return uit;
}

}  // namespace

std::string VouwTeken(unsigned char c) {
  if (c >= 'a' && c <= 'z') return std::string(1, static_cast<char>(c - 'a' + 'A'));
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
    return std::string(1, static_cast<char>(c));
  if (c == 138 || c == 154) return "S";
  if (c < 192) return {};
  if (c == 215 || c == 247) return {};   // multiplication and division signs
  if (c == 198 || c == 230) return "AE";
  if (c == 222 || c == 254) return "TH";
  if (c == 223) return "SS";
  if (c == 255) return "IJ";
  // 192..221 and 224..253 have the same letter 32 codes apart.
  const int i = c >= 224 ? c - 32 : c;
  if (i <= 197) return "A";
  if (i == 199) return "C";
  if (i <= 203) return "E";
  if (i <= 207) return "I";
  if (i == 208) return "D";
  if (i == 209) return "N";
  if (i <= 216) return "O";
  if (i <= 220) return "U";
  return "Y";   // 221, 253
}

std::string Vouw35(const std::string& s) {
  std::string uit = Vouw(s, 0);
  if (uit.size() > Vouw35Lengte) uit.resize(Vouw35Lengte);
  return uit;
}

std::string VouwHaakjes(const std::string& s) { return Vouw(s, '('); }

std::string VouwUitroep(const std::string& s) { return Vouw(s, '!'); }

}  // namespace orvan
