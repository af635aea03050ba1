#include "graphics/RTFTekst.h"

#include <cstdio>

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

// "\uN" with N the signed 16-bit value of one UTF-16 code unit, then the fallback.
void SchrijfUnicode(std::string& uit, unsigned eenheid, char32_t voorTerugval) {
  const int getal =
      eenheid >= 0x8000 ? static_cast<int>(eenheid) - 0x10000 : static_cast<int>(eenheid);
  uit += "\\u" + std::to_string(getal);
  const char c = voorTerugval ? Cp1252VanCodepunt(voorTerugval) : '?';
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x80) {
    uit += '?';  // no code page 1252 character (Cp1252VanCodepunt gives '?')
  } else {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", byte);
    uit += hex;
  }
}

}  // namespace

std::string RtfTekst(std::string_view utf8) {
  std::string uit;
  uit.reserve(utf8.size() + utf8.size() / 8);
  for (const char32_t c : Codepunten(std::string(utf8))) {
    if (c == '\\' || c == '{' || c == '}') {
      uit += '\\';
      uit += static_cast<char>(c);
    } else if (c == '\t') {
      uit += "\\tab ";
    } else if (c == '\n' || c == '\r') {
      uit += static_cast<char>(c);
    } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
      // other control characters have no place in a report
    } else if (c < 0x80) {
      uit += static_cast<char>(c);
    } else if (c <= 0xFFFF) {
      SchrijfUnicode(uit, static_cast<unsigned>(c), c);
    } else {
      const unsigned v = static_cast<unsigned>(c) - 0x10000;
      SchrijfUnicode(uit, 0xD800 + (v >> 10), 0);
      SchrijfUnicode(uit, 0xDC00 + (v & 0x3FF), 0);
    }
  }
  return uit;
}

}  // namespace orvan
