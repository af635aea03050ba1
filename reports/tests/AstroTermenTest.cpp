// The term tables and value texts of the reports in the four languages.

#include <gtest/gtest.h>

#include <stdexcept>

#include "reports/AstroTermen.h"
#include "shell/LangUtils.h"
#include "shell/Utf8Tekst.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

// Sets the current language for the lifetime of the object.
class TTaal {
 public:
  explicit TTaal(int taal) : vorige_(HuidigeTaal) { HuidigeTaal = static_cast<std::uint8_t>(taal); }
  ~TTaal() { HuidigeTaal = vorige_; }

 private:
  std::uint8_t vorige_;
};

TEST(AstroTermen, NamesAndAbbreviationsHaveTheirWidthsInEveryLanguage) {
  for (int taal = 1; taal <= 4; ++taal) {
    TTaal t(taal);
    for (int n = 1; n <= 13; ++n) {
      EXPECT_EQ(AantalTekens(PlaneetAfk(n)), 3u) << "language " << taal << " planet " << n;
      EXPECT_LE(AantalTekens(PlaneetNaam(n)), 13u) << "language " << taal << " planet " << n;
    }
    for (int n = 1; n <= 12; ++n) {
      EXPECT_EQ(AantalTekens(KuspAfk(n)), 3u) << "language " << taal << " cusp " << n;
      EXPECT_LE(AantalTekens(KuspNaam(n)), 13u) << "language " << taal << " cusp " << n;
    }
    for (int s = 0; s < 12; ++s) {
      EXPECT_EQ(TekenAfk(s), KnipTekens(TekenNaam(s), 3)) << "language " << taal << " sign " << s;
      EXPECT_EQ(AantalTekens(TekenAfk(s)), 3u);
    }
    for (int n = 1; n <= 37; ++n) {
      EXPECT_EQ(AantalTekens(ObjektNaam(n)), 13u) << "language " << taal << " object " << n;
      EXPECT_EQ(AantalTekens(ObjektAfk(n)), 3u) << "language " << taal << " object " << n;
    }
  }
}

struct TTermGeval {
  const char* naam;
  int taal;
  std::string (*term)();
  std::string verwacht;
};

TEST(AstroTermen, TermsOfEveryTableInEveryLanguage) {
  const TTermGeval gevallen[] = {
      {"Dutch Sun", 1, [] { return PlaneetNaam(1); }, "Zon"},
      {"English Moon", 2, [] { return PlaneetNaam(2); }, "Moon"},
      {"French Venus", 3, [] { return PlaneetNaam(4); }, "V\u00e9nus"},
      {"German node", 4, [] { return PlaneetNaam(11); }, "Knoten"},
      {"Dutch Chiron", 1, [] { return PlaneetNaam(12); }, "Cheiron"},
      {"Dutch abbreviation Moon", 1, [] { return PlaneetAfk(2); }, "maa"},
      {"English abbreviation node", 2, [] { return PlaneetAfk(11); }, "nod"},
      {"French abbreviation Venus", 3, [] { return PlaneetAfk(4); }, "v\u00e9n"},
      {"German abbreviations are capitalised", 4, [] { return PlaneetAfk(13); }, "Lil"},
      {"Dutch cusp 2", 1, [] { return KuspAfk(2); }, "h2 "},
      {"French cusp 11", 3, [] { return KuspAfk(11); }, "m11"},
      {"German Ascendant", 4, [] { return KuspAfk(1); }, "Asz"},
      {"English MC", 2, [] { return KuspAfk(10); }, "MC "},
      {"Dutch sign 8", 1, [] { return TekenNaam(8); }, "boogschutter"},
      {"English Pisces", 2, [] { return TekenNaam(11); }, "pisces"},
      {"French Aries", 3, [] { return TekenNaam(0); }, "b\u00e9lier"},
      {"German Leo", 4, [] { return TekenNaam(4); }, "L\u00f6we"},
      {"German Sagittarius abbreviated", 4, [] { return TekenAfk(8); }, "Sch"},
      {"French Gemini abbreviated", 3, [] { return TekenAfk(2); }, "g\u00e9m"},
      {"Dutch cusp name 1", 1, [] { return KuspNaam(1); }, "Ascendant"},
      {"German cusp name 1", 4, [] { return KuspNaam(1); }, "Aszendent"},
      {"Dutch cusp name 10", 1, [] { return KuspNaam(10); }, "Midhemel"},
      {"English cusp name 10", 2, [] { return KuspNaam(10); }, "Midheaven"},
      {"French cusp name 10", 3, [] { return KuspNaam(10); }, "MC"},
      {"Dutch cusp name 2", 1, [] { return KuspNaam(2); }, "kusp 2"},
      {"French cusp name 12", 3, [] { return KuspNaam(12); }, "cuspide 12"},
      {"German cusp name 11", 4, [] { return KuspNaam(11); }, "Hausspitze 11"},
      {"Dutch element 2", 1, [] { return ElementNaam(2); }, "aarde"},
      {"French element 4", 3, [] { return ElementNaam(4); }, "eau"},
      {"English cross 3", 2, [] { return KruisNaam(3); }, "mutable"},
      {"German cross 1", 4, [] { return KruisNaam(1); }, "Kardinal"},
      {"French elements title", 3, [] { return VerdelingTitel(TVerdelingTitel::Elementen); },
       "El\u00e9ments"},
      {"German above horizon", 4, [] { return VerdelingTitel(TVerdelingTitel::BovenHorizon); },
       "Planeten \u00fcber dem Horizont:"},
      {"French eastern hemisphere", 3,
       [] { return VerdelingTitel(TVerdelingTitel::OostelijkeHemisfeer); },
       "Plan\u00e8tes dans l'h\u00e9misph\u00e8re est:"},
      {"German weights", 4, [] { return VerdelingTitel(TVerdelingTitel::Gewichten); },
       "Benutztes Gewichtssystem:"},
      {"French none", 3, [] { return VerdelingTitel(TVerdelingTitel::Geen); }, "pas_de"},
      {"Dutch house system 3", 1, [] { return HuisSysteemNaam(3); }, "Gelijke"},
      {"French house system 3", 3, [] { return HuisSysteemNaam(3); }, "Egales"},
      {"house system 6", 4, [] { return HuisSysteemNaam(6); }, "Porphyrius"},
      {"object 14 is cusp 1", 2, [] { return ObjektNaam(14); }, "Ascendant    "},
      {"object 23 is cusp 10", 1, [] { return ObjektNaam(23); }, "Midhemel     "},
      {"object 37 is Pisces", 4, [] { return ObjektNaam(37); }, "Fische       "},
      {"abbreviation of object 23", 3, [] { return ObjektAfk(23); }, "MC "},
      {"abbreviation of object 26", 2, [] { return ObjektAfk(26); }, "ari"},
  };
  for (const auto& g : gevallen) {
    TTaal t(g.taal);
    EXPECT_EQ(g.term(), g.verwacht) << g.naam;
  }
}

TEST(AstroTermen, ValueTexts) {
  const TTermGeval gevallen[] = {
      {"end of Pisces", 1, [] { return LengteTekst(359.99); }, "  29\u00b059' vis"},
      {"start of Taurus", 2, [] { return LengteTekst(30.0); }, "   0\u00b000' tau"},
      {"0 degrees", 3, [] { return LengteTekst(0.0); }, "   0\u00b000' b\u00e9l"},
      {"German Leo", 4, [] { return LengteTekst(125.5); }, "   5\u00b030' L\u00f6w"},
      {"unreduced longitude", 2, [] { return LengteTekst(-0.5); }, "  29\u00b030' pis"},
      {"Dutch south", 1, [] { return BreedteTekst(-5.5); }, "   5\u00b030'Z"},
      {"English south", 2, [] { return BreedteTekst(-5.5); }, "   5\u00b030'S"},
      {"German south", 4, [] { return BreedteTekst(-0.25); }, "   0\u00b015'S"},
      {"north", 3, [] { return BreedteTekst(23.44); }, "  23\u00b026'N"},
      {"0.00000005 has no letter", 2, [] { return BreedteTekst(0.00000005); }, "   0\u00b000' "},
      {"small but lettered", 1, [] { return BreedteTekst(-0.0000002); }, "   0\u00b000'Z"},
      {"direct speed", 2, [] { return SnelheidTekst(1.01234); }, " 1.0123 "},
      {"retrograde speed", 2, [] { return SnelheidTekst(-0.5); }, " 0.5000R"},
      {"Moon speed", 2, [] { return SnelheidTekst(13.17642); }, "13.1764 "},
      {"distance", 2, [] { return AfstandTekst(0.983271); }, " 0.983271"},
      {"far distance", 2, [] { return AfstandTekst(39.5); }, "39.500000"},
  };
  for (const auto& g : gevallen) {
    TTaal t(g.taal);
    EXPECT_EQ(g.term(), g.verwacht) << g.naam;
  }
}

TEST(AstroTermen, ImpossibleLanguagesAndNumbersThrow) {
  const auto Melding = [](auto f) {
    try {
      f();
    } catch (const std::invalid_argument& e) {
      return std::string(e.what());
    }
    return std::string("no exception");
  };
  {
    TTaal t(0);
    EXPECT_EQ(Melding([] { PlaneetNaam(1); }), "Unknown language");
  }
  {
    TTaal t(5);
    EXPECT_EQ(Melding([] { PlaneetNaam(1); }), "Unknown language");
  }
  TTaal t(2);
  EXPECT_EQ(Melding([] { ObjektNaam(38); }), "???");
  EXPECT_EQ(Melding([] { ObjektNaam(-1); }), "???");
  EXPECT_EQ(Melding([] { KuspNaam(0); }), "???");
  EXPECT_EQ(Melding([] { KuspNaam(13); }), "???");
  EXPECT_EQ(Melding([] { PlaneetNaam(14); }), "???");
  EXPECT_EQ(Melding([] { TekenNaam(12); }), "???");
  EXPECT_EQ(Melding([] { ObjektAfk(0); }), "???");
  EXPECT_EQ(Melding([] { ArabischPuntSleutel(12); }), "???");
}

TEST(AstroTermen, TranslatedNamesComeFromTheLanguageTable) {
  test::TTijdelijkeMap map;
  ASSERT_TRUE(test::StartTaal(2));
  EXPECT_EQ(AantalTekens(ObjektNaam(0)), 13u);
  EXPECT_EQ(ObjektNaam(0), VulAanTekens(Vertaal("Lentepunt"), 13));
  for (int k = 1; k <= AantalArabischePunten; ++k) {
    const std::string naam = ArabischPuntNaam(k);
    EXPECT_EQ(AantalTekens(naam), 40u) << k;
    EXPECT_EQ(naam.rfind(Vertaal(ArabischPuntSleutel(k)), 0), 0u) << k;
    EXPECT_EQ(naam.find("???"), std::string::npos) << naam;
  }
  EXPECT_STREQ(GeslachtSleutel(3), "Neutraal");
}

}  // namespace
}  // namespace orvan
