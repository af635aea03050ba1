#pragma once
// Capital letters of a UTF-8 text for case-blind searching: the letters of code page 1252 (ASCII,
// the accented Latin letters, š œ ž ÿ) become their capitals; everything else stays.

#include <string>

namespace orvan {

std::string HoofdLetters(const std::string& utf8);

}  // namespace orvan
