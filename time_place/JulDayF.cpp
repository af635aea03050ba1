// Calendar arithmetic: Julian day of a date and back, time records, day roll-over, typed dates.

#include "time_place/JulDayF.h"

#include <cmath>
#include <ctime>
#include <limits>
#include <utility>

#include "time_place/KonvUtil.h"

namespace orvan {

namespace {

inline constexpr int MaandLengte[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline constexpr std::int32_t SecPerDag = 86400;

// Whole number test for the century corrections of the Gregorian calendar.
bool IsGeheel(double x) { return x == std::floor(x); }

// The largest time a TTijdRec holds: 32767 h 59 min 59 s.
inline constexpr std::int64_t MaxTijdSec = 32767LL * 3600 + 59 * 60 + 59;

// A calculated calendar field as int16; a day number far outside the calendar range gives the
// nearest representable value instead of undefined behaviour.
std::int16_t NaarInt16(double x) {
  if (!(x > std::numeric_limits<std::int16_t>::min())) return std::numeric_limits<std::int16_t>::min();
  if (!(x < std::numeric_limits<std::int16_t>::max())) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(x);
}

bool PastInInt16(std::int32_t x) {
  return x >= std::numeric_limits<std::int16_t>::min() &&
         x <= std::numeric_limits<std::int16_t>::max();
}

// One day back. The leap day is taken from the Julian rule (every year divisible by 4), the same
// rule LeesDatum accepts.
void DagTerug(TDatumRec& d) {
  --d.Dag;
  if (d.Dag != 0) return;
  switch (d.Maand) {
    case 1:
      d.Dag = 31;
      d.Maand = 12;
      --d.Jaar;
      break;
    case 3:
      d.Dag = d.Jaar % 4 == 0 ? 29 : 28;
      d.Maand = 2;
      break;
    case 5: case 7: case 10: case 12:
      d.Dag = 30;
      --d.Maand;
      break;
    default:   // 2, 4, 6, 8, 9, 11
      d.Dag = 31;
      --d.Maand;
      break;
  }
}

// One day forward, with the Gregorian leap-year rule.
void DagVooruit(TDatumRec& d) {
  ++d.Dag;
  switch (d.Maand) {
    case 2: {
      const bool schrikkel = d.Jaar % 4 == 0 && (d.Jaar % 100 != 0 || d.Jaar % 400 == 0);
      if (d.Dag > (schrikkel ? 29 : 28)) {
        d.Dag = 1;
        d.Maand = 3;
      }
      break;
    }
    case 4: case 6: case 9: case 11:
      if (d.Dag > 30) {
        d.Dag = 1;
        ++d.Maand;
      }
      break;
    case 12:
      if (d.Dag > 31) {
        d.Dag = 1;
        d.Maand = 1;
        ++d.Jaar;
      }
      break;
    default:
      if (d.Dag > 31) {
        d.Dag = 1;
        ++d.Maand;
      }
      break;
  }
}

}  // namespace

std::int32_t Entier(double x) {
  if (std::isnan(x)) return 0;
  const double f = std::floor(x);
  if (f <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (f >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(f);
}

// March-based year count on the Julian calendar, then the Gregorian century correction; the
// constant -63.5 puts the day boundary at JD fraction .5 (midnight).
double JulDag(int maand, int dag, int jaar, bool gregoriaans, double uren) {
  double y = jaar;
  if (maand < 3) y -= 1;
  double m = maand + 1;
  if (m < 4) m += 12;
  double jd = Entier((y + 4712) * 365.25) + Entier(m * 30.6 + 0.000001) + dag + uren / 24 - 63.5;
  if (!gregoriaans) return jd;
  double a = Entier(std::fabs(y) / 100) - Entier(std::fabs(y) / 400);
  if (y < 0) a = -a;
  jd = jd - a + 2;
  if (y < 0 && IsGeheel(y / 100) && !IsGeheel(y / 400)) jd -= 1;
  return jd;
}

double JulDag50(int maand, int dag, int jaar, bool gregoriaans, double uren) {
  return JulDag(maand, dag, jaar, gregoriaans, uren) - JD50Verschuiving;
}

TJDDatum DatumUitJD(bool gregoriaans, double jd) {
  // The day and the hours come from one rounding of jd + 0.5, so that a moment just before
  // midnight never yields the next date with 24 hours, nor the reverse.
  const double dagGetal = std::floor(jd + 0.5);   // the civil day, changing at midnight
  TJDDatum r;
  r.uren = (jd + 0.5 - dagGetal) * 24;
  double b = dagGetal + 32082;   // jd + 32082.5 without the fraction of the day
  if (gregoriaans) {
    double c1 = b + Entier(b / 36525) - Entier(b / 146100) - 38;
    if (dagGetal >= 1830692) c1 += 1;   // jd >= 1830691.5
    b = b + Entier(c1 / 36525) - Entier(c1 / 146100) - 38;
  }
  const double c = Entier(b + 123);
  const double d = Entier((c - 122.2) / 365.25);
  const double e = c - Entier(d * 365.25);
  const double g = Entier(e / 30.6001);
  int maand = static_cast<int>(g) - 1;
  if (maand > 12) maand = static_cast<int>(g) - 13;
  r.maand = NaarInt16(maand);
  r.dag = NaarInt16(e - Entier(g * 30.6001));
  r.jaar = NaarInt16(d + Entier((g - 2) / 12) - 4800);
  return r;
}

TJDDatum DatumUitJD50(bool gregoriaans, double jd50) {
  return DatumUitJD(gregoriaans, jd50 + JD50Verschuiving);
}

double JD50ET(double jd50) { return jd50 + DeltaT(jd50); }

std::int32_t TijdInSec(const TTijdRec& t) {
  return t.Uren * 3600 + t.Minuten * 60 + t.Seconden;
}

// Truncating division keeps every non-zero component of a negative duration negative. A duration
// beyond 32767 hours does not fit the record and is held at its largest value.
TTijdRec SecInTijd(std::int32_t s) {
  std::int64_t sec = s;
  if (sec > MaxTijdSec) sec = MaxTijdSec;
  if (sec < -MaxTijdSec) sec = -MaxTijdSec;
  TTijdRec t;
  t.Uren = static_cast<std::int16_t>(sec / 3600);
  t.Minuten = static_cast<std::int16_t>((sec - t.Uren * 3600LL) / 60);
  t.Seconden = static_cast<std::int16_t>(sec - t.Uren * 3600LL - t.Minuten * 60LL);
  return t;
}

TTijdRec TijdPlusSec(const TTijdRec& t, std::int32_t s) {
  const std::int64_t som = static_cast<std::int64_t>(TijdInSec(t)) + s;
  if (som > std::numeric_limits<std::int32_t>::max()) return SecInTijd(std::numeric_limits<std::int32_t>::max());
  if (som < std::numeric_limits<std::int32_t>::min()) return SecInTijd(std::numeric_limits<std::int32_t>::min());
  return SecInTijd(static_cast<std::int32_t>(som));
}

double TijdInUren(const TTijdRec& t) { return TijdInSec(t) / 3600.0; }

TTijdRec UrenInTijd(double uren) {
  const double sec = std::round(uren * 3600);
  if (!(sec > -static_cast<double>(MaxTijdSec))) return SecInTijd(static_cast<std::int32_t>(-MaxTijdSec));
  if (!(sec < static_cast<double>(MaxTijdSec))) return SecInTijd(static_cast<std::int32_t>(MaxTijdSec));
  return SecInTijd(static_cast<std::int32_t>(sec));
}

// The seconds are summed in 64 bits, so that the time never has to hold more than one day of
// roll-over; the date then steps one day at a time.
TDatumTijd DatumTijdPlusSec(const TDatumRec& d, const TTijdRec& t, std::int32_t s) {
  TDatumTijd r{d, {}};
  std::int64_t sec = static_cast<std::int64_t>(TijdInSec(t)) + s;
  while (sec < 0) {
    sec += SecPerDag;
    DagTerug(r.datum);
  }
  while (sec >= SecPerDag) {
    sec -= SecPerDag;
    DagVooruit(r.datum);
  }
  r.tijd = SecInTijd(static_cast<std::int32_t>(sec));
  return r;
}

TDatumTijd JD50InDatumTijd(bool gregoriaans, double jd50) {
  TJDDatum dj = DatumUitJD50(gregoriaans, jd50);
  // A moment less than half a second before midnight rounds to 0h of the next day, not to 24h.
  if (std::round(dj.uren * 3600) >= SecPerDag) {
    dj = DatumUitJD50(gregoriaans, std::floor(jd50 + 0.5) + 0.5);
    dj.uren = 0;
  }
  TDatumTijd r;
  r.datum = {dj.dag, dj.maand, dj.jaar};
  r.tijd = UrenInTijd(dj.uren);
  return r;
}

TDatumRec EersteVanDezeMaand() {
  const std::time_t nu = std::time(nullptr);
  std::tm lokaal{};
  localtime_r(&nu, &lokaal);
  TDatumRec d;
  d.Dag = 1;
  d.Maand = static_cast<std::int16_t>(lokaal.tm_mon + 1);
  d.Jaar = static_cast<std::int16_t>(lokaal.tm_year + 1900);
  return d;
}

// February has 29 days in every year divisible by 4 (Julian rule, whatever the calendar flag).
bool LeesDatum(const std::string& tekst, int mode, TDatumRec& datum) {
  std::string rest = tekst;
  std::int32_t getal[3] = {0, 0, 0};
  for (auto& g : getal)
    if (!LeesGetal(rest, g) || !PastInInt16(g)) return false;
  std::int32_t dag = getal[0], maand = getal[1];
  const std::int32_t jaar = getal[2];
  if (mode == DatumAmerikaans) std::swap(dag, maand);
  if (dag <= 0 || maand <= 0 || maand >= 13) return false;
  int lengte = MaandLengte[maand - 1];
  if (maand == 2 && jaar % 4 == 0) lengte = 29;
  if (dag > lengte) return false;
  datum.Dag = static_cast<std::int16_t>(dag);
  datum.Maand = static_cast<std::int16_t>(maand);
  datum.Jaar = static_cast<std::int16_t>(jaar);
  return true;
}

}  // namespace orvan
