// The plain-text rendering of reports.

#include <gtest/gtest.h>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFNaarTekst.h"

namespace orvan {
namespace {

TEST(RtfNaarTekst, AReportBecomesItsParagraphsWithTheColumnsKept) {
  TRTFUitBestand uit;
  uit.Maak("");
  uit.Marges(20, 0, 15, 15);
  uit.Voettekst("Anna", true);
  uit.Uitlijning(UitlijningUitgevuld);
  uit.Letter(LetterArial, 10);
  uit.Regels(TRTFUitBestand::Vet(true) + "Anna" + TRTFUitBestand::Vet(false));
  uit.Regels(" ");
  uit.Letter(LetterCourier, 10);
  uit.Regels(
      "zon:    0\\u176\\'b0"
      "00' ram     \nmaa:   12\\u176\\'b0"
      "30' kre  ");
  uit.Regels("");
  uit.Schrijf("\\page\n");
  uit.Regels("a\\tab b  \\\\ \\{x\\}");
  uit.Sluit();
  EXPECT_EQ(RtfNaarTekst(uit.Inhoud()),
            "Anna\n"
            "\n"
            "zon:    0\xC2\xB0"
            "00' ram\n"
            "maa:   12\xC2\xB0"
            "30' kre\n"
            "\n"
            "\f\n"
            "a\tb  \\ {x}\n");
}

TEST(RtfNaarTekst, ReadsTheUnicodeAndCodePageForms) {
  const struct {
    const char* naam;
    std::string rtf;
    std::string tekst;
  } gevallen[] = {
      {"fallback character skipped", "{\\rtf1 Z\\u252?rich\\par}", "Z\xC3\xBCrich\n"},
      {"code page fallback skipped", "{\\rtf1 Z\\u252\\'fcrich\\par}", "Z\xC3\xBCrich\n"},
      {"no fallback with uc0", "{\\rtf1\\uc0 Z\\u252 rich\\par}", "Z\xC3\xBCrich\n"},
      {"two fallback characters with uc2", "{\\rtf1\\uc2 \\u321 L_b\\par}",
       "\xC5\x81"
       "b\n"},
      {"code page byte alone", "{\\rtf1 Besan\\'e7on\\par}", "Besan\xC3\xA7on\n"},
      {"negative code", "{\\rtf1 \\u-223?\\par}", "\xEF\xBC\xA1\n"},
      {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?\\par}", "\xF0\x9F\x98\x80\n"},
      {"starred destination skipped", "{\\rtf1 {\\*\\generator x;}a\\par}", "a\n"},
      {"line end after a backslash is a paragraph", "{\\rtf1 a\\\nb}", "a\nb\n"},
      {"text without a final paragraph mark", "{\\rtf1 a}", "a\n"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(RtfNaarTekst(g.rtf), g.tekst) << g.naam;
}

}  // namespace
}  // namespace orvan
