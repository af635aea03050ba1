// orvan-cli aspects: the aspect table in force, one row a line: number, name in the current
// language (12 characters), angle and orb in degrees.

#include <iostream>

#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "shell/Aspekten.h"
#include "shell/GetalTekst.h"

namespace orvan::cli {

int OpdrachtAspects(const TArgumenten& args) {
  if (!args.empty()) return Fout("aspects", "usage: orvan-cli aspects");
  StartKern();
  for (int n = 1; n <= AantalAspekten; ++n) {
    const AspektRec& a = Aspekten[n];
    std::cout << (n < 10 ? " " : "") << n << ' ' << a.Naam << ' ' << ReeelTekst(a.AspHoek) << ' '
              << ReeelTekst(a.Orb) << '\n';
  }
  return 0;
}

}  // namespace orvan::cli
