// Date texts: numeric and with month names in the four languages.

#include <cstdio>
#include <string>

#include "time_place/JulDayF.h"
#include "time_place/KonvUtil.h"

namespace orvan {

namespace {

// Month names by language 1 Dutch, 2 English, 3 French, 4 German (UTF-8).
inline constexpr const char* MaandNamen[4][12] = {
    {"januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september",
     "oktober", "november", "december"},
    {"january", "february", "march", "april", "may", "june", "july", "august", "september",
     "october", "november", "december"},
    {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
     "octobre", "novembre", "decembre"},
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
     "Oktober", "November", "Dezember"},
};

std::string Getal(int x) { return std::to_string(x); }

}  // namespace

// An empty text for a language or month out of range.
const char* MaandNaam(int taal, int maand) {
  if (taal < 1 || taal > 4 || maand < 1 || maand > 12) return "";
  return MaandNamen[taal - 1][maand - 1];
}

// "13 augustus 2004" or "august 13, 2004"; taal 0 (and a month without a name) gives "13/8/2004"
// or "8/13/2004".
std::string DatumTekst(int taal, const TDatumRec& d, int mode) {
  const std::string naam = MaandNaam(taal, d.Maand);
  if (naam.empty()) {
    if (mode == DatumAmerikaans) return Getal(d.Maand) + "/" + Getal(d.Dag) + "/" + Getal(d.Jaar);
    return Getal(d.Dag) + "/" + Getal(d.Maand) + "/" + Getal(d.Jaar);
  }
  if (mode == DatumAmerikaans) return naam + " " + Getal(d.Dag) + ", " + Getal(d.Jaar);
  return Getal(d.Dag) + " " + naam + " " + Getal(d.Jaar);
}

std::string DatumTijdTekst(int taal, const TDatumRec& d, int mode, const TTijdRec& t) {
  return DatumTekst(taal, d, mode) + "  " + TijdTekst(t);
}

// The Gregorian date on which the moment jd50 lies.
std::string JD50Tekst(int taal, int mode, double jd50) {
  const TJDDatum dj = DatumUitJD50(true, jd50);
  return DatumTekst(taal, {dj.dag, dj.maand, dj.jaar}, mode);
}

// The Gregorian date and the time of a JD50, to the nearest second.
std::string JD50DatumTijdTekst(int taal, int mode, double jd50) {
  const TDatumTijd dt = JD50InDatumTijd(true, jd50);
  return DatumTijdTekst(taal, dt.datum, mode, dt.tijd);
}

std::string DatumKort10(int mode, double jd50) {
  const std::string tekst = JD50Tekst(0, mode, jd50);
  return tekst.size() >= 10 ? tekst : std::string(10 - tekst.size(), ' ') + tekst;
}

// "20040803090500" for 2004 August 3, 9:05:00.
std::string Tijdstempel(const TDatumRec& d, const TTijdRec& t) {
  char buf[64];   // six int16 values need at most 36 characters
  std::snprintf(buf, sizeof buf, "%4d%2d%2d%2d%2d%2d", d.Jaar, d.Maand, d.Dag, t.Uren, t.Minuten,
                t.Seconden);
  std::string tekst = buf;
  for (char& c : tekst)
    if (c == ' ') c = '0';
  return tekst;
}

}  // namespace orvan
