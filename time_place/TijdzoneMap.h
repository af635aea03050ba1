#pragma once
// Where the time zone tables live: the folder "zones/" of the program folder holds one table per
// zone, "<ZONE>.uur", and the optional exceptions texts "<ZONE>.exc" (the tables shipped in
// share/orvan/zones are copied there on first use; the user may add and edit tables).

#include <string>

namespace orvan {

// ProgrammaMap() + "zones/".
std::string TijdzoneMap();

// True when `zone` can name a table file: 1 to 8 letters, digits, "_", "-" or "+". A zone name
// is never used as a path (no "/", no "..").
bool IsGeldigeZoneNaam(const std::string& zone);

// The path of the table (`extensie` ".uur" or ".exc") of a zone in `map` (with a trailing "/"):
// the file as named, else the file with the name in capitals (the new-place dialog upper-cases
// zone names). Empty when the name is not valid or neither file exists.
std::string ZoneBestand(const std::string& map, const std::string& zone, const std::string& extensie);

}  // namespace orvan
