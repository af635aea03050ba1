#pragma once
// The language table. Every text the user sees is looked up by key in "strings.db" (the key, then
// the texts of the four languages in language-number order) in the program folder; "LangID" lists
// the language names in language-number order.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvan {

inline constexpr int AantalTalen = 4;   // 1 Dutch, 2 English, 3 French, 4 German

// The current language number, 1..4.
extern std::uint8_t HuidigeTaal;

// Marks a string literal as a translation key that is stored and translated later (a key kept in a
// table of keys). Returns its argument; the translation test finds keys by this name and by Vertaal.
constexpr const char* TaalSleutel(const char* sleutel) { return sleutel; }

// The text of `sleutel` in the current language; "???" followed by the key when it is not in the
// table; empty (after a message) when its text cannot be read.
std::string Vertaal(std::string_view sleutel);

// Makes language n current (1 when n is no available language) and re-targets the help file.
// False, after the message "Translation text strings not found.", when "LangID" is empty or unreadable.
bool KiesTaal(int n);

// The own name of language n from "LangID", or "English" when n is no available language.
std::string TaalNaam(int n);

// "NL", "EN", "FR" or "DU" for the current language; `anders` for any other language number.
std::string TaalKode(std::string anders = {});

// The help file of the application: program folder + base + "-" + language name + ".chm".
void ZetHelpBestand(const std::string& bestandsnaam);
const std::string& HelpBestand();

// The system locale as language identifiers: primary (19 Dutch, 9 English, 12 French, 7 German,
// 9 for any other language) and sub-language (1 for US English, else 0). Read from LC_ALL,
// LC_MESSAGES and LANG, the first that is set.
struct TSysteemTaal {
  int primair = 9;
  int sub = 0;
};
TSysteemTaal SysteemTaal();

// Start-up: opens "strings.db" and "LangID" read-only and chooses the language of the system
// locale. Any failure shows its message and ends the application (exit code 1); false is returned.
bool StartTaalTabel();

// Closes the tables (at program end, and in tests before the program folder changes).
void SluitTaalTabel();

}  // namespace orvan
