#include "reports/AstroTermen.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "shell/LangUtils.h"
#include "shell/Utf8Tekst.h"
#include "time_place/KonvUtil.h"

namespace orvan {

namespace {

template <std::size_t N>
using TTabel = std::array<std::array<const char*, N>, AantalTalen>;

const TTabel<13> PlaneetNamen = {{
    {"Zon", "Maan", "Merkurius", "Venus", "Mars", "Jupiter", "Saturnus", "Uranus", "Neptunus",
     "Pluto", "Knoop", "Cheiron", "Lilith"},
    {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
     "Node", "Chiron", "Lilith"},
    {"Soleil", "Lune", "Mercure", "V\u00e9nus", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune",
     "Pluton", "Noeud", "Chiron", "Lilith"},
    {"Sonne", "Mond", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun", "Pluto",
     "Knoten", "Chiron", "Lilith"},
}};

const TTabel<13> PlaneetAfkortingen = {{
    {"zon", "maa", "mer", "ven", "mar", "jup", "sat", "ura", "nep", "plu", "kno", "che", "lil"},
    {"sun", "moo", "mer", "ven", "mar", "jup", "sat", "ura", "nep", "plu", "nod", "chi", "lil"},
    {"sol", "lun", "mer", "v\u00e9n", "mar", "jup", "sat", "ura", "nep", "plu", "noe", "chi",
     "lil"},
    {"Son", "Mon", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Kno", "Chi", "Lil"},
}};

const TTabel<12> KuspAfkortingen = {{
    {"ASC", "h2 ", "h3 ", "h4 ", "h5 ", "h6 ", "h7 ", "h8 ", "h9 ", "MC ", "h11", "h12"},
    {"ASC", "h2 ", "h3 ", "h4 ", "h5 ", "h6 ", "h7 ", "h8 ", "h9 ", "MC ", "h11", "h12"},
    {"ASC", "m2 ", "m3 ", "m4 ", "m5 ", "m6 ", "m7 ", "m8 ", "m9 ", "MC ", "m11", "m12"},
    {"Asz", "H2 ", "H3 ", "H4 ", "H5 ", "H6 ", "H7 ", "H8 ", "H9 ", "MC ", "H11", "H12"},
}};

const TTabel<12> TekenNamen = {{
    {"ram", "stier", "tweelingen", "kreeft", "leeuw", "maagd", "weegschaal", "schorpioen",
     "boogschutter", "steenbok", "waterman", "vissen"},
    {"aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra", "scorpio", "sagittarius",
     "capricorn", "aquarius", "pisces"},
    {"b\u00e9lier", "taureau", "g\u00e9meaux", "cancer", "lion", "vierge", "balance", "scorpion",
     "sagittaire", "capricorne", "verseau", "poissons"},
    {"Widder", "Stier", "Zwillinge", "Krebs", "L\u00f6we", "Jungfrau", "Waage", "Skorpion",
     "Sch\u00fctze", "Steinbock", "Wassermann", "Fische"},
}};

// Cusp 1, cusp 10, and the word of the other cusps.
const TTabel<3> KuspWoorden = {{
    {"Ascendant", "Midhemel", "kusp"},
    {"Ascendant", "Midheaven", "cusp"},
    {"Ascendant", "MC", "cuspide"},
    {"Aszendent", "MC", "Hausspitze"},
}};

const TTabel<4> ElementNamen = {{
    {"vuur", "aarde", "lucht", "water"},
    {"fire", "earth", "air", "water"},
    {"feu", "terre", "air", "eau"},
    {"Feuer", "Erde", "Luft", "Wasser"},
}};

const TTabel<3> KruisNamen = {{
    {"hoofd", "vast", "beweeglijk"},
    {"cardinal", "fixed", "mutable"},
    {"cardinal", "fixe", "mutable"},
    {"Kardinal", "Fest", "Beweglich"},
}};

// In the order of TVerdelingTitel.
const TTabel<8> VerdelingTitels = {{
    {"Elementen", "Kruisen", "Planeten boven de horizon:", "Planeten in oostelijke hemisfeer:",
     "Gebruikte gewichten:", "boven", "oost", "geen"},
    {"Elements", "Crosses", "Planets above the horizon:", "Planets in eastern hemisphere:",
     "Weights used:", "above", "east", "no"},
    {"El\u00e9ments", "Croix", "Plan\u00e8tes au-dessus de l'horizon:",
     "Plan\u00e8tes dans l'h\u00e9misph\u00e8re est:", "Poids utilis\u00e9s:", "au-dessus", "est",
     "pas_de"},
    {"Elemente", "Kreuze", "Planeten \u00fcber dem Horizont:",
     "Planeten in \u00f6stlicher Hemisph\u00e4re:", "Benutztes Gewichtssystem:", "Oben", "Ost",
     "keine"},
}};

const std::array<const char*, 7> HuisSystemen = {"Regiomontanus", "Campanus", "Vehlow", nullptr,
                                                 "Koch", "Placidus", "Porphyrius"};
const std::array<const char*, AantalTalen> GelijkeHuizen = {"Gelijke", "Equal", "Egales",
                                                            "Gleiche"};

const std::array<const char*, 4> GeslachtSleutels = {
    TaalSleutel("Mannelijk"), TaalSleutel("Vrouwelijk"), TaalSleutel("Onbekend"),
    TaalSleutel("Neutraal")};

const std::array<const char*, AantalArabischePunten> ArabischPuntSleutels = {
    TaalSleutel("apGeluk"),   TaalSleutel("apGeest"),         TaalSleutel("apVriendschap"),
    TaalSleutel("apWanhoop"), TaalSleutel("apVrijhBeroving"), TaalSleutel("apVooruitgang"),
    TaalSleutel("apMoed"),    TaalSleutel("apOperaties"),     TaalSleutel("apSukses"),
    TaalSleutel("apKarma"),   TaalSleutel("apDood")};

// The index of the current language in the tables.
std::size_t Taal() {
  if (HuidigeTaal < 1 || HuidigeTaal > AantalTalen) throw std::invalid_argument("Unknown language");
  return HuidigeTaal - 1u;
}

[[noreturn]] void Onbekend() { throw std::invalid_argument("???"); }

// Element `n` (counted from `eerste`) of the current language's row.
template <std::size_t N>
std::string Term(const TTabel<N>& tabel, int n, int eerste) {
  const std::size_t taal = Taal();
  if (n < eerste || n >= eerste + static_cast<int>(N)) Onbekend();
  return tabel[taal][static_cast<std::size_t>(n - eerste)];
}

// The text padded with blanks to `breedte` characters; a longer text stays as it is.
std::string VulAan(const std::string& tekst, std::size_t breedte) {
  const std::size_t n = AantalTekens(tekst);
  return n >= breedte ? tekst : tekst + std::string(breedte - n, ' ');
}

}  // namespace

std::string PlaneetNaam(int planeet) { return Term(PlaneetNamen, planeet, 1); }
std::string PlaneetAfk(int planeet) { return Term(PlaneetAfkortingen, planeet, 1); }
std::string KuspAfk(int kusp) { return Term(KuspAfkortingen, kusp, 1); }
std::string TekenNaam(int teken) { return Term(TekenNamen, teken, 0); }
std::string TekenAfk(int teken) { return KnipTekens(TekenNaam(teken), 3); }

std::string KuspNaam(int kusp) {
  const std::size_t taal = Taal();
  if (kusp < 1 || kusp > 12) Onbekend();
  if (kusp == 1) return KuspWoorden[taal][0];
  if (kusp == 10) return KuspWoorden[taal][1];
  return std::string(KuspWoorden[taal][2]) + " " + std::to_string(kusp);
}

std::string ElementNaam(int element) { return Term(ElementNamen, element, 1); }
std::string KruisNaam(int kruis) { return Term(KruisNamen, kruis, 1); }

std::string VerdelingTitel(TVerdelingTitel titel) {
  return Term(VerdelingTitels, static_cast<int>(titel), 0);
}

std::string HuisSysteemNaam(int huisSys) {
  const std::size_t taal = Taal();
  if (huisSys < 0 || huisSys >= static_cast<int>(HuisSystemen.size())) Onbekend();
  if (huisSys == 3) return GelijkeHuizen[taal];
  return HuisSystemen[static_cast<std::size_t>(huisSys)];
}

const char* GeslachtSleutel(int geslacht) {
  if (geslacht < 0 || geslacht > 3) Onbekend();
  return GeslachtSleutels[static_cast<std::size_t>(geslacht)];
}

const char* ArabischPuntSleutel(int punt) {
  if (punt < 1 || punt > AantalArabischePunten) Onbekend();
  return ArabischPuntSleutels[static_cast<std::size_t>(punt - 1)];
}

std::string ArabischPuntNaam(int punt) {
  return VulAan(Vertaal(ArabischPuntSleutel(punt)), ArabischPuntBreedte);
}

std::string ObjektNaam(int object) {
  std::string naam;
  if (object == 0)
    naam = Vertaal("Lentepunt");
  else if (object >= 1 && object <= 13)
    naam = PlaneetNaam(object);
  else if (object >= 14 && object <= 25)
    naam = KuspNaam(object - 13);
  else if (object >= 26 && object <= 37)
    naam = TekenNaam(object - 26);
  else
    Onbekend();
  return VulAanTekens(naam, NaamBreedte);
}

std::string ObjektAfk(int object) {
  if (object >= 1 && object <= 13) return PlaneetAfk(object);
  if (object >= 14 && object <= 25) return KuspAfk(object - 13);
  if (object >= 26 && object <= 37) return TekenAfk(object - 26);
  Onbekend();
}

std::string GraadTekst(double graden) { return GraadMinTekst(graden); }

std::string LengteTekst(double lengte) {
  if (!std::isfinite(lengte)) lengte = 0;
  if (!(lengte >= 0 && lengte < 360)) {
    lengte = std::fmod(lengte, 360.0);
    if (lengte < 0) lengte += 360.0;
    if (lengte >= 360.0) lengte = 0;
  }
  const int teken = static_cast<int>(lengte / 30.0);
  return GraadTekst(lengte - 30.0 * teken) + " " + TekenAfk(teken);
}

std::string BreedteTekst(double x) {
  const std::size_t taal = Taal();
  const char* letter = std::fabs(x) < 1e-7 ? " " : x > 0 ? "N" : taal == 0 ? "Z" : "S";
  return GraadTekst(std::fabs(x)) + letter;
}

std::string SnelheidTekst(double v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%7.4f%s", std::fabs(v), v < 0 ? "R" : " ");
  return buf;
}

std::string AfstandTekst(double afstand) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%9.6f", afstand);
  return buf;
}

}  // namespace orvan
