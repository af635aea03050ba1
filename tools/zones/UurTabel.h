#pragma once
// Turns the offsets of one IANA zone into the data lines of an Orvan zone table (".uur"):
//   yyyymmdd h.mm h.mm<separator><flag><comment>
// the local date and clock time from which the line applies and the difference to Greenwich time
// from then on (east positive, whole minutes, rounded to the nearest).
//
// What the lines hold:
// - The first line starts at 1 January of year 1 with the zone's oldest offset, so that every
//   moment of the Christian era falls under a line.
// - Every change of the offset follows in time order, at the clock time read before the change
//   (a change "at 2:00 to summer time" is written 2.00). Changes only of the abbreviation are
//   left out; changes of seconds only (Amsterdam's +0:19:32 to +0:20 in 1937) are kept.
// - The flag "?" marks what a user should check:
//   * local mean time (abbreviation "LMT"): it is the mean time of the zone's main city, not of
//     the place;
//   * "-00" (no local time in use, as in Antarctica before a station was opened);
//   * the clock times that a change made ambiguous or impossible: the hour that came twice when
//     the clocks were set back (the line keeps the earlier offset) and the hour that did not
//     exist when they were set forward (the line keeps the offset before the change). The next
//     line, at the end of that hour, is certain again.
// - The rule that the database gives for the future is written out through the end of `totJaar`;
//   later moments take the last line.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/zones/TzifLezer.h"

namespace orvan::tools {

struct TUurRegel {
  int jaar = 1, maand = 1, dag = 1;
  int minuut = 0;             // local clock time of day, 0..1439
  int verschilMinuten = 0;    // east positive
  bool onzeker = false;
  std::string commentaar;     // ASCII
};

// `stad` names the zone's main city for the comment of local mean time ("Amsterdam").
std::vector<TUurRegel> MaakUurRegels(const TTzif& tz, const std::string& stad, int totJaar,
                                     std::string& fout, bool& ok);

// "19400516 0.00 2.00  CEST summer time" (separator a blank, flag "?" or a blank).
std::string UurRegelTekst(const TUurRegel& r);

// h.mm of a number of minutes: "2.00", "-3.30", "0.20".
std::string HmmTekst(int minuten);

}  // namespace orvan::tools
