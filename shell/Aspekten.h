#pragma once
// The aspect table: up to 40 aspect definitions from "aspekten.db" in the program folder, with
// the names of the current language. The aspect number used everywhere (aspect search, drawing,
// symbols) is the 1-based row position in the table.
//
// "aspekten.db" holds the table "aspekten" with the fields AspHoek, Orb (degrees), Rood, Groen,
// Blauw, TekenDikte (0..255), the name columns NaamNL, NaamEN, NaamFR, NaamDU (at most 12
// characters) and Bitmap (file name without ".bmp", with or without a folder). The shipped table
// has the name of language n at zero-based field position n + 5; fields are read by name, so a
// table with another field order reads the same.

#include <array>
#include <cstdint>
#include <string>

namespace orvan {

inline constexpr int MaxAspekten = 40;
inline constexpr std::size_t AspektNaamLengte = 12;
inline constexpr const char* AspektenBestand = "aspekten.db";

struct AspektRec {
  std::string Naam;       // name in the current language, padded with blanks to 12 characters
  double AspHoek = 0;     // aspect angle, degrees, 0..180
  double Orb = 0;         // orb, degrees, above 0
  std::uint8_t Rood = 0;  // line colour
  std::uint8_t Groen = 0;
  std::uint8_t Blauw = 0;
  std::uint8_t TekenDikte = 0;  // 0 not drawn, 1 thin line, 2 thick line
  std::string Bitmap;           // full path of the symbol bitmap
};

// Rows 1..AantalAspekten; element 0 and the entries beyond the count are not used.
extern std::array<AspektRec, MaxAspekten + 1> Aspekten;
extern std::uint8_t AantalAspekten;

// Reloads the table from "aspekten.db" in the current language: at start-up, after a language
// change and after the table was edited. A name that is empty in that language becomes the angle
// followed by "°"; a relative bitmap path is taken in the program folder. When the file is
// missing or unreadable, a value is invalid (an angle outside 0..180, an orb not above 0, a colour
// or width outside 0..255) or the table has more than 40 rows, the message "Error reading aspect
// file. Re-install the program." is shown, the table is left empty and the program is ended with
// exit code 1; false is returned.
bool LeesAspekten();

// Empties the table (tests).
void WisAspekten();

}  // namespace orvan
