#pragma once
// The tables of "HelConst.dat": the periodic perturbation terms of the Earth, Mercury, Venus and
// Mars and the two tables of the lunar series. The file is text: one header line, then the Earth
// table, a separator line, Mercury, a separator line, Venus, a separator line, Mars, a separator
// line, lunar table 1, a separator line and lunar table 2; one row per line, whitespace-separated
// numbers in the field order of the structures below.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvan {

// A periodic term of a planet, with arg = k1 * meanlong[idx] + k2 * M (degrees):
// longitude += A cos(B - arg) arcseconds, log10(radius vector) += C cos(D - arg) * 1e-9.
struct TStoringsTerm {
  std::int8_t k1 = 0;
  std::int8_t k2 = 0;
  double A = 0;           // arcseconds
  double B = 0;           // degrees
  std::int32_t C = 0;     // 1e-9 in log10 of the radius vector
  double D = 0;           // degrees
  std::uint8_t idx = 0;   // row 0..19 of the mean longitudes of the perturbing planets
};

// A row of lunar table 1: arg = kl l + kl2 l' + kF F + kD D; longitude += Alon sin arg, latitude
// argument += AS sin arg, parallax += Apar cos arg (arcseconds).
struct TMaanTerm1 {
  std::int8_t kl = 0, kl2 = 0, kF = 0, kD = 0;
  double Alon = 0, AS = 0, Apar = 0;
};

// A row of lunar table 2: longitude += A sin(kl l + kl2 l' + kF F + kD D) arcseconds.
struct TMaanTerm2 {
  double A = 0;
  std::int8_t kl = 0, kl2 = 0, kF = 0, kD = 0;
};

inline constexpr int AantalAarde = 86;
inline constexpr int AantalMercurius = 24;
inline constexpr int AantalVenus = 22;
inline constexpr int AantalMars = 62;
inline constexpr int AantalMaan1 = 93;
inline constexpr int AantalMaan2 = 27;
inline constexpr int AantalGemLengtes = 20;   // rows of the perturbing planets' mean longitudes

struct THelConst {
  // Index 0 Earth, 2 Mercury, 3 Venus, 4 Mars (the element sets); index 1 (the Moon) stays empty.
  std::array<std::vector<TStoringsTerm>, 5> storing;
  std::vector<TMaanTerm1> maan1;
  std::vector<TMaanTerm2> maan2;
};

// Reads the tables. A missing file, a short file, a row with too few, too many or malformed numbers,
// a value out of its field's range and text after the last table all give false with the reason
// (including the line number) in `fout`; `tabellen` is then left unchanged.
bool LeesHelConst(const std::string& pad, THelConst& tabellen, std::string& fout);

// Writes the tables in the same layout (for the data tools and for tests). The tables must have
// the row counts above; false with a reason otherwise or when the file cannot be written.
bool SchrijfHelConst(const std::string& pad, const THelConst& tabellen, std::string& fout);

}  // namespace orvan
