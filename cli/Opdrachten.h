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
  };
  return lijst;
}

}  // namespace orvan::cli
