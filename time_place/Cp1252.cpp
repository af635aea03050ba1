#include "time_place/Cp1252.h"

#include <cstddef>

namespace orvan {

namespace {

// Code page 1252 at 0x80..0x9F. The five codes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control of the same number, so every byte survives a round trip.
constexpr char32_t HogeCodes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};  // 0x98

constexpr char32_t Vervanging = 0xFFFD;

}  // namespace

char32_t CodepuntVanCp1252(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return HogeCodes[c - 0x80];
  return c;   // ASCII and 0xA0..0xFF are Latin-1
}

char Cp1252VanCodepunt(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < 32; ++i)
    if (HogeCodes[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

std::u32string Codepunten(const std::string& utf8) {
  std::u32string uit;
  uit.reserve(utf8.size());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      uit.push_back(b);
      ++i;
      continue;
    }
    std::size_t lengte = 0;
    char32_t c = 0;
    char32_t kleinste = 0;
    if ((b & 0xE0) == 0xC0) {
      lengte = 2;
      c = b & 0x1F;
      kleinste = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      lengte = 3;
      c = b & 0x0F;
      kleinste = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      lengte = 4;
      c = b & 0x07;
      kleinste = 0x10000;
    }
    bool geldig = lengte > 0 && i + lengte <= n;
    for (std::size_t k = 1; geldig && k < lengte; ++k) {
      const auto v = static_cast<unsigned char>(utf8[i + k]);
      if ((v & 0xC0) != 0x80)
        geldig = false;
      else
        c = (c << 6) | (v & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
    if (geldig && (c < kleinste || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) geldig = false;
    if (geldig) {
      uit.push_back(c);
      i += lengte;
    } else {
      uit.push_back(CodepuntVanCp1252(b));
      ++i;
    }
  }
  return uit;
}

std::string Utf8(char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = Vervanging;
  std::string uit;
  if (c < 0x80) {
    uit += static_cast<char>(c);
  } else if (c < 0x800) {
    uit += static_cast<char>(0xC0 | (c >> 6));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    uit += static_cast<char>(0xE0 | (c >> 12));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    uit += static_cast<char>(0xF0 | (c >> 18));
    uit += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  }
  return uit;
}

std::string Utf8NaarCp1252(const std::string& utf8) {
  std::string uit;
  for (const char32_t c : Codepunten(utf8)) uit += Cp1252VanCodepunt(c);
  return uit;
}

std::string Cp1252NaarUtf8(const std::string& cp1252) {
  std::string uit;
  uit.reserve(cp1252.size());
  for (const char c : cp1252) uit += Utf8(CodepuntVanCp1252(static_cast<unsigned char>(c)));
  return uit;
}

std::string EersteTekens(const std::string& utf8, std::size_t n) {
  const std::u32string punten = Codepunten(utf8);
  std::string uit;
  for (std::size_t i = 0; i < punten.size() && i < n; ++i) uit += Utf8(punten[i]);
  return uit;
}

std::string Snoei(const std::string& s) {
  const char* wit = " \t";
  const std::size_t begin = s.find_first_not_of(wit);
  if (begin == std::string::npos) return {};
  return s.substr(begin, s.find_last_not_of(wit) - begin + 1);
}

}  // namespace orvan
