// Conversion between UTF-8 and code page 1252.

#include "time_place/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace orvan {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
  for (int c = 0; c < 256; ++c) {
    const std::string byte(1, static_cast<char>(c));
    const std::string utf8 = Cp1252NaarUtf8(byte);
    EXPECT_EQ(Utf8NaarCp1252(utf8), byte) << "code " << c;
    EXPECT_EQ(Codepunten(utf8).size(), 1u) << "code " << c;
  }
}

TEST(Cp1252, TheRangeBetween0x80And0x9F) {
  struct Geval {
    unsigned char c;
    const char* utf8;
  };
  const Geval gevallen[] = {{0x80, "€"}, {0x8A, "Š"}, {0x8C, "Œ"}, {0x91, "‘"},
                            {0x96, "–"}, {0x99, "™"}, {0x9F, "Ÿ"}, {0xA0, "\u00A0"},
                            {0xE9, "é"}, {0xFF, "ÿ"}};
  for (const Geval& g : gevallen) {
    EXPECT_EQ(Cp1252NaarUtf8(std::string(1, static_cast<char>(g.c))), g.utf8) << int{g.c};
    EXPECT_EQ(static_cast<unsigned char>(Cp1252VanCodepunt(Codepunten(g.utf8)[0])), g.c);
  }
}

TEST(Cp1252, ReadersTakeInvalidUtf8AsCp1252) {
  struct Geval {
    const char* naam;
    std::string invoer;
    std::u32string punten;
  };
  const Geval gevallen[] = {
      {"valid UTF-8", "Zürich", U"Zürich"},
      {"a lone CP1252 letter", "Z\xFCrich", U"Zürich"},
      {"a CP1252 euro sign", "\x80 5", U"€ 5"},
      {"a cut sequence", "\xE2\x82", U"\u00E2\u201A"},
      {"an overlong slash", "\xC0\xAF", U"\u00C0\u00AF"},
      {"a surrogate", "\xED\xA0\x80", U"\u00ED\u00A0\u20AC"},
      {"four bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(Codepunten(g.invoer), g.punten) << g.naam;
}

TEST(Cp1252, CharactersWithoutCp1252FormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8NaarCp1252("Łódź €"), "?\xF3\x64? \x80");
  EXPECT_EQ(Utf8NaarCp1252("\U0001F600"), "?");
}

}  // namespace
}  // namespace orvan
