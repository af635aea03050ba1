#include "tools/zones/DagNummer.h"

namespace orvan::tools {

// The era-based conversion of the civil calendar (eras of 400 years, 146097 days).
std::int64_t DagenSinds1970(int jaar, int maand, int dag) {
  const std::int64_t j = static_cast<std::int64_t>(jaar) - (maand <= 2 ? 1 : 0);
  const std::int64_t era = (j >= 0 ? j : j - 399) / 400;
  const std::int64_t jaarVanEra = j - era * 400;
  const std::int64_t dagVanJaar = (153 * (maand + (maand > 2 ? -3 : 9)) + 2) / 5 + dag - 1;
  const std::int64_t dagVanEra = jaarVanEra * 365 + jaarVanEra / 4 - jaarVanEra / 100 + dagVanJaar;
  return era * 146097 + dagVanEra - 719468;
}

TBurgerDatum DatumVanDagen(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dagVanEra = z - era * 146097;
  const std::int64_t jaarVanEra =
      (dagVanEra - dagVanEra / 1460 + dagVanEra / 36524 - dagVanEra / 146096) / 365;
  const std::int64_t dagVanJaar = dagVanEra - (365 * jaarVanEra + jaarVanEra / 4 - jaarVanEra / 100);
  const std::int64_t mp = (5 * dagVanJaar + 2) / 153;
  TBurgerDatum d;
  d.dag = static_cast<int>(dagVanJaar - (153 * mp + 2) / 5 + 1);
  d.maand = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.jaar = static_cast<int>(jaarVanEra + era * 400 + (d.maand <= 2 ? 1 : 0));
  return d;
}

bool IsSchrikkeljaar(int jaar) {
  return (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
}

int DagenInMaand(int jaar, int maand) {
  static constexpr int dagen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return maand == 2 && IsSchrikkeljaar(jaar) ? 29 : dagen[maand - 1];
}

int Weekdag(std::int64_t dagen) {
  // 1970-01-01 was a Thursday.
  const std::int64_t w = (dagen + 4) % 7;
  return static_cast<int>(w < 0 ? w + 7 : w);
}

}  // namespace orvan::tools
