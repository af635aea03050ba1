#pragma once
// The POSIX TZ string of a TZif footer ("CET-1CEST,M3.5.0,M10.5.0/3"), which gives the rule of the
// times after the last transition of the file, and the transitions it makes in a range of years.
// Offsets in the string are west positive; here, as in TzifLezer.h, they are east positive.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/zones/TzifLezer.h"

namespace orvan::tools {

// One end of the summer-time period: a day rule and the local time of the change in seconds
// (-167 h .. 167 h).
struct TPosixDag {
  enum class Soort { Juliaans1, Juliaans0, MaandWeekDag } soort = Soort::MaandWeekDag;
  int n = 0;                   // Jn: 1..365 (29 February never counted); n: 0..365
  int maand = 0, week = 0, weekdag = 0;   // Mm.w.d: 1..12, 1..5 (5 = last), 0 Sunday .. 6
  std::int32_t tijd = 7200;
};

struct TPosixTz {
  TTzType standaard;
  bool heeftZomertijd = false;
  TTzType zomer;
  bool heeftRegel = false;
  TPosixDag begin, einde;   // begin of summer time (in standard time), end (in summer time)
};

// False with a reason when the string is malformed. An empty string is malformed.
bool LeesPosixTz(const std::string& tekst, TPosixTz& tz, std::string& fout);

// The changes of the rule from year `van` through year `tot` (UT moments, ascending), each with the
// type that applies from then on. Empty when the string has no summer-time rule.
struct TPosixOvergang {
  std::int64_t moment = 0;
  TTzType type;
};
std::vector<TPosixOvergang> PosixOvergangen(const TPosixTz& tz, int van, int tot);

}  // namespace orvan::tools
