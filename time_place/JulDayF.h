#pragma once
// Calendar dates, clock times and the system's day numbers.
//
// JD is the Julian day (days since -4712 January 1, 12h, Julian calendar); its fraction holds the
// time of day, .5 being midnight. JD50 = JD - 2433282 is the day number used throughout Orvan
// (JD50 = 0.5 is 1950 January 1, 0h) and is universal time unless a name says ET (ephemeris time:
// JD50ET = JD50 + Delta T). Years are astronomical: 0 is 1 BC, -1 is 2 BC. The calendar of a date
// travels beside it as a flag: true is Gregorian, false Julian, with no switch date.

#include <cstdint>
#include <string>

namespace orvan {

inline constexpr double JD50Verschuiving = 2433282.0;   // JD - JD50

struct TDatumRec {
  std::int16_t Dag = 0;
  std::int16_t Maand = 0;
  std::int16_t Jaar = 0;
  friend bool operator==(const TDatumRec&, const TDatumRec&) = default;
};

// A clock time, a difference to Greenwich time or a precision. A negative duration has every
// non-zero component negative (minus one and a half hours is -1, -30, 0).
struct TTijdRec {
  std::int16_t Uren = 0;
  std::int16_t Minuten = 0;
  std::int16_t Seconden = 0;
  friend bool operator==(const TTijdRec&, const TTijdRec&) = default;
};

// The largest integer not greater than x.
std::int32_t Entier(double x);

// Julian day of a date; `uren` is the time of day in decimal hours.
double JulDag(int maand, int dag, int jaar, bool gregoriaans, double uren);
double JulDag50(int maand, int dag, int jaar, bool gregoriaans, double uren);

struct TJDDatum {
  std::int16_t maand = 0;
  std::int16_t dag = 0;
  std::int16_t jaar = 0;
  double uren = 0;   // time of day in decimal hours
};
TJDDatum DatumUitJD(bool gregoriaans, double jd);
TJDDatum DatumUitJD50(bool gregoriaans, double jd50);

// Ephemeris time minus universal time, in days, for a JD50 in universal time.
double DeltaT(double jd50);
// The ephemeris-time day number of a JD50 in universal time.
double JD50ET(double jd50);

std::int32_t TijdInSec(const TTijdRec& t);
TTijdRec SecInTijd(std::int32_t s);
TTijdRec TijdPlusSec(const TTijdRec& t, std::int32_t s);
double TijdInUren(const TTijdRec& t);
TTijdRec UrenInTijd(double uren);

struct TDatumTijd {
  TDatumRec datum;
  TTijdRec tijd;
  friend bool operator==(const TDatumTijd&, const TDatumTijd&) = default;
};
// Adds s seconds to a date and time, rolling the day over in either direction.
TDatumTijd DatumTijdPlusSec(const TDatumRec& d, const TTijdRec& t, std::int32_t s);
TDatumTijd JD50InDatumTijd(bool gregoriaans, double jd50);

// Day 1 of the current month of the computer's clock.
TDatumRec EersteVanDezeMaand();

// Date input modes.
inline constexpr int DatumInternationaal = 0;   // day month year
inline constexpr int DatumAmerikaans = 1;       // month day year

// Reads a typed date (any separators) in the given mode; false when it is no valid date.
bool LeesDatum(const std::string& tekst, int mode, TDatumRec& datum);

// The month name of month 1..12 in language 1..4.
const char* MaandNaam(int taal, int maand);

// Date texts; taal 1..4 writes the month name of that language, taal 0 the numeric form.
std::string DatumTekst(int taal, const TDatumRec& d, int mode);
std::string DatumTijdTekst(int taal, const TDatumRec& d, int mode, const TTijdRec& t);
std::string JD50Tekst(int taal, int mode, double jd50);
std::string JD50DatumTijdTekst(int taal, int mode, double jd50);
std::string DatumKort10(int mode, double jd50);
std::string Tijdstempel(const TDatumRec& d, const TTijdRec& t);

}  // namespace orvan
