// orvan-cli settings: the settings in force after reading "orvan.ini" from the program folder,
// every key as "section/key=value" in the order of the file.

#include <iostream>

#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "shell/Q4Instel.h"

namespace orvan::cli {

int OpdrachtSettings(const TArgumenten& args) {
  if (!args.empty()) return Fout("settings", "usage: orvan-cli settings");
  StartKern();
  const TIniBestand ini = InstellingenAlsIni();
  for (const auto& sektie : ini.Secties())
    for (const auto& sleutel : sektie.sleutels)
      std::cout << sektie.naam << '/' << sleutel.naam << '=' << sleutel.waarde << '\n';
  return 0;
}

}  // namespace orvan::cli
