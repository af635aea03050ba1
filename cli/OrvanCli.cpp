// orvan-cli: Orvan's calculations from the command line, for scripts and checks. It reads the same
// program folder as the desktop program and writes nothing back to it.

#include <cstring>
#include <iostream>

#include "cli/Opdrachten.h"

namespace {

void ToonHulp(std::ostream& uit) {
  uit << "usage: orvan-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const auto& o : orvan::cli::Opdrachten())
    uit << "  " << o.naam << ' ' << o.gebruik << "\n      " << o.omschrijving << '\n';
  uit << "\nThe program folder is $ORVAN_HOME, else $XDG_DATA_HOME/orvan, else "
         "~/.local/share/orvan.\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") ||
      !std::strcmp(argv[1], "help")) {
    ToonHulp(argc < 2 ? std::cerr : std::cout);
    return argc < 2 ? 2 : 0;
  }
  for (const auto& o : orvan::cli::Opdrachten())
    if (o.naam == std::string(argv[1]))
      return o.uitvoeren(orvan::cli::TArgumenten(argv + 2, argv + argc));
  std::cerr << "orvan-cli: unknown command \"" << argv[1] << "\" (see orvan-cli --help)\n";
  return 2;
}
