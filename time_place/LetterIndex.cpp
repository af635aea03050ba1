#include "time_place/LetterIndex.h"

#include <cstddef>
#include <fstream>
#include <iterator>
#include <vector>

#include "time_place/VervangBestand.h"

namespace orvan {

namespace {

inline constexpr std::size_t IndexGrootte = AantalLetters * 4;

std::string Letter(int i) { return std::string(1, static_cast<char>('A' + i)); }

}  // namespace

TLetterIndex BouwLetterIndex(int aantal, const TNaamSleutelVan& sleutel) {
  TLetterIndex index{};
  int letter = 0;
  for (int n = 0; n < aantal && letter < AantalLetters; ++n) {
    const std::string k = sleutel(n);
    while (letter < AantalLetters && k >= Letter(letter)) index[letter++] = n;
  }
  while (letter < AantalLetters) index[letter++] = aantal;
  return index;
}

bool LetterIndexKlopt(const TLetterIndex& index, int aantal, const TNaamSleutelVan& sleutel) {
  for (int i = 0; i < AantalLetters; ++i) {
    const int n = index[i];
    if (n < 0 || n > aantal) return false;
    if (n < aantal && sleutel(n) < Letter(i)) return false;
    if (n > 0 && !(sleutel(n - 1) < Letter(i))) return false;
  }
  return true;
}

bool LeesLetterIndex(const std::string& pad, TLetterIndex& index) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) return false;
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  if (bytes.size() != IndexGrootte) return false;
  for (int i = 0; i < AantalLetters; ++i) {
    std::uint32_t waarde = 0;
    for (int b = 0; b < 4; ++b) waarde |= std::uint32_t{bytes[4 * i + b]} << (8 * b);
    index[i] = static_cast<std::int32_t>(waarde);
  }
  return true;
}

bool SchrijfLetterIndex(const std::string& pad, const TLetterIndex& index, std::string& fout) {
  unsigned char bytes[IndexGrootte];
  for (int i = 0; i < AantalLetters; ++i) {
    const auto waarde = static_cast<std::uint32_t>(index[i]);
    for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<unsigned char>(waarde >> (8 * b));
  }
  TVervangBestand bestand;
  if (!bestand.Open(pad + ".$$$", fout)) return false;
  bestand.Schrijf(bytes, sizeof bytes);   // a failure is reported by Vervang
  return bestand.Vervang(pad, fout);
}

}  // namespace orvan
