#include "database/HoofdLetters.h"

#include "time_place/Cp1252.h"

namespace orvan {

namespace {

char32_t Hoofdletter(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;   // à..þ except ÷
  switch (c) {
    case 0xFF: return 0x178;    // ÿ → Ÿ
    case 0x161: return 0x160;   // š → Š
    case 0x153: return 0x152;   // œ → Œ
    case 0x17E: return 0x17D;   // ž → Ž
    default: return c;
  }
}

}  // namespace

std::string HoofdLetters(const std::string& utf8) {
  bool ascii = true;
  for (char c : utf8)
    if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
  if (ascii) {
    std::string uit = utf8;
    for (char& c : uit)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    return uit;
  }
  std::string uit;
  for (char32_t c : Codepunten(utf8)) uit += Utf8(Hoofdletter(c));
  return uit;
}

}  // namespace orvan
