#pragma once
// Conversion between UTF-8, in which Orvan holds text, and code page 1252 of fixed-size records
// and 8-bit exchange files.

#include <cstddef>
#include <string>

namespace orvan {

// The CP1252 character of a Unicode code point, or '?' when it has none.
char Cp1252VanCodepunt(char32_t c);
char32_t CodepuntVanCp1252(unsigned char c);

// UTF-8 to CP1252; invalid UTF-8 bytes are taken as CP1252 characters already.
std::string Utf8NaarCp1252(const std::string& utf8);
std::string Cp1252NaarUtf8(const std::string& cp1252);

// The Unicode code points of a UTF-8 text (invalid bytes taken as CP1252 characters).
std::u32string Codepunten(const std::string& utf8);
std::string Utf8(char32_t c);

// The first n characters (code points) of a UTF-8 text.
std::string EersteTekens(const std::string& utf8, std::size_t n);
// The text without the blanks and tabs around it.
std::string Snoei(const std::string& s);

}  // namespace orvan
