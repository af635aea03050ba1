// Orvan's rich-text reader: what the report writer emits, the control words of interpretation
// texts, and malformed input.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFLezer.h"

namespace orvan {
namespace {

std::string Kleine(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(RtfLezer, ReadsAReportAsTheWriterWritesIt) {
  TRTFUitBestand uit;
  uit.Maak("");
  uit.Marges(20, 0, 15, 15);
  uit.Voettekst("Anna", true);
  uit.Uitlijning(UitlijningUitgevuld);
  uit.Letter(LetterArial, 10.5);
  uit.Regels(TRTFUitBestand::Vet(true) + "Anna" + TRTFUitBestand::Vet(false));
  uit.Letter(LetterCourier, 10);
  uit.Uitlijning(UitlijningMidden);
  uit.Inspringen(-5, 10, 2);
  uit.Regels("zon:    0\\u176\\'b0 00'\nmaa:   12\\u176\\'b0 30'");
  uit.Sluit();

  const TRtfDocument doc = LeesRtf(uit.Inhoud());
  EXPECT_EQ(doc.LetterNaam(0), "Arial");
  EXPECT_EQ(Kleine(doc.LetterNaam(1)), "courier new");
  EXPECT_EQ(Kleine(doc.LetterNaam(5)), "courier new cyr");
  ASSERT_EQ(doc.alineas.size(), 3u) << "the footer is no paragraph of the text";

  const TRtfAlinea& titel = doc.alineas[0];
  ASSERT_EQ(titel.stukken.size(), 1u);
  EXPECT_EQ(titel.stukken[0].tekst, "Anna");
  EXPECT_TRUE(titel.stukken[0].opmaak.vet);
  EXPECT_EQ(titel.stukken[0].opmaak.letter, 0);
  EXPECT_EQ(titel.stukken[0].opmaak.halvePunten, 21);
  EXPECT_EQ(titel.opmaak.uitlijning, UitlijningUitgevuld);

  const TRtfAlinea& zon = doc.alineas[1];
  EXPECT_EQ(zon.Tekst(), "zon:    0\xC2\xB0 00'");
  EXPECT_FALSE(zon.stukken[0].opmaak.vet);
  EXPECT_EQ(zon.stukken[0].opmaak.letter, LetterCourier);
  EXPECT_EQ(zon.stukken[0].opmaak.halvePunten, 20);
  EXPECT_EQ(zon.opmaak.uitlijning, UitlijningMidden);
  EXPECT_EQ(zon.opmaak.eersteRegel, Twips(-5));
  EXPECT_EQ(zon.opmaak.links, Twips(10));
  EXPECT_EQ(zon.opmaak.rechts, Twips(2));
  EXPECT_EQ(doc.alineas[2].Tekst(), "maa:   12\xC2\xB0 30'");
}

TEST(RtfLezer, APageBreakStartsTheNextParagraphOnANewPage) {
  const TRtfDocument doc = LeesRtf("{\\rtf1 een\\par\n\\page\n\\paperh16838 twee\\par\n}");
  ASSERT_EQ(doc.alineas.size(), 2u);
  EXPECT_FALSE(doc.alineas[0].nieuwePagina);
  EXPECT_TRUE(doc.alineas[1].nieuwePagina);
  EXPECT_EQ(doc.alineas[1].Tekst(), "twee");
}

TEST(RtfLezer, ReadsTheControlWordsOfInterpretationTexts) {
  const struct {
    const char* naam;
    std::string rtf;
    std::string tekst;   // of the first paragraph
  } gevallen[] = {
      {"tab", "{\\rtf1 a\\tab b\\par}", "a\tb"},
      {"line break inside the paragraph", "{\\rtf1 a\\line b\\par}", "a\xE2\x80\xA8" "b"},
      {"escaped characters", "{\\rtf1 \\\\ \\{x\\}\\par}", "\\ {x}"},
      {"non-breaking space and hyphen", "{\\rtf1 a\\~b\\_c\\-d\\par}", "a\xC2\xA0" "b\xE2\x80\x91" "cd"},
      {"unicode with a question mark fallback", "{\\rtf1 Z\\u252?rich\\par}", "Z\xC3\xBCrich"},
      {"unicode with a code page fallback", "{\\rtf1 Z\\u252\\'fcrich\\par}", "Z\xC3\xBCrich"},
      {"no fallback with uc0", "{\\rtf1\\uc0 Z\\u252 rich\\par}", "Z\xC3\xBCrich"},
      {"negative code", "{\\rtf1 \\u-223?\\par}", "\xEF\xBC\xA1"},
      {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?\\par}", "\xF0\x9F\x98\x80"},
      {"code page byte", "{\\rtf1 Besan\\'e7on\\par}", "Besan\xC3\xA7on"},
      {"raw UTF-8 text", "{\\rtf1 Gen\xC3\xA8ve\\par}", "Gen\xC3\xA8ve"},
      {"raw code page text", "{\\rtf1 Gen\xE8ve\\par}", "Gen\xC3\xA8ve"},
      {"quotes and dashes", "{\\rtf1 \\ldblquote a\\rdblquote \\emdash b\\par}",
       "\xE2\x80\x9C" "a\xE2\x80\x9D\xE2\x80\x94" "b"},
      {"starred destination skipped", "{\\rtf1 {\\*\\generator Writer;}a\\par}", "a"},
      {"unknown destination with star skipped", "{\\rtf1 {\\*\\bladiebla {x}y}a\\par}", "a"},
      {"header and colour table skipped",
       "{\\rtf1{\\colortbl\\red0;}{\\header kop\\par}a\\par}", "a"},
      {"picture skipped", "{\\rtf1 {\\pict\\pngblip 89504e47}a\\par}", "a"},
      {"unknown control word ignored", "{\\rtf1 \\expndtw10 a\\par}", "a"},
      {"field result shown", "{\\rtf1 {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}\\par}", "3"},
      {"file line ends are no text", "{\\rtf1 a\r\nb\\par}", "ab"},
  };
  for (const auto& g : gevallen) {
    const TRtfDocument doc = LeesRtf(g.rtf);
    ASSERT_FALSE(doc.alineas.empty()) << g.naam;
    EXPECT_EQ(doc.alineas[0].Tekst(), g.tekst) << g.naam << ": " << g.rtf;
  }
}

TEST(RtfLezer, FormattingFollowsTheGroupsAndTheResetWords) {
  const TRtfDocument doc = LeesRtf(
      "{\\rtf1\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fswiss\\fcharset0 Times New Roman;}}"
      "\\qc\\li200 {\\b\\i\\ul vet}\\fs30 gewoon\\par"
      "\\f1\\b\\ul0 a\\plain b\\par"
      "\\pard c\\par}");
  ASSERT_EQ(doc.alineas.size(), 3u);
  EXPECT_EQ(doc.LetterNaam(1), "Times New Roman");

  const TRtfAlinea& a = doc.alineas[0];
  ASSERT_EQ(a.stukken.size(), 2u);
  EXPECT_TRUE(a.stukken[0].opmaak.vet && a.stukken[0].opmaak.cursief && a.stukken[0].opmaak.onderstreept);
  EXPECT_FALSE(a.stukken[1].opmaak.vet || a.stukken[1].opmaak.cursief || a.stukken[1].opmaak.onderstreept)
      << "a group's formatting ends with the group";
  EXPECT_EQ(a.stukken[1].opmaak.halvePunten, 30);
  EXPECT_EQ(a.opmaak.uitlijning, 1);
  EXPECT_EQ(a.opmaak.links, 200);

  const TRtfAlinea& b = doc.alineas[1];
  ASSERT_EQ(b.stukken.size(), 2u);
  EXPECT_TRUE(b.stukken[0].opmaak.vet);
  EXPECT_EQ(b.stukken[0].opmaak.letter, 1);
  EXPECT_EQ(b.stukken[1].opmaak, TRtfTekenOpmaak{}) << "\\plain resets the character format";
  EXPECT_EQ(b.opmaak.uitlijning, 1) << "paragraph properties stay until \\pard";

  EXPECT_EQ(doc.alineas[2].opmaak, TRtfAlineaOpmaak{});
}

TEST(RtfLezer, MalformedInputGivesADocumentWithoutFailing) {
  const struct {
    const char* naam;
    std::string rtf;
    std::string tekst;   // of the last paragraph; "-" when there may be none
  } gevallen[] = {
      {"empty", "", "-"},
      {"missing closing braces", "{\\rtf1 {\\b a", "a"},
      {"too many closing braces", "{\\rtf1 a}}}} b\\par", "a b"},
      {"backslash at the end", "{\\rtf1 a\\", "a"},
      {"cut code page escape gives no control character", "{\\rtf1 a\\'4", "a"},
      {"code page escape without digits", "{\\rtf1 a\\'zz", "azz"},
      {"huge number", "{\\rtf1\\fs99999999999999999999 a\\li-99999999999999 b\\par}", "ab"},
      {"unicode out of range", "{\\rtf1 \\u99999999?a\\par}", "a"},
      {"lone low surrogate", "{\\rtf1 \\u-9000?x\\par}", "\xEF\xBF\xBDx"},
      {"overlong control word", "{\\rtf1 \\" + std::string(5000, 'a') + " b\\par}", "b"},
  };
  for (const auto& g : gevallen) {
    const TRtfDocument doc = LeesRtf(g.rtf);
    if (std::string(g.tekst) == "-") continue;
    ASSERT_FALSE(doc.alineas.empty()) << g.naam;
    EXPECT_EQ(doc.alineas.back().Tekst(), g.tekst) << g.naam;
  }
  // Deep nesting is read without recursion.
  const std::string diep = std::string(200000, '{') + "x" + std::string(200000, '}') + "y";
  const TRtfDocument doc = LeesRtf(diep);
  ASSERT_EQ(doc.alineas.size(), 1u);
  EXPECT_EQ(doc.alineas[0].Tekst(), "xy");
}

}  // namespace
}  // namespace orvan
