#pragma once
// Small helpers for the subcommands' arguments.

#include <optional>
#include <string>

#include "cli/Opdrachten.h"

namespace orvan::cli {

// Removes "--naam" from args; true when it was there.
bool NeemVlag(TArgumenten& args, const std::string& naam);
// Removes "--naam VALUE" (or "--naam=VALUE") from args and returns VALUE. An option without its
// value gives an empty string in `fout`-less form: check with HeeftWaarde.
std::optional<std::string> NeemOptie(TArgumenten& args, const std::string& naam, bool& fout);

// Prints "orvan-cli NAME: MESSAGE" on standard error and returns the exit status.
int Fout(const std::string& opdracht, const std::string& melding, int status = 2);

// Opens the program folder, starts the language table and reads the settings and the aspect table,
// as the desktop program does at start.
// Failures are reported and end the tool.
void StartKern();

}  // namespace orvan::cli
