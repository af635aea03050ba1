#include "horoscope/THoroskoop.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/AstroGlo.h"
#include "astro/PlaCalculator.h"
#include "astro/RwHsCalc.h"
#include "astro/Rwplcalc.h"
#include "astro/WiskFies.h"
#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/Utf8Tekst.h"
#include "time_place/KonvUtil.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {

namespace {

inline constexpr std::int32_t SecPerDag = 86400;
inline constexpr std::size_t PlaatsKopLengte = 37;   // place name and " (", in characters

// Ecliptic to equatorial coordinates for obliquity eps, or back for -eps (degrees).
void Draai(double lengte, double breedte, double eps, double& lengteUit, double& breedteUit) {
  const double se = SinG(eps), ce = CosG(eps);
  const double sl = SinG(lengte), cl = CosG(lengte);
  const double sb = SinG(breedte), cb = CosG(breedte);
  breedteUit = RadGr * std::asin(std::clamp(sb * ce + cb * se * sl, -1.0, 1.0));
  lengteUit = Norm360(RadGr * std::atan2(sl * ce * cb - sb * se, cl * cb));
}

// "52°22'N": whole degrees of |d.mm|, the degree sign, two-digit minutes, "'" and the direction.
std::string Coordinaat(double dm, const char* sleutel) {
  const long honderdsten = std::lround(std::fabs(dm) * 100.0);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%ld\xC2\xB0%02ld'", honderdsten / 100, honderdsten % 100);
  return buf + Vertaal(sleutel);
}

}  // namespace

THoroskoop::THoroskoop(char soort) : Soort(soort) { THoroskoop::Wis(); }

THoroskoop::~THoroskoop() = default;

std::string THoroskoop::Naam() const { return Data.Name; }

void THoroskoop::BerekenJD() {
  const double jd50 = JulDag50(UTDatum.Maand, UTDatum.Dag, UTDatum.Jaar, Data.GregKal,
                               TijdInUren(UTTijd));
  ZetJD(jd50);
  const TJDDatum d = DatumUitJD50(true, jd50);
  UTDatum = {d.dag, d.maand, d.jaar};
}

void THoroskoop::BerekenSterretijd() {
  PlaCalculator().NutatieEnScheefheid(ET, Nutatie, Scheefheid);
  Sterretijd = LokaleSterrentijd(Nutatie, Scheefheid, UT, DmInGraden(Data.Plaats.Lengte));
}

void THoroskoop::BerekenHuizen() {
  const THuizen h = Huizen(HuisSysteemLetter(Instellingen.HuisSys), HuisIteraties, Scheefheid,
                           DmInGraden(Data.Plaats.Breedte), Sterretijd);
  for (int i = 1; i <= 12; ++i) {
    Kusp[static_cast<std::size_t>(i)] = h.Kusp(i);
    EklNaarEkw(h.Kusp(i), 0.0, KuspRA[static_cast<std::size_t>(i)],
               KuspDecl[static_cast<std::size_t>(i)]);
  }
  Porphyrius = h.Porphyrius;
  MCICVerwisseld = h.MCICVerwisseld;
}

void THoroskoop::Wis() {
  Berekend = false;
  Geladen = false;
  MCICVerwisseld = false;
  Data = THorData{};
}

std::string THoroskoop::PlaatsTekst() const {
  const PlaatsRec& p = Data.Plaats;
  return KnipTekens(p.Naam + " (", PlaatsKopLengte) +
         Coordinaat(p.Breedte, p.Breedte >= 0 ? TaalSleutel("geoNB") : TaalSleutel("geoZB")) + ", " +
         Coordinaat(p.Lengte, p.Lengte >= 0 ? TaalSleutel("geoOL") : TaalSleutel("geoWL")) + ")";
}

std::string THoroskoop::KlokTekst() const {
  if (!Data.ClockTime) return {};
  return Vertaal("Klok") + ": " +
         DatumTijdTekst(HuidigeTaal, Data.Datum, Instellingen.Datuminvoermode, Data.Tijd);
}

std::string THoroskoop::GMTTekst() const {
  std::string tekst =
      "GMT : " + DatumTijdTekst(HuidigeTaal, UTDatum, Instellingen.Datuminvoermode, UTTijd);
  if (TijdInSec(Data.Precisie) > 0) tekst += " \xC2\xB1" + TijdTekst(Data.Precisie);
  return tekst;
}

std::string THoroskoop::JulDatTekst() const {
  char jd[48];
  std::snprintf(jd, sizeof jd, "%12.5f", UT + JD50Verschuiving);
  return Vertaal("JulDat") + " (UT): " + jd + "; " + Vertaal("Sterretijd") + ":" +
         TijdTekst(UrenInTijd(Sterretijd));
}

std::string THoroskoop::GegevensTekst() const {
  std::string tekst = PlaatsTekst();
  if (Data.ClockTime) tekst += "\r\n" + KlokTekst();
  return tekst + "\r\n" + GMTTekst();
}

// The day roll-over is taken from the day number in the calendar of the data, so that a moment
// next to a leap day (28 February 1900 23:30 UT for 1 March 00:30 clock time one hour east of
// Greenwich; 29 February 1700 in the Julian calendar) lands on the right day.
void THoroskoop::BerekenUT() {
  if (!Data.ClockTime) {
    UTDatum = Data.Datum;
    UTTijd = Data.Tijd;
    return;
  }
  const std::int64_t sec =
      static_cast<std::int64_t>(TijdInSec(Data.Tijd)) - TijdInSec(Data.Verschil);
  std::int64_t dagen = sec / SecPerDag;
  std::int64_t rest = sec % SecPerDag;
  if (rest < 0) {
    rest += SecPerDag;
    --dagen;
  }
  if (dagen == 0) {
    UTDatum = Data.Datum;
  } else {
    const double middag = JulDag50(Data.Datum.Maand, Data.Datum.Dag, Data.Datum.Jaar, Data.GregKal,
                                   12.0);
    const TJDDatum d = DatumUitJD50(Data.GregKal, middag + static_cast<double>(dagen));
    UTDatum = {d.dag, d.maand, d.jaar};
  }
  UTTijd = SecInTijd(static_cast<std::int32_t>(rest));
}

bool THoroskoop::BerekenPlaneten() {
  for (int slot = 0; slot < AantalSlots; ++slot)
    if (!BerekenPlaneet(slot)) return false;
  return true;
}

bool THoroskoop::BerekenPlaneet(int slot) {
  double breedte = 0, snelheid = 0, afstand = 0, lengte = 0;
  if (slot < 0 || slot >= AantalSlots ||
      !PlaCalculator().Bereken(slot, StandaardOpties, breedte, snelheid, afstand, lengte, ET)) {
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal("FoutEfem"), "");
    return false;
  }
  const auto s = static_cast<std::size_t>(slot);
  PlaLengte[s] = lengte;
  PlaBreedte[s] = breedte;
  PlaAfstand[s] = afstand;
  PlaSnelheid[s] = snelheid;
  EklNaarEkw(lengte, breedte, PlaRA[s], PlaDecl[s]);
  return true;
}

bool THoroskoop::Bereken() {
  BerekenUT();
  BerekenJD();
  BewaardUT = UT;
  BerekenSterretijd();
  BerekenHuizen();
  Berekend = BerekenPlaneten();
  if (Berekend) Verdelingen();
  return Berekend;
}

double THoroskoop::EigenschapWaarde(const std::string&, bool& nietGevonden, bool& heeftWaarde) {
  nietGevonden = false;
  heeftWaarde = false;
  return 0.0;
}

void THoroskoop::ZetJD(double jd50) {
  UT = jd50;
  ET = jd50 + DeltaT(jd50);
}

bool THoroskoop::BerekenMoment(double jd50) {
  ZetJD(jd50);
  const TDatumTijd dt = JD50InDatumTijd(true, jd50);
  UTDatum = dt.datum;
  UTTijd = dt.tijd;
  BewaardUT = UT;
  BerekenSterretijd();
  BerekenHuizen();
  Berekend = BerekenPlaneten();
  if (Berekend) Verdelingen();
  return Berekend;
}

int THoroskoop::Slot(int object) { return CalcKode(object, Instellingen.GebruikWareKnoop); }

double THoroskoop::PlaneetWaarde(const std::array<double, AantalSlots>& waarden, int object) const {
  return waarden[static_cast<std::size_t>(Slot(object))];
}

double THoroskoop::Lengte(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaLengte, object);
  if (object >= EersteKuspObject && object <= LaatsteKuspObject)
    return Kusp[static_cast<std::size_t>(object - EersteKuspObject + 1)];
  if (object >= EersteTekenObject && object <= LaatsteTekenObject)
    return (object - EersteTekenObject) * 30.0;
  return 0.0;
}

double THoroskoop::Breedte(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaBreedte, object);
  return 0.0;
}

double THoroskoop::Afstand(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaAfstand, object);
  return 0.0;
}

double THoroskoop::Snelheid(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaSnelheid, object);
  if (object == ObjLentepunt) return 0.0;   // the vernal point does not move
  return DagelijkseBeweging(object, true);
}

double THoroskoop::Rechteklimming(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaRA, object);
  if (object >= EersteKuspObject && object <= LaatsteKuspObject)
    return KuspRA[static_cast<std::size_t>(object - EersteKuspObject + 1)];
  return 0.0;
}

double THoroskoop::Declinatie(int object) const {
  if (object >= 1 && object <= AantalPlaneten) return PlaneetWaarde(PlaDecl, object);
  if (object >= EersteKuspObject && object <= LaatsteKuspObject)
    return KuspDecl[static_cast<std::size_t>(object - EersteKuspObject + 1)];
  return 0.0;
}

int THoroskoop::Huis(double lengte) const {
  const double x = Norm360(lengte);
  for (int h = 1; h <= 12; ++h)
    if (InBoog(x, Kusp[static_cast<std::size_t>(h)], Kusp[static_cast<std::size_t>(h % 12 + 1)]))
      return h;
  return 1;
}

bool THoroskoop::IsNachtHoroskoop() const { return Huis(Lengte(ObjZon)) <= 6; }

double THoroskoop::ArabischPunt(int k) const {
  auto L = [this](int object) { return Lengte(object); };
  double a = 0.0;
  switch (k) {
    case 1: a = L(ObjMaan) - L(ObjZon); break;                  // fortune
    case 2: a = L(ObjZon) - L(ObjMaan); break;                  // spirit
    case 3: a = ArabischPunt(2) - ArabischPunt(1); break;       // friendship
    case 4: a = ArabischPunt(1) - ArabischPunt(2); break;       // despair
    case 5: a = ArabischPunt(1) - L(ObjSaturnus); break;        // loss of freedom
    case 6: a = L(ObjJupiter) - ArabischPunt(2); break;         // progress
    case 7: a = ArabischPunt(1) - L(ObjMars); break;            // courage
    case 8: a = L(ObjJupiter) - L(ObjZon); break;               // operations
    case 9: a = L(ObjJupiter) - ArabischPunt(1); break;         // success
    case 10: a = L(ObjSaturnus) - L(ObjZon); break;             // karma
    case 11: a = L(EersteKuspObject + 7) - L(ObjMaan); break;   // death: cusp 8 - Moon
    default: break;
  }
  if (k >= 1 && k <= 10 && IsNachtHoroskoop()) a = -a;
  return Norm360(Ascendant() + a);
}

void THoroskoop::Verdelingen() {
  Element.fill(0.0f);
  Kruis.fill(0.0f);
  BovenHorizon = 0.0f;
  Oost = 0.0f;
  long totaal = 0;
  long planeten = 0;
  for (int i = 1; i <= TInstellingen::AantalGewichten; ++i) {
    const int object = AspektObject(i);
    const long w = Instellingen.Gewicht[static_cast<std::size_t>(i)];
    const double lengte = Lengte(object);
    const int teken = std::min(11, static_cast<int>(lengte / 30.0));
    Element[static_cast<std::size_t>(teken % 4 + 1)] += static_cast<float>(w);
    Kruis[static_cast<std::size_t>(teken % 3 + 1)] += static_cast<float>(w);
    totaal += w;
    if (object <= AantalPlaneten) {
      planeten += w;
      if (InBoog(lengte, Kusp[7], Kusp[1])) BovenHorizon += static_cast<float>(w);
      if (InBoog(lengte, Kusp[10], Kusp[4])) Oost += static_cast<float>(w);
    }
  }
  // Without weights the shares are undefined; they are then 0.
  for (float& e : Element) e = totaal > 0 ? e * 100.0f / static_cast<float>(totaal) : 0.0f;
  for (float& k : Kruis) k = totaal > 0 ? k * 100.0f / static_cast<float>(totaal) : 0.0f;
  BovenHorizon = planeten > 0 ? BovenHorizon * 100.0f / static_cast<float>(planeten) : 0.0f;
  Oost = planeten > 0 ? Oost * 100.0f / static_cast<float>(planeten) : 0.0f;
}

double THoroskoop::TweeDimHoek(const THoroskoop& ander, int a, int b) const {
  return HoekAfstand(Lengte(a), ander.Lengte(b), Breedte(a), ander.Breedte(b));
}

int THoroskoop::PlaneetHuis(const THoroskoop& ander, int a, int b) const {
  return 1 + TekenAfstand(Lengte(a), ander.Lengte(b));
}

void THoroskoop::EklNaarEkw(double lengte, double breedte, double& ra, double& decl) const {
  Draai(lengte, breedte, Scheefheid, ra, decl);
}

void THoroskoop::EkwNaarEkl(double ra, double decl, double& lengte, double& breedte) const {
  Draai(ra, decl, -Scheefheid, lengte, breedte);
}

}  // namespace orvan
