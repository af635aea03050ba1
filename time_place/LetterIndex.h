#pragma once
// The letter index of the place list ("GeoCoord.ndx"): for each letter A..Z the number (0-based) of
// the first record whose name key is not smaller than that letter; letters after the last record
// hold the number of records. Stored as 26 signed 32-bit little-endian integers.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

inline constexpr int AantalLetters = 26;
using TLetterIndex = std::array<std::int32_t, AantalLetters>;

// The name key of record n (0 <= n < aantal), of records in ascending key order.
using TNaamSleutelVan = std::function<std::string(int n)>;

// Builds the index by walking the records in order with a letter pointer starting at A.
TLetterIndex BouwLetterIndex(int aantal, const TNaamSleutelVan& sleutel);

// True when `index` is the index of these records: each entry is the first record whose key is not
// smaller than its letter. Reads two keys per letter.
bool LetterIndexKlopt(const TLetterIndex& index, int aantal, const TNaamSleutelVan& sleutel);

// Reads the 26 numbers; false when the file is missing or not 104 bytes long.
bool LeesLetterIndex(const std::string& pad, TLetterIndex& index);
// Writes the 26 numbers, replacing the file only when complete.
bool SchrijfLetterIndex(const std::string& pad, const TLetterIndex& index, std::string& fout);

}  // namespace orvan
