#pragma once
// The difference to Greenwich time of a local clock time, from the time zone table of the place.
//
// A table "<ZONE>.uur" (TijdzoneMap.h) holds a description line and then, in time order, the
// moments (local date and clock time) from which a difference applies (UurTabelRegel.h). The zone
// "L" stands for local mean time (no official time); an empty zone for a place without a table.

#include <string>

#include "time_place/JulDayF.h"
#include "time_place/VerschilGMTDialoog.h"

namespace orvan {

// Status of a lookup.
inline constexpr int ZoekZeker = 0;        // found, certain
inline constexpr int ZoekOnzeker = 1;      // found, flagged "?"
inline constexpr int ZoekVoorTabel = 2;    // at or before the first line of the table
inline constexpr int ZoekGeenTabel = 3;    // no table, or a malformed one
inline constexpr int ZoekLokaleTijd = 4;   // the zone is "L" (only in the dialog)

inline constexpr const char* ZoneLokaleTijd = "L";

struct TZoekVerschil {
  int status = ZoekGeenTabel;
  TTijdRec verschil;        // east positive; seconds always 0
  std::string commentaar;   // the comment of the line found (UTF-8); empty for status 2 and 3
};

// The line that applies to a local date and clock time (the seconds are not looked at): the last
// line not later than the moment; a moment at or before the first line gives status 2 and that
// line's difference. The tables are read from TijdzoneMap(), or from `map` (with a trailing "/").
TZoekVerschil ZoekVerschil(const std::string& zone, const TDatumRec& datum, const TTijdRec& tijd);
TZoekVerschil ZoekVerschilIn(const std::string& map, const std::string& zone,
                             const TDatumRec& datum, const TTijdRec& tijd);

// Line 1 of a zone's table (UTF-8); empty when there is no table.
std::string ZoneBeschrijving(const std::string& map, const std::string& zone);

// The local mean time offset of a longitude (d.mm, east positive) in whole minutes, and in h.mm
// notation (4.54 east: 0.32667 h, 0.196).
int MptMinuten(double lengte);
double MptHmm(double lengte);
// " 0.20", "-4.56", "10.05": the offset of whole minutes as h.mm, right-aligned in 5 characters.
std::string MptTekst(int minuten);

// What the dialog of BepaalVerschilGMT shows for a lookup that was not certain (status 1..3), or
// for the zone "L": the prefilled value, the exceptions text and the translated texts.
TVerschilVraag MaakVerschilVraag(const std::string& map, const std::string& zone,
                                 const TZoekVerschil& gevonden, double lengte);

// The difference to use for a birth moment: the table's when it is certain, else the one the user
// confirms in VerschilGMTDialoog(). False on Cancel; the caller then keeps its previous value.
bool BepaalVerschilGMT(const std::string& zone, const TDatumRec& datum, const TTijdRec& tijd,
                       double lengte, TTijdRec& verschil);
bool BepaalVerschilGMTIn(const std::string& map, const std::string& zone, const TDatumRec& datum,
                         const TTijdRec& tijd, double lengte, TTijdRec& verschil);

}  // namespace orvan
