// orvan-cli db: the horoscope database from the command line, through the same tables, save rules
// and property operations as the desktop program.
//
//   orvan-cli db create DIR
//   orvan-cli db add DIR BIRTH-DATA --name NAME [--sex SEX] [--keywords TEXT] [--place NAME]
//   orvan-cli db list DIR
//   orvan-cli db property DIR add|drop NAME
//   orvan-cli db set DIR NR NAME VALUE
//   orvan-cli db delete DIR NR
//
// BIRTH-DATA are the options of orvan-cli chart without --house (cli/GeboorteOpties.h). add
// prints the new InputNr; list prints one natal record a line in InputNr order: InputNr, name,
// date (day.month.year), time (h:mm:ss), place, separated by tabs. set gives natal record NR the value of property
// NAME (an empty VALUE clears it); delete removes natal record NR with its events and
// relationships. Every change is one transaction; an error exits with status 2 before anything
// is changed.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/Argumenten.h"
#include "cli/GeboorteOpties.h"
#include "cli/Opdrachten.h"
#include "database/DatabankBeheer.h"
#include "database/HorTabellen.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "shell/GetalTekst.h"
#include "shell/Utf8Tekst.h"

namespace orvan::cli {

namespace {

inline constexpr const char* Gebruik =
    "usage: orvan-cli db create DIR\n"
    "       orvan-cli db add DIR --date DATE --time TIME (--ut | --diff H:M:S) [--julian] --lat LAT "
    "--long LONG --name NAME [--sex male|female|unknown|neutral] [--keywords TEXT] [--place NAME]\n"
    "       orvan-cli db list DIR\n"
    "       orvan-cli db property DIR add|drop NAME\n"
    "       orvan-cli db set DIR NR NAME VALUE\n"
    "       orvan-cli db delete DIR NR";

std::string Map(std::string map) {
  if (!map.empty() && map.back() != '/') map += '/';
  return map;
}

int GebruikFout(const std::string& melding) { return Fout("db", melding + "\n" + Gebruik); }

bool LeesNummer(const std::string& tekst, std::int32_t& nr) {
  if (tekst.empty() || tekst.size() > 9) return false;
  for (char c : tekst)
    if (c < '0' || c > '9') return false;
  nr = static_cast<std::int32_t>(std::stol(tekst));
  return true;
}

bool LeesSex(const std::string& tekst, std::uint8_t& sex) {
  static const char* const namen[] = {"male", "female", "unknown", "neutral"};
  for (std::uint8_t i = 0; i < 4; ++i)
    if (tekst == namen[i] || tekst == std::to_string(i)) {
      sex = i;
      return true;
    }
  return false;
}

// The natal table of an existing database, read-only: for checks that must come before any
// change (a writable open already resets the selection flags).
bool OpenLezend(const std::string& map, TQ4HorTabel& t) {
  return IsDatabank(map) && t.Initialiseer(map, "natal.db", true);
}

int Create(const TArgumenten& args) {
  if (args.size() != 1) return GebruikFout("create takes one folder");
  TQ4DataModule dm;
  return dm.OpenDatabank(Map(args[0])) ? 0 : 2;
}

int Add(TArgumenten args) {
  if (args.empty() || args[0].rfind("--", 0) == 0) return GebruikFout("add needs the database folder first");
  const std::string map = Map(args[0]);
  args.erase(args.begin());
  const TGeboorteOpties opties = NeemGeboorteOpties(args);
  bool ontbreekt = opties.ontbreekt;
  const auto naam = NeemOptie(args, "name", ontbreekt);
  const auto sex = NeemOptie(args, "sex", ontbreekt);
  const auto sleutelwoorden = NeemOptie(args, "keywords", ontbreekt);
  const auto plaats = NeemOptie(args, "place", ontbreekt);
  if (ontbreekt) return GebruikFout("an option is missing its value");
  if (!args.empty()) return GebruikFout("unknown argument " + args.front());
  if (opties.huis) return Fout("db", "--house is not stored with a record");
  THorData d;
  float breedte = 0, lengte = 0;
  int huisSysteem = -1;
  if (const int status = LeesPlaatsOpties("db", opties, breedte, lengte, huisSysteem)) return status;
  if (const int status = LeesMomentOpties("db", opties, d)) return status;
  d.Plaats.Breedte = breedte;
  d.Plaats.Lengte = lengte;
  if (!naam || naam->empty()) return Fout("db", "--name is required");
  if (AantalTekens(*naam) > NaamLengte) return Fout("db", "--name has more than 35 characters");
  d.Name = *naam;
  if (sex && !LeesSex(*sex, d.Sex)) return Fout("db", "invalid --sex: \"" + *sex + "\" (male, female, unknown or neutral)");
  if (sleutelwoorden) {
    if (AantalTekens(*sleutelwoorden) > SteekwoordenLengte) return Fout("db", "--keywords has more than 80 characters");
    d.KeyWords = *sleutelwoorden;
  }
  if (plaats) {
    if (AantalTekens(*plaats) > NaamLengte) return Fout("db", "--place has more than 35 characters");
    d.Plaats.Naam = *plaats;
  }
  if (!IsDatabank(map)) return Fout("db", "no horoscope database in " + map + " (see db create)");
  TQ4DataModule dm;
  if (!dm.OpenDatabank(map)) return 2;
  std::int32_t nr = -1;
  if (!BewaarHorRecord(dm.GebTabel, d, -1, nr)) return Fout("db", "the record was not saved: " + dm.GebTabel.LaatsteFout());
  std::printf("%d\n", nr);
  return 0;
}

int List(const TArgumenten& args) {
  if (args.size() != 1) return GebruikFout("list takes one folder");
  const std::string map = Map(args[0]);
  TQ4HorTabel t;
  if (!OpenLezend(map, t)) return Fout("db", "no horoscope database in " + map);
  for (int p = 0; p < t.AantalRecords(); ++p) {
    auto w = [&](int veld) { return t.WaardeOp(p, veld); };
    char tijd[32];
    std::snprintf(tijd, sizeof tijd, "%d:%02d:%02d", static_cast<int>(w(VeldTimeH).AlsInt()),
                  static_cast<int>(w(VeldTimeM).AlsInt()), static_cast<int>(w(VeldTimeS).AlsInt()));
    const std::string regel = w(VeldInputNr).AlsTekst() + "\t" + w(VeldName).AlsTekst() + "\t" +
                              w(VeldDateD).AlsTekst() + "." + w(VeldDateM).AlsTekst() + "." +
                              w(VeldDateY).AlsTekst() + "\t" + tijd + "\t" + w(VeldPlace).AlsTekst();
    std::printf("%s\n", regel.c_str());
  }
  return 0;
}

int Property(const TArgumenten& args) {
  if (args.size() != 3 || (args[1] != "add" && args[1] != "drop"))
    return GebruikFout("property takes a folder, add or drop, and a name");
  const std::string map = Map(args[0]);
  const bool toevoegen = args[1] == "add";
  {
    TQ4HorTabel t;
    if (!OpenLezend(map, t)) return Fout("db", "no horoscope database in " + map);
    if (!toevoegen && t.EigenschapNummer(args[2]) == 0) return Fout("db", "no property \"" + args[2] + "\"");
    if (toevoegen && t.VeldNummer(args[2]) >= 0) return Fout("db", "a field \"" + args[2] + "\" exists already");
  }
  TQ4DataModule dm;
  if (!dm.OpenDatabank(map)) return 2;
  const bool ok = toevoegen ? dm.GebTabel.MaakEigenschap(args[2]) : dm.GebTabel.VerwijderEigenschap(args[2]);
  return ok ? 0 : 2;   // the store's message is on standard error
}

int Set(const TArgumenten& args) {
  if (args.size() != 4) return GebruikFout("set takes a folder, a record number, a property and a value");
  const std::string map = Map(args[0]);
  std::int32_t nr = 0;
  if (!LeesNummer(args[1], nr)) return Fout("db", "invalid record number \"" + args[1] + "\"");
  double waarde = 0;
  const bool leeg = args[3].empty();
  if (!leeg && !LeesReeelGetal(args[3], waarde)) return Fout("db", "invalid value \"" + args[3] + "\"");
  int eigenschap = 0;
  {
    TQ4HorTabel t;
    if (!OpenLezend(map, t)) return Fout("db", "no horoscope database in " + map);
    eigenschap = t.EigenschapNummer(args[2]);
    if (eigenschap == 0) return Fout("db", "no property \"" + args[2] + "\"");
    t.ZetGefilterd(false);
    if (!t.ZoekInputNr(nr)) return Fout("db", "no record " + args[1]);
  }
  TQ4DataModule dm;
  if (!dm.OpenDatabank(map)) return 2;
  TQ4HorTabel& g = dm.GebTabel;
  if (!g.ZoekInputNr(nr) || !g.Wijzig() ||
      !g.ZetWaarde(g.LaatsteVastVeld + eigenschap, leeg ? TVeldWaarde() : TVeldWaarde(waarde)) || !g.Post())
    return Fout("db", "the value was not saved: " + g.LaatsteFout());
  return 0;
}

int Delete(const TArgumenten& args) {
  if (args.size() != 2) return GebruikFout("delete takes a folder and a record number");
  const std::string map = Map(args[0]);
  std::int32_t nr = 0;
  if (!LeesNummer(args[1], nr)) return Fout("db", "invalid record number \"" + args[1] + "\"");
  {
    TQ4HorTabel t;
    if (!OpenLezend(map, t)) return Fout("db", "no horoscope database in " + map);
    t.ZetGefilterd(false);
    if (!t.ZoekInputNr(nr)) return Fout("db", "no record " + args[1]);
  }
  TQ4DataModule dm;
  if (!dm.OpenDatabank(map)) return 2;
  return dm.VerwijderHoroskoop(nr) ? 0 : 2;
}

}  // namespace

int OpdrachtDb(const TArgumenten& argumenten) {
  if (argumenten.empty()) return Fout("db", Gebruik);
  const std::string sub = argumenten[0];
  const TArgumenten args(argumenten.begin() + 1, argumenten.end());
  if (sub != "create" && sub != "add" && sub != "list" && sub != "property" && sub != "set" && sub != "delete")
    return GebruikFout("unknown subcommand \"" + sub + "\"");
  // The program folder, the language table and the settings, as the program starts; nothing of
  // them is written back.
  StartKern();
  if (sub == "create") return Create(args);
  if (sub == "add") return Add(args);
  if (sub == "list") return List(args);
  if (sub == "property") return Property(args);
  if (sub == "set") return Set(args);
  return Delete(args);
}

}  // namespace orvan::cli
