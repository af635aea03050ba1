#pragma once
// Folding of names for sorting and comparison: capital Latin letters without accents, digits and
// underscores; everything else is dropped. Works on the CP1252 character of each character of a
// UTF-8 text.

#include <string>

namespace orvan {

// The folded form of one CP1252 character: 0, 1 or 2 characters.
std::string VouwTeken(unsigned char c);

std::string Vouw35(const std::string& s);       // the first 35 folded characters
std::string VouwHaakjes(const std::string& s);  // keeps "("
std::string VouwUitroep(const std::string& s);  // keeps "!"

}  // namespace orvan
