#pragma once
// The subcommands of orvan-cli. Each lives in a file of its own and receives the arguments after
// its name; it returns the exit status (0 success, 2 invalid input, others as the command says).

#include <string>
#include <vector>

namespace orvan::cli {

using TArgumenten = std::vector<std::string>;

struct TOpdracht {
  const char* naam;
  const char* gebruik;       // one line: the arguments
  const char* omschrijving;  // one line: what it prints
  int (*uitvoeren)(const TArgumenten&);
};

int OpdrachtJd(const TArgumenten& args);
int OpdrachtSettings(const TArgumenten& args);
int OpdrachtAspects(const TArgumenten& args);
int OpdrachtPlanets(const TArgumenten& args);
int OpdrachtReport(const TArgumenten& args);
int OpdrachtChart(const TArgumenten& args);
int OpdrachtDb(const TArgumenten& args);
int OpdrachtZone(const TArgumenten& args);
int OpdrachtPlace(const TArgumenten& args);

// Every subcommand, in the order of the help text.
inline const std::vector<TOpdracht>& Opdrachten() {
  static const std::vector<TOpdracht> lijst = {
      {"jd", "DATE TIME [--julian]",
       "Julian day, JD50, Delta T and the date back, for a date (day month year) and a time",
       OpdrachtJd},
      {"settings", "",
       "The settings in force after reading orvan.ini, as section/key=value in the file's order",
       OpdrachtSettings},
      {"aspects", "", "The aspect table in force: number, name, angle and orb (degrees)",
       OpdrachtAspects},
      {"planets", "--jd-et JD | --batch [--options N]",
       "Nutation, obliquity and code, longitude, latitude, distance, speed of the 14 bodies at a JD (TT)",
       OpdrachtPlanets},
      {"chart",
       "--date DATE --time TIME (--ut | --diff H:M:S) [--julian] --lat LAT --long LONG "
       "[--house X]  or  --batch --lat LAT --long LONG [--house X]",
       "A complete chart: day numbers, sidereal time, 13 bodies, 12 cusps (house system X: R C V E "
       "K P Y), distributions; --batch: one line per UT JD read from stdin",
       OpdrachtChart},
      {"report", "positions BIRTH-DATA [--name N] [--place N] [--lang NL|EN|FR|DU] (--out FILE.rtf | --text)",
       "The positions report of a chart (birth data as for chart), as rich text or plain text",
       OpdrachtReport},
      {"db", "create DIR | add DIR BIRTH-DATA --name N [--sex S] [--keywords K] [--place P] | list DIR | "
             "property DIR add|drop NAME | set DIR NR NAME VALUE | delete DIR NR",
       "A horoscope database: create it, add a natal record (prints its InputNr), list the natal "
       "records, add or drop a property, set a property value, delete a record with its events",
       OpdrachtDb},
      {"zone", "ZONE DATE TIME",
       "The time zone table lookup of a zone (Orvan or IANA name) for a local date and clock time: "
       "status, difference to Greenwich time, comment",
       OpdrachtZone},
      {"place", "NAME",
       "The places of the place list whose folded name starts with the folded NAME: name, "
       "latitude and longitude (d.mm), zone",
       OpdrachtPlace},
  };
  return lijst;
}

}  // namespace orvan::cli
