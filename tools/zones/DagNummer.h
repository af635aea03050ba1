#pragma once
// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back (the calendar of
// the IANA data and of Unix time).

#include <cstdint>

namespace orvan::tools {

struct TBurgerDatum {
  int jaar = 1970;
  int maand = 1;   // 1..12
  int dag = 1;     // 1..31
};

std::int64_t DagenSinds1970(int jaar, int maand, int dag);
TBurgerDatum DatumVanDagen(std::int64_t dagen);
bool IsSchrikkeljaar(int jaar);
int DagenInMaand(int jaar, int maand);
// Day of the week of a day number: 0 Sunday .. 6 Saturday.
int Weekdag(std::int64_t dagen);

}  // namespace orvan::tools
