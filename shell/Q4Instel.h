#pragma once
// The settings module: the settings record (shell/Instellingen.h) against the settings file
// "orvan.ini" in the program folder, and the aspect table (shell/Aspekten.h).
//
// Start-up, after the language table: ZetStandaardInstellingen, LeesInstellingen (which also
// selects the saved language), LeesAspekten. Program end: BewaarInstellingen. The file is written
// nowhere else.

#include <string>

#include "shell/Aspekten.h"
#include "shell/IniBestand.h"
#include "shell/Instellingen.h"

namespace orvan {

inline constexpr const char* InstellingenBestand = "orvan.ini";

// Fills `Instellingen` from "orvan.ini". Every key that is missing, unreadable or out of its range
// keeps the value in force; a missing file changes nothing but the special defaults below. Then
// the saved language ("Taal") is selected with KiesTaal. Special readings:
//   - RefDatabase, when absent, is the database folder just read;
//   - Datuminvoermode and SymBestandsnaam, when absent or invalid, follow the system locale;
//   - a relative symbol bitmap path is taken in the program folder;
//   - StdPlaats and StdPlaatsZone are cut to 35 and 8 characters; the place's flag byte is 0;
//   - object colours 14..25 take the house colour.
// False when the file exists but cannot be read (the values then stay as they were).
bool LeesInstellingen();

// Writes every value of `Instellingen` (and the current language) to "orvan.ini", through a new
// file that replaces the old one only when complete. Sections and keys of the old file that this
// program does not know are kept. On failure the old file stays as it was, a warning is shown
// and false is returned.
bool BewaarInstellingen();

// The settings in force as the file text holds them: every key in the order of the file.
TIniBestand InstellingenAlsIni();

// Defaults, the settings file and the aspect table, as at start-up. False (after the aspect
// table's message and the request to end the program) when the aspect table cannot be read.
bool StartInstellingen();

// For tests: every setting back to its default and the aspect table empty.
void HerstelInstellingen();

}  // namespace orvan
