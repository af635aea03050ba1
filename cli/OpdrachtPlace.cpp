// orvan-cli place NAME: the places of the program folder's place list whose folded name starts with
// the folded NAME (so "zurich", "Zürich" and "ZUR" all find Zürich (CH)), in the list's order, one
// a line: name, latitude and longitude in d.mm (north and east positive) and zone, separated by
// tabs. Places marked deleted are left out. Several arguments are joined with blanks.

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/Argumenten.h"
#include "cli/Opdrachten.h"
#include "time_place/PltsLstMenger.h"

namespace orvan::cli {

int OpdrachtPlace(const TArgumenten& args) {
  std::string naam;
  for (const std::string& a : args) naam += (naam.empty() ? "" : " ") + a;
  if (naam.empty()) return Fout("place", "usage: orvan-cli place NAME");
  const std::string prefix = NaamSleutel(naam);
  if (prefix.empty()) return Fout("place", "the name has no letters or digits: " + naam);
  StartKern();

  TPlaatsLijst lijst;
  std::string fout;
  if (!lijst.OpenAlleenLezen(fout)) return Fout("place", fout, 1);
  int gevonden = 0;
  PlaatsRec p;
  for (int n = lijst.EersteVanaf(prefix);
       n < lijst.Aantal() && lijst.NaamSleutel(n).compare(0, prefix.size(), prefix) == 0; ++n) {
    lijst.Lees(n, p);
    if (p.Gewist) continue;
    char getallen[40];
    std::snprintf(getallen, sizeof getallen, "\t%.2f\t%.2f\t", static_cast<double>(p.Breedte),
                  static_cast<double>(p.Lengte));
    std::cout << p.Naam << getallen << p.Zone << '\n';
    ++gevonden;
  }
  if (gevonden == 0) return Fout("place", "no place name starts with " + naam, 1);
  return 0;
}

}  // namespace orvan::cli
