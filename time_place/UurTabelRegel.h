#pragma once
// One data line of a time zone table (".uur"): three numbers separated by blanks, one separator
// character, a flag character and a comment to the end of the line:
//   19400516 0.00 2.00  CEST summer time
// the date from which the line applies (yyyymmdd), the local clock time of the change (h.mm) and
// the difference to Greenwich time from then on (h.mm, east positive). The flag "?" marks the
// difference as uncertain.

#include <string>

namespace orvan {

inline constexpr std::size_t MaxUurCommentaar = 255;

struct TUurTabelRegel {
  long datum = 0;        // yyyymmdd
  long tijd = 0;         // h.mm as hundredths: 3.40 is 340
  double verschil = 0;   // h.mm
  bool onzeker = false;
  std::string commentaar;   // as in the file (CP1252), at most 255 characters
};

// Reads a line (a trailing carriage return is ignored). False when a number is missing or
// malformed, or the date or time is out of range.
bool LeesUurTabelRegel(const std::string& regel, TUurTabelRegel& r);

// True when the line lies before the moment (date yyyymmdd, time as hundredths h*100 + min).
inline bool IsEerderDan(const TUurTabelRegel& r, long datum, long tijd) {
  return r.datum < datum || (r.datum == datum && r.tijd < tijd);
}

}  // namespace orvan
