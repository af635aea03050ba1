// Escaping of texts for the reports, and the way back through the plain-text rendering.

#include <gtest/gtest.h>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFNaarTekst.h"
#include "graphics/RTFTekst.h"

namespace orvan {
namespace {

struct TEscapeGeval {
  const char* naam;
  std::string tekst;
  std::string rtf;
};

const TEscapeGeval EscapeGevallen[] = {
    {"plain ASCII", "Anna Smit, 1.5", "Anna Smit, 1.5"},
    {"rich-text specials", "a\\b {c}", "a\\\\b \\{c\\}"},
    {"Zürich", "Z\xC3\xBCrich", "Z\\u252\\'fcrich"},
    {"Besançon", "Besan\xC3\xA7on", "Besan\\u231\\'e7on"},
    {"Łódź: letters outside code page 1252",
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     "\\u321?\\u243\\'f3d\\u378?"},
    {"degree sign of the degree texts",
     "  52\xC2\xB0"
     "30'",
     "  52\\u176\\'b0"
     "30'"},
    {"euro sign, code page 1252 above 0x7F", "\xE2\x82\xAC", "\\u8364\\'80"},
    {"above 32767 the code is negative", "\xEF\xBC\xA1", "\\u-223?"},
    {"beyond 16 bits: two surrogates", "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
    {"Cyrillic", "\xD0\x9C\xD0\xBE", "\\u1052?\\u1086?"},
    {"invalid UTF-8 is taken as code page 1252", "Z\xFCrich", "Z\\u252\\'fcrich"},
    {"line ends stay for Regels", "a\nb\r\nc", "a\nb\r\nc"},
    {"tab", "a\tb", "a\\tab b"},
    {"other control characters are dropped",
     "a\x01\x1F\x7F"
     "b",
     "ab"},
    {"empty", "", ""},
};

TEST(RtfTekst, EscapesSpecialsAndWritesNonAsciiAsUnicodeWithAFallback) {
  for (const auto& g : EscapeGevallen) EXPECT_EQ(RtfTekst(g.tekst), g.rtf) << g.naam;
}

TEST(RtfTekst, TheTextComesBackFromTheReport) {
  for (const auto& g : EscapeGevallen) {
    if (g.tekst.find_first_of("\n\r\t\x01\x7F") != std::string::npos) continue;
    if (g.tekst.find('\xFC') != std::string::npos) continue;  // invalid UTF-8 comes back valid
    TRTFUitBestand uit;
    uit.Maak("");
    uit.Letter(1, 10);
    uit.Regels(TRTFUitBestand::Vet(true) + RtfTekst(g.tekst) + TRTFUitBestand::Vet(false));
    EXPECT_EQ(RtfNaarTekst(uit.Inhoud() + "}"), g.tekst.empty() ? "\n" : g.tekst + "\n") << g.naam;
  }
}

}  // namespace
}  // namespace orvan
