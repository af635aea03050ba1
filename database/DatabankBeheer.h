#pragma once
// Database administration without its windows: choosing or creating the current database, the
// reference database, the notes file and the copy of a database's natal data.
// Folders are written with a trailing "/".

#include <string>

#include "database/Q4DataModuleUnit.h"

namespace orvan {

// The name a database is shown by: the folder's last component without its extension
// ("/data/test.hor/" is "test").
std::string DatabankNaam(const std::string& map);

// Whether the folder holds a database (its natal.db).
bool IsDatabank(const std::string& map);

// Whether two folder names name the same folder.
bool ZelfdeMap(const std::string& a, const std::string& b);

// The chosen folder becomes the current database (settings value "database") and is opened in
// `dm`. An empty choice (cancelled) or the current folder again does nothing and gives false. A
// folder without natal.db is created only after the question "HorDatabankMaken" is answered yes.
// When the folder cannot be opened the previous database is opened again and false returned.
bool KiesDatabank(const std::string& gekozen, TQ4DataModule& dm = Q4DataModule());

// The reference database: a changed choice is stored in the settings; nothing is opened.
// True when the choice changed.
bool KiesRefDatabank(const std::string& gekozen);

// The notes of the open database (info.txt): empty when the file does not exist.
std::string LeesNotities(const TQ4DataModule& dm = Q4DataModule());
// Writes the notes (an empty text too), replacing the file safely. False after the message.
bool SchrijfNotities(const std::string& tekst, const TQ4DataModule& dm = Q4DataModule());

// The folder of the copy of database `map`: "/data/test.hor/" gives "/data/test (COPY).hor/".
std::string KopieMap(const std::string& map);

// Copies the natal data of the open database into its copy database (created when missing; its
// events and relationships are emptied) and opens the copy in `dm`, where it stays until the
// caller opens another database. The copy is a consistent snapshot of natal.db, taken with
// SQLite's backup while the tables stay open. Returns the copy's folder, empty after a failure
// (the message shown, the original database open again).
std::string KopieerGeboortes(TQ4DataModule& dm = Q4DataModule());

}  // namespace orvan
