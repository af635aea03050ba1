#pragma once
// Number texts of the settings file and the program's tables. They never depend on the process
// locale: the decimal separator is always '.', and reading accepts nothing else.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvan {

// The shortest text that reads back as exactly the same value ("2", "52.22", "1e-05"). A float is
// written with the digits a float needs, not those of the double it widens to.
std::string ReeelTekst(double x);
std::string ReeelTekst(float x);

// A decimal integer with an optional sign; blanks around it are allowed, anything else in the
// text makes it unreadable. False when unreadable or outside the 64-bit range.
bool LeesGeheelGetal(std::string_view tekst, std::int64_t& getal);

// A decimal floating-point number with an optional sign and exponent ("2.5", "-4.53", "1e3");
// blanks around it are allowed. False for any other text, including "2,5", "inf" and "nan".
bool LeesReeelGetal(std::string_view tekst, double& getal);

// The text without the blanks and tabs around it.
std::string_view ZonderBlanco(std::string_view s);

}  // namespace orvan
