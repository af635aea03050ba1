// orvan-cli report positions: the positions report of one chart, as the desktop program writes it,
// either as the rich-text file (--out FILE.rtf) or as its plain text on standard output (--text).
//
//   orvan-cli report positions BIRTH-DATA [--name NAME] [--place NAME] [--lang NL|EN|FR|DU]
//                              (--out FILE.rtf | --text)
//
// BIRTH-DATA are the options of orvan-cli chart (cli/GeboorteOpties.h). The language defaults to
// the one the program starts in; the time is taken as exact (no ± precision). Exit status 0, 2 for
// invalid input, 1 when the chart cannot be calculated or the file cannot be written (after the
// message on standard error).

#include <iostream>
#include <string>

#include "cli/Argumenten.h"
#include "cli/GeboorteOpties.h"
#include "cli/Opdrachten.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFNaarTekst.h"
#include "horoscope/TOrvanHoroskoop.h"
#include "reports/PositieRapport.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik =
    "usage: orvan-cli report positions --date DATE --time TIME (--ut | --diff H:M:S) [--julian] "
    "--lat LAT --long LONG [--house R|C|V|E|K|P|Y] [--name NAME] [--place NAME] "
    "[--lang NL|EN|FR|DU] (--out FILE.rtf | --text)";

// The language number of a code, 0 for none.
int TaalNummer(const std::string& kode) {
  const char* kodes[] = {"NL", "EN", "FR", "DU"};
  for (int n = 1; n <= 4; ++n)
    if (kode == kodes[n - 1]) return n;
  return 0;
}

}  // namespace

int OpdrachtReport(const TArgumenten& argumenten) {
  TArgumenten args = argumenten;
  if (args.empty() || args.front() != "positions") return Fout("report", Gebruik);
  args.erase(args.begin());

  const TGeboorteOpties opties = NeemGeboorteOpties(args);
  bool ontbreekt = opties.ontbreekt;
  const auto naam = NeemOptie(args, "name", ontbreekt);
  const auto plaats = NeemOptie(args, "place", ontbreekt);
  const auto taalKode = NeemOptie(args, "lang", ontbreekt);
  const auto uitBestand = NeemOptie(args, "out", ontbreekt);
  const bool alsTekst = NeemVlag(args, "text");
  if (ontbreekt) return Fout("report", "an option is missing its value\n" + std::string(Gebruik));
  if (!args.empty()) return Fout("report", "unknown argument " + args.front() + "\n" + Gebruik);
  if (alsTekst == uitBestand.has_value())
    return Fout("report", "give either --out FILE.rtf or --text");
  if (uitBestand && uitBestand->empty()) return Fout("report", "invalid --out: no file name");
  const int taal = taalKode ? TaalNummer(*taalKode) : 0;
  if (taalKode && taal == 0)
    return Fout("report", "invalid --lang: \"" + *taalKode + "\" (one of NL EN FR DU)");

  TOrvanHoroskoop h;
  float breedte = 0, lengte = 0;
  int huisSysteem = -1;
  if (const int status = LeesPlaatsOpties("report", opties, breedte, lengte, huisSysteem))
    return status;
  if (const int status = LeesMomentOpties("report", opties, h.Data)) return status;
  h.Data.Plaats.Breedte = breedte;
  h.Data.Plaats.Lengte = lengte;
  h.Data.Precisie = {0, 0, 0};
  if (naam) h.Data.Name = *naam;
  if (plaats) h.Data.Plaats.Naam = *plaats;

  // The program folder, the language table and the settings, as the program starts; language and
  // house system of the command line are used for this run only (nothing is written back).
  StartKern();
  if (taal != 0 && taal != HuidigeTaal) {
    if (!KiesTaal(taal) || !LeesAspekten()) return 1;  // the aspect names of the language
  }
  if (huisSysteem >= 0) Instellingen.HuisSys = static_cast<std::uint8_t>(huisSysteem);
  if (!h.Bereken()) return 1;  // the calculator's message is on standard error

  TRTFUitBestand rapport;
  rapport.Maak(alsTekst ? std::string() : *uitBestand);
  PositieRapport(h, rapport);
  if (!rapport.Sluit()) return 1;  // the writer's message is on standard error
  if (alsTekst) std::cout << RtfNaarTekst(rapport.Inhoud());
  return 0;
}

}  // namespace orvan::cli
