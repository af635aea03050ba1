#pragma once
// Orvan's reader of the binary zone files of the IANA time zone database (TZif, RFC 8536, versions
// 1 to 4), as zic writes them under /usr/share/zoneinfo. Of a version 2+ file it reads the 64-bit
// data block and the footer (a POSIX TZ string for the times after the last transition).

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::tools {

// A local time type: the difference to universal time in seconds (east positive), the summer-time
// flag and the abbreviation ("CEST", "LMT", "-00").
struct TTzType {
  std::int32_t utVerschil = 0;
  bool zomertijd = false;
  std::string afkorting;
};

// From `moment` (Unix seconds, universal time) on, `type` applies.
struct TTzOvergang {
  std::int64_t moment = 0;
  std::size_t type = 0;
};

struct TTzif {
  int versie = 1;
  std::vector<TTzType> typen;          // typen[0] applies before the first transition
  std::vector<TTzOvergang> overgangen; // ascending
  std::string voet;                    // the TZ string of the footer, empty when absent
};

// False with a reason when the bytes are no well-formed TZif file (bad magic, counts that do not
// fit the size, an index out of range, transitions out of order).
bool LeesTzif(const std::vector<std::uint8_t>& bytes, TTzif& tz, std::string& fout);
bool LeesTzifBestand(const std::string& pad, TTzif& tz, std::string& fout);

}  // namespace orvan::tools
