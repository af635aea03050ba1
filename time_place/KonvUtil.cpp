#include "time_place/KonvUtil.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "shell/LangUtils.h"

namespace orvan {

namespace {

inline constexpr std::int32_t MaxUren16 = std::numeric_limits<std::int16_t>::max();
inline constexpr std::int32_t MaxGradenBreedte = 90;
inline constexpr std::int32_t MaxGradenLengte = 180;

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// Drops leading characters up to the first "-" or digit.
void SlaOverTotGetal(std::string& tekst) {
  std::size_t i = 0;
  while (i < tekst.size() && tekst[i] != '-' && !IsCijfer(tekst[i])) ++i;
  tekst.erase(0, i);
}

std::string Hoofdletters(const std::string& tekst) {
  std::string uit = tekst;
  for (char& c : uit)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return uit;
}

void SnoeiLinks(std::string& tekst) {
  std::size_t i = 0;
  while (i < tekst.size() && (tekst[i] == ' ' || tekst[i] == '\t')) ++i;
  tekst.erase(0, i);
}

// A d.mm value |x| in whole hundredths (degrees * 100 + minutes), rounded, so that a float such
// as 4.54f (4.5399999...) gives 454 and minutes that round up to 100 carry into the degrees.
long Honderdsten(double x) { return std::lround(std::fabs(x) * 100.0); }

}  // namespace

bool LeesGetal(std::string& tekst, std::int32_t& getal) {
  SlaOverTotGetal(tekst);
  if (tekst.empty()) return false;
  const bool negatief = tekst[0] == '-';
  std::size_t eind = negatief ? 1 : 0;
  const std::size_t begin = eind;
  // The magnitude may reach 2^31 for a negative number; digits beyond that are an overflow.
  const std::int64_t grens = negatief ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t waarde = 0;
  bool overloop = false;
  while (eind < tekst.size() && IsCijfer(tekst[eind])) {
    if (!overloop) {
      waarde = waarde * 10 + (tekst[eind] - '0');
      if (waarde > grens) overloop = true;
    }
    ++eind;
  }
  if (eind == begin) return false;   // a "-" without digits
  tekst.erase(0, eind);
  if (overloop) return false;
  getal = static_cast<std::int32_t>(negatief ? -waarde : waarde);
  return true;
}

bool LeesTijd(const std::string& tekst, int soort, TTijdRec& tijd) {
  std::string t = Hoofdletters(tekst);
  SnoeiLinks(t);
  const bool negatief = !t.empty() && t[0] == '-';
  if (negatief) t.erase(0, 1);
  // A clock time has no sign.
  if (negatief && soort == SoortKloktijd) return false;

  const std::size_t am = t.find("AM");
  if (am != std::string::npos) t.resize(am);
  const std::size_t pm = t.find("PM");
  if (pm != std::string::npos) t.resize(pm);
  const bool twaalfUur = am != std::string::npos || pm != std::string::npos;

  std::int32_t delen[3] = {0, 0, 0};   // hours, minutes, seconds
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      SlaOverTotGetal(t);
      if (t.empty()) break;   // "9" and "9h" are 9:00:00
    }
    if (!LeesGetal(t, delen[i])) return false;
    // The only sign is the leading one; a second "-" ("14-30", "--5") is no time.
    if (delen[i] < 0) return false;
  }
  std::int32_t uren = delen[0];
  const std::int32_t minuten = delen[1];
  const std::int32_t seconden = delen[2];

  if (twaalfUur) {
    if (uren > 12) return false;   // "13 PM" is no 12-hour clock time
    uren = uren % 12 + (pm != std::string::npos ? 12 : 0);
  }
  if (minuten >= 60 || seconden >= 60) return false;
  switch (soort) {
    case SoortKloktijd:
      if (uren >= 24) return false;
      break;
    case SoortTijdverschil:
      if (uren >= 14) return false;
      break;
    default:
      if (uren > MaxUren16) return false;   // the hours must fit their 16-bit field
      break;
  }
  const int teken = negatief ? -1 : 1;
  tijd.Uren = static_cast<std::int16_t>(teken * uren);
  tijd.Minuten = static_cast<std::int16_t>(teken * minuten);
  tijd.Seconden = static_cast<std::int16_t>(teken * seconden);
  return true;
}

bool LeesGeo(const std::string& tekst, int soort, float& waarde) {
  std::string t = Hoofdletters(tekst);
  const bool breedte = soort == SoortBreedte;
  bool negatief = t.find(breedte ? 'S' : 'W') != std::string::npos;

  // The sign is taken from the text, so that "-0 10" (ten minutes west) is western too.
  SlaOverTotGetal(t);
  if (!t.empty() && t[0] == '-') negatief = true;
  std::int32_t graden = 0;
  if (!LeesGetal(t, graden)) return false;
  const std::int32_t maxGraden = breedte ? MaxGradenBreedte : MaxGradenLengte;
  if (graden < -maxGraden || graden > maxGraden) return false;
  graden = std::abs(graden);

  // No skipping here: text after the degrees must hold the minutes ("52N" fails, "52N00" not).
  std::int32_t minuten = 0;
  if (!t.empty() && !LeesGetal(t, minuten)) return false;
  if (minuten < 0 || minuten >= 60) return false;
  if (graden == maxGraden && minuten > 0) return false;   // beyond the pole or the date line

  const double dm = graden + minuten / 100.0;
  waarde = static_cast<float>(negatief ? -dm : dm);
  return true;
}

std::string TijdTekst(const TTijdRec& t) {
  const bool negatief = t.Uren < 0 || t.Minuten < 0 || t.Seconden < 0;
  const int uren = std::abs(int{t.Uren});
  const int minuten = std::abs(int{t.Minuten});
  const int seconden = std::abs(int{t.Seconden});
  char buf[40];
  // A negative duration carries its sign straight before the hours: "-1h30m00s", "-11h30m00s".
  if (negatief)
    std::snprintf(buf, sizeof buf, "-%dh%02dm%02ds", uren, minuten, seconden);
  else
    std::snprintf(buf, sizeof buf, " %2dh%02dm%02ds", uren, minuten, seconden);
  return buf;
}

std::string GraadMinTekst(double x) {
  // Whole minutes, truncated toward zero; the small allowance keeps an angle such as 4.1 degrees
  // (4.1 * 60 is 245.99999... in binary) at 6' instead of 5'.
  const double boogminuten = std::floor(std::fabs(x) * 60.0 + 1e-6);
  const long totaal = static_cast<long>(boogminuten);
  const long graden = totaal / 60;
  const long minuten = totaal % 60;
  const bool negatief = x < 0 && totaal > 0;
  char buf[48];
  if (negatief && graden == 0)
    std::snprintf(buf, sizeof buf, "  -0\xC2\xB0%02ld'", minuten);
  else
    std::snprintf(buf, sizeof buf, "%4ld\xC2\xB0%02ld'", negatief ? -graden : graden, minuten);
  return buf;
}

std::string GeoKort(double x, bool isBreedte) {
  const long totaal = Honderdsten(x);
  const char* letter = isBreedte ? (x < 0 ? "S" : "N") : (x < 0 ? "W" : "E");
  char buf[48];
  std::snprintf(buf, sizeof buf, "%1ld%1s%2ld", totaal / 100, letter, totaal % 100);
  std::string uit = buf;
  for (std::size_t i = 1; i < uit.size(); ++i)
    if (uit[i] == ' ') uit[i] = '0';
  return uit;
}

std::string GeoTekst(double lengte, double breedte) {
  auto deel = [](double x, const char* sleutel) {
    const long totaal = Honderdsten(x);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%ld\xC2\xB0%2ld'", totaal / 100, totaal % 100);
    return buf + Vertaal(sleutel);
  };
  return deel(breedte, breedte >= 0 ? TaalSleutel("geoNB") : TaalSleutel("geoZB")) + ", " +
         deel(lengte, lengte >= 0 ? TaalSleutel("geoOL") : TaalSleutel("geoWL"));
}

}  // namespace orvan
