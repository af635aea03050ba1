#pragma once
// The values of a birth moment and a place: d.mm and h.mm notation, universal time of a typed
// moment, the place record and birth data pasted from the clipboard.

#include <array>
#include <cstdint>
#include <string>

#include "time_place/JulDayF.h"

namespace orvan {

// d.mm (52.22 is 52 degrees 22 minutes) to decimal degrees and back; Int and Frac truncate toward 0.
double DmInGraden(double x);
double GradenInDm(double x);
// An h.mm number of the time zone tables to a time record.
TTijdRec HmmInTijd(double x);

// Universal date and time of a typed moment: the clock time minus the difference to Greenwich
// time when `klokTijd`, else the moment unchanged.
TDatumTijd MomentInUT(const TDatumRec& datum, const TTijdRec& tijd, bool klokTijd,
                      const TTijdRec& verschil);

// A place: also the 54-byte record of the place list file, little-endian:
// offset 0 name (length byte + 35 CP1252 characters), 36 latitude (float32, d.mm, north
// positive), 40 longitude (float32, d.mm, east positive), 44 zone (length byte + 8 characters),
// 53 deleted flag. Text fields are held here as UTF-8.
struct PlaatsRec {
  std::string Naam;      // at most 35 characters
  float Breedte = 0;
  float Lengte = 0;
  std::string Zone;      // at most 8 characters
  std::uint8_t Gewist = 0;
};

inline constexpr std::size_t PlaatsRecGrootte = 54;
// Offsets and field sizes of the record.
inline constexpr std::size_t PlaatsNaamPositie = 0;
inline constexpr std::size_t PlaatsNaamMax = 35;
inline constexpr std::size_t PlaatsBreedtePositie = 36;
inline constexpr std::size_t PlaatsLengtePositie = 40;
inline constexpr std::size_t PlaatsZonePositie = 44;
inline constexpr std::size_t PlaatsZoneMax = 8;
inline constexpr std::size_t PlaatsGewistPositie = 53;
using TPlaatsRecBytes = std::array<std::uint8_t, PlaatsRecGrootte>;

// Writes the record; names longer than their field are cut.
TPlaatsRecBytes SchrijfPlaatsRec(const PlaatsRec& p);
// Reads the record; false when a length byte exceeds its field.
bool LeesPlaatsRec(const TPlaatsRecBytes& bytes, PlaatsRec& p);

// Birth data as another program's atlas leaves them on the clipboard, one value a line.
struct TKlembordGegevens {
  TDatumRec datum;
  TTijdRec tijd;
  std::string plaats;
  float breedte = 0;
  float lengte = 0;
  TTijdRec verschil;
};
bool LeesKlembordGegevens(const std::string& tekst, TKlembordGegevens& gegevens);

}  // namespace orvan
