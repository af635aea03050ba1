#pragma once
// The birth-moment data of one chart, field for field one row of the natal or event table.
// A default-constructed THorData is the cleared state of a chart.

#include <cstdint>
#include <string>

#include "time_place/JulDayF.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {

inline constexpr std::size_t HorNaamLengte = 35;        // characters of Name
inline constexpr std::size_t HorSleutelwoordLengte = 80;  // characters of KeyWords

// Values of Sex.
inline constexpr std::uint8_t SexMan = 0;
inline constexpr std::uint8_t SexVrouw = 1;
inline constexpr std::uint8_t SexOnbekend = 2;
inline constexpr std::uint8_t SexNeutraal = 3;

// The hours of the difference to Greenwich time of a chart that has none.
inline constexpr std::int16_t GeenVerschilUren = 99;

struct THorData {
  std::string Name;          // person or event, at most 35 characters; empty = no data
  TDatumRec Datum;           // local date as entered (day, month, year)
  TTijdRec Tijd;             // time as entered
  TTijdRec Verschil{GeenVerschilUren, 0, 0};   // clock time minus universal time
  TTijdRec Precisie{1, 0, 0};                  // uncertainty of the time
  bool ClockTime = true;     // the time is local clock time; false: universal time
  bool GregKal = true;       // the date is in the Gregorian calendar
  std::uint8_t Sex = SexOnbekend;
  PlaatsRec Plaats;          // latitude and longitude in d.mm, north and east positive
  std::string KeyWords;      // at most 80 characters
  std::string Info;          // free comment
};

}  // namespace orvan
