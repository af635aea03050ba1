#pragma once
// Builds small TZif files (version 2: an empty version 1 block, the 64-bit block and the footer)
// for the tests of the zone tools, so that no installed tzdata is needed.

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::tools::test {

struct TBouwType {
  std::int32_t ut;
  bool zomer;
  std::string afkorting;
};

struct TBouwOvergang {
  std::int64_t moment;
  std::uint8_t type;
};

inline void Zet32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

inline void Zet64(std::vector<std::uint8_t>& b, std::int64_t v) {
  const auto u = static_cast<std::uint64_t>(v);
  Zet32(b, static_cast<std::uint32_t>(u >> 32));
  Zet32(b, static_cast<std::uint32_t>(u));
}

inline void Kop(std::vector<std::uint8_t>& b, std::uint32_t timecnt, std::uint32_t typecnt,
                std::uint32_t charcnt) {
  for (char c : std::string("TZif2")) b.push_back(static_cast<std::uint8_t>(c));
  b.insert(b.end(), 15, 0);
  Zet32(b, 0);         // isutcnt
  Zet32(b, 0);         // isstdcnt
  Zet32(b, 0);         // leapcnt
  Zet32(b, timecnt);
  Zet32(b, typecnt);
  Zet32(b, charcnt);
}

inline std::vector<std::uint8_t> BouwTzif(const std::vector<TBouwType>& typen,
                                          const std::vector<TBouwOvergang>& overgangen,
                                          const std::string& voet) {
  std::string tekens;
  std::vector<std::uint8_t> indexen;
  for (const auto& t : typen) {
    indexen.push_back(static_cast<std::uint8_t>(tekens.size()));
    tekens += t.afkorting + '\0';
  }
  std::vector<std::uint8_t> b;
  // Version 1 block: one type, no transitions.
  Kop(b, 0, 1, 1);
  Zet32(b, 0);
  b.push_back(0);
  b.push_back(0);
  b.push_back(0);
  // Version 2 block.
  Kop(b, static_cast<std::uint32_t>(overgangen.size()), static_cast<std::uint32_t>(typen.size()),
      static_cast<std::uint32_t>(tekens.size()));
  for (const auto& o : overgangen) Zet64(b, o.moment);
  for (const auto& o : overgangen) b.push_back(o.type);
  for (std::size_t i = 0; i < typen.size(); ++i) {
    Zet32(b, static_cast<std::uint32_t>(typen[i].ut));
    b.push_back(typen[i].zomer ? 1 : 0);
    b.push_back(indexen[i]);
  }
  for (char c : tekens) b.push_back(static_cast<std::uint8_t>(c));
  b.push_back('\n');
  for (char c : voet) b.push_back(static_cast<std::uint8_t>(c));
  b.push_back('\n');
  return b;
}

}  // namespace orvan::tools::test
