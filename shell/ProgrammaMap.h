#pragma once
// The program folder: the writable folder that holds every data file of the program (settings,
// language table, planetary terms, ephemeris files, place list, temporary and report folders, the
// default horoscope database). It is $ORVAN_HOME when set, else $XDG_DATA_HOME/orvan, else
// ~/.local/share/orvan. On first use it is created and filled with copies of the shipped data.

#include <string>

namespace orvan {

// The program folder with a trailing "/". Resolves it on first call (see OpenProgrammaMap); when
// that fails the folder name is still returned, so that later file operations fail with a message.
const std::string& ProgrammaMap();

// Resolves, creates and fills the program folder. False with a reason when it cannot be created.
bool OpenProgrammaMap(std::string& fout);

// Uses `map` (with a trailing "/") as the program folder as it stands, without creating or filling
// it: for tests that build a program folder of their own.
void GebruikProgrammaMap(const std::string& map);

// Forgets the resolved folder, so that the next call resolves it again (tests change ORVAN_HOME).
void HerstelProgrammaMap();

// The folder of the shipped data this program copies from, with a trailing "/"; empty when none
// is found. Looked up beside the program (../share/orvan), in the build tree and in the install tree.
std::string GeleverdeDataMap();

// Copies the shipped data into `map`: every file that is missing there, and the program's own
// read-only files (language table, planetary terms, ephemeris files, help pages) when the shipped
// copy is newer. Files the user changes (settings, place list, databases) are never overwritten.
// Each copy is written beside its target and renamed into place, so no half file is left behind.
bool VulProgrammaMap(const std::string& bron, const std::string& map, std::string& fout);

}  // namespace orvan
