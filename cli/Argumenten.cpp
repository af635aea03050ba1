#include "cli/Argumenten.h"

#include <algorithm>
#include <iostream>

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Q4Instel.h"

namespace orvan::cli {

bool NeemVlag(TArgumenten& args, const std::string& naam) {
  const auto it = std::find(args.begin(), args.end(), "--" + naam);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

std::optional<std::string> NeemOptie(TArgumenten& args, const std::string& naam, bool& fout) {
  const std::string lang = "--" + naam;
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it == lang) {
      if (it + 1 == args.end()) {
        fout = true;
        args.erase(it);
        return std::nullopt;
      }
      std::string waarde = *(it + 1);
      args.erase(it, it + 2);
      return waarde;
    }
    if (it->rfind(lang + "=", 0) == 0) {
      std::string waarde = it->substr(lang.size() + 1);
      args.erase(it);
      return waarde;
    }
  }
  return std::nullopt;
}

int Fout(const std::string& opdracht, const std::string& melding, int status) {
  std::cerr << "orvan-cli " << opdracht << ": " << melding << '\n';
  return status;
}

void StartKern() {
  std::string fout;
  if (!OpenProgrammaMap(fout)) {
    Meldingen().Melding("", fout, "");
    Toepassing().Beeindig(1);
    return;
  }
  if (!StartTaalTabel()) return;
  StartInstellingen();   // the settings and the aspect table; nothing is written back
}

}  // namespace orvan::cli
