#pragma once
// Lengths of UTF-8 texts in characters (code points), as the fixed-length text fields of the
// settings and the aspect table count them. Bytes that are no valid UTF-8 are taken as CP1252
// characters, so the results are always valid UTF-8.

#include <cstddef>
#include <string>

namespace orvan {

std::size_t AantalTekens(const std::string& utf8);

// The first `n` characters of the text.
std::string KnipTekens(const std::string& utf8, std::size_t n);

// The first `n` characters of the text, padded with blanks to exactly `n` characters.
std::string VulAanTekens(const std::string& utf8, std::size_t n);

}  // namespace orvan
